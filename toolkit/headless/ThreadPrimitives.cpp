// Threads, lock and condition from the standard library.
#include "toolkit/ThreadPrimitives.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include "platform/Exceptions.h"

namespace threads {

namespace {
const std::thread::id mainThread = std::this_thread::get_id();
}

bool OnMainThread() {
    return std::this_thread::get_id() == mainThread;
}

struct Monitor::State {
    std::mutex Mutex;
    std::condition_variable Condition;
};

Monitor::Monitor() : state_(std::make_unique<State>()) {}
Monitor::~Monitor() = default;

void Monitor::lock() {
    state_->Mutex.lock();
}
void Monitor::unlock() {
    state_->Mutex.unlock();
}

void Monitor::Wait() {
    std::unique_lock held(state_->Mutex, std::adopt_lock);
    state_->Condition.wait(held);
    held.release();
}

void Monitor::WaitFor(unsigned milliseconds) {
    std::unique_lock held(state_->Mutex, std::adopt_lock);
    state_->Condition.wait_for(held, std::chrono::milliseconds(milliseconds));
    held.release();
}

void Monitor::NotifyAll() {
    state_->Condition.notify_all();
}

struct Thread::State {
    std::thread Handle;
    std::mutex Started; // held until Handle is in place
};

Thread::Thread() = default;
Thread::~Thread() = default;

// The new thread waits for the handle to be in place, as a Windows thread created suspended does.
void Thread::Start(void (*run)(void*), void* context) {
    auto state = std::make_unique<State>();
    State* const started = state.get();
    std::unique_lock gate(state->Started);
    try {
        state->Handle = std::thread([=] {
            { std::lock_guard wait(started->Started); }
            run(context);
        });
    } catch (const std::system_error&) {
        throw Exception("Thread creation error");
    }
    state_ = std::move(state);
}

void Thread::Join() {
    if (!state_) return;
    state_->Handle.join();
    state_.reset();
}

void Thread::Detach() {
    state_->Handle.detach();
    state_.reset();
}

bool Thread::IsCurrent() const {
    return state_ && state_->Handle.get_id() == std::this_thread::get_id();
}

} // namespace threads
