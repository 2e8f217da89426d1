#include "pages/PNL_Install.h"

TPnlInstall::TPnlInstall(TComponent* owner) : TFramePanel(owner) {
    Name = "PnlInstall";
    HeaderText = "Install or upgrade?";
}
