#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"
#include "shell/Appl_Globals.h"
#include "shell/Form_Main.h"
#include "shell/Frame_Panel.h"
#include "shell/KVI_ButtonBar.h"
#include "shell/LbSpeedButton.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/headless/HeadlessUI.h"

namespace {

constexpr double MsPerDay = 86400000.0;

// A page that writes down what the window looks like whenever one of its hooks runs.
class TRecordingPage : public TFramePanel {
public:
    TRecordingPage(const std::string& name, const std::string& header, TFormMain& form, std::vector<std::string>& log)
        : TFramePanel(nullptr), form_(form), log_(log) {
        Name = name;
        HeaderText = header;
    }
    void SetupButtons(tKvButtonBar* Bar) override {
        Record("SetupButtons");
        if (AddNext) Bar->AddRightButton("&Next", 2, 1, [this](TObject*) { log_.push_back(Name + ".Next"); });
    }
    void PageShow() override {
        Record("PageShow");
        if (OnShow) OnShow();
    }
    void PageShown() override {
        Record("PageShown");
        if (OnShown) OnShown();
    }
    bool AddNext = true;
    std::function<void()> OnShow;
    std::function<void()> OnShown;

private:
    void Record(const std::string& hook) {
        const bool active = form_.PageControl->ActivePage() == Parent();
        log_.push_back(Name + "." + hook + (active ? " active" : "") + " header=" + form_.PnlHeader->Caption() +
                       " x=" + std::to_string(form_.PnlHeader->Left()) +
                       " buttons=" + std::to_string(form_.PnlButtons->RightCount));
    }
    TFormMain& form_;
    std::vector<std::string>& log_;
};

class ShowPage : public ::testing::Test {
protected:
    headless::ApplicationScope scope;

    void SetUp() override {
        platform::headless::Reset();
        platform::headless::SetClockStep(70); // one message round per slide step
        form = new TFormMain(nullptr);
        form->PnlButtons->SetColors(clWhite, clLime, clNavy, clBlue, clCream);
        welcome = AddPage("PnlWelcome", "Welcome");
        disclaimer = AddPage("PnlDisclaimer", "Disclaimer");
        form->ShowForm();
    }
    void TearDown() override { delete form; }

    TRecordingPage* AddPage(const std::string& name, const std::string& header) {
        auto* page = new TRecordingPage(name, header, *form, log);
        form->AddPage(page);
        return page;
    }

    struct TPositions {
        int Header, Bar, Pages;
        friend bool operator==(const TPositions&, const TPositions&) = default;
    };
    TPositions Positions() const {
        return {form->PnlHeader->Left(), form->PnlButtons->Left(), form->PageControl->Left()};
    }

    TFormMain* form = nullptr;
    TRecordingPage* welcome = nullptr;
    TRecordingPage* disclaimer = nullptr;
    std::vector<std::string> log;
};

} // namespace

TEST_F(ShowPage, AddPagePutsEachPageOnAHiddenTabNamedAfterIt) {
    ASSERT_EQ(form->PageControl->PageCount(), 2);
    TTabSheet* sheet = form->PageControl->Pages(1);
    EXPECT_EQ(sheet->Name, "PnlDisclaimer");
    EXPECT_FALSE(sheet->TabVisible);
    EXPECT_EQ(sheet->Owner(), form);
    EXPECT_EQ(disclaimer->Parent(), sheet);
    EXPECT_EQ(disclaimer->Align(), alClient);
    EXPECT_EQ(disclaimer->Owner(), nullptr);
    EXPECT_EQ(disclaimer->Color(), clSkyBlue);
    EXPECT_FALSE(disclaimer->ParentColor());
}

TEST_F(ShowPage, StepsAndHooksInOrderWithoutAnimation) {
    form->ShowPage("PnlWelcome", false);
    EXPECT_EQ(log,
              (std::vector<std::string>{
                  "PnlWelcome.SetupButtons active header=Welcome x=40 buttons=0",
                  "PnlWelcome.PageShow active header=Welcome x=40 buttons=1",
                  "PnlWelcome.PageShown active header=Welcome x=40 buttons=1",
              }));
    EXPECT_EQ(form->PageControl->ActivePage()->Name, "PnlWelcome");
}

TEST_F(ShowPage, AnimatedChangeRunsHooksWhileOutOfSightAndPageShownAfterwards) {
    form->ShowPage("PnlWelcome", false);
    log.clear();
    form->ShowPage("pnldisclaimer", true);
    EXPECT_EQ(log,
              (std::vector<std::string>{
                  "PnlDisclaimer.SetupButtons active header=Disclaimer x=810 buttons=0",
                  "PnlDisclaimer.PageShow active header=Disclaimer x=810 buttons=1",
                  "PnlDisclaimer.PageShown active header=Disclaimer x=40 buttons=1",
              }));
    EXPECT_EQ(Positions(), (TPositions{40, 40, 40}));
}

TEST_F(ShowPage, FailureWhileOutOfSightBringsTheWindowBack) {
    form->ShowPage("PnlWelcome", false);
    disclaimer->OnShow = [] { throw Exception("The page failed"); };
    EXPECT_THROW(form->ShowPage("PnlDisclaimer", true), Exception);
    EXPECT_EQ(Positions(), (TPositions{40, 40, 40}));
    EXPECT_EQ(form->PnlHeader->Caption(), "Disclaimer");
}

TEST_F(ShowPage, UnknownNameChangesNothing) {
    form->ShowPage("PnlWelcome", false);
    log.clear();
    const double before = platform::Now();
    form->ShowPage("PnlNowhere", true);
    const double after = platform::Now();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(form->PnlHeader->Caption(), "Welcome");
    EXPECT_EQ(form->PnlButtons->RightCount, 1);
    EXPECT_EQ(form->PageControl->ActivePage()->Name, "PnlWelcome");
    EXPECT_LT((after - before) * MsPerDay, 100.0); // one clock read apart: no slide
}

