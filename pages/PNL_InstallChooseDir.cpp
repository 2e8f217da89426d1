#include "pages/PNL_InstallChooseDir.h"

TPnlInstallChooseDir::TPnlInstallChooseDir(TComponent* owner) : TFramePanel(owner) {
    Name = "PnlInstallChooseDir";
    HeaderText = "Choose installation directory";
}
