// The page "PNLInstallChooseConnection".
#pragma once

#include "shell/Frame_Panel.h"

class TPNLInstallChooseConnection : public TFramePanel {
public:
    explicit TPNLInstallChooseConnection(TComponent* owner);
};
