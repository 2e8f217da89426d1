// The progress display that the pages working by themselves share: a "% complete" label
// above a smooth bar.
#pragma once

#include <cstdint>

#include "toolkit/ComCtrls.h"
#include "toolkit/StdCtrls.h"

class TProgressDisplay {
public:
    TLabel* Label12;
    TProgressBar* ProgressBar1;

    // Moves the bar to Value and the label to its whole percentage of the bar's maximum (a
    // tie to the even number), then lets the window process its messages.
    void SetProgress(std::uint32_t Value);

protected:
    void CreateProgressControls(TWinControl* page);
    // Runs the work; a failure empties the bar again before it passes on to the error box.
    template <class Work>
    void EmptyBarOnFailure(Work work) {
        try {
            work();
        } catch (...) {
            SetProgress(0);
            throw;
        }
    }
};
