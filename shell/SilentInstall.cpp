#include "shell/SilentInstall.h"

#include <vector>

#include "engine/InstallRun.h"
#include "pages/DirectoryRules.h"
#include "platform/Platform.h"
#include "platform/Strings.h"
#include "shell/CommandLine.h"
#include "shell/Program.h"
#include "shell/SilentLog.h"
#include "toolkit/Forms.h"

namespace {

const char* ResultText(TSilentExitCode code) {
    switch (code) {
    case SilentInstalled: return "installed";
    case SilentNotUnderstood: return "command line not understood, nothing installed";
    case SilentRefused: return "refused, nothing written";
    case SilentFailed: return "installation failed";
    }
    return "";
}

TSilentLog& Begin(TSilentLog& log, const std::string& CommandLine) {
    log.Line("Install Pictoro 1.7: silent installation");
    log.Line("Command line: " + CommandLine);
    return log;
}

TSilentExitCode Fail(TSilentLog& log, const std::string& message, TSilentExitCode code) {
    log.Line("Error: " + WithFullStop(message)); // as the box of the wizard reads
    return code;
}

std::string ResultLine(TSilentExitCode code) {
    return std::string("Result: ") + ResultText(code) + ", exit code " + char('0' + code);
}

// The result goes to the log and, with where the log is, to standard error.
int Finish(TSilentLog& log, TSilentExitCode code) {
    log.Line(ResultLine(code));
    platform::WriteStandardError(LogLines(ResultLine(code) + log.Whereabouts()));
    return code;
}

// A line not understood opens no log, so a file it names stays as it was: the message and the
// result go to standard error alone.
int EndUnlogged(const std::string& message, TSilentExitCode code) {
    platform::WriteStandardError(LogLines("Error: " + WithFullStop(message)) + LogLines(ResultLine(code)));
    return code;
}

// No "No disk" box, no box of a crash or of a file that cannot be opened: a silent run is
// often one that nobody watches.
void ShowNoSystemBoxes() {
    platform::SetErrorMode(platform::SemFailCriticalErrors | platform::SemNoGpFaultErrorBox |
                           platform::SemNoOpenFileErrorBox);
}

// The given directories, or the directory pages' first proposals, checked by the pages'
// rules in the pages' order; a refusal raises the pages' exception.
TInstallSettings CheckedSettings(const TSilentOptions& options) {
    const std::string installDir = WithTrailingBackslash(CheckedAbsoluteDirectory(
        options.InstallDir ? *options.InstallDir : ProposeDirectory(InstallListStart(0), InstallFolderWord)));
    RefuseExistingInstallation(installDir);
    const std::string downloadDir = CheckedAbsoluteDirectory(
        options.DownloadDir ? *options.DownloadDir : ProposeDirectory(DownloadListStart, DownloadFolderWord));
    return {{installDir, downloadDir, options.ConnectionKind}, options.DesktopShortcut, 0};
}

void LogChoices(TSilentLog& log, const TInstallSettings& settings) {
    log.Line("Installation directory = " + settings.Choices.InstallDir);
    log.Line("Download directory = " + settings.Choices.DownloadDir);
    log.Line(std::string("Connection kind = ") + char('0' + settings.Choices.ConnectionKind)); // 0 to 5
    log.Line(std::string("Create shortcut on desktop = ") + (settings.DesktopShortcut ? "Yes" : "No"));
}

void LogStep(TSilentLog& log, TInstallStep step, const std::string& path) {
    switch (step) {
    case TInstallStep::DirectoryCreated: log.Line("Directory created: " + path); break;
    case TInstallStep::ApplicationWritten: log.Line("Written: " + path); break;
    case TInstallStep::LinkSaved:
        log.Line((platform::FileExists(path) ? "Link written: " : "Link not written (the shell refused it): ") + path);
        break;
    case TInstallStep::DataFileWritten: log.Line("Written: " + path); break;
    }
}

// The levels of the directory that do not exist yet, the deepest first.
std::vector<std::string> MissingLevels(std::string dir) {
    std::vector<std::string> missing;
    while (!dir.empty() && dir.back() == '\\') dir.pop_back();
    while (dir.find('\\') != std::string::npos && !platform::DirectoryExists(dir)) {
        missing.push_back(dir);
        dir.erase(dir.rfind('\\'));
    }
    return missing;
}

// Removes the levels a failed run created, as far as they are empty.
void RemoveEmptyLevels(TSilentLog& log, const std::vector<std::string>& levels) {
    for (const std::string& level : levels) {
        if (!platform::RemoveDir(level)) return;
        log.Line("Directory removed: " + level);
    }
}

// Checks the choices (a refusal ends with 2), then runs the installation (a failure ends
// with 3 and takes back the directory levels it made, as far as they are empty).
TSilentExitCode Install(TSilentLog& log, const TSilentOptions& options) {
    TSilentExitCode onFailure = SilentRefused;
    std::vector<std::string> created;
    std::string message = "Unexpected failure";
    try {
        const TInstallSettings settings = CheckedSettings(options);
        LogChoices(log, settings);
        created = MissingLevels(settings.Choices.InstallDir);
        onFailure = SilentFailed;
        RunInstallation(
            settings, [](std::uint32_t) {},
            [&](TInstallStep step, const std::string& path) { LogStep(log, step, path); });
        return SilentInstalled;
    } catch (const EPayloadDamaged&) { // found before anything was written
        return Fail(log, InstallerDamagedText, SilentRefused);
    } catch (const std::exception& error) { // Exception among them, with its message
        message = error.what();
    } catch (...) { // the message stays the general one
    }
    Fail(log, message, onFailure);
    if (onFailure == SilentFailed) RemoveEmptyLevels(log, created);
    return onFailure;
}

} // namespace

int RunSilentInstallation(const std::string& CommandLine) {
    ShowNoSystemBoxes();
    const TSilentOptions options = ParseSilentOptions(CommandLine);
    if (!options.Error.empty()) return EndUnlogged(options.Error, SilentNotUnderstood);
    TSilentLog log(options.LogFile);
    Begin(log, CommandLine);
    const bool comInitialised = platform::CoInitializeApartment(); // for the shell's link object
    const TSilentExitCode code = Install(log, options);
    if (comInitialised) platform::CoUninitializeApartment();
    return Finish(log, code);
}

int EndSilentRun(const std::string& CommandLine, const std::string& Message, TSilentExitCode ExitCode) {
    ShowNoSystemBoxes();
    const TSilentOptions options = ParseSilentOptions(CommandLine);
    if (!options.Error.empty()) return EndUnlogged(Message, ExitCode);
    TSilentLog log(options.LogFile);
    return Finish(log, Fail(Begin(log, CommandLine), Message, ExitCode));
}
