#include "shell/Form_Main.h"

#include "platform/Platform.h"
#include "platform/Strings.h"
#include "resources/Embedded.h"
#include "shell/Appl_Globals.h"
#include "shell/CommandLine.h"
#include "shell/Frame_Panel.h"
#include "shell/KVI_ButtonBar.h"
#include "shell/PageNames.h"
#include "shell/WizardPages.h"

TFormMain* FormMain = nullptr;

namespace {

constexpr int SlideSteps = 11;
constexpr int SlideDistance = 70;
constexpr double SlideStepDays = 1.0 / 1296000; // 1/15 s

void LoadProductIcon(TImage& image) {
    const EmbeddedFile icon = EmbeddedResource("Pictoro.ico");
    if (icon.Data) image.Picture().LoadFromIco(icon.Data, icon.Size);
}

} // namespace

TFormMain::TFormMain(TComponent* owner) : TForm(owner) {
    Name = "FormMain";
    SetBounds(180, 237, Width(), Height());
    SetClientSize(780, 509);
    BorderStyle = bsDialog;
    BorderIcons = 0;
    Position = poScreenCenter;
    SetCaption("FormMain");
    SetColor(clBtnFace);
    Font().SetName("MS Sans Serif");
    Font().SetHeight(-11);
    Font().SetColor(clWindowText);
    PixelsPerInch = 96;

    ImgIcon = new TImage(this);
    ImgIcon->Name = "ImgIcon";
    ImgIcon->SetParent(this);
    ImgIcon->SetBounds(5, 6, 41, 41);
    LoadProductIcon(*ImgIcon);

    PnlHeader = new TPanel(this);
    PnlHeader->Name = "PnlHeader";
    PnlHeader->SetParent(this);
    PnlHeader->SetBounds(40, 31, 712, 41);
    PnlHeader->SetCaption("Header");
    PnlHeader->SetParentFont(false);
    PnlHeader->Font().SetName("MS Sans Serif");
    PnlHeader->Font().SetHeight(-19);
    PnlHeader->TabOrder = 0;
    PnlHeader->OnClick = [this](TObject* Sender) { PnlHeaderClick(Sender); };

    PageControl = new TPageControl(this);
    PageControl->Name = "PageControl";
    PageControl->SetParent(this);
    PageControl->SetBounds(40, 72, 712, 377);
    PageControl->TabOrder = 1;

    PnlButtons = new tKvButtonBar(this);
    PnlButtons->Name = "PnlButtons";
    PnlButtons->SetParent(this);
    PnlButtons->SetBounds(40, 451, 713, 32);

    Timer1 = new TTimer(this);
    Timer1->Name = "Timer1";
    Timer1->SetInterval(150);
    Timer1->OnTimer = [this](TObject* Sender) { Timer1Timer(Sender); };
    Timer1->SetEnabled(true);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnCloseQuery = [this](TObject* /*Sender*/, bool& CanClose) { CanClose = !Working(); };
}

void TFormMain::FormCreate(TObject* /*Sender*/) {
    SetCaption("Install Pictoro 1.7");
    SetColor(clBlue);
    PnlHeader->SetColor(clNavy);
    PnlHeader->Font().SetColor(clWhite);
    PnlButtons->SetColors(clWhite, clLime, clNavy, clBlue, clCream);
    RegisterPages();
    const std::string line = JoinedArguments(platform::GetCommandLineText());
    std::string directory;
    if (ParseAutoUpdate(line, directory)) {
        InstallDir = directory;
        AutoUpdate = true;
    }
    ShowPage(PageName::PnlWelcome, false);
}

void TFormMain::AddPage(TFramePanel* Page) {
    auto* sheet = new TTabSheet(this);
    sheet->SetPageControl(PageControl);
    Page->SetParent(sheet);
    sheet->TabVisible = false;
    Page->SetAlign(alClient);
    sheet->Name = Page->Name;
}

TTabSheet* TFormMain::FindPageSheet(const std::string& Name) const {
    const std::string wanted = LowerCase(Name);
    TTabSheet* found = nullptr;
    for (int i = 0; i < PageControl->PageCount(); ++i)
        if (LowerCase(PageControl->Pages(i)->Name) == wanted) found = PageControl->Pages(i);
    return found;
}

void TFormMain::ShowPage(const std::string& Name, bool Animate) {
    TTabSheet* sheet = FindPageSheet(Name);
    if (!sheet || sheet->ControlCount() == 0) return;
    auto* page = dynamic_cast<TFramePanel*>(sheet->Controls().front());
    if (!page) return;
    {
        TActionHold hold(*this); // no reader's press acts while the pages change
        if (Animate) SlideOut();
        try {
            PageControl->SetActivePage(sheet);
            PnlHeader->SetCaption(page->HeaderText);
            PnlButtons->ClearButtons();
            page->SetupButtons(PnlButtons);
            PnlButtons->AccessibleChildrenChanged();
            page->PageShow();
            FocusPage(*page);
        } catch (...) {
            if (Animate) MoveSlidingParts(-SlideSteps * SlideDistance, SlideSteps * SlideDistance); // back in sight
            throw;
        }
        if (Animate) SlideIn();
    }
    page->PageShown();
}

// A control that the page focused keeps the focus; else the page's first tab stop takes it,
// or the page itself, so that the focus never stays on the page just left.
void TFormMain::FocusPage(TFramePanel& Page) {
    if (Page.ContainsControl(ActiveControl()) && ActiveControl() != &Page) return;
    if (TWinControl* first = Page.FirstTabStop())
        first->SetFocus();
    else
        Page.SetFocus();
}

void TFormMain::SlideOut() {
    for (int step = 0; step < SlideSteps; ++step) SlideStep(SlideDistance, -SlideDistance);
}

void TFormMain::SlideIn() {
    for (int step = 0; step < SlideSteps; ++step) SlideStep(-SlideDistance, SlideDistance);
}

void TFormMain::MoveSlidingParts(int headerAndBarDx, int pagesDx) {
    PnlHeader->SetLeft(PnlHeader->Left() + headerAndBarDx);
    PnlButtons->SetLeft(PnlButtons->Left() + headerAndBarDx);
    PageControl->SetLeft(PageControl->Left() + pagesDx);
}

// Moves the header and the bar by one distance and the page area by the other, then lets
// 1/15 s of wall-clock time pass while processing messages (at least once).
void TFormMain::SlideStep(int headerAndBarDx, int pagesDx) {
    MoveSlidingParts(headerAndBarDx, pagesDx);
    const double start = platform::Now();
    double now;
    do {
        Application->ProcessMessages();
        now = platform::Now();
    } while (!(now > start + SlideStepDays));
}

void TFormMain::PnlHeaderClick(TObject* /*Sender*/) {
    if (Working()) return;
    ShowPage(PageName::PnlDisclaimer, true);
}

void TFormMain::Timer1Timer(TObject* /*Sender*/) {
    Timer1->SetEnabled(false);
    if (AutoUpdate) ShowPage(PageName::PNLUpgradeUpgrading, true);
}

TFormMain::TWorkBlock::TWorkBlock(TFormMain& form) : form_(form), hold_(form) {
    ++form_.workDepth_;
}

TFormMain::TWorkBlock::~TWorkBlock() {
    --form_.workDepth_;
}
