// The page "PnlDisclaimer".
#pragma once

#include "shell/Frame_Panel.h"

class TPnlDisclaimer : public TFramePanel {
public:
    explicit TPnlDisclaimer(TComponent* owner);
};
