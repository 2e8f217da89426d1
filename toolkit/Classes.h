// Threads with a call synchronised onto the GUI thread.
#pragma once

#include <atomic>
#include <functional>

#include "toolkit/Controls.h"
#include "toolkit/ThreadPrimitives.h"

// A worker thread. Suspension is counted and takes effect at the thread's next safe point
// (before Execute starts, and after each Synchronize returns). WaitFor on the GUI thread
// keeps running queued synchronise calls, so a thread blocked in Synchronize can finish.
// A thread created running starts at the GUI thread's next CheckSynchronize, once its
// derived class is constructed.
class TThread : public TObject {
public:
    explicit TThread(bool createSuspended);
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

// Runs the synchronise calls that threads queued; true if any ran. The message loop and
// ProcessMessages call it.
bool CheckSynchronize();
