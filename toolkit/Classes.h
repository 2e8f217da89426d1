// Threads with a call synchronised onto the GUI thread.
#pragma once

#include <atomic>
#include <functional>
#include <utility>

#include "toolkit/Controls.h"
#include "toolkit/ThreadPrimitives.h"

// A worker thread, created suspended: Resume lets it run, StartThread makes one running. So
// Execute never runs before the derived class is built. Suspension is counted and takes effect
// at the thread's next safe point (before Execute starts, and after each Synchronize returns).
// WaitFor on the GUI thread keeps running queued synchronise calls, so a thread blocked in
// Synchronize can finish.
class TThread : public TObject {
public:
    TThread();
    ~TThread() override; // terminates and waits

    void Resume(); // lowers the suspend count
    void Suspend(); // raises it
    bool Suspended() const;
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    void WaitFor();
    bool FreeOnTerminate = false;

    // Runs the method on the GUI thread and waits until it has run.
    void Synchronize(const std::function<void()>& method);

protected:
    virtual void Execute() = 0;

private:
    void Run();
    void WaitWhileSuspended();
    threads::Thread thread_;
    mutable threads::Monitor suspension_; // guards the count; signalled when it drops to 0
    int suspendCount_ = 0;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
};

// Makes a thread of class T and lets it run once it is wholly built.
template <typename T, typename... Args>
T* StartThread(Args&&... args) {
    T* thread = new T(std::forward<Args>(args)...);
    thread->Resume();
    return thread;
}

// Runs the synchronise calls that threads queued; true if any ran. The message loop and
// ProcessMessages call it.
bool CheckSynchronize();
