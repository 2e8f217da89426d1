// The wizard as a screen reader sees it: the bar's buttons and the pages' labels as elements
// of their windows, pressed through that tree, and the changes announced on a page change.
#include <algorithm>
#include <climits>

#include "WizardFixture.h"
#include "pages/PNL_Disclaimer.h"
#include "pages/PNL_InstallChooseConnection.h"
#include "pages/PNL_InstallChooseDir.h"
#include "pages/PNL_InstallGo.h"
#include "pages/PNL_Welcome.h"
#include "shell/Frame_Panel.h"
#include "shell/KVI_ButtonBar.h"
#include "shell/LbSpeedButton.h"
#include "shell/PageNames.h"
#include "toolkit/Accessibility.h"
#include "toolkit/Backend.h"
#include "toolkit/headless/HeadlessUI.h"

namespace {

// "Name|role|state letters|accelerator|action" of every showing element of a container;
// states: u unavailable, p pressed.
std::vector<std::string> Elements(const TWinControl& container) {
    std::vector<std::string> lines;
    for (int id = 1; id <= accessibility::ChildCount(container); ++id) {
        auto* element = dynamic_cast<TGraphicControl*>(accessibility::ChildOf(container, id));
        if (!element) continue;
        const TAccessible a = element->Accessible();
        if (a.State & asInvisible) continue;
        const char* role = a.Role == TAccRole::PushButton ? "button"
            : a.Role == TAccRole::StaticText              ? "text"
                                                          : "graphic";
        std::string state = (a.State & asUnavailable) ? "u" : "";
        if (a.State & asPressed) state += "p";
        const std::string accelerator = a.Accelerator ? std::string(1, a.Accelerator) : "";
        lines.push_back(a.Name + "|" + role + "|" + state + "|" + accelerator + "|" +
                        (a.DefaultAction ? a.DefaultAction : ""));
    }
    return lines;
}

TGraphicControl& Element(const TWinControl& container, const std::string& name) {
    for (int id = 1; id <= accessibility::ChildCount(container); ++id)
        if (auto* element = dynamic_cast<TGraphicControl*>(accessibility::ChildOf(container, id));
            element && element->Accessible().Name == name && !(element->Accessible().State & asInvisible))
            return *element;
    throw std::runtime_error("no element " + name);
}

bool Raised(const TWinControl& container, TAccEvent event, int childId) {
    const auto& events = headless::AccessibleEvents();
    return std::any_of(events.begin(), events.end(), [&](const headless::RecordedAccessibleEvent& e) {
        return e.Container == &container && e.Event == event && e.ChildId == childId;
    });
}

} // namespace

using AccessibleTree = WizardTest;

TEST_F(AccessibleTree, PagesAndBarListTheirElementsFromTheModel) {
    EXPECT_EQ(WithoutAccel("&&Tom && &Jerry&"), "&Tom & Jerry&");
    const tKvButtonBar& bar = *FormMain->PnlButtons;
    EXPECT_EQ(accessibility::ChildCount(bar), 2 * tKvButtonBar::SlotCount); // free slots listed invisible
    EXPECT_EQ(Elements(bar), (std::vector<std::string>{"Exit|button||E|Press", "Next|button||N|Press"}));
    const TGraphicControl& next = Element(bar, "Next");
    EXPECT_EQ(accessibility::ChildOf(bar, accessibility::ChildId(next)), &next);

    const std::vector<std::string> welcome = Elements(Page<TPnlWelcome>());
    EXPECT_NE(std::find(welcome.begin(), welcome.end(), "Thank you for installing Pictoro|text|||"), welcome.end());
    EXPECT_NE(std::find(welcome.begin(), welcome.end(), "|graphic|||"), welcome.end()); // a picture, unnamed

    GoToGoPage();
    EXPECT_EQ(
        Elements(bar),
        (std::vector<std::string>{"Exit|button||E|Press", "Install Now|button||I|Press", "Previous|button||P|Press"}));
    const TPNLInstallGo& go = Page<TPNLInstallGo>();
    EXPECT_EQ(go.Label6->Accessible().Name, "Installation directory = C:\\Program Files\\Pictoro\\");
    // A page not on show is invisible with all its elements.
    EXPECT_EQ(go.Label1->Accessible().State, 0u);
    ClickButton("&Previous");
    EXPECT_EQ(go.Label1->Accessible().State, asInvisible);

    // Held down by the mouse: pressed, and announced.
    TGraphicControl& exitButton = Element(bar, "Exit");
    headless::ClearAccessibleEvents();
    const TPoint middle = headless::CenterOf(exitButton);
    headless::MouseDown(*FormMain, middle.X, middle.Y);
    EXPECT_EQ(exitButton.Accessible().State, asPressed);
    EXPECT_TRUE(Raised(bar, TAccEvent::StateChange, accessibility::ChildId(exitButton)));
    headless::MouseUp(*FormMain, middle.X - 200, middle.Y); // released elsewhere: no click
    EXPECT_EQ(exitButton.Accessible().State, 0u);
    exitButton.SetEnabled(false);
    EXPECT_EQ(exitButton.Accessible().State, asUnavailable);
}

