#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "platform/headless/VirtualWindows.h"
#include "shell/LbSpeedButton.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/Forms.h"
#include "toolkit/headless/HeadlessUI.h"

namespace {

// Writes down the fade level of every paint.
class TRecordingButton : public TLbSpeedButton {
public:
    using TLbSpeedButton::TLbSpeedButton;
    void Paint() override {
        PaintedLevels.push_back(FadeLevel());
        TLbSpeedButton::Paint();
    }
    std::vector<int> PaintedLevels;
};

class SpeedButton : public ::testing::Test {
protected:
    headless::ApplicationScope scope;

    void SetUp() override {
        platform::headless::Reset();
        form = new TForm(nullptr);
        form->SetClientSize(400, 200);
        form->ShowForm();
        button = MakeButton(20);
    }
    void TearDown() override { delete form; }

    TLbSpeedButton* MakeButton(int left) {
        auto* b = new TLbSpeedButton(form, left, 90, 20, clBlue, clLime);
        b->SetCaption("&Next");
        b->SetColor(clNavy);
        b->SetStyle(bsModern);
        b->OnClick = [this](TObject* sender) {
            clicks.push_back(sender);
            downDuringClick.push_back(static_cast<TLbSpeedButton*>(sender)->Down());
        };
        return b;
    }

    TPoint Centre(const TLbSpeedButton& b) const { return headless::CenterOf(b); }

    // Processes messages until the condition holds; fails after a generous bound instead of hanging.
    template <class Condition>
    bool ProcessUntil(Condition condition) {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > giveUp) return false;
            Application->ProcessMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    TForm* form = nullptr;
    TLbSpeedButton* button = nullptr;
    std::vector<TObject*> clicks;
    std::vector<bool> downDuringClick;
};

} // namespace

TEST_F(SpeedButton, CreateAtGivesACentredOwnColouredButtonOfStyleNormal) {
    TLbSpeedButton b(form, 7, 50, 3, clRed, clGreen);
    EXPECT_EQ(b.BoundsRect(), Bounds(7, 3, 50, 23));
    EXPECT_EQ(b.Parent(), form);
    EXPECT_FALSE(b.ParentColor());
    EXPECT_EQ(b.Alignment(), taCenter);
    EXPECT_EQ(b.Style(), bsNormal);

    TLbSpeedButton designed(form);
    EXPECT_EQ(designed.Parent(), nullptr);
    EXPECT_TRUE(designed.HotTrackFont().SameAs(form->Font()));
    designed.SetLightColor(clAqua); // no parent yet: nothing to paint on
    EXPECT_EQ(designed.LightColor(), clAqua);
}

TEST_F(SpeedButton, PressDrawsDownReleaseOverItClicksOnce) {
    const TPoint p = Centre(*button);
    headless::MouseMove(*form, p.X, p.Y);
    headless::MouseDown(*form, p.X, p.Y);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(headless::Screenshot(*form).Pixel(button->Left() + 45, button->Top() + 1), clLime);
    headless::MouseUp(*form, p.X, p.Y);
    EXPECT_FALSE(button->Down());
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], button);
    EXPECT_TRUE(downDuringClick[0]); // the handler runs before the release
    EXPECT_EQ(headless::Screenshot(*form).Pixel(button->Left() + 45, button->Top() + 1), clNavy);
}

TEST_F(SpeedButton, ReleaseElsewhereRaisesWithoutAClick) {
    const TPoint p = Centre(*button);
    headless::MouseDown(*form, p.X, p.Y);
    headless::MouseUp(*form, 300, 150);
    EXPECT_FALSE(button->Down());
    EXPECT_TRUE(clicks.empty());
}

TEST_F(SpeedButton, RightButtonPressesNothingButItsReleaseRaisesTheButton) {
    const TPoint p = Centre(*button);
    headless::MouseDown(*form, p.X, p.Y, mbRight);
    EXPECT_FALSE(button->Down());
    headless::MouseDown(*form, p.X, p.Y);
    ASSERT_TRUE(button->Down());
    headless::MouseUp(*form, p.X, p.Y, mbRight);
    EXPECT_FALSE(button->Down());
    EXPECT_TRUE(clicks.empty());
}

