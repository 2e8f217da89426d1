#include <gtest/gtest.h>

#include "platform/headless/VirtualWindows.h"
#include "shell/KVI_ButtonBar.h"
#include "shell/LbSpeedButton.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/Forms.h"
#include "toolkit/headless/HeadlessUI.h"

namespace {

class ButtonBar : public ::testing::Test {
protected:
    headless::ApplicationScope scope;

    void SetUp() override {
        platform::headless::Reset();
        form = new TForm(nullptr);
        form->SetClientSize(780, 509);
        form->ShowForm();
        bar = new tKvButtonBar(form);
        bar->SetParent(form);
        bar->SetBounds(40, 451, 713, 32);
        bar->SetColors(clWhite, clLime, clNavy, clBlue, clCream);
    }
    void TearDown() override { delete form; }

    TNotifyEvent Handler(int id) {
        return [this, id](TObject*) { clicked.push_back(id); };
    }

    TForm* form = nullptr;
    tKvButtonBar* bar = nullptr;
    std::vector<int> clicked;
};

} // namespace

TEST_F(ButtonBar, ConstructedWithTwentyFourHiddenButtons) {
    EXPECT_EQ(bar->ControlCount(), 24);
    for (int slot = 0; slot < tKvButtonBar::SlotCount; ++slot) {
        for (TLbSpeedButton* b : {bar->LeftButtons[slot], bar->RightButtons[slot]}) {
            EXPECT_EQ(b->Owner(), bar);
            EXPECT_EQ(b->Parent(), bar);
            EXPECT_FALSE(b->Visible());
            EXPECT_EQ(b->BoundsRect(), Bounds(0, 10, 10, 23));
            EXPECT_EQ(b->LightColor(), clWhite);
            EXPECT_EQ(b->ShadowColor(), clWhite);
        }
    }
    EXPECT_EQ(bar->Controls()[0], bar->LeftButtons[0]); // left before right, slot by slot
    EXPECT_EQ(bar->Controls()[1], bar->RightButtons[0]);
    EXPECT_EQ(bar->LeftCount, 0);
    EXPECT_EQ(bar->RightCount, 0);
}

TEST_F(ButtonBar, WizardPositionsOnThe713PixelBar) {
    bar->AddLeftButton("&Exit", 1, 1, Handler(1));
    bar->AddRightButton("&Next", 2, 1, Handler(2));
    bar->AddRightButton("&Previous", 3, 1, Handler(3));
    TLbSpeedButton* exitButton = bar->LeftButtons[0];
    TLbSpeedButton* next = bar->RightButtons[0];
    TLbSpeedButton* previous = bar->RightButtons[1];
    EXPECT_EQ(exitButton->BoundsRect(), Bounds(5, 4, 90, 23));
    EXPECT_EQ(next->BoundsRect(), Bounds(618, 4, 90, 23));
    EXPECT_EQ(previous->BoundsRect(), Bounds(523, 4, 90, 23));
    EXPECT_EQ(next->Caption(), "&Next");
    EXPECT_EQ(next->Tag, 2);
    EXPECT_EQ(previous->Tag, 3);
    EXPECT_TRUE(next->Visible());
    EXPECT_EQ(next->Style(), bsModern);
    EXPECT_EQ(next->Font().Style(), fsBold);
    EXPECT_EQ(next->Font().Color(), clWhite);
    EXPECT_EQ(next->Color(), clNavy);
    EXPECT_EQ(next->LightColor(), clBlue);
    EXPECT_EQ(next->ShadowColor(), clLime);
    EXPECT_EQ(bar->Color(), clCream);

    headless::Click(*form, headless::CenterOf(*previous).X, headless::CenterOf(*previous).Y);
    headless::Click(*form, headless::CenterOf(*exitButton).X, headless::CenterOf(*exitButton).Y);
    EXPECT_EQ(clicked, (std::vector<int>{3, 1}));
}

TEST_F(ButtonBar, WidthCodes) {
    bar->AddLeftButton("a", 1, 0, nullptr);
    bar->AddLeftButton("b", 2, 1, nullptr);
    bar->AddLeftButton("c", 3, 2, nullptr);
    bar->AddLeftButton("d", 4, 3, nullptr);
    bar->AddLeftButton("e", 5, 7, nullptr);
    const int lefts[] = {5, 40, 135, 260, 465};
    const int widths[] = {30, 90, 120, 200, 99};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(bar->LeftButtons[i]->Left(), lefts[i]) << i;
        EXPECT_EQ(bar->LeftButtons[i]->Width(), widths[i]) << i;
    }
    EXPECT_EQ(ButtonWidthOfCode(255), 99);
    EXPECT_EQ(ButtonWidthOfCode(4), 99);
}

