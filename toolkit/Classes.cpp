// Worker threads and the queue of calls they synchronise onto the GUI thread.
#include "toolkit/Classes.h"

#include <deque>
#include <exception>
#include <mutex>

#include "toolkit/Backend.h"

namespace {

struct SyncRequest {
    const std::function<void()>* Method;
    bool Done = false;
    std::exception_ptr Error;
};

// The queued synchronise calls and their monitor, signalled when a call is queued or served or
// a thread ended. Never destroyed: a thread may still wait on it while the program ends.
struct SyncState {
    threads::Monitor Monitor;
    std::deque<SyncRequest*> Queue;
};

SyncState& Sync() {
    static SyncState* const state = new SyncState;
    return *state;
}

} // namespace

bool CheckSynchronize() {
    if (!threads::OnMainThread()) return false;
    SyncState& sync = Sync();
    std::deque<SyncRequest*> pending;
    {
        std::lock_guard lock(sync.Monitor);
        pending.swap(sync.Queue);
    }
    for (SyncRequest* request : pending) {
        try {
            (*request->Method)();
        } catch (...) {
            request->Error = std::current_exception();
        }
        std::lock_guard lock(sync.Monitor);
        request->Done = true;
    }
    if (!pending.empty()) sync.Monitor.NotifyAll();
    return !pending.empty();
}

TThread::TThread() : suspendCount_(1) {
    thread_.Start([](void* self) { static_cast<TThread*>(self)->Run(); }, this);
}

TThread::~TThread() {
    EndAndWait();
    if (thread_.IsCurrent()) thread_.Detach();
}

void TThread::EndAndWait() {
    Terminate();
    if (thread_.IsCurrent()) return;
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
        SyncState& sync = Sync();
        while (!finished_) {
            CheckSynchronize();
            std::lock_guard lock(sync.Monitor);
            if (!finished_ && sync.Queue.empty()) sync.Monitor.WaitFor(10);
        }
    }
    thread_.Join();
}

void TThread::Synchronize(const std::function<void()>& method) {
    if (threads::OnMainThread()) {
        method();
        return;
    }
    SyncState& sync = Sync();
    SyncRequest request{&method, false, nullptr};
    {
        std::lock_guard lock(sync.Monitor);
        sync.Queue.push_back(&request);
    }
    sync.Monitor.NotifyAll();
    backend::WakeMainThread();
    {
        std::lock_guard lock(sync.Monitor);
        while (!request.Done) sync.Monitor.Wait();
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
    const bool freeSelf = freeOnEnd_;
    SyncState& sync = Sync();
    {
        std::lock_guard lock(sync.Monitor);
        finished_ = true;
    }
    sync.Monitor.NotifyAll();
    if (freeSelf) delete this;
}
