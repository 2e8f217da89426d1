#include "shell/WizardPages.h"

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
