// Worker threads and the queue of calls they synchronise onto the GUI thread.
#include "toolkit/Classes.h"

#include <algorithm>
#include <deque>
#include <exception>
#include <mutex>
#include <vector>

#include "toolkit/Backend.h"

namespace {

struct SyncRequest {
    const std::function<void()>* Method;
    bool Done = false;
    std::exception_ptr Error;
};

threads::Monitor syncMonitor; // signalled when a request is queued or served, or a thread ended
std::deque<SyncRequest*> syncQueue;
std::vector<TThread*> pendingStarts; // created running: start once construction is over

} // namespace

bool CheckSynchronize() {
    if (!threads::OnMainThread()) return false;
    std::deque<SyncRequest*> pending;
    std::vector<TThread*> starts;
    {
        std::lock_guard lock(syncMonitor);
        pending.swap(syncQueue);
        starts.swap(pendingStarts);
    }
    for (TThread* thread : starts) thread->Resume();
    for (SyncRequest* request : pending) {
        try {
            (*request->Method)();
        } catch (...) {
            request->Error = std::current_exception();
        }
        std::lock_guard lock(syncMonitor);
        request->Done = true;
    }
    if (!pending.empty()) syncMonitor.NotifyAll();
    return !pending.empty();
}

// A thread created running may not call Execute before the derived class is constructed, so
// it starts at the GUI thread's next CheckSynchronize (the message loop, ProcessMessages or
// WaitFor), whichever thread created it.
TThread::TThread(bool createSuspended) : suspendCount_(1) {
    if (!createSuspended) {
        {
            std::lock_guard lock(syncMonitor);
            pendingStarts.push_back(this);
        }
        if (!threads::OnMainThread()) backend::WakeMainThread();
    }
    thread_.Start([](void* self) { static_cast<TThread*>(self)->Run(); }, this);
}

TThread::~TThread() {
    {
        std::lock_guard lock(syncMonitor);
        pendingStarts.erase(std::remove(pendingStarts.begin(), pendingStarts.end(), this), pendingStarts.end());
    }
    Terminate();
    if (thread_.IsCurrent()) {
        thread_.Detach();
        return;
    }
    {
        std::lock_guard lock(suspension_);
        suspendCount_ = 0;
    }
    suspension_.NotifyAll();
    WaitFor();
}

void TThread::Resume() {
    std::lock_guard lock(suspension_);
    if (suspendCount_ > 0 && --suspendCount_ == 0) suspension_.NotifyAll();
}

void TThread::Suspend() {
    std::lock_guard lock(suspension_);
    ++suspendCount_;
}

bool TThread::Suspended() const {
    std::lock_guard lock(suspension_);
    return suspendCount_ > 0;
}

// On the GUI thread the wait keeps serving synchronise calls, so that a thread blocked in
// Synchronize can run to its end.
void TThread::WaitFor() {
    if (threads::OnMainThread()) {
        while (!finished_) {
            CheckSynchronize();
            std::lock_guard lock(syncMonitor);
            if (!finished_ && syncQueue.empty()) syncMonitor.WaitFor(10);
        }
    }
    thread_.Join();
}

void TThread::Synchronize(const std::function<void()>& method) {
    if (threads::OnMainThread()) {
        method();
        return;
    }
    SyncRequest request{&method, false, nullptr};
    {
        std::lock_guard lock(syncMonitor);
        syncQueue.push_back(&request);
    }
    syncMonitor.NotifyAll();
    backend::WakeMainThread();
    {
        std::lock_guard lock(syncMonitor);
        while (!request.Done) syncMonitor.Wait();
    }
    if (request.Error) std::rethrow_exception(request.Error);
    WaitWhileSuspended();
}

void TThread::WaitWhileSuspended() {
    std::lock_guard lock(suspension_);
    while (suspendCount_ > 0) suspension_.Wait();
}

void TThread::Run() {
    WaitWhileSuspended();
    if (!terminated_) {
        try {
            Execute();
        } catch (...) {
            // An exception ends the thread; nobody is there to show it.
        }
    }
    const bool freeSelf = FreeOnTerminate;
    {
        std::lock_guard lock(syncMonitor);
        finished_ = true;
    }
    syncMonitor.NotifyAll();
    if (freeSelf) delete this;
}
