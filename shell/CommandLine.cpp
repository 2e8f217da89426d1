#include "shell/CommandLine.h"

#include <algorithm>

#include "platform/Strings.h"

namespace {

bool IsSeparator(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool IsConnectionKind(const std::string& value) {
    return value.size() == 1 && value[0] >= '0' && value[0] <= '5';
}

// The option's name in lower case, with its "=" if it has one.
std::string OptionName(const std::string& argument) {
    const std::size_t equals = argument.find('=');
    return LowerCase(equals == std::string::npos ? argument : argument.substr(0, equals + 1));
}

// Takes one argument of a silent line into options; returns what is wrong with it, or "".
std::string ReadSilentOption(const std::string& argument, TSilentOptions& options) {
    const std::string name = OptionName(argument);
    const std::string value = argument.substr(name.size());
    if (name == "/silent") return "";
    if (name == "/agree")
        options.Agreed = true;
    else if (name == "/nodesktopshortcut")
        options.DesktopShortcut = false;
    else if (name == "/dir=")
        options.InstallDir = value;
    else if (name == "/downloaddir=")
        options.DownloadDir = value;
    else if (name == "/connection=" && !IsConnectionKind(value))
        return "The connection must be a number from 0 to 5: ";
    else if (name == "/connection=")
        options.ConnectionKind = value[0] - '0';
    else if (name == "/log=" && value.empty())
        return "The log needs a file name: ";
    else if (name == "/log=")
        options.LogFile = value;
    else
        return "Unknown option: ";
    return "";
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

bool IsSilentLine(const std::string& CommandLine) {
    std::string directory;
    if (ParseAutoUpdate(JoinedArguments(CommandLine), directory)) return false;
    const std::vector<std::string> arguments = SplitCommandLine(CommandLine);
    for (std::size_t i = 1; i < arguments.size(); ++i)
        if (LowerCase(arguments[i]) == "/silent") return true;
    return false;
}

TSilentOptions ParseSilentOptions(const std::string& CommandLine) {
    const std::vector<std::string> arguments = SplitCommandLine(CommandLine);
    TSilentOptions options;
    std::vector<std::string> seen;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const std::string name = OptionName(argument);
        const bool repeated = std::find(seen.begin(), seen.end(), name) != seen.end();
        seen.push_back(name);
        const std::string problem = repeated ? "Option given twice: " : ReadSilentOption(argument, options);
        if (!problem.empty() && options.Error.empty()) options.Error = problem + EscapedForMessage(argument);
    }
    if (options.Error.empty() && !options.Agreed)
        options.Error = "No /agree: nothing is installed unless the caller agrees to the maker's statement";
    return options;
}
