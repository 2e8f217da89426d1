#include "pages/PNL_InstallGo.h"

TPNLInstallGo::TPNLInstallGo(TComponent* owner) : TFramePanel(owner) {
    Name = "PNLInstallGo";
    HeaderText = "Ready to install";
}
