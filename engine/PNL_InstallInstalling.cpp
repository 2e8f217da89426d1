#include "engine/PNL_InstallInstalling.h"

TPNLInstallInstalling::TPNLInstallInstalling(TComponent* owner) : TFramePanel(owner) {
    Name = "PNLInstallInstalling";
    HeaderText = "Installing Pictoro";
}
