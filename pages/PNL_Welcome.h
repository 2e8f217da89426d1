// The page "PnlWelcome".
#pragma once

#include "shell/Frame_Panel.h"

class TPnlWelcome : public TFramePanel {
public:
    explicit TPnlWelcome(TComponent* owner);

    void SetupButtons(tKvButtonBar* Bar) override;

private:
    void ExitClick(TObject* Sender);
    void NextClick(TObject* Sender);
};
