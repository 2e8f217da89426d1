#include "shell/CommandLine.h"

#include "platform/Strings.h"

namespace {

bool IsSeparator(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

std::vector<std::string> SplitCommandLine(const std::string& CommandLine) {
    std::vector<std::string> arguments;
    std::size_t i = 0;
    while (i < CommandLine.size()) {
        if (IsSeparator(CommandLine[i])) {
            ++i;
            continue;
        }
        std::string argument;
        bool quoted = false;
        for (; i < CommandLine.size() && (quoted || !IsSeparator(CommandLine[i])); ++i) {
            if (CommandLine[i] == '"')
                quoted = !quoted;
            else
                argument += CommandLine[i];
        }
        arguments.push_back(argument);
    }
    return arguments;
}

std::string JoinedArguments(const std::string& CommandLine) {
    const std::vector<std::string> arguments = SplitCommandLine(CommandLine);
    std::string line;
    for (std::size_t i = 1; i < arguments.size(); ++i) line += arguments[i] + " ";
    return Trim(line);
}

bool ParseAutoUpdate(const std::string& Line, std::string& Directory) {
    static const std::string option = "/autoupdate ";
    if (LowerCase(Line).rfind(option, 0) != 0) return false;
    Directory = Trim(Line.substr(option.size() - 1));
    if (Directory.empty() || Directory.back() != '\\') Directory += '\\';
    return true;
}
