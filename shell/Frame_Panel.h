// The base of every wizard page: a 712 x 377 sky-blue frame with a header text and three
// hooks that ShowPage calls in order: SetupButtons, PageShow, PageShown.
#pragma once

#include <string>

#include "toolkit/Forms.h"

class tKvButtonBar;

class TFramePanel : public TFrame {
public:
    explicit TFramePanel(TComponent* owner);

    std::string HeaderText;

    virtual void SetupButtons(tKvButtonBar* Bar) { (void)Bar; }
    virtual void PageShow() {}
    virtual void PageShown() {}
};
