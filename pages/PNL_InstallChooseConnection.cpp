#include "pages/PNL_InstallChooseConnection.h"

TPNLInstallChooseConnection::TPNLInstallChooseConnection(TComponent* owner) : TFramePanel(owner) {
    Name = "PNLInstallChooseConnection";
    HeaderText = "Select your internet-connection";
}
