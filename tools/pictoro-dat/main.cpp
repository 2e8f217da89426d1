// pictoro-dat: shows, creates and tests the installer's data files.
//   pictoro-dat dump FILE
//   pictoro-dat init --install-dir DIR --download-dir DIR --connection N FILE
//   pictoro-dat version FILE
#include <charconv>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "HostFiles.h"
#include "JsonDump.h"
#include "datafile/LIB_Data1_ReadWrite.h"
#include "datafile/LIB_DataFileReader.h"
#include "datafile/PB_Pictoro_DAT.h"
#include "platform/Strings.h"

namespace {

constexpr int ExitAccepted = 0;
constexpr int ExitRefused = 1;
constexpr int ExitFailed = 2;

const char* const Usage =
    "usage: pictoro-dat dump FILE\n"
    "       pictoro-dat init --install-dir DIR --download-dir DIR --connection N FILE\n"
    "       pictoro-dat version FILE\n"
    "dump prints the decoded content as JSON; init writes a fresh data file as the installer\n"
    "does (DIR as Windows paths, N the connection kind 0 to 5); version prints the format\n"
    "version and exits 0 if the upgrade search accepts the file, 1 if not. A missing trailing\n"
    "backslash is added to the installation directory, as the installer always has one.\n"
    "Exit status 2: the file could not be read or written, or the call was wrong.\n";

struct UsageError {
    std::string Message;
};

// One line on the error output; file names, command-line text and bytes quoted from a file
// show every byte outside printable ASCII as \xNN.
void Complain(const std::string& message) {
    std::cerr << "pictoro-dat: " << EscapedForMessage(message) << "\n";
}

int Fail(const std::string& file, const std::string& message) {
    Complain(file + ": " + message);
    return ExitFailed;
}

int Dump(const std::string& file) {
    try {
        WriteJson(std::cout, ReadDataFile(WindowsPathFor(file)));
        return ExitAccepted;
    } catch (const EInOutError& e) {
        return Fail(file, "cannot read the file: " + e.Message);
    } catch (const Exception& e) {
        return Fail(file, e.Message);
    }
}

int Version(const std::string& file) {
    std::uint8_t version = 0;
    try {
        version = ReadFormatVersion(WindowsPathFor(file));
    } catch (const Exception& e) {
        return Fail(file, "cannot read the file: " + e.Message);
    }
    const bool accepted = FormatVersionAccepted(version);
    std::error_code sizeUnknown;
    if (std::filesystem::file_size(file, sizeUnknown) == 0 && !sizeUnknown)
        std::cout << "no format version (the file is empty)";
    else
        std::cout << "format version " << int(version);
    std::cout << (accepted ? ": accepted" : ": refused") << " by the upgrade search\n";
    return accepted ? ExitAccepted : ExitRefused;
}

int ConnectionKindFrom(const std::string& text) {
    int kind = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), kind);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size())
        throw UsageError{"--connection needs a whole number, not \"" + text + "\""};
    return kind;
}

int Init(const std::vector<std::string>& arguments) {
    std::map<std::string, std::string> options;
    std::string file;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--install-dir" || argument == "--download-dir" || argument == "--connection") {
            if (i + 1 == arguments.size()) throw UsageError{argument + " needs a value"};
            options[argument] = arguments[++i];
        } else if (argument.rfind("--", 0) == 0 || !file.empty()) {
            throw UsageError{"unexpected argument \"" + argument + "\""};
        } else {
            file = argument;
        }
    }
    for (const char* option : {"--install-dir", "--download-dir", "--connection"})
        if (!options.count(option)) throw UsageError{std::string("init needs ") + option};
    if (file.empty()) throw UsageError{"init needs the FILE to write"};

    TWizardChoices choices;
    choices.InstallDir = options["--install-dir"];
    if (choices.InstallDir.empty() || choices.InstallDir.back() != '\\')
        choices.InstallDir += '\\'; // the installer's directory always ends in a backslash
    choices.DownloadDir = options["--download-dir"];
    choices.ConnectionKind = ConnectionKindFrom(options["--connection"]);
    try {
        WriteInitialDataFile(WindowsPathFor(file), choices, 0, [](unsigned) {});
        return ExitAccepted;
    } catch (const Exception& e) {
        return Fail(file, "cannot write the file: " + e.Message);
    }
}

int Run(const std::vector<std::string>& arguments) {
    if (arguments.empty()) throw UsageError{"no command given"};
    const std::string& command = arguments[0];
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (command == "init") return Init(rest);
    if (command != "dump" && command != "version") throw UsageError{"unknown command \"" + command + "\""};
    if (rest.size() != 1) throw UsageError{command + " needs exactly one FILE"};
    return command == "dump" ? Dump(rest[0]) : Version(rest[0]);
}

} // namespace

int main(int argc, char** argv) {
    MapHostRoot();
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& e) {
        Complain(e.Message);
        std::cerr << Usage;
        return ExitFailed;
    }
}
