// The page "PnlUpgradeFindDir": searches the fixed disks for installed copies (their
// Pictoro.Dat) of a format this installer can upgrade, then moves on by itself.
#pragma once

#include "pages/ProgressDisplay.h"
#include "shell/Frame_Panel.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"

class TPnlUpgradeFindDir : public TFramePanel, public TProgressDisplay {
public:
    explicit TPnlUpgradeFindDir(TComponent* owner);

    TImage* Image9;
    TStaticText* StaticText4;

    void PageShown() override;

private:
    void SearchDataFiles();
};
