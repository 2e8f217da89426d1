#include "WizardFixture.h"

#include <algorithm>

#include "pages/PNL_Disclaimer.h"
#include "pages/PNL_Install.h"
#include "pages/PNL_InstallChooseConnection.h"
#include "pages/PNL_InstallChooseDir.h"
#include "pages/PNL_InstallChooseDownloadDir.h"
#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"
#include "shell/Appl_Globals.h"
#include "shell/Frame_Panel.h"
#include "shell/KVI_ButtonBar.h"
#include "shell/PageNames.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/headless/HeadlessUI.h"

namespace vw = platform::headless;

void WizardTest::SetUp() {
    VirtualDriveTest::SetUp();
    headless::Reset();
    headless::SetDisplayDpi(displayDpi_);
    MapDrive('D', platform::DriveFixed);
    vw::SetSpecialFolder(platform::CsidlProgramFiles, ProgramFiles);
    vw::SetSpecialFolder(platform::CsidlPrograms, StartMenuPrograms);
    vw::SetSpecialFolder(platform::CsidlDesktopDirectory, Desktop);
    MakeDir(ProgramFiles);
    MakeDir(StartMenuPrograms);
    MakeDir(Desktop);
    vw::SetClockStep(40);

    InstallDir.clear();
    DownloadDir.clear();
    ConnectionKind = -1;
    AutoUpdate = false;
    UpgradeChosen = false;
    DesktopShortcut = false;
    FoundDataFiles.clear();

    Application = new TApplication;
    Application->Initialize();
    Application->SetTitle("Install_Pictoro");
    Application->CreateForm(FormMain);
    FormMain->ShowForm();
    headless::RunPending();
}

void WizardTest::TearDown() {
    delete Application;
    Application = nullptr;
    FormMain = nullptr;
    VirtualDriveTest::TearDown();
}

TFramePanel* WizardTest::CurrentPage() const {
    TTabSheet* sheet = FormMain->PageControl->ActivePage();
    if (!sheet || sheet->ControlCount() == 0) return nullptr;
    return dynamic_cast<TFramePanel*>(sheet->Controls()[0]);
}

std::string WizardTest::CurrentPageName() const {
    TFramePanel* page = CurrentPage();
    return page ? page->Name : "(none)";
}

std::vector<std::string> WizardTest::BarCaptions() const {
    std::vector<std::pair<int, std::string>> shown;
    for (TControl* button : FormMain->PnlButtons->Controls())
        if (button->Visible()) shown.emplace_back(button->Left(), button->Caption());
    std::sort(shown.begin(), shown.end());
    std::vector<std::string> captions;
    for (auto& [left, caption] : shown) captions.push_back(caption);
    return captions;
}

TControl* WizardTest::BarButton(const std::string& caption) const {
    for (TControl* button : FormMain->PnlButtons->Controls())
        if (button->Visible() && button->Caption() == caption) return button;
    return nullptr;
}

void WizardTest::ClickButton(const std::string& caption) {
    TControl* button = BarButton(caption);
    if (!button) throw std::runtime_error("no button " + caption + " on " + CurrentPageName());
    ClickControl(*button);
}

void WizardTest::ClickControl(const TControl& control) {
    TPoint center = headless::CenterOf(control);
    headless::Click(*FormMain, center.X, center.Y);
    headless::RunPending();
}

void WizardTest::ClickHeader() {
    ClickControl(*FormMain->PnlHeader);
}

void WizardTest::TypeInto(TEdit& edit, const std::string& text) {
    ClickControl(edit);
    headless::SetEditText(edit, text);
}

void WizardTest::RequirePage(const std::string& name) const {
    if (CurrentPageName() != name) throw std::runtime_error("expected " + name + ", showing " + CurrentPageName());
}

std::vector<std::string> WizardTest::TakeBoxes() {
    std::vector<std::string> boxes;
    for (const headless::RecordedBox& box : headless::MessageBoxes()) {
        EXPECT_EQ(box.Flags, mbIconStop | mbOK) << box.Text;
        boxes.push_back(box.Caption + "|" + box.Text);
    }
    headless::ClearMessageBoxes();
    return boxes;
}

void WizardTest::GoToInstallPage() {
    ClickButton("&Next");
    ClickControl(*Page<TPnlDisclaimer>().CheckBox1);
    ClickButton("&Next");
    RequirePage(PageName::PnlInstall);
}

void WizardTest::GoToChooseDirPage() {
    GoToInstallPage();
    TPnlInstall& page = Page<TPnlInstall>();
    if (page.CheckBox1->Checked() != desktopShortcut_) ClickControl(*page.CheckBox1);
    ClickButton("&Next");
    RequirePage(PageName::PnlInstallChooseDir);
}

void WizardTest::GoToDownloadDirPage() {
    GoToChooseDirPage();
    if (!installDirTyped_.empty()) TypeInto(*Page<TPnlInstallChooseDir>().Edit1, installDirTyped_);
    ClickButton("&Next");
    RequirePage(PageName::PNLInstallChooseDownloadDir);
}

void WizardTest::GoToConnectionPage() {
    GoToDownloadDirPage();
    if (!downloadDirTyped_.empty()) TypeInto(*Page<TPNLInstallChooseDownloadDir>().Edit1, downloadDirTyped_);
    ClickButton("&Next");
    RequirePage(PageName::PNLInstallChooseConnection);
}

void WizardTest::GoToGoPage() {
    GoToConnectionPage();
    ClickControl(*Page<TPNLInstallChooseConnection>().rgConnection->Buttons().at(connectionItem_));
    ClickButton("&Next");
    RequirePage(PageName::PNLInstallGo);
}
