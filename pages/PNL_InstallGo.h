// The page "PNLInstallGo".
#pragma once

#include "shell/Frame_Panel.h"

class TPNLInstallGo : public TFramePanel {
public:
    explicit TPNLInstallGo(TComponent* owner);
};
