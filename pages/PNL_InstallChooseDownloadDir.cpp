#include "pages/PNL_InstallChooseDownloadDir.h"

TPNLInstallChooseDownloadDir::TPNLInstallChooseDownloadDir(TComponent* owner) : TFramePanel(owner) {
    Name = "PNLInstallChooseDownloadDir";
    HeaderText = "Choose download directory";
}
