// The page "PNLInstallInstalling": the installation run. It writes Pictoro.Exe, the
// start-menu folder with its links, the desktop link if chosen and Pictoro.Dat, then shows
// "PNLInstallReady".
#pragma once

#include "pages/ProgressDisplay.h"
#include "shell/Frame_Panel.h"

class TPNLInstallInstalling : public TFramePanel, public TProgressDisplay {
public:
    explicit TPNLInstallInstalling(TComponent* owner);

    void PageShow() override;
    void PageShown() override;

private:
    void InstallFiles();
};
