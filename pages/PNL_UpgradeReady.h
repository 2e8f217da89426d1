// The page "PNLUpgradeReady".
#pragma once

#include "shell/Frame_Panel.h"

class TPNLUpgradeReady : public TFramePanel {
public:
    explicit TPNLUpgradeReady(TComponent* owner);
};