TEST_F(AccessibleTree, DefaultActionDoesWhatAClickDoesAfterTheCallReturns) {
    tKvButtonBar& bar = *FormMain->PnlButtons;
    ASSERT_TRUE(accessibility::DoDefaultAction(Element(bar, "Next")));
    EXPECT_EQ(CurrentPageName(), PageName::PnlWelcome); // not yet: the press is posted
    headless::RunPending();
    EXPECT_EQ(CurrentPageName(), PageName::PnlDisclaimer);

    ASSERT_TRUE(accessibility::DoDefaultAction(Element(bar, "Next")));
    headless::RunPending();
    EXPECT_EQ(TakeBoxes().size(), 1u); // the refusal, as after a click
    EXPECT_EQ(CurrentPageName(), PageName::PnlDisclaimer);
    EXPECT_FALSE(Element(bar, "Next").Accessible().State & asPressed);

    // Disabled, hidden, or disabled before the posted press runs: nothing happens.
    TGraphicControl& next = Element(bar, "Next");
    next.SetEnabled(false);
    EXPECT_FALSE(accessibility::DoDefaultAction(next));
    next.SetEnabled(true);
    ASSERT_TRUE(accessibility::DoDefaultAction(next));
    next.SetEnabled(false);
    headless::RunPending();
    EXPECT_TRUE(TakeBoxes().empty());
    next.SetEnabled(true);
    TGraphicControl* freeSlot = bar.RightButtons[5];
    EXPECT_TRUE(freeSlot->Accessible().State & asInvisible);
    EXPECT_FALSE(accessibility::DoDefaultAction(*freeSlot));
    EXPECT_FALSE(accessibility::DoDefaultAction(*Page<TPnlDisclaimer>().Image3)); // no action
    headless::RunPending();
    EXPECT_EQ(CurrentPageName(), PageName::PnlDisclaimer);
}

TEST_F(AccessibleTree, PageChangeAnnouncesTheBarAndLabelsAndMovesTheFocus) {
    const tKvButtonBar& bar = *FormMain->PnlButtons;
    EXPECT_EQ(FormMain->ActiveControl(), CurrentPage()); // the welcome page has no tab stop
    headless::ClearAccessibleEvents();
    ClickButton("&Next");
    EXPECT_TRUE(Raised(bar, TAccEvent::Reorder, 0));
    EXPECT_TRUE(Raised(bar, TAccEvent::Hide, accessibility::ChildId(*bar.RightButtons[0])));
    EXPECT_TRUE(Raised(bar, TAccEvent::Show, accessibility::ChildId(*bar.RightButtons[0])));
    EXPECT_TRUE(Raised(bar, TAccEvent::Show, accessibility::ChildId(*bar.RightButtons[1]))); // "&Previous"
    EXPECT_EQ(FormMain->ActiveControl(), Page<TPnlDisclaimer>().CheckBox1);

    GoToConnectionPage();
    // Its first tab stop would be a radio item, which the focus would check: the page takes it.
    EXPECT_EQ(FormMain->ActiveControl(), CurrentPage());
    EXPECT_EQ(Page<TPNLInstallChooseConnection>().rgConnection->ItemIndex(), -1);
    ClickControl(*Page<TPNLInstallChooseConnection>().rgConnection->Buttons()[4]);
    ClickButton("&Next");
    TPNLInstallGo& go = Page<TPNLInstallGo>();
    ClickButton("&Previous");
    headless::ClearAccessibleEvents();
    ClickButton("&Next");
    EXPECT_FALSE(Raised(go, TAccEvent::NameChange, accessibility::ChildId(*go.Label6))); // same text again
    go.Label6->SetCaption("Installation directory = C:\\Elsewhere\\");
    EXPECT_TRUE(Raised(go, TAccEvent::NameChange, accessibility::ChildId(*go.Label6)));
}

