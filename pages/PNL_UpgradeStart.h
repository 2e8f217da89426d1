// The page "PNLUpgradeStart".
#pragma once

#include "shell/Frame_Panel.h"

class TPNLUpgradeStart : public TFramePanel {
public:
    explicit TPNLUpgradeStart(TComponent* owner);
};
