// The wizard at 96, 120, 144 and 192 DPI: the window and every place scaled from the 96-DPI
// layout, texts measured in the scaled font fitting their controls, slides ending in place,
// and a change of DPI during a slide or a run ending as a wizard started at that DPI.
#include <algorithm>
#include <cstdlib>

#include "WizardFixture.h"
#include "engine/PNL_InstallInstalling.h"
#include "pages/PNL_InstallChooseConnection.h"
#include "shell/Frame_Panel.h"
#include "shell/KVI_ButtonBar.h"
#include "shell/PageNames.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/headless/HeadlessUI.h"

namespace {

bool SamePixels(const TBitmap& a, const TBitmap& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() && a.Pixels() == b.Pixels();
}

// The size a text takes in pixels at the scale, measured with the font at its scaled height
// on a surface of the device's own pixels.
TSize MeasuredOnDevice(const TControl& control, const TScale& scale, int wrapWidth, unsigned flags) {
    TBitmap surface(1, 1);
    TCanvas& canvas = surface.Canvas();
    canvas.Font.Assign(control.ShownFont());
    canvas.Font.SetHeight(scale.Apply(control.ShownFont().Height()));
    TRect rect = Rect(0, 0, wrapWidth, 0);
    canvas.DrawTextRect(control.Caption().empty() ? " " : control.Caption(), rect, dtCalcRect | flags);
    return {rect.Width(), rect.Height()};
}

// A label, static text, check box or radio button shows all of its text.
void ExpectTextFits(const TControl& control, const TScale& scale) {
    const TRect place = headless::ControlRectInForm(control);
    SCOPED_TRACE(control.Name + " \"" + control.Caption() + "\"");
    if (dynamic_cast<const TLabel*>(&control)) {
        const TSize text = MeasuredOnDevice(control, scale, place.Width(), 0);
        EXPECT_LE(text.cx, place.Width());
        EXPECT_LE(text.cy, place.Height());
    } else if (dynamic_cast<const TStaticText*>(&control)) {
        EXPECT_LE(std::abs(control.Font().Height()) - std::abs(control.ShownFont().Height()), 1); // a step at most
        EXPECT_LE(MeasuredOnDevice(control, scale, place.Width(), dtWordBreak).cy, place.Height());
    } else if (dynamic_cast<const TButtonControl*>(&control)) {
        EXPECT_LE(std::abs(control.Font().Height()) - std::abs(control.ShownFont().Height()), 1);
        const TSize text = MeasuredOnDevice(control, scale, place.Width(), dtSingleLine);
        EXPECT_LE(text.cx + scale.Apply(TButtonControl::CaptionLeft),
                  place.Width()); // the box or the circle and its gap
        EXPECT_LE(text.cy, place.Height());
    }
}

void ExpectTextsFit(const TWinControl& parent, const TScale& scale) {
    for (const TControl* control : parent.Controls()) {
        if (!control->Visible()) continue;
        ExpectTextFits(*control, scale);
        if (auto* window = dynamic_cast<const TWinControl*>(control)) ExpectTextsFit(*window, scale);
    }
}

} // namespace

class DisplayScale : public WizardTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        displayDpi_ = GetParam();
        WizardTest::SetUp();
    }
    TScale Scale() const { return TScale(GetParam()); }

    // The wizard started afresh at another DPI.
    void Restart(int dpi) {
        TearDown();
        displayDpi_ = dpi;
        WizardTest::SetUp();
    }

    // Checks the page on show, then its animated arrival against the page shown in place.
    void ExpectPageAtScale() {
        SCOPED_TRACE(CurrentPageName());
        const TScale scale = Scale();
        ExpectTextsFit(*FormMain, scale);
        const TBitmap arrived = headless::Screenshot(*FormMain);
        FormMain->ShowPage(CurrentPageName(), false);
        headless::RunPending();
        EXPECT_TRUE(SamePixels(arrived, headless::Screenshot(*FormMain))) << "the slide did not end in place";
    }
};