TEST_F(ButtonBar, ThirteenthButtonOnOneSideIsIgnored) {
    for (int i = 1; i <= 13; ++i) bar->AddLeftButton("L" + std::to_string(i), i, 0, nullptr);
    EXPECT_EQ(bar->LeftCount, 12);
    EXPECT_EQ(bar->LeftButtons[11]->Caption(), "L12");
    for (TLbSpeedButton* b : bar->RightButtons) EXPECT_FALSE(b->Visible());
    bar->AddRightButton("R", 1, 1, nullptr);
    EXPECT_EQ(bar->RightCount, 1);
    EXPECT_EQ(bar->RightButtons[0]->Left(), 618);
}

TEST_F(ButtonBar, ClearButtonsHidesAllAndTheNextAddReusesTheFirstSlot) {
    bar->AddRightButton("&Next", 2, 1, Handler(2));
    bar->AddRightButton("&Previous", 3, 1, Handler(3));
    bar->AddLeftButton("&Exit", 1, 1, Handler(1));
    TLbSpeedButton* previous = bar->RightButtons[1];
    bar->ClearButtons();
    EXPECT_EQ(bar->LeftCount, 0);
    EXPECT_EQ(bar->RightCount, 0);
    EXPECT_FALSE(previous->Visible());
    EXPECT_EQ(previous->Caption(), "&Previous"); // kept until the slot is used again

    headless::Click(*form, headless::CenterOf(*previous).X, headless::CenterOf(*previous).Y);
    headless::KeyChar(*form, 'p');
    EXPECT_TRUE(clicked.empty()); // hidden buttons take neither

    bar->AddRightButton("&Install Now", 2, 2, Handler(4));
    EXPECT_EQ(bar->RightButtons[0]->BoundsRect(), Bounds(588, 4, 120, 23));
    EXPECT_EQ(bar->RightButtons[0]->Caption(), "&Install Now");
    headless::KeyChar(*form, 'i');
    EXPECT_EQ(clicked, (std::vector<int>{4}));
}

TEST_F(ButtonBar, SetColorsRecoloursShownButtonsAtOnceAndLaterOnes) {
    bar->AddLeftButton("&Exit", 1, 1, nullptr);
    bar->AddRightButton("&Next", 2, 1, nullptr);
    bar->AddRightButton("&Previous", 3, 1, nullptr);
    bar->ClearButtons();
    bar->AddRightButton("&Next", 2, 1, nullptr);

    bar->SetColors(clYellow, clRed, clGreen, clAqua, clSilver);
    EXPECT_EQ(bar->Color(), clSilver);
    TLbSpeedButton* shown = bar->RightButtons[0];
    EXPECT_EQ(shown->Color(), clGreen);
    EXPECT_EQ(shown->Font().Color(), clYellow);
    EXPECT_EQ(shown->LightColor(), clAqua);
    EXPECT_EQ(shown->ShadowColor(), clRed);
    const TBitmap screen = headless::Screenshot(*form);
    EXPECT_EQ(screen.Pixel(40 + shown->Left() + 45, 451 + shown->Top()), clRed); // the border

    // Hidden buttons keep their old colours until they are added again.
    TLbSpeedButton* hiddenLeft = bar->LeftButtons[0];
    TLbSpeedButton* hiddenRight = bar->RightButtons[1];
    EXPECT_EQ(hiddenLeft->Color(), clNavy);
    EXPECT_EQ(hiddenRight->ShadowColor(), clLime);
    bar->AddRightButton("&Previous", 3, 1, nullptr);
    EXPECT_EQ(hiddenRight->Color(), clGreen);
    EXPECT_EQ(hiddenRight->Font().Color(), clYellow);
    EXPECT_EQ(hiddenRight->LightColor(), clAqua);
    EXPECT_EQ(hiddenRight->ShadowColor(), clRed);
    EXPECT_EQ(hiddenLeft->Color(), clNavy);
}

TEST_F(ButtonBar, PressedStateSurvivesAClearUntilTheReleaseArrives) {
    // A click that changes the page: the handler clears the bar and fills the same slot.
    bar->AddRightButton("&Next", 2, 1, [this](TObject*) {
        bar->ClearButtons();
        bar->AddRightButton("&Next", 2, 1, nullptr);
        clicked.push_back(bar->RightButtons[0]->Down() ? 1 : 0);
    });
    const TPoint p = headless::CenterOf(*bar->RightButtons[0]);
    headless::Click(*form, p.X, p.Y);
    EXPECT_EQ(clicked, (std::vector<int>{1}));
    EXPECT_FALSE(bar->RightButtons[0]->Down());
}
