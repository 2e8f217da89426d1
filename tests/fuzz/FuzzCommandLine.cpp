// libFuzzer target: every input, taken as the program's command line, is split, rejoined and
// tested for /autoupdate as the main window's creation does it. No input may crash; a
// recognised line yields a trimmed directory that ends in a backslash; the option followed by
// nothing but blanks and control characters is not recognised. A silent line is never an
// /autoupdate line, its connection kind stays within 0 to 5 and its error names no control
// character.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Strings.h"
#include "shell/CommandLine.h"

namespace {

bool Blank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool AllBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), Blank);
}

// The arguments after the program's own are the option and nothing else.
bool OptionWithoutDirectory(const std::vector<std::string>& arguments) {
    static const std::string option = "/autoupdate";
    if (arguments.size() < 2 || LowerCase(arguments[1]).rfind(option, 0) != 0) return false;
    return AllBlank(arguments[1].substr(option.size())) &&
        std::all_of(arguments.begin() + 2, arguments.end(), AllBlank);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string commandLine(reinterpret_cast<const char*>(data), size);
    std::string InstallDir;
    const bool AutoUpdate = ParseAutoUpdate(JoinedArguments(commandLine), InstallDir);
    if (AutoUpdate && (InstallDir.empty() || InstallDir.back() != '\\' || Blank(InstallDir.front()))) std::abort();
    if (AutoUpdate && OptionWithoutDirectory(SplitCommandLine(commandLine))) std::abort();
    if (!IsSilentLine(commandLine)) return 0;
    const TSilentOptions options = ParseSilentOptions(commandLine);
    if (AutoUpdate || options.ConnectionKind < 0 || options.ConnectionKind > 5) std::abort();
    if (std::any_of(options.Error.begin(), options.Error.end(), [](char c) { return Blank(c) && c != ' '; }))
        std::abort();
    return 0;
}
