// The worker thread: run counts, pacing, stopping, idle waits with a timeout, pooling.
#include "thread/win/Thread.h"

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <future>
#include <mutex>
#include <vector>

#include "platform/Clock.h"
#include "platform/ThreadPriority.h"

namespace {

using s::thread::ITask;
using s::thread::win::Thread;

// Counts its runs and notes when each one started.
class CountingTask : public ITask {
public:
    explicit CountingTask(int sleepMs = 0) : sleepMs_(sleepMs) {}
    void run() override {
        {
            std::lock_guard guard(mutex_);
            starts_.push_back(platform::monotonicMilliseconds());
        }
        if (sleepMs_ > 0) std::this_thread::sleep_for(std::chrono::milliseconds(sleepMs_));
        runs_.fetch_add(1);
    }
    int runs() const { return runs_.load(); }
    std::vector<std::int64_t> starts() {
        std::lock_guard guard(mutex_);
        return starts_;
    }

private:
    int sleepMs_;
    std::atomic<int> runs_{0};
    std::mutex mutex_;
    std::vector<std::int64_t> starts_;
};

// Blocks in run() until opened.
class Gate : public ITask {
public:
    void run() override {
        std::unique_lock guard(mutex_);
        entered_ = true;
        cv_.notify_all();
        cv_.wait(guard, [this] { return open_; });
    }
    void waitEntered() {
        std::unique_lock guard(mutex_);
        cv_.wait(guard, [this] { return entered_; });
    }
    void open() {
        std::lock_guard guard(mutex_);
        open_ = true;
        cv_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool entered_ = false;
    bool open_ = false;
};

// Every thread taken from the pool here goes back to it, where it waits idle.
class ThreadFixture : public ::testing::Test {
protected:
    void SetUp() override { thread_ = Thread::create(); }
    void TearDown() override { thread_->release(); }
    Thread* thread_ = nullptr;
};

using ThreadRun = ThreadFixture;

TEST_F(ThreadRun, RunsTheTaskExactlyCountTimesThenIdles) {
    EXPECT_TRUE(thread_->isIdle());
    for (int count : {1, 3}) {
        CountingTask task;
        if (count == 1) {
            thread_->run(&task);
        } else {
            thread_->run(&task, count);
        }
        thread_->waitIdle();
        EXPECT_TRUE(thread_->isIdle());
        // Nothing more happens once idle.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(task.runs(), count);
    }
}

TEST_F(ThreadRun, SpacedRunsSleepBetweenRunsButNotAfterTheLast) {
    CountingTask task;
    const std::int64_t start = platform::monotonicMilliseconds();
    thread_->runSpaced(&task, 2, 300);
    thread_->waitIdle();
    const std::int64_t elapsed = platform::monotonicMilliseconds() - start;
    ASSERT_EQ(task.runs(), 2);
    const auto starts = task.starts();
    EXPECT_GE(starts[1] - starts[0], 300);
    EXPECT_LT(elapsed, 600);  // a sleep after the last run would make it >= 600
}

TEST_F(ThreadRun, AtRateStartsRunsOnePeriodApartAndDoesNotWaitWhenLate) {
    // Runs of 150 ms at a 300 ms rate start 300 ms apart (sleeping after each: 450 ms).
    CountingTask quick(150);
    thread_->runAtRate(&quick, 3, 300);
    thread_->waitIdle();
    auto starts = quick.starts();
    ASSERT_EQ(starts.size(), 3u);
    for (int i = 1; i < 3; ++i) {
        EXPECT_GE(starts[i] - starts[i - 1], 299);
        EXPECT_LT(starts[i] - starts[i - 1], 420);
    }
    // Runs of 300 ms at a 100 ms rate follow each other at once.
    CountingTask slow(300);
    thread_->runAtRate(&slow, 2, 100);
    thread_->waitIdle();
    starts = slow.starts();
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_LT(starts[1] - starts[0], 380);
}

TEST_F(ThreadRun, StopRepeatingLetsTheCurrentRunFinishThenIdles) {
    CountingTask task(20);
    thread_->runForever(&task);
    while (task.runs() < 3) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_FALSE(thread_->isIdle());
    thread_->stopRepeatingAndWait();
    const int runs = task.runs();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(task.runs(), runs);
    EXPECT_TRUE(thread_->isIdle());
    // The same thread takes the next order.
    CountingTask next;
    thread_->run(&next, 2);
    thread_->waitIdle();
    EXPECT_EQ(next.runs(), 2);
}

TEST_F(ThreadRun, StopRepeatingCutsThePacingShort) {
    CountingTask task;
    thread_->runForeverSpaced(&task, 10000);
    while (task.runs() < 1) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const std::int64_t start = platform::monotonicMilliseconds();
    thread_->stopRepeatingAndWait();
    EXPECT_LT(platform::monotonicMilliseconds() - start, 2000);
    EXPECT_EQ(task.runs(), 1);
}

TEST_F(ThreadRun, WaitIdleWithTimeoutReportsABlockedTaskAndKeepsTheThread) {
    Gate gate;
    thread_->run(&gate);
    gate.waitEntered();
    // The wait runs on a thread of its own so that a wait ignoring its timeout shows as a
    // failure instead of a hang; how late a loaded machine lets it return does not matter,
    // only that it returns while the task still blocks.
    std::int64_t waited = -1;
    bool idle = true;
    auto waiter = std::async(std::launch::async, [&] {
        const std::int64_t start = platform::monotonicMilliseconds();
        idle = thread_->waitIdle(100);
        waited = platform::monotonicMilliseconds() - start;
    });
    const bool returned = waiter.wait_for(std::chrono::seconds(60)) == std::future_status::ready;
    if (!returned) gate.open();
    waiter.wait();
    ASSERT_TRUE(returned) << "waitIdle(100) did not return while the task blocked";
    EXPECT_FALSE(idle);
    EXPECT_GE(waited, 99);
    EXPECT_FALSE(thread_->isIdle());
    gate.open();
    EXPECT_TRUE(thread_->waitIdle(5000));
    CountingTask after;
    thread_->run(&after);
    thread_->waitIdle();
    EXPECT_EQ(after.runs(), 1);
}

TEST_F(ThreadRun, PendingSleepDelaysTheNextRun) {
    CountingTask task(50);
    thread_->runForeverSpaced(&task, 10);
    while (task.runs() < 1) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    thread_->sleepFor(600);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const int during = task.runs();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(task.runs(), during);  // the run going on when it was set ended long before
    thread_->stopRepeatingAndWait();
}

TEST(ThreadLifecycle, StopEndsTheRoutineAndAPooledThreadComesBackFresh) {
    Thread* thread = Thread::create();
    CountingTask task(10);
    thread->runForever(&task);
    thread->stop();
    const int runs = task.runs();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(task.runs(), runs);
    thread->release();
    // Whichever thread the pool hands out now must work.
    Thread* again = Thread::create();
    CountingTask next;
    again->run(&next, 3);
    again->waitIdle();
    EXPECT_EQ(next.runs(), 3);
    again->release();
}

TEST(ThreadLifecycle, PriorityBelowNormalLowersTheSchedulingPriority) {
    Thread* thread = Thread::create();
    thread->setPriority(-1);
    EXPECT_EQ(thread->priority(), -1);
    thread->setPriority(-2);
    EXPECT_EQ(thread->priority(), -2);
    thread->release();  // recycling asks for normal again (may need privileges)
}

// Drops every privilege (the process may then not lower a nice value again), lowers a thread's
// priority, recycles it, and exits 0 when it runs afterwards at the process's priority.
void recycleWithoutPrivileges() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct none[2] = {};
    ::syscall(SYS_capset, &header, none);
    Thread thread;
    thread.setPriority(-3);
    const bool lowered = thread.priority() == -3;
    thread.recycle();
    CountingTask task;
    thread.run(&task, 1);
    thread.waitIdle();
    const bool ok = lowered && task.runs() == 1 && thread.priority() == platform::processPriority();
    std::exit(ok ? 0 : 1);
}

// The privilege is dropped in a child process of its own.
TEST(ThreadLifecycle, RecycledThreadRunsAtTheProcessPriorityWithoutPrivileges) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(recycleWithoutPrivileges(), ::testing::ExitedWithCode(0), "");
}

TEST(ThreadLifecycle, RunFunctionRunsWhenTheThreadIsItselfATask) {
    Thread* outer = Thread::create();
    Thread* inner = Thread::create();
    static std::atomic<int> calls{0};
    inner->setRunFunction([](Thread*) { calls.fetch_add(1); });
    outer->run(inner, 2);
    outer->waitIdle();
    EXPECT_EQ(calls.load(), 2);
    inner->release();
    outer->release();
}

}  // namespace
