// The page "PnlUpgradeFindDir": searches the fixed disks for installed copies (their
// Pictoro.Dat) of a format this installer can upgrade, then moves on by itself.
#pragma once

#include <cstdint>
#include <string>

#include "shell/Frame_Panel.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"

class TPnlUpgradeFindDir : public TFramePanel {
public:
    explicit TPnlUpgradeFindDir(TComponent* owner);

    TImage* Image9;
    TLabel* Label12;
    TProgressBar* ProgressBar1;
    TStaticText* StaticText4;

    void PageShown() override;

    // Moves the bar and the "% complete" label, then lets the window process its messages.
    void SetProgress(std::uint8_t Percent);
    // True for a data file whose format version can be upgraded; false on any failure.
    bool AcceptDataFile(const std::string& Path);

private:
    void SearchDataFiles();
};
