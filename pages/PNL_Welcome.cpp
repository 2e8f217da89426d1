#include "pages/PNL_Welcome.h"

#include "shell/Form_Main.h"
#include "shell/KVI_ButtonBar.h"

TPnlWelcome::TPnlWelcome(TComponent* owner) : TFramePanel(owner) {
    Name = "PnlWelcome";
    HeaderText = "Welcome";
}

void TPnlWelcome::SetupButtons(tKvButtonBar* Bar) {
    Bar->AddLeftButton("&Exit", 1, 1, [this](TObject* Sender) { ExitClick(Sender); });
    Bar->AddRightButton("&Next", 2, 1, [this](TObject* Sender) { NextClick(Sender); });
}

void TPnlWelcome::ExitClick(TObject* /*Sender*/) {
    FormMain->Close();
}

void TPnlWelcome::NextClick(TObject* /*Sender*/) {
    FormMain->ShowPage("PnlDisclaimer", true);
}
