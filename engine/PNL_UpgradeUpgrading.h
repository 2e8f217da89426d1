// The page "PNLUpgradeUpgrading": the upgrade run. It rewrites Pictoro.Exe in InstallDir and
// nothing else, then shows "PNLUpgradeReady", or in an unattended update starts the
// application and ends the installer.
#pragma once

#include <cstdint>

#include "shell/Frame_Panel.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/StdCtrls.h"

class TPNLUpgradeUpgrading : public TFramePanel {
public:
    explicit TPNLUpgradeUpgrading(TComponent* owner);

    TLabel* Label12;
    TProgressBar* ProgressBar1;

    void PageShow() override;
    void PageShown() override;

    // Moves the bar and the "% complete" label, then lets the window process its messages.
    void SetProgress(std::uint32_t Value);

private:
    void WriteExecutable();
};
