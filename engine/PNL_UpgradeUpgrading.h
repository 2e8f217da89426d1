// The page "PNLUpgradeUpgrading".
#pragma once

#include "shell/Frame_Panel.h"

class TPNLUpgradeUpgrading : public TFramePanel {
public:
    explicit TPNLUpgradeUpgrading(TComponent* owner);
};
