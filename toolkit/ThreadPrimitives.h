// The operating system's threads and a lock with a condition: what TThread is built on. Each
// backend implements them.
#pragma once

#include <memory>

namespace threads {

// True on the thread that started the program, the GUI thread.
bool OnMainThread();

// A lock with one condition to wait for. lock and unlock make it usable with std::lock_guard.
class Monitor {
public:
    Monitor();
    ~Monitor();
    Monitor(const Monitor&) = delete;
    Monitor& operator=(const Monitor&) = delete;

    void lock();
    void unlock();
    // With the lock held: releases it until woken (or the time is up), then holds it again.
    // A wait may also end without cause, so callers wait in a loop on their condition.
    void Wait();
    void WaitFor(unsigned milliseconds);
    void NotifyAll();

private:
    struct State;
    std::unique_ptr<State> state_;
};

// A thread that runs a function; once started it is joined or detached before it is destroyed.
class Thread {
public:
    Thread();
    ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    void Start(void (*run)(void* context), void* context); // throws if none can be made
    void Join(); // waits for its end; returns at once if not started or joined
    void Detach(); // lets it run on unjoined
    bool IsCurrent() const; // true when called on this thread

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace threads
