#include "engine/PNL_UpgradeFindDir.h"

TPnlUpgradeFindDir::TPnlUpgradeFindDir(TComponent* owner) : TFramePanel(owner) {
    Name = "PnlUpgradeFindDir";
    HeaderText = "Searching Pictoro";
}
