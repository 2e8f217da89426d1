// The page "PNLInstallInstalling": the installation run. It writes Pictoro.Exe, the
// start-menu folder with its links, the desktop link if chosen and Pictoro.Dat, then shows
// "PNLInstallReady".
#pragma once

#include <cstdint>
#include <string>

#include "shell/Frame_Panel.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/StdCtrls.h"

class TPNLInstallInstalling : public TFramePanel {
public:
    explicit TPNLInstallInstalling(TComponent* owner);

    TLabel* Label12;
    TProgressBar* ProgressBar1;

    void PageShow() override;
    void PageShown() override;

    // Moves the bar and the "% complete" label, then lets the window process its messages.
    void SetProgress(std::uint32_t Value);
    void WriteDataFile(const std::string& FileName);

private:
    void InstallFiles();
    std::uint32_t PercentOfMaximum(int percent) const;
    void CreateStartMenuLinks();
    void CreateDesktopLink();
};

// maximum / 100.0 * percent, rounded to the nearest whole number, a tie to the even one.
std::uint32_t PercentOf(std::uint32_t maximum, int percent);

// One shell-link file; an IconIndex below 0 sets no icon.
void CreateLink(const std::string& Target, const std::string& LinkFile, const std::string& Description,
                const std::string& Arguments, std::int32_t IconIndex);
