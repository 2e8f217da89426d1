// The page "PnlInstallChooseDir": the installation directory.
#pragma once

#include "pages/DirectoryChoice.h"
#include "shell/Frame_Panel.h"

class TPnlInstallChooseDir : public TFramePanel, public TDirectoryChoice {
public:
    explicit TPnlInstallChooseDir(TComponent* owner);

    void SetupButtons(tKvButtonBar* Bar) override;
    void PageShow() override;

    void BtnExitClick(TObject* Sender);
    void BtnNextClick(TObject* Sender);
    void BtnPreviousClick(TObject* Sender);
};
