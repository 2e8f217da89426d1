#include "shell/Appl_Globals.h"

#include "engine/PNL_InstallInstalling.h"
#include "engine/PNL_UpgradeFindDir.h"
#include "engine/PNL_UpgradeUpgrading.h"
#include "pages/PNL_Disclaimer.h"
#include "pages/PNL_Install.h"
#include "pages/PNL_InstallChooseConnection.h"
#include "pages/PNL_InstallChooseDir.h"
#include "pages/PNL_InstallChooseDownloadDir.h"
#include "pages/PNL_InstallGo.h"
#include "pages/PNL_InstallReady.h"
#include "pages/PNL_UpgradeReady.h"
#include "pages/PNL_UpgradeStart.h"
#include "pages/PNL_Welcome.h"
#include "shell/Form_Main.h"

std::string InstallDir;
std::string DownloadDir;
std::int32_t ConnectionKind = -1;
bool AutoUpdate = false;
bool UpgradeChosen = false;
bool DesktopShortcut = false;
std::vector<std::string> FoundDataFiles;

void RegisterPages() {
    FormMain->AddPage(new TPnlWelcome(nullptr));
    FormMain->AddPage(new TPnlDisclaimer(nullptr));
    FormMain->AddPage(new TPnlInstall(nullptr));
    FormMain->AddPage(new TPnlInstallChooseDir(nullptr));
    FormMain->AddPage(new TPNLInstallChooseDownloadDir(nullptr));
    FormMain->AddPage(new TPNLInstallChooseConnection(nullptr));
    FormMain->AddPage(new TPNLInstallGo(nullptr));
    FormMain->AddPage(new TPNLInstallInstalling(nullptr));
    FormMain->AddPage(new TPNLInstallReady(nullptr));
    FormMain->AddPage(new TPnlUpgradeFindDir(nullptr));
    FormMain->AddPage(new TPNLUpgradeStart(nullptr));
    FormMain->AddPage(new TPNLUpgradeUpgrading(nullptr));
    FormMain->AddPage(new TPNLUpgradeReady(nullptr));
}
