#include "pages/PNL_Disclaimer.h"

#include "pages/Maker.h"
#include "pages/PageControls.h"
#include "shell/Form_Main.h"
#include "shell/KVI_ButtonBar.h"
#include "shell/PageNames.h"

std::string DisclaimerStatement() {
    return "Pictoro is protected by copyright under the laws of\r"
           "the Netherlands and by international treaties.\r" +
        MakerLegalName +
        " allows everybody to use Pictoro\r"
        "and to copy and distribute it to others. No right is\r"
        "granted to modify Pictoro in any way.\r"
        "\r"
        "The software is supplied as it is, in its present\r"
        "state, without any warranty. You use it at your own\r"
        "responsibility.\r"
        "\r"
        "Installing or using Pictoro creates no legal relation\r"
        "between you and " +
        MakerLegalName +
        "\r"
        "\r" +
        MakerLegalName +
        " works under Dutch law and\r"
        "provides Pictoro under that law, in and from the\r"
        "Netherlands, also when it is used elsewhere.";
}

TPnlDisclaimer::TPnlDisclaimer(TComponent* owner) : TFramePanel(owner) {
    Name = PageName::PnlDisclaimer;
    HeaderText = "Disclaimer";

    txtDisclaimer = PlaceStaticText(this, this, "txtDisclaimer", 4, 14, 374, 290, "");
    txtDisclaimer->SetColor(clWhite);
    Image3 = PlaceImage(this, this, "Image3", 379, 14, 320, 290, "Disclaimer.jpg");
    Image3->SetStretch(true);
    CheckBox1 = PlaceControl<TCheckBox>(this, this, "CheckBox1", 24, 328, 601, 25);
    CheckBox1->SetCaption("I have read the statement above and I fully agree with this statement.");
    SetOwnFont(*CheckBox1, 0, clWindowText, -21);
}

void TPnlDisclaimer::SetupButtons(tKvButtonBar* Bar) {
    Bar->AddLeftButton("&Exit", 1, 1, [this](TObject* Sender) { BtnExitClick(Sender); });
    Bar->AddRightButton("&Next", 2, 1, [this](TObject* Sender) { BtnNextClick(Sender); });
    Bar->AddRightButton("&Previous", 3, 1, [this](TObject* Sender) { BtnPreviousClick(Sender); });
}

void TPnlDisclaimer::PageShow() {
    txtDisclaimer->SetCaption(DisclaimerStatement());
    CheckBox1->SetChecked(false);
}

void TPnlDisclaimer::BtnExitClick(TObject*) {
    FormMain->Close();
}

void TPnlDisclaimer::BtnNextClick(TObject*) {
    if (!CheckBox1->Checked())
        throw Exception(
            "You can only install Pictoro in case you agree to this statement.\r"
            "Check the checkbox to confirm.\r"
            "Otherwise please press Exit");
    FormMain->ShowPage(PageName::PnlInstall, true);
}

void TPnlDisclaimer::BtnPreviousClick(TObject*) {
    FormMain->ShowPage(PageName::PnlWelcome, true);
}
