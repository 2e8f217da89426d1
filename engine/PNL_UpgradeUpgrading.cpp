#include "engine/PNL_UpgradeUpgrading.h"

TPNLUpgradeUpgrading::TPNLUpgradeUpgrading(TComponent* owner) : TFramePanel(owner) {
    Name = "PNLUpgradeUpgrading";
    HeaderText = "Upgrading Pictoro";
}