TEST_F(SpeedButton, EnterAndLeaveReportToTheirHandlers) {
    std::vector<std::string> events;
    button->OnMouseEnter = [&](TObject* sender) { events.push_back(sender == button ? "enter" : "?"); };
    button->OnMouseExit = [&](TObject* sender) { events.push_back(sender == button ? "exit" : "?"); };
    const TPoint p = Centre(*button);
    headless::MouseMove(*form, p.X, p.Y);
    EXPECT_TRUE(button->MouseInside());
    EXPECT_EQ(button->FadeLevel(), 8);
    headless::MouseMove(*form, 300, 150);
    EXPECT_FALSE(button->MouseInside());
    EXPECT_EQ(button->FadeLevel(), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "exit"}));
}

TEST_F(SpeedButton, DoubleClickGivesTwoClicks) {
    const TPoint p = Centre(*button);
    headless::DoubleClick(*form, p.X, p.Y);
    EXPECT_EQ(clicks.size(), 2u);
    EXPECT_FALSE(button->Down());
}

TEST_F(SpeedButton, AcceleratorClicksWhileReachable) {
    headless::KeyChar(*form, 'n');
    headless::KeyChar(*form, 'N', true);
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_TRUE(downDuringClick[0]);
    EXPECT_FALSE(button->Down());
    headless::KeyChar(*form, 'x');
    EXPECT_EQ(clicks.size(), 2u);
    button->Hide();
    headless::KeyChar(*form, 'n');
    EXPECT_EQ(clicks.size(), 2u);
    button->Show();
    button->SetEnabled(false);
    headless::KeyChar(*form, 'n');
    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(SpeedButton, FailingClickShowsTheErrorOverARaisedButton) {
    button->OnClick = [](TObject*) { throw Exception("Disk full"); };
    const TPoint p = Centre(*button);
    headless::Click(*form, p.X, p.Y);
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(headless::Screenshot(*form).Pixel(button->Left() + 45, button->Top() + 1), clNavy);
    headless::KeyChar(*form, 'n');
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(headless::Screenshot(*form).Pixel(button->Left() + 45, button->Top() + 1), clNavy);
    ASSERT_EQ(headless::MessageBoxes().size(), 2u);
    EXPECT_EQ(headless::MessageBoxes()[1].Text, "Disk full.");
}

TEST_F(SpeedButton, AcceleratorLeavesTheGroupAsItWas) {
    TLbSpeedButton* second = MakeButton(150);
    second->SetCaption("&Back");
    button->SetGroupIndex(1);
    second->SetGroupIndex(1);
    second->SetDown(true);
    headless::KeyChar(*form, 'n');
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_TRUE(downDuringClick[0]);
    EXPECT_FALSE(button->Down());
    EXPECT_TRUE(second->Down());
}

TEST(SpeedButtonAccelerator, CharacterAfterASingleAmpersand) {
    EXPECT_EQ(AcceleratorOf("&Next"), 'N');
    EXPECT_EQ(AcceleratorOf("Tom && &Jerry"), 'J');
    EXPECT_EQ(AcceleratorOf("A&&B"), 0);
    EXPECT_EQ(AcceleratorOf("End&"), 0);
}

TEST_F(SpeedButton, DisabledEnterAndLeave) {
    int entered = 0, exited = 0;
    button->OnMouseEnter = [&](TObject*) { ++entered; };
    button->OnMouseExit = [&](TObject*) { ++exited; };
    const TPoint p = Centre(*button);
    button->SetEnabled(false);
    headless::MouseMove(*form, p.X, p.Y);
    EXPECT_FALSE(button->MouseInside());
    EXPECT_EQ(button->FadeLevel(), 0);
    EXPECT_EQ(entered, 0);
    headless::MouseMove(*form, 300, 150);

    button->SetEnabled(true);
    headless::MouseMove(*form, p.X, p.Y);
    EXPECT_TRUE(button->MouseInside());
    EXPECT_EQ(button->FadeLevel(), 8);
    EXPECT_EQ(entered, 1);
    button->SetEnabled(false);
    headless::MouseMove(*form, 300, 150);
    EXPECT_FALSE(button->MouseInside());
    EXPECT_EQ(button->FadeLevel(), 0);
    EXPECT_EQ(exited, 0);
}

TEST_F(SpeedButton, GroupedButtonsRaiseEachOther) {
    TLbSpeedButton* second = MakeButton(150);
    button->SetGroupIndex(1);
    second->SetGroupIndex(1);
    button->SetDown(true);
    headless::Click(*form, Centre(*second).X, Centre(*second).Y);
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(button->Down());
    headless::Click(*form, Centre(*second).X, Centre(*second).Y);
    EXPECT_TRUE(second->Down());
    second->AllowAllUp = true;
    headless::Click(*form, Centre(*second).X, Centre(*second).Y);
    EXPECT_FALSE(second->Down());
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(clicks.size(), 3u);

    TLbSpeedButton* other = MakeButton(260); // another group is not touched
    other->SetGroupIndex(2);
    other->SetDown(true);
    button->SetDown(true);
    EXPECT_TRUE(other->Down());
}

TEST_F(SpeedButton, ColorStylePresets) {
    button->SetColorStyle(lcsGold);
    EXPECT_EQ(button->Color(), RGBColor(0xC0, 0xC0, 0x00));
    EXPECT_EQ(button->LightColor(), RGBColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(button->ShadowColor(), RGBColor(0x80, 0x80, 0x00));
    EXPECT_EQ(button->ColorWhenDown(), clNone);
    EXPECT_EQ(button->HotTrackColor, RGBColor(0xDF, 0xDF, 0x00));
    EXPECT_EQ(button->Font().Color(), clBlack);
    EXPECT_EQ(button->Style(), bsModern);
    EXPECT_EQ(button->ColorStyle(), lcsCustom);

    button->SetColorStyle(lcsUltraFlatXP);
    EXPECT_EQ(button->Color(), RGBColor(0xDB, 0xD8, 0xD1));
    EXPECT_EQ(button->ShadowColor(), RGBColor(0x85, 0x92, 0xB5));
    EXPECT_TRUE(button->Flat());
    EXPECT_EQ(button->Style(), bsNormal);

    button->SetColorStyle(lcsQuicken);
    EXPECT_EQ(button->Font().Color(), clWhite);
    EXPECT_EQ(button->ColorWhenDown(), RGBColor(0x29, 0x65, 0xAD));
    EXPECT_EQ(button->Style(), bsQuicken);
    EXPECT_FALSE(button->Flat());

    button->SetColorStyle(lcsDefault);
    EXPECT_EQ(button->Color(), clBtnFace);
    button->SetColorStyle(lcsCustom); // changes nothing
    EXPECT_EQ(button->Color(), clBtnFace);
    EXPECT_EQ(button->ColorStyle(), lcsCustom);
}

TEST_F(SpeedButton, ModernFallsBackToNormalOnEightBitScreens) {
    platform::headless::SetScreenBitsPerPixel(8);
    button->SetStyle(bsModern);
    EXPECT_EQ(button->Style(), bsNormal);
    button->SetColorStyle(lcsChrome); // presets write the style directly
    EXPECT_EQ(button->Style(), bsModern);
    platform::headless::SetScreenBitsPerPixel(16);
    button->SetStyle(bsModern);
    EXPECT_EQ(button->Style(), bsModern);
}

TEST_F(SpeedButton, GlyphSetterCountsCells) {
    TBitmap strip(40, 10);
    button->SetGlyph(&strip);
    EXPECT_EQ(button->NumGlyphs(), 4);
    button->SetGlyph(nullptr);
    EXPECT_EQ(button->NumGlyphs(), 0);
    EXPECT_EQ(button->Glyph().Height(), 0);
}

TEST_F(SpeedButton, PopupMenuDropsBelowTheButtonBeforeTheClick) {
    TPopupMenu menu(nullptr);
    button->PopupMenu = &menu;
    int popupsAtClick = -1;
    button->OnClick = [&](TObject*) { popupsAtClick = menu.PopupCount; };
    headless::Click(*form, Centre(*button).X, Centre(*button).Y);
    EXPECT_EQ(popupsAtClick, 1);
    EXPECT_EQ(menu.LastPopupPoint, button->ClientToScreen({0, 23}));
    button->PopupMenu = nullptr;
}

TEST_F(SpeedButton, ActionGivesCaptionHandlerAndGlyph) {
    TImageList images(nullptr);
    images.Width = 4;
    images.Height = 4;
    TBitmap image(4, 4);
    image.Canvas().Brush.Color = clRed;
    image.Canvas().FillRect(Rect(0, 0, 4, 4));
    images.Images.push_back(image);
    TActionList list(nullptr);
    list.Images = &images;
    TAction action(nullptr);
    action.ActionList = &list;
    action.Caption = "&Go";
    action.ImageIndex = 0;
    int executed = 0;
    action.OnExecute = [&](TObject*) { ++executed; };

    TLbSpeedButton b(form, 200, 90, 60, clWhite, clBlack);
    b.SetAction(&action);
    EXPECT_EQ(b.Caption(), "&Go");
    EXPECT_EQ(b.NumGlyphs(), 1);
    EXPECT_EQ(b.Glyph().Width(), 4);
    EXPECT_EQ(b.Glyph().Pixel(1, 1), clRed);
    b.Click();
    EXPECT_EQ(executed, 1);

    action.ImageIndex = 5; // outside the list: no glyph
    TLbSpeedButton c(form, 200, 90, 100, clWhite, clBlack);
    c.SetAction(&action);
    EXPECT_EQ(c.NumGlyphs(), 0);
}

TEST_F(SpeedButton, FadeOverEightRepaintsWithTheRealThread) {
    auto* fading = new TRecordingButton(form, 150, 90, 20, clBlue, clLime);
    fading->SetColor(clNavy);
    fading->SetStyle(bsEncarta); // a plain face in one colour
    fading->HotTrackColor = clRed;
    fading->SetSlowDecease(true);
    const TPoint p = Centre(*fading);
    const auto face = [&] { return headless::Screenshot(*form).Pixel(fading->Left() + 10, fading->Top() + 12); };
    const TColor plain = face();
    headless::MouseMove(*form, p.X, p.Y);
    EXPECT_EQ(fading->FadeLevel(), 8);
    EXPECT_EQ(face(), clRed);
    headless::MouseMove(*form, 300, 150);
    EXPECT_FALSE(fading->MouseInside());
    fading->PaintedLevels.clear();

    ASSERT_TRUE(ProcessUntil([&] { return fading->FadeLevel() == 0; }));
    EXPECT_EQ(fading->PaintedLevels, (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0}));

    // Parked: nothing moves or paints any more until the next leave.
    for (int i = 0; i < 20; ++i) {
        Application->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    EXPECT_EQ(fading->PaintedLevels.size(), 8u);
    EXPECT_EQ(fading->FadeLevel(), 0);
    EXPECT_EQ(face(), plain);
}

TEST_F(SpeedButton, ReenteringDuringAFadeJumpsToEightAndTheFadeCarriesOn) {
    button->HotTrackColor = clRed;
    button->SetSlowDecease(true);
    const TPoint p = Centre(*button);
    headless::MouseMove(*form, p.X, p.Y);
    headless::MouseMove(*form, 300, 150);
    ASSERT_TRUE(ProcessUntil([&] { return button->FadeLevel() <= 5; }));
    headless::MouseMove(*form, p.X, p.Y);
    EXPECT_EQ(button->FadeLevel(), 8);
    EXPECT_TRUE(button->MouseInside());
    ASSERT_TRUE(ProcessUntil([&] { return button->FadeLevel() == 0; }));
    EXPECT_TRUE(button->MouseInside());
    // A new leave starts the parked thread again.
    headless::MouseMove(*form, 300, 150);
    headless::MouseMove(*form, p.X, p.Y);
    headless::MouseMove(*form, 300, 150);
    ASSERT_TRUE(ProcessUntil([&] { return button->FadeLevel() < 8; }));
}

TEST_F(SpeedButton, SwitchingSlowDeceaseOffDuringAFadeShowsThePlainFace) {
    const TColor plain = headless::Screenshot(*form).Pixel(button->Left() + 10, button->Top() + 12);
    button->HotTrackColor = clRed;
    button->SetSlowDecease(true);
    const TPoint p = Centre(*button);
    headless::MouseMove(*form, p.X, p.Y);
    headless::MouseMove(*form, 300, 150);
    ASSERT_TRUE(ProcessUntil([&] { return button->FadeLevel() < 8; }));
    ASSERT_GT(button->FadeLevel(), 0);
    button->SetSlowDecease(false);
    EXPECT_EQ(button->FadeLevel(), 0);
    headless::RunPending();
    EXPECT_EQ(headless::Screenshot(*form).Pixel(button->Left() + 10, button->Top() + 12), plain);
    for (int i = 0; i < 10; ++i) {
        Application->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(button->FadeLevel(), 0);
    // Without a thread, leaving drops the level at once.
    headless::MouseMove(*form, p.X, p.Y);
    headless::MouseMove(*form, 300, 150);
    EXPECT_EQ(button->FadeLevel(), 0);
}

TEST_F(SpeedButton, DestroyedWhileFading) {
    button->HotTrackColor = clRed;
    button->SetSlowDecease(true);
    const TPoint p = Centre(*button);
    headless::MouseMove(*form, p.X, p.Y);
    headless::MouseMove(*form, 300, 150);
    ASSERT_TRUE(ProcessUntil([&] { return button->FadeLevel() < 8; }));
    delete button;
    button = nullptr;
    for (int i = 0; i < 10; ++i) Application->ProcessMessages();
    EXPECT_EQ(form->ControlCount(), 0);
}
