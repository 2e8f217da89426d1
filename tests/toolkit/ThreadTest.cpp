// Threads: synchronise calls served while the GUI thread waits, counted suspension.
#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include "toolkit/Classes.h"
#include "toolkit/Forms.h"
#include "toolkit/ThreadPrimitives.h"
#include "toolkit/headless/HeadlessUI.h"

namespace {

class Counter : public TThread {
public:
    explicit Counter(int steps = 3) : steps_(steps) {}
    ~Counter() override { EndAndWait(); }
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
    const std::unique_ptr<Counter> thread(StartThread<Counter>());
    thread->WaitFor();
    ASSERT_EQ(thread->ranOn.size(), 3u);
    for (auto id : thread->ranOn) EXPECT_EQ(id, std::this_thread::get_id());
}

TEST(Thread, CreatedSuspendedItWaitsForResume) {
    Counter thread;
    EXPECT_TRUE(thread.Suspended());
    for (int i = 0; i < 20; ++i) CheckSynchronize();
    EXPECT_EQ(thread.executed, 0);
    thread.Resume();
    thread.WaitFor();
    EXPECT_EQ(thread.ranOn.size(), 3u);
}

TEST(Thread, SuspensionIsCountedAndTakesEffectAfterASynchroniseCall) {
    Counter thread(1000);
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

// A thread knows itself from its first line on: its handle is in place before it runs.
TEST(Thread, AThreadIsCurrentFromItsFirstLine) {
    struct Probe {
        threads::Thread thread;
        std::atomic<bool> knewItself{false};
    };
    for (int i = 0; i < 200; ++i) {
        Probe probe;
        probe.thread.Start(
            [](void* p) {
                auto* self = static_cast<Probe*>(p);
                self->knewItself = self->thread.IsCurrent();
            },
            &probe);
        probe.thread.Join();
        ASSERT_TRUE(probe.knewItself) << "run " << i;
    }
}

// The GUI thread keeps serving synchronise calls while another thread builds a running one.
TEST(Thread, ARunningThreadStartsOnlyOnceWhollyBuilt) {
    class Late : public TThread {
    public:
        Late() {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            constructed = true;
        }
        ~Late() override { EndAndWait(); }
        std::atomic<bool> constructed{false};
        std::atomic<bool> sawConstructed{false};

    protected:
        void Execute() override { sawConstructed = constructed.load(); }
    };
    std::atomic<Late*> thread{nullptr};
    std::thread maker([&thread] { thread = StartThread<Late>(); });
    while (!thread) CheckSynchronize();
    maker.join();
    thread.load()->WaitFor();
    EXPECT_TRUE(thread.load()->sawConstructed);
    delete thread.load();
}

// A thread that waits on the synchronise queue at the program's end must not find its lock and
// condition destroyed under it: the end neither hangs nor crashes.
TEST(ThreadDeathTest, TheProgramEndsWhileAThreadWaitsInASynchroniseCall) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            alarm(10);
            StartThread<Counter>(1); // its synchronise call is never served
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            std::exit(7);
        },
        testing::ExitedWithCode(7), "");
}

// Counts the frees of its objects; a free-on-end thread is freed once, by itself, also when its
// constructor throws after the thread was made.
class SelfFreeing : public TThread {
public:
    explicit SelfFreeing(bool fail) {
        if (fail) throw Exception("no");
    }
    ~SelfFreeing() override { EndAndWait(); }
    static void operator delete(void* p) {
        ++frees;
        ::operator delete(p);
    }
    static inline std::atomic<int> frees{0};
    static inline std::atomic<int> ran{0};

protected:
    void Execute() override { ++ran; }
};

TEST(Thread, AFreeOnEndThreadIsFreedOnceWhateverItsConstructorDoes) {
    SelfFreeing::frees = 0;
    StartThread<SelfFreeing>(FreeOnEnd, false);
    for (int i = 0; i < 2000 && SelfFreeing::frees == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(SelfFreeing::ran, 1);
    EXPECT_EQ(SelfFreeing::frees, 1);
    EXPECT_THROW(StartThread<SelfFreeing>(FreeOnEnd, true), Exception);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(SelfFreeing::ran, 1);
    EXPECT_EQ(SelfFreeing::frees, 2);
}

TEST(Thread, DestroyingASuspendedThreadEndsItWithoutRunningIt) {
    static std::atomic<bool> ran{false};
    class Idle : public TThread {
    public:
        ~Idle() override { EndAndWait(); }

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
        ~Direct() override { EndAndWait(); }
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
        ~Thrower() override { EndAndWait(); }
        std::atomic<bool> caught{false};

    protected:
        void Execute() override {
            try {
                Synchronize([] { throw Exception("boom"); });
            } catch (const Exception&) {
                caught = true;
            }
        }
    };
    const std::unique_ptr<Thrower> thread(StartThread<Thrower>());
    thread->WaitFor();
    EXPECT_TRUE(thread->caught);
}

TEST(Thread, ProcessMessagesServesSynchroniseCalls) {
    headless::ApplicationScope app;
    const std::unique_ptr<Counter> thread(StartThread<Counter>(1));
    while (thread->ranOn.empty()) Application->ProcessMessages();
    EXPECT_EQ(thread->ranOn[0], std::this_thread::get_id());
}

} // namespace
