// The application object: the default exception box, message boxes, COM, the message loop
// and timers.
#include <gtest/gtest.h>

#include <cstdarg>

#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"
#include "toolkit/Forms.h"
#include "toolkit/LibraryMessage.h"
#include "toolkit/headless/HeadlessUI.h"

namespace {

TEST(FullStop, AppendedWhenTheLastCharacterSortsAfterTheFullStop) {
    EXPECT_EQ(WithFullStop("Invalid directory"), "Invalid directory.");
    EXPECT_EQ(WithFullStop("Done."), "Done.");
    EXPECT_EQ(WithFullStop("Why?"), "Why?."); // '?' sorts after '.'
    EXPECT_EQ(WithFullStop("Stop!"), "Stop!"); // '!' sorts before '.'
    EXPECT_EQ(WithFullStop("x-"), "x-");
    EXPECT_EQ(WithFullStop("a/"), "a/.");
    EXPECT_EQ(WithFullStop("C:\\Pictoro\\"), "C:\\Pictoro\\.");
    EXPECT_EQ(WithFullStop("caf\xE9"), "caf\xE9."); // character codes above 127 count as high
    EXPECT_EQ(WithFullStop(""), "");
}

std::string Misuse(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = LibraryMessage(format, args);
    va_end(args);
    return text;
}

// The library's range errors come as a format; the box shows them filled in.
TEST(LibraryMessage, FillsInTheLibrarysConversions) {
    EXPECT_EQ(Misuse("%s: __pos (which is %zu) > this->size() (which is %zu)", "basic_string::substr", std::size_t(12),
                     std::size_t(0)),
              "basic_string::substr: __pos (which is 12) > this->size() (which is 0)");
    EXPECT_EQ(Misuse("at %zu of %zu, 100%%", std::size_t(4294967295u), std::size_t(7)), "at 4294967295 of 7, 100%");
    EXPECT_EQ(Misuse("odd %d and a lone %"), "odd %d and a lone %");
}

class App : public ::testing::Test {
protected:
    void SetUp() override { platform::headless::Reset(); }
    headless::ApplicationScope app;
};

TEST_F(App, ExceptionsOfHandlersShowTheStopBoxCaptionedWithTheTitle) {
    Application->SetTitle("Install_Pictoro");
    EXPECT_EQ(headless::ApplicationTitle(), "Install_Pictoro");
    bool after = false;
    Application->Guard([] { throw EInOutError(101); });
    Application->Guard([] { throw std::runtime_error("plain"); });
    Application->Guard([&] { after = true; });
    ASSERT_EQ(headless::MessageBoxes().size(), 2u);
    EXPECT_EQ(headless::MessageBoxes()[0].Text, WithFullStop(IOErrorText(101)));
    EXPECT_EQ(headless::MessageBoxes()[0].Caption, "Install_Pictoro");
    EXPECT_EQ(headless::MessageBoxes()[0].Flags, mbIconStop | mbOK);
    EXPECT_EQ(headless::MessageBoxes()[1].Text, "plain.");
    EXPECT_TRUE(after);
}

TEST_F(App, HaltIsNotSwallowedByTheGuard) {
    EXPECT_THROW(Application->Guard([] { throw platform::HaltRequest{3}; }), platform::HaltRequest);
    EXPECT_TRUE(headless::MessageBoxes().empty());
}

TEST_F(App, ShowMessageUsesTheTitleAndOk) {
    Application->SetTitle("Install_Pictoro");
    ShowMessage("No installation found");
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(headless::MessageBoxes()[0].Text, "No installation found");
    EXPECT_EQ(headless::MessageBoxes()[0].Caption, "Install_Pictoro");
    EXPECT_EQ(headless::MessageBoxes()[0].Flags, mbOK);
}

TEST_F(App, InitializeStartsComAndTheDestructorEndsIt) {
    const int before = platform::headless::ComInitCount();
    auto* other = new TApplication;
    other->Initialize();
    EXPECT_EQ(platform::headless::ComInitCount(), before + 1);
    delete other;
    EXPECT_EQ(platform::headless::ComInitCount(), before);
}

class MainForm : public TForm {
public:
    explicit MainForm(TComponent* owner) : TForm(owner) {
        OnCreate = [this](TObject*) { createdWithReference = Application->MainForm == this; };
        timer = new TTimer(this);
        timer->SetInterval(150);
        timer->OnTimer = [this](TObject*) {
            timer->SetEnabled(false);
            fired.push_back(platform::Now());
            Close();
        };
    }
    bool createdWithReference = false;
    TTimer* timer;
    std::vector<double> fired;
};

TEST_F(App, RunShowsTheMainFormAndLoopsUntilItCloses) {
    MainForm* form = nullptr;
    const double start = platform::Now();
    Application->CreateForm(form);
    EXPECT_TRUE(form->createdWithReference);
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
    ASSERT_EQ(form->fired.size(), 1u);
    EXPECT_GE((form->fired[0] - start) * 86400000.0, 150.0);
    EXPECT_FALSE(form->Visible());
}

TEST_F(App, TimersFireOnlyWhenDueByTheClock) {
    platform::headless::SetClockStep(0);
    auto* timer = new TTimer(Application);
    timer->SetInterval(100);
    int fired = 0;
    timer->OnTimer = [&](TObject*) { ++fired; };
    Application->ProcessMessages();
    EXPECT_EQ(fired, 0);
    platform::headless::AdvanceClock(100);
    Application->ProcessMessages();
    EXPECT_EQ(fired, 1);
    Application->ProcessMessages();
    EXPECT_EQ(fired, 1);
    timer->SetEnabled(false);
    platform::headless::AdvanceClock(500);
    Application->ProcessMessages();
    EXPECT_EQ(fired, 1);
    delete timer;
    platform::headless::AdvanceClock(500);
    Application->ProcessMessages();
}

TEST_F(App, PostedClicksArriveWithProcessMessages) {
    auto* form = new TForm(Application);
    form->SetClientSize(100, 100);
    int clicks = 0;
    form->OnClick = [&](TObject*) { ++clicks; };
    form->ShowForm();
    headless::PostClick(*form, 10, 10);
    EXPECT_EQ(clicks, 0);
    Application->ProcessMessages();
    EXPECT_EQ(clicks, 1);
}

} // namespace
