// The page "PNLInstallReady".
#pragma once

#include "shell/Frame_Panel.h"

class TPNLInstallReady : public TFramePanel {
public:
    explicit TPNLInstallReady(TComponent* owner);
};
