// The control model: ownership, parents, colour and font inheritance, alignment, and the
// state rules of the standard controls.
#include <gtest/gtest.h>

#include "toolkit/Backend.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/headless/HeadlessUI.h"

namespace {

class Controls : public ::testing::Test {
protected:
    headless::ApplicationScope app;
    TForm* form = new TForm(Application);
    void SetUp() override { form->SetClientSize(300, 200); }
};

TEST_F(Controls, OwnerDestroysWhatItOwnsAndParentsDestroyTheirChildren) {
    int destroyed = 0;
    struct Counted : TPanel {
        int& count;
        Counted(TComponent* owner, int& c) : TPanel(owner), count(c) {}
        ~Counted() override { ++count; }
    };
    auto* owned = new Counted(form, destroyed);
    auto* unowned = new Counted(nullptr, destroyed);
    unowned->SetParent(owned);
    EXPECT_EQ(form->Components().size(), 1u);
    delete form;
    EXPECT_EQ(destroyed, 2);
    form = nullptr;
}

TEST_F(Controls, DeletedChildLeavesItsParentAndOwner) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    delete panel;
    EXPECT_TRUE(form->Controls().empty());
    EXPECT_TRUE(form->Components().empty());
}

TEST_F(Controls, ShowingNeedsEveryParentUpToAShownForm) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* label = new TLabel(form);
    label->SetParent(panel);
    EXPECT_FALSE(label->Showing());
    form->ShowForm();
    EXPECT_TRUE(label->Showing());
    panel->Hide();
    EXPECT_FALSE(label->Showing());
    EXPECT_TRUE(label->Visible());
}

TEST_F(Controls, PeersAreMadeWhenTheFormShowsAndForLaterChildren) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    EXPECT_EQ(panel->Peer(), nullptr);
    form->ShowForm();
    ASSERT_NE(panel->Peer(), nullptr);
    auto* edit = new TEdit(form);
    edit->SetParent(panel);
    EXPECT_NE(edit->Peer(), nullptr);
    EXPECT_NE(edit->Peer()->Handle(), panel->Peer()->Handle());
}

// A hidden sheet and its controls get their windows when the sheet is first shown, not before.
TEST_F(Controls, HiddenSheetsGetTheirPeersWhenFirstShown) {
    auto* pages = new TPageControl(form);
    pages->SetParent(form);
    auto* shown = new TTabSheet(form);
    shown->SetPageControl(pages);
    auto* hidden = new TTabSheet(form);
    hidden->SetPageControl(pages);
    auto* edit = new TEdit(form);
    edit->SetParent(hidden);
    pages->SetActivePage(shown);
    form->ShowForm();
    ASSERT_NE(shown->Peer(), nullptr);
    EXPECT_EQ(hidden->Peer(), nullptr);
    EXPECT_EQ(edit->Peer(), nullptr);
    pages->SetActivePage(hidden);
    ASSERT_NE(hidden->Peer(), nullptr);
    EXPECT_NE(edit->Peer(), nullptr);
    pages->SetActivePage(shown);
    EXPECT_NE(hidden->Peer(), nullptr) << "a sheet keeps its windows once made";
}

TEST_F(Controls, ColourAndFontComeFromTheParentUntilSetOnTheControl) {
    form->SetColor(clBlue);
    form->Font().SetHeight(-11);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* label = new TLabel(form);
    label->SetParent(panel);
    EXPECT_EQ(label->EffectiveColor(), clBlue);
    panel->SetColor(clNavy);
    EXPECT_EQ(label->EffectiveColor(), clNavy);
    EXPECT_EQ(label->Color(), clNavy);
    panel->Font().SetHeight(-19);
    EXPECT_EQ(label->Font().Height(), -19);
    EXPECT_FALSE(panel->ParentFont());
    EXPECT_TRUE(label->ParentFont());
    label->Font().SetColor(clWhite);
    panel->Font().SetHeight(-13);
    EXPECT_EQ(label->Font().Height(), -19);
    EXPECT_FALSE(label->ParentFont());
}

TEST_F(Controls, AlignedChildrenFollowTheirParentsSize) {
    auto* top = new TPanel(form);
    top->SetHeight(30);
    top->SetAlign(alTop);
    top->SetParent(form);
    auto* rest = new TPanel(form);
    rest->SetAlign(alClient);
    rest->SetParent(form);
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 300, 30));
    EXPECT_EQ(rest->BoundsRect(), Rect(0, 30, 300, 200));
    form->SetClientSize(400, 250);
    EXPECT_EQ(rest->BoundsRect(), Rect(0, 30, 400, 250));
    rest->MinWidth = 500;
    form->Realign();
    EXPECT_EQ(rest->Width(), 500);
}

