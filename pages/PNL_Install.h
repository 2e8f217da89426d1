// The page "PnlInstall".
#pragma once

#include "shell/Frame_Panel.h"

class TPnlInstall : public TFramePanel {
public:
    explicit TPnlInstall(TComponent* owner);
};
