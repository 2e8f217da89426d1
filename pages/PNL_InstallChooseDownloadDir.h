// The page "PNLInstallChooseDownloadDir".
#pragma once

#include "shell/Frame_Panel.h"

class TPNLInstallChooseDownloadDir : public TFramePanel {
public:
    explicit TPNLInstallChooseDownloadDir(TComponent* owner);
};
