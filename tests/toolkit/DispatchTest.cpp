// Mouse and accelerator delivery: hit testing, capture, click before release, enter and
// leave, disabled controls, double-clicks and dialog characters.
#include <gtest/gtest.h>

#include "toolkit/Dispatch.h"
#include "toolkit/Forms.h"
#include "toolkit/headless/HeadlessUI.h"

namespace {

// A window-less control that logs what reaches it.
class Probe : public TGraphicControl {
public:
    Probe(TWinControl* parent, std::vector<std::string>& log, const std::string& name, TRect bounds)
        : TGraphicControl(parent), log_(log) {
        Name = name;
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        SetParent(parent);
        OnClick = [this](TObject*) { log_.push_back(Name + " click"); };
    }
    void MouseDown(TMouseButton, TShiftState shift, int x, int y) override {
        log_.push_back(Name + " down " + std::to_string(x) + "," + std::to_string(y) +
                       ((shift & ssDouble) ? " double" : ""));
    }
    void MouseUp(TMouseButton, TShiftState, int x, int y) override {
        log_.push_back(Name + " up " + std::to_string(x) + "," + std::to_string(y));
    }
    void MouseMove(TShiftState, int x, int y) override { moves.push_back({x, y}); }
    void MouseEnter() override { log_.push_back(Name + " enter"); }
    void MouseLeave() override { log_.push_back(Name + " leave"); }
    void DblClick() override { log_.push_back(Name + " dblclick"); }
    bool DialogChar(char key) override {
        if (!IsAccel(key, Caption())) return false;
        log_.push_back(Name + " accel");
        return true;
    }
    std::vector<TPoint> moves;

private:
    std::vector<std::string>& log_;
};

class Dispatch : public ::testing::Test {
protected:
    headless::ApplicationScope app;
    TForm* form = new TForm(Application);
    std::vector<std::string> log;
    Probe* a;
    Probe* b;

    void SetUp() override {
        form->SetClientSize(200, 100);
        a = new Probe(form, log, "a", Bounds(10, 10, 50, 20));
        b = new Probe(form, log, "b", Bounds(40, 10, 50, 20)); // overlaps a, on top
        form->ShowForm();
    }
};

TEST_F(Dispatch, ClickComesBeforeMouseUpAndReachesTheTopmostControl) {
    headless::Click(*form, 45, 15);
    EXPECT_EQ(log, (std::vector<std::string>{"b enter", "b down 5,5", "b click", "b up 5,5"}));
}

TEST_F(Dispatch, ReleaseOutsideGivesNoClickButTheCaptureDeliversIt) {
    headless::MouseMove(*form, 15, 15);
    headless::MouseDown(*form, 15, 15);
    EXPECT_TRUE(a->MouseCapture());
    headless::MouseMove(*form, 150, 80);
    headless::MouseUp(*form, 150, 80);
    EXPECT_EQ(log, (std::vector<std::string>{"a enter", "a down 5,5", "a leave", "a up 140,70"}));
    ASSERT_FALSE(a->moves.empty());
    EXPECT_EQ(a->moves.back(), (TPoint{140, 70}));
    EXPECT_FALSE(a->MouseCapture());
}

TEST_F(Dispatch, WithoutCaptureTheReleaseGoesToWhatIsUnderThePointer) {
    a->ControlStyle &= ~csCaptureMouse;
    headless::MouseDown(*form, 15, 15);
    headless::MouseUp(*form, 45, 15);
    EXPECT_EQ(log, (std::vector<std::string>{"a down 5,5", "b up 5,5"}));
}

TEST_F(Dispatch, EnterAndLeaveFollowThePointer) {
    headless::MouseMove(*form, 15, 15);
    headless::MouseMove(*form, 20, 15);
    headless::MouseMove(*form, 45, 15);
    headless::MouseMove(*form, 150, 80);
    EXPECT_EQ(log, (std::vector<std::string>{"a enter", "a leave", "b enter", "b leave"}));
}

TEST_F(Dispatch, DisabledControlGetsNoInputAndLetsTheOneBelowHaveIt) {
    b->SetEnabled(false);
    headless::Click(*form, 45, 15);
    EXPECT_EQ(log, (std::vector<std::string>{"b enter", "a down 35,5", "a click", "a up 35,5"}));
}

TEST_F(Dispatch, HiddenControlIsNotHit) {
    b->Hide();
    a->Hide();
    bool formClicked = false;
    form->OnClick = [&](TObject*) { formClicked = true; };
    headless::Click(*form, 45, 15);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(formClicked);
}

TEST_F(Dispatch, DoubleClickIsDblClickWithoutASecondClick) {
    headless::DoubleClick(*form, 15, 15);
    EXPECT_EQ(log,
              (std::vector<std::string>{"a enter", "a down 5,5", "a click", "a up 5,5", "a dblclick",
                                        "a down 5,5 double", "a up 5,5"}));
}

TEST_F(Dispatch, ControlThatTakesTheDoubleClickAsPressClicksTwice) {
    class Presser : public Probe {
    public:
        using Probe::Probe;
        void DoubleClickDown(TMouseButton button, TShiftState shift, int x, int y) override {
            MouseDown(button, shift, x, y);
        }
    };
    auto* c = new Presser(form, log, "c", Bounds(100, 50, 30, 30));
    headless::DoubleClick(*form, 110, 60);
    EXPECT_EQ(std::count(log.begin(), log.end(), "c click"), 2);
    (void)c;
}

TEST_F(Dispatch, DialogCharGoesToTheFirstShowingControlThatTakesIt) {
    a->SetCaption("&Exit");
    b->SetCaption("E&xit");
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* inner = new Probe(panel, log, "inner", Bounds(0, 0, 5, 5));
    inner->SetCaption("&Next");
    EXPECT_TRUE(dispatch::DialogChar(*form, 'e'));
    EXPECT_TRUE(dispatch::DialogChar(*form, 'X'));
    EXPECT_TRUE(dispatch::DialogChar(*form, 'n'));
    EXPECT_FALSE(dispatch::DialogChar(*form, 'q'));
    panel->Hide();
    EXPECT_FALSE(dispatch::DialogChar(*form, 'n'));
    EXPECT_EQ(log, (std::vector<std::string>{"a accel", "b accel", "inner accel"}));
}

TEST(Accelerators, AmpersandMarksTheKey) {
    EXPECT_TRUE(IsAccel('n', "&Next"));
    EXPECT_TRUE(IsAccel('N', "&next"));
    EXPECT_FALSE(IsAccel('N', "Next"));
    EXPECT_FALSE(IsAccel('&', "A&&B"));
    EXPECT_TRUE(IsAccel('b', "A&&&B"));
    EXPECT_FALSE(IsAccel('x', "Exit&"));
}

TEST_F(Dispatch, ExceptionInAHandlerGoesToTheDefaultBox) {
    Application->SetTitle("Install_Pictoro");
    a->OnClick = [](TObject*) { throw Exception("Invalid directory"); };
    headless::Click(*form, 15, 15);
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(headless::MessageBoxes()[0].Text, "Invalid directory.");
    EXPECT_EQ(headless::MessageBoxes()[0].Caption, "Install_Pictoro");
    EXPECT_EQ(headless::MessageBoxes()[0].Flags, mbIconStop | mbOK);
    EXPECT_FALSE(a->MouseCapture());
}

} // namespace
