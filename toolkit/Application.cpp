// The application object, its default exception handler and the simple message box (counted
// while open).
#include <cstdlib>

#include "platform/Platform.h"
#include "toolkit/Backend.h"
#include "toolkit/Classes.h"
#include "toolkit/Forms.h"

TApplication* Application = nullptr;

namespace {

// COM stays initialised until the application object goes or the program ends, whichever
// comes first: a program that halts never destroys its application object.
bool comInitialised = false;

void UninitializeCom() {
    if (!comInitialised) return;
    comInitialised = false;
    platform::CoUninitializeApartment();
}

int boxesOpen = 0;

// The backend's box, counted while it is open.
int ShowBox(const std::string& text, const std::string& caption, unsigned flags) {
    struct Open {
        Open() { ++boxesOpen; }
        ~Open() { --boxesOpen; }
    } open;
    return backend::ShowMessageBox(text, caption, flags);
}

} // namespace

std::string WithFullStop(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() {
    while (!Components().empty()) delete Components().back();
    UninitializeCom();
    if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
    static const bool registered = std::atexit(UninitializeCom) == 0;
    (void)registered;
    comInitialised = platform::CoInitializeApartment();
    backend::ApplicationStarting();
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    backend::SetApplicationTitle(title);
}

void TApplication::Run() {
    if (!MainForm) return;
    Guard([this] { MainForm->ShowForm(); });
    if (!terminated_) backend::RunMessageLoop();
}

void TApplication::ProcessMessages() {
    CheckSynchronize();
    backend::ProcessMessages();
}

void TApplication::Terminate() {
    terminated_ = true;
    backend::QuitMessageLoop();
}

void TApplication::Guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const Exception& error) {
        HandleException(error);
    } catch (const std::exception& error) {
        HandleException(Exception(error.what()));
    }
}

void TApplication::HandleException(const Exception& error) {
    ShowException(error);
}

void TApplication::ShowException(const Exception& error) {
    MessageBoxShow(WithFullStop(error.Message), Title(), mbIconStop | mbOK);
}

int TApplication::MessageBoxShow(const std::string& text, const std::string& caption, unsigned flags) {
    return ShowBox(text, caption, flags);
}

void ShowMessage(const std::string& text) {
    ShowBox(text, Application ? Application->Title() : std::string(), mbOK);
}

bool BoxShowing() {
    return boxesOpen > 0;
}