TEST_F(Controls, CheckingARadioButtonClearsItsSiblingsOnly) {
    auto* group = new TPanel(form);
    group->SetParent(form);
    std::vector<TRadioButton*> radios;
    std::vector<std::string> clicks;
    for (int i = 0; i < 3; ++i) {
        auto* r = new TRadioButton(form);
        r->Name = "r" + std::to_string(i);
        r->SetParent(group);
        r->OnClick = [&clicks, r](TObject*) { clicks.push_back(r->Name); };
        radios.push_back(r);
    }
    auto* other = new TRadioButton(form);
    other->SetParent(form);
    other->SetChecked(true);
    radios[0]->SetChecked(true);
    radios[2]->ClickedByUser();
    EXPECT_FALSE(radios[0]->Checked());
    EXPECT_TRUE(radios[2]->Checked());
    EXPECT_TRUE(other->Checked());
    radios[2]->ClickedByUser(); // already checked: nothing changes, no click
    EXPECT_EQ(clicks, (std::vector<std::string>{"r0", "r2"}));
}

TEST_F(Controls, CheckBoxClicksOnEveryChangeAndTogglesOnUserClicks) {
    auto* box = new TCheckBox(form);
    box->SetParent(form);
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    box->SetChecked(true);
    box->SetChecked(true);
    box->ClickedByUser();
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(Controls, CheckBoxAcceleratorNeedsAFocusableBox) {
    form->ShowForm();
    auto* box = new TCheckBox(form);
    box->SetCaption("&Desktop icon");
    box->SetParent(form);
    EXPECT_TRUE(headless::MessageBoxes().empty());
    headless::KeyChar(*form, 'd', true);
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Focused());
    box->SetEnabled(false);
    headless::KeyChar(*form, 'd', true);
    EXPECT_TRUE(box->Checked());
}

TEST_F(Controls, RadioGroupKeepsItemIndexAndButtonsInStep) {
    auto* group = new TRadioGroup(form);
    group->SetParent(form);
    for (const char* item : {"Modem", "ISDN", "DSL"}) group->AddItem(item);
    int clicks = 0;
    group->OnClick = [&](TObject*) { ++clicks; };
    ASSERT_EQ(group->Buttons().size(), 3u);
    EXPECT_EQ(group->ItemIndex(), -1);
    group->SetItemIndex(1);
    EXPECT_TRUE(group->Buttons()[1]->Checked());
    group->Buttons()[2]->ClickedByUser();
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_FALSE(group->Buttons()[1]->Checked());
    EXPECT_EQ(clicks, 2);
    group->SetItemIndex(7);
    EXPECT_EQ(group->ItemIndex(), 2);
    // One column below the caption, each button as wide as the group allows.
    EXPECT_EQ(group->Buttons()[0]->Left(), 8);
    EXPECT_LT(group->Buttons()[0]->Top(), group->Buttons()[1]->Top());
    EXPECT_EQ(group->Buttons()[0]->Left(), group->Buttons()[2]->Left());
}

TEST_F(Controls, ProgressBarKeepsThePositionInRange) {
    auto* bar = new TProgressBar(form);
    bar->SetMax(2438);
    bar->SetPosition(3000);
    EXPECT_EQ(bar->Position(), 2438);
    bar->SetPosition(-5);
    EXPECT_EQ(bar->Position(), 0);
    bar->SetPosition(1000);
    bar->SetMax(500);
    EXPECT_EQ(bar->Position(), 500);
    bar->SetMin(600);
    EXPECT_EQ(bar->Min(), 600);
    EXPECT_EQ(bar->Max(), 600);
    EXPECT_EQ(bar->Position(), 600);
}

TEST_F(Controls, PageControlShowsOnlyTheActiveSheet) {
    auto* pages = new TPageControl(form);
    pages->SetParent(form);
    pages->SetBounds(40, 72, 712, 377);
    auto* first = new TTabSheet(form);
    first->SetPageControl(pages);
    auto* second = new TTabSheet(form);
    second->SetPageControl(pages);
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(first->BoundsRect(), Rect(0, 0, 712, 377));
    pages->SetActivePage(second);
    EXPECT_TRUE(second->Visible());
    EXPECT_FALSE(first->Visible());
    pages->SetActivePage(first);
    EXPECT_FALSE(second->Visible());
    delete first;
    EXPECT_EQ(pages->PageCount(), 1);
    EXPECT_EQ(pages->ActivePage(), nullptr);
}

