#include "pages/PNL_InstallReady.h"

TPNLInstallReady::TPNLInstallReady(TComponent* owner) : TFramePanel(owner) {
    Name = "PNLInstallReady";
    HeaderText = "Installation of Pictoro ready";
}
