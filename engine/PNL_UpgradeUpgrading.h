// The page "PNLUpgradeUpgrading": the upgrade run. It rewrites Pictoro.Exe in InstallDir and
// nothing else, then shows "PNLUpgradeReady", or in an unattended update starts the
// application and ends the installer.
#pragma once

#include "pages/ProgressDisplay.h"
#include "shell/Frame_Panel.h"

class TPNLUpgradeUpgrading : public TFramePanel, public TProgressDisplay {
public:
    explicit TPNLUpgradeUpgrading(TComponent* owner);

    void PageShow() override;
    void PageShown() override;

private:
    void WriteExecutable();
};
