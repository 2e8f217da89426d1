#include "pages/ProgressDisplay.h"

#include <cmath>
#include <string>

#include "pages/PageControls.h"
#include "toolkit/Forms.h"

void TProgressDisplay::CreateProgressControls(TWinControl* page) {
    Label12 = PlaceAutoSizeLabel(page, page, "Label12", 344, 200);
    Label12->SetCaption("0% complete");
    SetOwnFont(*Label12, 0, clWhite);
    ProgressBar1 = PlaceControl<TProgressBar>(page, page, "ProgressBar1", 39, 232, 634, 26);
    ProgressBar1->Smooth = true;
    ProgressBar1->AccessibleName = "Progress"; // for screen readers; the label above tells the percentage
}

void TProgressDisplay::SetProgress(std::uint32_t Value) {
    ProgressBar1->SetPosition(static_cast<int>(Value));
    const double percent = std::nearbyint(double(Value) / ProgressBar1->Max() * 100);
    Label12->SetCaption(std::to_string(static_cast<long long>(percent)) + "% complete");
    Application->ProcessMessages();
}