TEST_F(Controls, LabelSizesItselfToItsText) {
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetCaption("Hello");
    TRect expected = Rect(0, 0, 0, 0);
    TBitmap measure(1, 1);
    measure.Canvas().Font.Assign(label->Font());
    measure.Canvas().DrawTextRect("Hello", expected, dtCalcRect);
    EXPECT_EQ(label->Width(), expected.Right);
    EXPECT_EQ(label->Height(), 13);
    label->Font().SetStyle(fsBold);
    EXPECT_EQ(label->Width(), expected.Right + 5);
    label->SetCaption("");
    EXPECT_EQ(label->Height(), 13); // an empty caption still takes a line
    label->SetAutoSize(false);
    label->SetCaption("A much longer caption");
    EXPECT_EQ(label->Height(), 13);
    EXPECT_LT(label->Width(), expected.Right);
}

TEST_F(Controls, RightAlignedLabelKeepsItsRightEdge) {
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->Alignment = taRightJustify;
    label->SetBounds(100, 0, 50, 13);
    label->SetCaption("x");
    EXPECT_EQ(label->Left() + label->Width(), 150);
}

TEST_F(Controls, EditReportsChangesFromCodeAndFromTheUser) {
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    std::vector<std::string> seen;
    edit->OnChange = [&](TObject*) { seen.push_back(edit->Text()); };
    edit->SetText("C:\\Pictoro\\");
    edit->TextEditedByUser("D:\\");
    edit->TextEditedByUser("D:\\");
    EXPECT_EQ(seen, (std::vector<std::string>{"C:\\Pictoro\\", "D:\\"}));
}

TEST_F(Controls, ComboBoxItemIndexSetsTheText) {
    auto* combo = new TComboBox(form);
    combo->Style = csDropDownList;
    combo->AddItem("one");
    combo->AddItem("two");
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "two");
    EXPECT_EQ(changes, 0);
    combo->SelectedByUser(0);
    EXPECT_EQ(combo->Text(), "one");
    EXPECT_EQ(changes, 1);
    combo->SetItemIndex(5);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
}

TEST_F(Controls, ClosingTheMainFormEndsTheApplicationUnlessRefused) {
    Application->MainForm = form;
    form->ShowForm();
    bool allow = false;
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    form->Close();
    EXPECT_TRUE(form->Visible());
    EXPECT_FALSE(Application->Terminated());
    allow = true;
    form->Close();
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(form->IsClosed());
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(Controls, FormIsCentredOnTheScreenWhenFirstShown) {
    form->Position = poScreenCenter;
    form->BorderStyle = bsDialog;
    form->SetClientSize(780, 509);
    form->ShowForm();
    EXPECT_EQ(form->ClientRect(), Rect(0, 0, 780, 509));
    EXPECT_EQ(form->Left(), (1024 - form->Width()) / 2);
    EXPECT_EQ(form->Top(), (768 - form->Height()) / 2);
    const TPoint origin = form->ClientToScreen({0, 0});
    EXPECT_GE(origin.X, form->Left());
    EXPECT_LT(origin.Y + 509, form->Top() + form->Height() + 1);
}

} // namespace

namespace {

TEST(NativeInput, AHandlerThatThrowsShowsTheBoxAndInputGoesOn) {
    headless::ApplicationScope app;
    auto* form = new TForm(Application);
    form->SetClientSize(100, 60);
    auto* radio = new TRadioButton(form);
    radio->SetBounds(0, 0, 80, 17);
    radio->SetParent(form);
    radio->OnClick = [](TObject*) { throw Exception("Please choose a connection"); };
    auto* combo = new TComboBox(form);
    combo->AddItem("a");
    combo->OnChange = [](TObject*) { throw Exception("refused"); };
    form->ShowForm();
    headless::Click(*form, 5, 8);
    headless::PickItem(*combo, 0);
    ASSERT_EQ(headless::MessageBoxes().size(), 2u);
    EXPECT_EQ(headless::MessageBoxes()[0].Text, "Please choose a connection.");
    EXPECT_EQ(headless::MessageBoxes()[1].Text, "refused.");
    EXPECT_TRUE(radio->Checked());
}

} // namespace
