// The page "PNLInstallInstalling".
#pragma once

#include "shell/Frame_Panel.h"

class TPNLInstallInstalling : public TFramePanel {
public:
    explicit TPNLInstallInstalling(TComponent* owner);
};
