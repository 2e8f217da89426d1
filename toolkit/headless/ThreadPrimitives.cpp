// Threads, lock and condition from the standard library.
#include "toolkit/ThreadPrimitives.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

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
};

Thread::Thread() = default;
Thread::~Thread() = default;

void Thread::Start(void (*run)(void*), void* context) {
    state_ = std::make_unique<State>();
    state_->Handle = std::thread(run, context);
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
