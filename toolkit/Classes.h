// Threads with a call synchronised onto the GUI thread.
#pragma once

#include <atomic>
#include <functional>
#include <utility>

#include "toolkit/Controls.h"
#include "toolkit/ThreadPrimitives.h"

// Passed to StartThread for a thread that frees itself when it ends.
struct FreeOnEndTag {
    explicit FreeOnEndTag() = default;
};
inline constexpr FreeOnEndTag FreeOnEnd{};

// A worker thread, created suspended: Resume lets it run, StartThread makes one running. So
// Execute never runs before the derived class is built. Suspension is counted and takes effect
// at the thread's next safe point (before Execute starts, and after each Synchronize returns).
// WaitFor on the GUI thread keeps running queued synchronise calls, so a thread blocked in
// Synchronize can finish.
//
// Every derived class calls EndAndWait in its own destructor: ~TThread runs after the derived
// members are gone, so a thread still in Execute then would use freed members. ~TThread itself
// only ends a thread that never ran, one whose derived constructor threw.
class TThread : public TObject {
public:
    TThread();
    ~TThread() override; // ends a thread that has not run and waits for it

    void Resume(); // lowers the suspend count
    void Suspend(); // raises it
    bool Suspended() const;
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    void WaitFor();

    // Runs the method on the GUI thread and waits until it has run.
    void Synchronize(const std::function<void()>& method);

protected:
    virtual void Execute() = 0;
    // Terminates, lifts any suspension and waits for the end; on the thread itself (a thread
    // that frees itself) it only terminates.
    void EndAndWait();

private:
    template <typename T, typename... Args>
    friend void StartThread(FreeOnEndTag, Args&&... args);
    void Run();
    void WaitWhileSuspended();
    threads::Thread thread_;
    mutable threads::Monitor suspension_; // guards the count; signalled when it drops to 0
    int suspendCount_ = 0;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    bool freeOnEnd_ = false; // set only by StartThread, once the object is wholly built
};

// Makes a thread of class T and lets it run once it is wholly built; the caller owns it.
template <typename T, typename... Args>
T* StartThread(Args&&... args) {
    T* thread = new T(std::forward<Args>(args)...);
    thread->Resume();
    return thread;
}

// The same for a thread that frees itself when it ends; nobody may hold it, so nothing is
// returned. A constructor that throws leaves nothing to free.
template <typename T, typename... Args>
void StartThread(FreeOnEndTag, Args&&... args) {
    T* thread = new T(std::forward<Args>(args)...);
    thread->freeOnEnd_ = true;
    thread->Resume();
}

// Runs the synchronise calls that threads queued; true if any ran. The message loop and
// ProcessMessages call it.
bool CheckSynchronize();
