#include "pages/PNL_InstallChooseConnection.h"

#include "pages/PageControls.h"
#include "shell/Appl_Globals.h"
#include "shell/Form_Main.h"
#include "shell/KVI_ButtonBar.h"
#include "shell/PageNames.h"

namespace {

const char* const Explanation =
    "Choose the kind of internet-connection that\r"
    "you use. Pictoro uses this information to \r"
    "optimize its performance dependend on the\r"
    "kind of connection you have. After installation\r"
    "you could select to the item \"Performance\"\r"
    "of Pictoro to finetune this settings yourself.";

// In the order of ConnectionKind.
const char* const ConnectionKinds[] = {
    "&Modem < 56KBS", "M&odem 56K", "&ISDN Modem", "&ADSL Modem/DSL Modem", "&Cable Modem", "I &don't know",
};

} // namespace

TPNLInstallChooseConnection::TPNLInstallChooseConnection(TComponent* owner) : TFramePanel(owner) {
    Name = PageName::PNLInstallChooseConnection;
    HeaderText = "Select your internet-connection";

    Image1 = PlaceImage(this, this, "Image1", 16, 16, 177, 281, "Connection.jpg");
    StaticText1 = PlaceStaticText(this, this, "StaticText1", 200, 16, 216, 105, "");
    rgConnection = PlaceControl<TRadioGroup>(this, this, "rgConnection", 200, 130, 185, 145);
    rgConnection->SetCaption("Internet-connection");
    rgConnection->Columns = 1;
}

void TPNLInstallChooseConnection::SetupButtons(tKvButtonBar* Bar) {
    Bar->AddLeftButton("&Exit", 1, 1, [this](TObject* Sender) { BtnExitClick(Sender); });
    Bar->AddRightButton("&Next", 2, 1, [this](TObject* Sender) { BtnNextClick(Sender); });
    Bar->AddRightButton("&Previous", 3, 1, [this](TObject* Sender) { BtnPreviousClick(Sender); });
}

void TPNLInstallChooseConnection::PageShow() {
    StaticText1->SetCaption(Explanation);
    rgConnection->ClearItems();
    for (const char* kind : ConnectionKinds) rgConnection->AddItem(kind);
    rgConnection->SetItemIndex(ConnectionKind);
}

void TPNLInstallChooseConnection::BtnExitClick(TObject*) {
    FormMain->Close();
}

void TPNLInstallChooseConnection::BtnNextClick(TObject*) {
    if (rgConnection->ItemIndex() == -1) throw Exception("Choose a connection first");
    ConnectionKind = rgConnection->ItemIndex();
    FormMain->ShowPage(PageName::PNLInstallGo, true);
}

void TPNLInstallChooseConnection::BtnPreviousClick(TObject*) {
    FormMain->ShowPage(PageName::PNLInstallChooseDownloadDir, true);
}
