// Worker threads and the queue of calls they synchronise onto the GUI thread.
#include "toolkit/Classes.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <exception>

#include "toolkit/Backend.h"

namespace {

const std::thread::id guiThread = std::this_thread::get_id();

struct SyncRequest {
    const std::function<void()>* Method;
    bool Done = false;
    std::exception_ptr Error;
};

std::mutex syncMutex;
std::condition_variable syncSignal;   // a request queued, served, or a thread ended
std::deque<SyncRequest*> syncQueue;
std::vector<TThread*> pendingStarts;  // created running: start once construction is over

bool OnGuiThread() { return std::this_thread::get_id() == guiThread; }

} // namespace

bool CheckSynchronize() {
    if (!OnGuiThread()) return false;
    std::deque<SyncRequest*> pending;
    std::vector<TThread*> starts;
    {
        std::lock_guard lock(syncMutex);
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
        std::lock_guard lock(syncMutex);
        request->Done = true;
    }
    if (!pending.empty()) syncSignal.notify_all();
    return !pending.empty();
}

// A thread created running may not call Execute before the derived class is constructed, so
// it starts at the GUI thread's next CheckSynchronize (the message loop, ProcessMessages or
// WaitFor), unless it was created on another thread.
TThread::TThread(bool createSuspended) : suspendCount_(1) {
    if (!createSuspended) {
        if (OnGuiThread()) {
            std::lock_guard lock(syncMutex);
            pendingStarts.push_back(this);
        } else {
            suspendCount_ = 0;
        }
    }
    thread_ = std::thread(&TThread::Run, this);
}

TThread::~TThread() {
    {
        std::lock_guard lock(syncMutex);
        pendingStarts.erase(std::remove(pendingStarts.begin(), pendingStarts.end(), this), pendingStarts.end());
    }
    Terminate();
    if (thread_.get_id() == std::this_thread::get_id()) {
        thread_.detach();
        return;
    }
    {
        std::lock_guard lock(mutex_);
        suspendCount_ = 0;
    }
    resumed_.notify_all();
    WaitFor();
}

void TThread::Resume() {
    std::lock_guard lock(mutex_);
    if (suspendCount_ > 0 && --suspendCount_ == 0) resumed_.notify_all();
}

void TThread::Suspend() {
    std::lock_guard lock(mutex_);
    ++suspendCount_;
}

bool TThread::Suspended() const {
    std::lock_guard lock(mutex_);
    return suspendCount_ > 0;
}

// On the GUI thread the wait keeps serving synchronise calls, so that a thread blocked in
// Synchronize can run to its end.
void TThread::WaitFor() {
    if (OnGuiThread()) {
        while (!finished_) {
            CheckSynchronize();
            std::unique_lock lock(syncMutex);
            syncSignal.wait_for(lock, std::chrono::milliseconds(10),
                                [this] { return finished_.load() || !syncQueue.empty(); });
        }
    }
    if (thread_.joinable()) thread_.join();
}

void TThread::Synchronize(const std::function<void()>& method) {
    if (OnGuiThread()) {
        method();
        return;
    }
    SyncRequest request{&method, false, nullptr};
    {
        std::lock_guard lock(syncMutex);
        syncQueue.push_back(&request);
    }
    syncSignal.notify_all();
    backend::WakeMainThread();
    {
        std::unique_lock lock(syncMutex);
        syncSignal.wait(lock, [&] { return request.Done; });
    }
    if (request.Error) std::rethrow_exception(request.Error);
    WaitWhileSuspended();
}

void TThread::WaitWhileSuspended() {
    std::unique_lock lock(mutex_);
    resumed_.wait(lock, [this] { return suspendCount_ == 0; });
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
        std::lock_guard lock(syncMutex);
        finished_ = true;
    }
    syncSignal.notify_all();
    if (freeSelf) delete this;
}
