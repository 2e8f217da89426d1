// The page "PnlUpgradeFindDir".
#pragma once

#include "shell/Frame_Panel.h"

class TPnlUpgradeFindDir : public TFramePanel {
public:
    explicit TPnlUpgradeFindDir(TComponent* owner);
};
