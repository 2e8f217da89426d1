// The page "PnlInstallChooseDir".
#pragma once

#include "shell/Frame_Panel.h"

class TPnlInstallChooseDir : public TFramePanel {
public:
    explicit TPnlInstallChooseDir(TComponent* owner);
};