// A press that no click could make is refused, and one posted before is dropped: behind a box,
// and while the pages slide.
TEST_F(AccessibleTree, DefaultActionIsRefusedUnderABoxAndWhileThePagesSlide) {
    tKvButtonBar& bar = *FormMain->PnlButtons;
    ClickButton("&Next");
    ASSERT_TRUE(accessibility::DoDefaultAction(Element(bar, "Previous"))); // would run in the box's loop
    bool refusedUnderTheBox = false;
    headless::SetWhileBoxShows([&] {
        refusedUnderTheBox = !accessibility::DoDefaultAction(Element(bar, "Exit"));
        headless::RunPending();
    });
    ClickButton("&Next"); // refused: no agreement
    headless::SetWhileBoxShows(nullptr);
    headless::RunPending();
    EXPECT_TRUE(refusedUnderTheBox);
    EXPECT_EQ(TakeBoxes().size(), 1u);
    EXPECT_EQ(CurrentPageName(), PageName::PnlDisclaimer);

    // Posted before the slide, or tried during it: Previous would go back to the welcome page.
    ClickControl(*Page<TPnlDisclaimer>().CheckBox1);
    TGraphicControl& previous = Element(bar, "Previous");
    ASSERT_TRUE(accessibility::DoDefaultAction(previous));
    bool refusedInTheSlide = false;
    backend::PostToMainThread([&] { refusedInTheSlide = !accessibility::DoDefaultAction(previous); });
    const TPoint next = headless::CenterOf(Element(bar, "Next"));
    headless::Click(*FormMain, next.X, next.Y);
    headless::RunPending();
    EXPECT_TRUE(refusedInTheSlide);
    EXPECT_EQ(CurrentPageName(), PageName::PnlInstall);
    EXPECT_TRUE(accessibility::DoDefaultAction(Element(bar, "Previous"))); // allowed again
}

// Navigation walks the listed children, window-less and windowed alike; ids below 1 or past
// the last name no child.
TEST_F(AccessibleTree, NavigationWalksAPagesListedChildren) {
    GoToChooseDirPage();
    const TPnlInstallChooseDir& page = Page<TPnlInstallChooseDir>();
    const int count = accessibility::ChildCount(page);
    ASSERT_GE(count, 5);
    using accessibility::TAccNavigation;
    EXPECT_EQ(accessibility::Navigate(page, 0, TAccNavigation::First), 1);
    EXPECT_EQ(accessibility::Navigate(page, 0, TAccNavigation::Last), count);
    std::vector<TControl*> forward, backward;
    for (int id = 1; id; id = accessibility::Navigate(page, id, TAccNavigation::Next))
        forward.push_back(accessibility::ChildOf(page, id));
    for (int id = count; id; id = accessibility::Navigate(page, id, TAccNavigation::Previous))
        backward.insert(backward.begin(), accessibility::ChildOf(page, id));
    EXPECT_EQ(forward, backward);
    EXPECT_EQ(forward.size(), std::size_t(count));
    EXPECT_NE(std::find(forward.begin(), forward.end(), page.Edit1), forward.end());
    EXPECT_NE(std::find(forward.begin(), forward.end(), page.Image5), forward.end());
    for (long bad : {0L, -1L, long(LONG_MIN), long(count) + 1}) {
        EXPECT_EQ(accessibility::ChildOf(page, bad), nullptr) << bad;
        EXPECT_EQ(accessibility::Navigate(page, bad, TAccNavigation::Next), 0) << bad;
    }
    EXPECT_EQ(accessibility::Navigate(page, 1, TAccNavigation::First), 0); // only from the page itself
    EXPECT_EQ(accessibility::Navigate(page, 1, TAccNavigation::Previous), 0);
    EXPECT_EQ(LabelName("Upgrade &Pictoro installed in:"), "Upgrade Pictoro installed in");
}
