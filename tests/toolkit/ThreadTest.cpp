// Threads: synchronise calls served while the GUI thread waits, counted suspension.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "toolkit/Classes.h"
#include "toolkit/Forms.h"
#include "toolkit/headless/HeadlessUI.h"

namespace {

class Counter : public TThread {
public:
    explicit Counter(bool suspended, int steps = 3) : TThread(suspended), steps_(steps) {}
    ~Counter() override {
        Terminate();
        while (Suspended()) Resume();
        WaitFor();
    }
    std::vector<std::thread::id> ranOn;
    std::atomic<int> executed{0};

protected:
    void Execute() override {
        for (int i = 0; i < steps_ && !Terminated(); ++i) {
            ++executed;
            Synchronize([this] { ranOn.push_back(std::this_thread::get_id()); });
        }
    }

private:
    int steps_;
};

TEST(Thread, WaitForServesTheSynchroniseCallsOfAThreadBlockedInThem) {
    Counter thread(false);
    thread.WaitFor();
    ASSERT_EQ(thread.ranOn.size(), 3u);
    for (auto id : thread.ranOn) EXPECT_EQ(id, std::this_thread::get_id());
}

TEST(Thread, CreatedSuspendedItWaitsForResume) {
    Counter thread(true);
    EXPECT_TRUE(thread.Suspended());
    for (int i = 0; i < 20; ++i) CheckSynchronize();
    EXPECT_EQ(thread.executed, 0);
    thread.Resume();
    thread.WaitFor();
    EXPECT_EQ(thread.ranOn.size(), 3u);
}

TEST(Thread, SuspensionIsCountedAndTakesEffectAfterASynchroniseCall) {
    Counter thread(true, 1000);
    thread.Suspend(); // suspended twice
    thread.Resume();
    EXPECT_TRUE(thread.Suspended());
    thread.Resume();
    // Park it from inside its own synchronise call, as the button's fade does.
    while (thread.ranOn.empty()) CheckSynchronize();
    thread.Suspend();
    const std::size_t parked = thread.ranOn.size();
    for (int i = 0; i < 50; ++i) {
        CheckSynchronize();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_LE(thread.ranOn.size(), parked + 1); // at most the call that was already queued
    thread.Terminate();
    thread.Resume();
    thread.WaitFor();
    EXPECT_LT(thread.ranOn.size(), 1000u);
}

TEST(Thread, CreatedRunningOnAnotherThreadItStartsOnlyOnceConstructed) {
    class Late : public TThread {
    public:
        Late() : TThread(false) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            constructed = true;
        }
        bool constructed = false;
        std::atomic<bool> sawConstructed{false};

    protected:
        void Execute() override { sawConstructed = constructed; }
    };
    Late* thread = nullptr;
    std::thread([&thread] { thread = new Late; }).join();
    thread->WaitFor(); // serves the start on this, the GUI thread
    EXPECT_TRUE(thread->sawConstructed);
    delete thread;
}

TEST(Thread, DestroyingASuspendedThreadEndsItWithoutRunningIt) {
    static std::atomic<bool> ran{false};
    class Idle : public TThread {
    public:
        Idle() : TThread(true) {}

    protected:
        void Execute() override { ran = true; }
    };
    auto* thread = new Idle;
    thread->Suspend();
    delete thread; // resumes, asks it to end, waits
    EXPECT_FALSE(ran);
}

TEST(Thread, SynchronizeOnTheGuiThreadRunsAtOnce) {
    class Direct : public TThread {
    public:
        Direct() : TThread(true) {}
        void Call() {
            Synchronize([this] { called = true; });
        }
        bool called = false;

    protected:
        void Execute() override {}
    } thread;
    thread.Call();
    EXPECT_TRUE(thread.called);
}

TEST(Thread, ExceptionInASynchronisedCallReachesTheThread) {
    class Thrower : public TThread {
    public:
        Thrower() : TThread(false) {}
        ~Thrower() override { WaitFor(); }
        std::atomic<bool> caught{false};

    protected:
        void Execute() override {
            try {
                Synchronize([] { throw Exception("boom"); });
            } catch (const Exception&) {
                caught = true;
            }
        }
    } thread;
    thread.WaitFor();
    EXPECT_TRUE(thread.caught);
}

TEST(Thread, ProcessMessagesServesSynchroniseCalls) {
    headless::ApplicationScope app;
    Counter thread(false, 1);
    while (thread.ranOn.empty()) Application->ProcessMessages();
    EXPECT_EQ(thread.ranOn[0], std::this_thread::get_id());
}

} // namespace