TEST_P(DisplayScale, WindowAndShellArePlacedAtTheScale) {
    const TScale scale = Scale();
    const TBitmap shot = headless::Screenshot(*FormMain);
    EXPECT_EQ(shot.Width(), scale.Apply(780));
    EXPECT_EQ(shot.Height(), scale.Apply(509));
    EXPECT_EQ(headless::ControlRectInForm(*FormMain->PnlHeader), scale.Bounds(Bounds(40, 31, 712, 41)));
    EXPECT_EQ(headless::ControlRectInForm(*FormMain->PageControl), scale.Bounds(Bounds(40, 72, 712, 377)));
    EXPECT_EQ(headless::ControlRectInForm(*FormMain->PnlButtons), scale.Bounds(Bounds(40, 451, 713, 32)));
    const TRect header = headless::ControlRectInForm(*FormMain->PnlHeader);
    EXPECT_EQ(shot.Pixel(header.Left - 1, header.Top + header.Height() / 2), clBlue);
    EXPECT_EQ(shot.Pixel(header.Left + scale.Apply(3), header.Top + scale.Apply(3)), clNavy);
    // The header's caption is drawn in the scaled font: its ink spans the scaled line.
    int top = header.Bottom, bottom = header.Top;
    for (int y = header.Top + 2; y < header.Bottom - 2; ++y)
        for (int x = header.Left + 2; x < header.Right - 2; ++x)
            if (shot.Pixel(x, y) == clWhite) {
                top = std::min(top, y);
                bottom = std::max(bottom, y + 1);
            }
    EXPECT_GE(bottom - top, scale.Apply(11) - 1); // the ink of "Welcome", 11 px high at 96 DPI
}

TEST_P(DisplayScale, EveryPageOfTheInstallationFitsItsTextsAndSlidesIntoPlace) {
    ExpectPageAtScale();
    GoToInstallPage();
    ExpectPageAtScale();
    ClickButton("&Next");
    ExpectPageAtScale();
    ClickButton("&Next");
    ExpectPageAtScale();
    ClickButton("&Next");
    ExpectPageAtScale();
    ClickControl(*Page<TPNLInstallChooseConnection>().rgConnection->Buttons().at(2));
    ClickButton("&Next");
    ExpectPageAtScale();
    ClickButton("&Install Now");
    RequirePage(PageName::PNLInstallReady);
    ExpectPageAtScale();
}

TEST_P(DisplayScale, ChangeDuringASlideEndsAsAWizardStartedAtTheNewDpi) {
    const int after = GetParam() == 144 ? 96 : 144;
    ClickButton("&Next");
    const TBitmap fresh = headless::Screenshot(*FormMain);

    Restart(GetParam());
    headless::PostDpiChange(*FormMain, after);
    ClickButton("&Next");
    RequirePage(PageName::PnlDisclaimer);
    EXPECT_EQ(FormMain->Dpi(), after);
    const TBitmap changed = headless::Screenshot(*FormMain);

    Restart(after);
    ClickButton("&Next");
    EXPECT_TRUE(SamePixels(changed, headless::Screenshot(*FormMain)));
    EXPECT_FALSE(SamePixels(changed, fresh));
}

TEST_P(DisplayScale, ChangeDuringTheRunEndsAsAWizardStartedAtTheNewDpi) {
    const int after = GetParam() == 144 ? 120 : 144;
    GoToGoPage();
    // A change posted when the run first reports progress.
    TPNLInstallInstalling& installing =
        *dynamic_cast<TPNLInstallInstalling*>(FormMain->PageControl->Pages(7)->Controls()[0]);
    TTimer watch(nullptr);
    watch.SetInterval(1);
    bool posted = false;
    watch.OnTimer = [&](TObject*) {
        if (posted || installing.ProgressBar1->Position() == 0) return;
        posted = true;
        headless::PostDpiChange(*FormMain, after);
    };
    ClickButton("&Install Now");
    watch.SetEnabled(false);
    RequirePage(PageName::PNLInstallReady);
    ASSERT_TRUE(posted);
    EXPECT_EQ(FormMain->Dpi(), after);
    const TBitmap changed = headless::Screenshot(*FormMain);

    Restart(after);
    GoToGoPage();
    ClickButton("&Install Now");
    RequirePage(PageName::PNLInstallReady);
    EXPECT_TRUE(SamePixels(changed, headless::Screenshot(*FormMain)));
}

INSTANTIATE_TEST_SUITE_P(Dpi, DisplayScale, ::testing::Values(96, 120, 144, 192),
                         [](const ::testing::TestParamInfo<int>& info) { return std::to_string(info.param); });
