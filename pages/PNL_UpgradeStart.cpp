#include "pages/PNL_UpgradeStart.h"

TPNLUpgradeStart::TPNLUpgradeStart(TComponent* owner) : TFramePanel(owner) {
    Name = "PNLUpgradeStart";
    HeaderText = "Ready to upgrade";
}
