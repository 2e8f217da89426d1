#include "platform/Platform.h"
#include "shell/LbButtons.h"

TLbButtonThread::TLbButtonThread(std::function<void(TObject* Sender)> OnStep) : OnStep(std::move(OnStep)) {}

TLbButtonThread::~TLbButtonThread() {
    EndAndWait();
}

void TLbButtonThread::Execute() {
    while (!Terminated()) {
        platform::SleepEx(30, false);
        Synchronize([this] { OnStep(this); });
    }
}
