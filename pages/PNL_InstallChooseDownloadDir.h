// The page "PNLInstallChooseDownloadDir": where the application stores downloaded pictures.
#pragma once

#include "pages/DirectoryChoice.h"
#include "shell/Frame_Panel.h"

class TPNLInstallChooseDownloadDir : public TFramePanel, public TDirectoryChoice {
public:
    explicit TPNLInstallChooseDownloadDir(TComponent* owner);

    void SetupButtons(tKvButtonBar* Bar) override;
    void PageShow() override;

    void BtnExitClick(TObject* Sender);
    void BtnNextClick(TObject* Sender);
    void BtnPreviousClick(TObject* Sender);
};
