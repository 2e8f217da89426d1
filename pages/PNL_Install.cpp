#include "pages/PNL_Install.h"

#include "pages/Maker.h"
#include "pages/PageControls.h"
#include "platform/Platform.h"
#include "shell/Appl_Globals.h"
#include "shell/Form_Main.h"
#include "shell/KVI_ButtonBar.h"
#include "shell/PageNames.h"

TPnlInstall::TPnlInstall(TComponent* owner) : TFramePanel(owner) {
    Name = PageName::PnlInstall;
    HeaderText = "Install or upgrade?";

    CreatePanel44();
    Label4a = PlaceLabel(this, this, "Label4a", 372, 17, 144, 13, "What do you want to do?");
    SetOwnFont(*Label4a, fsBold);
    RadioButton1 = PlaceControl<TRadioButton>(this, this, "RadioButton1", 389, 41, 177, 17);
    RadioButton1->SetCaption("&Install Pictoro on this computer");
    RadioButton1->SetChecked(true);
    RadioButton1->OnClick = [this](TObject* Sender) { RadioButton1Click(Sender); };
    RadioButton2 = PlaceControl<TRadioButton>(this, this, "RadioButton2", 389, 69, 177, 17);
    RadioButton2->SetCaption("&Upgrade an existing installation");
    RadioButton2->OnClick = [this](TObject* Sender) { RadioButton2Click(Sender); };
    Label1 = PlaceLabel(this, this, "Label1", 372, 133, 49, 13, "Shortcut");
    SetOwnFont(*Label1, fsBold);
    CheckBox1 = PlaceControl<TCheckBox>(this, this, "CheckBox1", 394, 153, 191, 17);
    CheckBox1->SetCaption("&Create a shortcut on the desktop");
    CheckBox1->SetChecked(true);
    Label3 = PlaceLabel(this, this, "Label3", 375, 192, 52, 13, "Directory");
    SetOwnFont(*Label3, fsBold);
    StaticText1 = PlaceStaticText(this, this, "StaticText1", 392, 211, 185, 30,
                                  "In the next step you'll be asked to choose the installation directory. ");
}

void TPnlInstall::CreatePanel44() {
    Panel44 = PlaceControl<TPanel>(this, this, "Panel44", 8, 8, 337, 281);
    Panel44->SetColor(clWhite);
    Image4 = PlaceImage(this, Panel44, "Image4", 8, 8, 225, 193, "Install.jpg");
    Image4->SetAutoSize(true);
    Label2 = PlaceLabel(this, Panel44, "Label2", 8, 208, 321, 13,
                        "We did a lot to make sure installation of Pictoro will work smoothly.");
    Label5 = PlaceLabel(this, Panel44, "Label5", 9, 228, 313, 13,
                        "In case you experience some problems anyway please let us know");
    Label14 = PlaceLabel(this, Panel44, "Label14", 8, 248, 206, 13, "so we can try to help. You can reach us at :");
    // The address is ours, so the link takes the width of its text.
    Label18 = PlaceAutoSizeLabel(this, Panel44, "Label18", 216, 248);
    Label18->SetCaption(MakerContactAddress);
    SetOwnFont(*Label18, fsUnderline, clBlue);
    Label18->Cursor = crHandPoint;
    Label18->OnClick = [this](TObject* Sender) { Label18Click(Sender); };
}

void TPnlInstall::SetupButtons(tKvButtonBar* Bar) {
    Bar->AddLeftButton("&Exit", 1, 1, [this](TObject* Sender) { BtnExitClick(Sender); });
    Bar->AddRightButton("&Next", 2, 1, [this](TObject* Sender) { BtnNextClick(Sender); });
    Bar->AddRightButton("&Previous", 3, 1, [this](TObject* Sender) { BtnPreviousClick(Sender); });
}

void TPnlInstall::Label18Click(TObject*) {
    platform::ShellExecuteA(FormMain->WindowHandle(), "", "mailto:" + MakerContactAddress, "", "",
                            platform::SwShowNormal);
}

void TPnlInstall::RadioButton1Click(TObject*) {
    RadioButton2->SetChecked(!RadioButton1->Checked());
}

void TPnlInstall::RadioButton2Click(TObject*) {
    RadioButton1->SetChecked(!RadioButton2->Checked());
}

void TPnlInstall::BtnExitClick(TObject*) {
    FormMain->Close();
}

void TPnlInstall::BtnNextClick(TObject*) {
    UpgradeChosen = RadioButton2->Checked();
    DesktopShortcut = CheckBox1->Checked();
    if (UpgradeChosen)
        FormMain->ShowPage(PageName::PnlUpgradeFindDir, true);
    else
        FormMain->ShowPage(PageName::PnlInstallChooseDir, true);
}

void TPnlInstall::BtnPreviousClick(TObject*) {
    FormMain->ShowPage(PageName::PnlDisclaimer, true);
}
