#include "pages/PNL_UpgradeReady.h"

TPNLUpgradeReady::TPNLUpgradeReady(TComponent* owner) : TFramePanel(owner) {
    Name = "PNLUpgradeReady";
    HeaderText = "Upgrade of Pictoro ready";
}