TEST_F(ShowPage, ActivePageShownAgainRepeatsEverything) {
    form->ShowPage("PnlWelcome", false);
    log.clear();
    form->ShowPage("PNLWELCOME", true);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0], "PnlWelcome.SetupButtons active header=Welcome x=810 buttons=0");
    EXPECT_EQ(form->PnlButtons->RightCount, 1);
}

TEST_F(ShowPage, LastOfSeveralMatchingSheetsWins) {
    TRecordingPage* twin = AddPage("PNLDISCLAIMER", "Second");
    twin->AddNext = false;
    form->ShowPage("PnlDisclaimer", false);
    EXPECT_EQ(form->PnlHeader->Caption(), "Second");
    EXPECT_EQ(form->PnlButtons->RightCount, 0); // a page without buttons leaves the bar empty
}

TEST_F(ShowPage, PositionsAfterEachOfTheElevenStepsOutAndIn) {
    form->ShowPage("PnlWelcome", false);
    // A click on the icon (which does not move) is handled at every message round of the slide.
    std::vector<TPositions> seen;
    const TPoint icon = headless::CenterOf(*form->ImgIcon);
    form->ImgIcon->OnClick = [&](TObject*) {
        seen.push_back(Positions());
        headless::PostClick(*form, icon.X, icon.Y);
    };
    headless::PostClick(*form, icon.X, icon.Y);
    form->ShowPage("PnlDisclaimer", true);
    form->ImgIcon->OnClick = nullptr;
    ASSERT_EQ(seen.size(), 22u);
    for (int k = 1; k <= 11; ++k) {
        EXPECT_EQ(seen[k - 1], (TPositions{40 + 70 * k, 40 + 70 * k, 40 - 70 * k})) << k;
        EXPECT_EQ(seen[10 + k], (TPositions{810 - 70 * k, 810 - 70 * k, -730 + 70 * k})) << k;
    }
}

TEST_F(ShowPage, EachStepWaitsAFifteenthOfASecondOfClockTime) {
    form->ShowPage("PnlWelcome", false);
    platform::headless::SetClockStep(1);
    const double start = platform::Now();
    form->ShowPage("PnlDisclaimer", true);
    const double elapsedMs = (platform::Now() - start) * MsPerDay;
    EXPECT_GE(elapsedMs, 22 * 1000.0 / 15);
    EXPECT_LT(elapsedMs, 22 * (1000.0 / 15 + 5));
}

TEST_F(ShowPage, HeaderClickSlidesToTheDisclaimerFromAnyPage) {
    form->ShowPage("PnlWelcome", false);
    const TPoint header = headless::CenterOf(*form->PnlHeader);
    headless::Click(*form, header.X, header.Y);
    EXPECT_EQ(form->PnlHeader->Caption(), "Disclaimer");
    log.clear();
    headless::Click(*form, header.X, header.Y);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0], "PnlDisclaimer.SetupButtons active header=Disclaimer x=810 buttons=0");
}

TEST_F(ShowPage, HeaderClickDuringASlideRunsANestedPageChange) {
    form->ShowPage("PnlDisclaimer", false);
    const TPoint header = headless::CenterOf(*form->PnlHeader);
    headless::PostClick(*form, header.X, header.Y); // lands on the header before it moves away
    log.clear();
    form->ShowPage("PnlWelcome", true);
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[0].substr(0, 26), "PnlDisclaimer.SetupButtons");
    EXPECT_EQ(log[2].substr(0, 23), "PnlDisclaimer.PageShown");
    EXPECT_EQ(log[5], "PnlWelcome.PageShown active header=Welcome x=40 buttons=1");
    EXPECT_EQ(Positions(), (TPositions{40, 40, 40}));
}

TEST_F(ShowPage, TimerTickJumpsToTheUpgradeRunOnlyWithAutoUpdate) {
    AddPage("PNLUpgradeUpgrading", "Upgrading Pictoro");
    form->ShowPage("PnlWelcome", false);
    AutoUpdate = false;
    form->Timer1Timer(form->Timer1);
    EXPECT_FALSE(form->Timer1->Enabled());
    EXPECT_EQ(form->PnlHeader->Caption(), "Welcome");
    AutoUpdate = true;
    form->Timer1Timer(form->Timer1);
    AutoUpdate = false;
    EXPECT_EQ(form->PnlHeader->Caption(), "Upgrading Pictoro");
}

TEST_F(ShowPage, WorkBlockIgnoresHeaderClicksAndCloseUntilItEnds) {
    AddPage("PnlWorking", "Working")->OnShown = [this] {
        TFormMain::TWorkBlock block(*form);
        const TPoint header = headless::CenterOf(*form->PnlHeader);
        headless::Click(*form, header.X, header.Y);
        form->Close();
        log.push_back(std::string("closed=") + (form->IsClosed() ? "yes" : "no"));
        throw Exception("The work failed");
    };
    form->ShowPage("PnlWelcome", false);
    log.clear();
    EXPECT_THROW(form->ShowPage("PnlWorking", false), Exception);
    EXPECT_EQ(log.back(), "closed=no");
    EXPECT_EQ(form->PnlHeader->Caption(), "Working");
    EXPECT_FALSE(form->Working());

    const TPoint header = headless::CenterOf(*form->PnlHeader);
    headless::Click(*form, header.X, header.Y);
    EXPECT_EQ(form->PnlHeader->Caption(), "Disclaimer");
    form->Close();
    EXPECT_TRUE(form->IsClosed());
}
