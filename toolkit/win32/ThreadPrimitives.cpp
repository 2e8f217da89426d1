// Threads of the C runtime, a slim reader/writer lock and a condition variable of Windows.
#include "toolkit/ThreadPrimitives.h"

#include <process.h>

#include "platform/Exceptions.h"
#include "toolkit/win32/Win32Common.h"

namespace threads {

namespace {

const DWORD mainThread = GetCurrentThreadId();

// What the new thread runs; it owns this.
struct Call {
    void (*Run)(void*);
    void* Context;
};

unsigned __stdcall Entry(void* call) {
    const std::unique_ptr<Call> owned(static_cast<Call*>(call));
    owned->Run(owned->Context);
    return 0;
}

} // namespace

bool OnMainThread() {
    return GetCurrentThreadId() == mainThread;
}

struct Monitor::State {
    SRWLOCK Lock = SRWLOCK_INIT;
    CONDITION_VARIABLE Condition = CONDITION_VARIABLE_INIT;
};

Monitor::Monitor() : state_(std::make_unique<State>()) {}
Monitor::~Monitor() = default;

void Monitor::lock() {
    AcquireSRWLockExclusive(&state_->Lock);
}
void Monitor::unlock() {
    ReleaseSRWLockExclusive(&state_->Lock);
}
void Monitor::Wait() {
    WaitFor(INFINITE);
}

void Monitor::WaitFor(unsigned milliseconds) {
    SleepConditionVariableSRW(&state_->Condition, &state_->Lock, milliseconds, 0);
}

void Monitor::NotifyAll() {
    WakeAllConditionVariable(&state_->Condition);
}

struct Thread::State {
    HANDLE Handle;
    unsigned Id;
};

Thread::Thread() = default;
Thread::~Thread() = default;

// Created suspended, so that the thread finds its handle and id in place once it runs.
void Thread::Start(void (*run)(void*), void* context) {
    auto call = std::make_unique<Call>(Call{run, context});
    unsigned id = 0;
    const std::uintptr_t handle = _beginthreadex(nullptr, 0, &Entry, call.get(), CREATE_SUSPENDED, &id);
    if (!handle) throw Exception("Thread creation error");
    call.release();
    state_ = std::make_unique<State>(State{reinterpret_cast<HANDLE>(handle), id});
    ResumeThread(state_->Handle);
}

void Thread::Join() {
    if (!state_) return;
    WaitForSingleObject(state_->Handle, INFINITE);
    CloseHandle(state_->Handle);
    state_.reset();
}

void Thread::Detach() {
    CloseHandle(state_->Handle);
    state_.reset();
}

bool Thread::IsCurrent() const {
    return state_ && state_->Id == GetCurrentThreadId();
}

} // namespace threads
