#include "upgrade_Fixture.h"

#include "pages/PNL_Install.h"
#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"
#include "shell/Appl_Globals.h"
#include "toolkit/headless/HeadlessUI.h"

namespace vw = platform::headless;

std::string UpgradeTest::DataFileBytes(int version, bool escaped, const std::string& rest) const {
    std::string bytes = escaped ? std::string{char(31), char(84 + version)} : std::string(1, char(version));
    return bytes + rest;
}

void UpgradeTest::MakeInstallation(const std::string& dir, int version, bool escaped, const std::string& rest) {
    MakeFile(dir + "Pictoro.Dat", DataFileBytes(version, escaped, rest));
    MakeFile(dir + "Pictoro.Exe", EarlierExecutable);
}

void UpgradeTest::StartSearch() {
    GoToInstallPage();
    ClickControl(*Page<TPnlInstall>().RadioButton2);
    ClickButton("&Next");
}

void UpgradeTest::RestartWith(const std::string& commandLine) {
    delete Application;
    Application = nullptr;
    FormMain = nullptr;
    headless::Reset();
    InstallDir.clear();
    AutoUpdate = false;
    FoundDataFiles.clear();
    vw::SetCommandLine(commandLine);

    Application = new TApplication;
    Application->Initialize();
    Application->SetTitle("Install_Pictoro");
    Application->CreateForm(FormMain);
    FormMain->ShowForm();
}

bool UpgradeTest::TickStartTimer() {
    vw::AdvanceClock(200);
    try {
        headless::RunPending();
    } catch (const platform::HaltRequest&) {
        return true;
    }
    return false;
}

std::vector<std::string> UpgradeTest::StartedCommandLines() const {
    std::vector<std::string> lines;
    for (const vw::StartedProcess& process : vw::StartedProcesses())
        lines.push_back(std::to_string(process.Show) + "|" + process.CommandLine);
    return lines;
}
