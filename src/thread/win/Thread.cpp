// The worker thread's routine and the operations that steer it through the control block.
#include "thread/win/Thread.h"

#include <chrono>
#include <mutex>
#include <system_error>

#include "platform/Clock.h"
#include "platform/ThreadPriority.h"

namespace s::thread::win {

namespace {

using Guard = std::unique_lock<ObjLocker>;
using Milliseconds = std::chrono::milliseconds;

// How often waitFinished() wakes the routine while it waits for the end.
constexpr Milliseconds kFinishPoll{100};

}  // namespace

Thread::Thread() {
    make();
}

Thread::~Thread() {
    stop();
    join();
}

void Thread::make() {
    {
        Guard guard(lock_);
        control_.lock = &lock_;
        control_.hasThread = false;
        control_.threadId = 0;
        control_.pendingSleep = 0;
        control_.task = nullptr;
        control_.runCount = 0;
        control_.pacing = kNoPacing;
        control_.interval = 0;
        control_.running = 0;
        control_.idle = 1;
        control_.stop = 0;
        control_.finished = 0;
        control_.ended = false;
        control_.resumed = false;
    }
    priority_ = 0;
    try {
        handle_ = std::thread(&Thread::routine, &control_);
    } catch (const std::system_error&) {
        return;  // no thread: run operations only fill the control block
    }
    Guard guard(lock_);
    control_.hasThread = true;
    // The routine reports its kernel id first; priorities are set through it.
    control_.changed.wait(guard, [this] { return control_.threadId != 0; });
    guard.unlock();
    platform::setThreadPriority(control_.threadId, 0);
}

void Thread::join() {
    if (handle_.joinable() && handle_.get_id() != std::this_thread::get_id()) handle_.join();
}

void Thread::routine(Control* c) {
    Guard guard(*c->lock);
    c->threadId = platform::currentThreadId();
    c->changed.notify_all();
    // 1. Take the lock and set the running flag.
    c->running = 1;
    // 2. Work until asked to stop.
    while (!c->stop) {
        if (c->pendingSleep != 0) {
            // a. A pending sleep first (a stop request cuts it short).
            const Milliseconds sleep{c->pendingSleep};
            c->pendingSleep = 0;
            c->wake.wait_for(guard, sleep, [c] { return c->stop != 0; });
        } else if (c->runCount != 0) {
            // b. One run, without the lock, then the pacing.
            if (c->runCount != -1) --c->runCount;
            const std::int32_t remaining = c->runCount;
            const std::uint8_t pacing = c->pacing;
            ITask* task = c->task;
            const std::uint32_t interval = c->interval;
            guard.unlock();
            const std::int64_t start = platform::monotonicMilliseconds();
            if (task) task->run();
            guard.lock();
            if (pacing != kNoPacing && remaining != 0) {
                std::int64_t wait = interval;
                if (pacing == kAtRate) wait = start + interval - platform::monotonicMilliseconds();
                // A new order (another run operation, stopRepeating, stop) ends the wait.
                const std::uint64_t version = c->version;
                if (wait > 0) {
                    c->wake.wait_for(guard, Milliseconds(wait), [c, version] {
                        return c->stop != 0 || c->version != version;
                    });
                }
            }
        } else {
            // c. Nothing to do.
            c->idle = 1;
            c->changed.notify_all();
        }
        // d. Idle: wait for resume().
        if (c->idle) {
            c->wake.wait(guard, [c] { return c->resumed; });
            c->resumed = false;
        }
        c->running = 1;
    }
    // 3. The last act.
    c->finished = 1;
    c->ended = true;
    c->changed.notify_all();
}

void Thread::setRun(ITask* task, std::int32_t count, std::uint8_t pacing, std::uint32_t interval) {
    {
        Guard guard(lock_);
        control_.pendingSleep = 0;
        control_.task = task;
        control_.runCount = count;
        control_.pacing = pacing;
        control_.interval = pacing == kNoPacing ? 0 : interval;
        control_.running = 0;
        control_.idle = 0;
        control_.finished = 0;
        ++control_.version;
    }
    resume();
}

long Thread::threadId() {
    Guard guard(lock_);
    return control_.threadId;
}

void Thread::run(ITask* task) {
    setRun(task, 1, kNoPacing, 0);
}

void Thread::run(ITask* task, std::int32_t count) {
    setRun(task, count, kNoPacing, 0);
}

void Thread::runSpaced(ITask* task, std::int32_t count, std::uint32_t interval) {
    setRun(task, count, kSpaced, interval);
}

void Thread::runAtRate(ITask* task, std::int32_t count, std::uint32_t period) {
    setRun(task, count, kAtRate, period);
}

void Thread::runForever(ITask* task) {
    setRun(task, -1, kNoPacing, 0);
}

void Thread::runForeverSpaced(ITask* task, std::uint32_t interval) {
    setRun(task, -1, kSpaced, interval);
}

void Thread::runForeverAtRate(ITask* task, std::uint32_t period) {
    setRun(task, -1, kAtRate, period);
}

bool Thread::isIdle() {
    Guard guard(lock_);
    return control_.idle != 0;
}

void Thread::waitIdle() {
    Guard guard(lock_);
    // Without a thread (or after its end) nothing would ever set the idle flag.
    control_.changed.wait(
        guard, [this] { return control_.idle != 0 || control_.ended || !control_.hasThread; });
}

bool Thread::waitIdle(std::uint32_t timeout) {
    Guard guard(lock_);
    control_.changed.wait_for(guard, Milliseconds(timeout), [this] {
        return control_.idle != 0 || control_.ended || !control_.hasThread;
    });
    return control_.idle != 0;
}

void Thread::stopRepeating() {
    {
        Guard guard(lock_);
        control_.runCount = 0;
        ++control_.version;
    }
    resume();
}

void Thread::stopRepeatingAndWait() {
    stopRepeating();
    waitIdle();
}

void Thread::waitFinished() {
    Guard guard(lock_);
    if (!control_.hasThread) return;
    while (!control_.finished && !control_.ended) {
        control_.resumed = true;
        control_.wake.notify_all();
        control_.changed.wait_for(guard, kFinishPoll, [this] { return control_.ended; });
    }
}

void Thread::requestStop() {
    {
        Guard guard(lock_);
        control_.stop = 1;
        ++control_.version;
    }
    resume();
}

void Thread::stop() {
    requestStop();
    waitFinished();
}

void Thread::sleepFor(std::uint32_t ms) {
    Guard guard(lock_);
    control_.pendingSleep = ms;
}

void Thread::resume() {
    Guard guard(lock_);
    control_.resumed = true;
    control_.wake.notify_all();
}

void Thread::suspend() {
    // An idle thread stays parked until the next resume; a running task is never halted.
    Guard guard(lock_);
    control_.resumed = false;
}

int Thread::priority() {
    return platform::threadPriority(threadId());
}

void Thread::setPriority(int priority) {
    priority_ = priority;
    // Raising the priority above normal needs privileges; without them it stays as it was.
    platform::setThreadPriority(threadId(), priority);
}

void Thread::setRunFunction(RunFunction function) {
    Guard guard(lock_);
    runFunction_ = function;
}

void Thread::run() {
    RunFunction function;
    {
        Guard guard(lock_);
        function = runFunction_;
    }
    if (function) function(this);
}

void Thread::recycle() {
    bool ended;
    {
        Guard guard(lock_);
        ended = control_.ended;
    }
    if (ended) {
        // A stopped thread goes back to the pool as a fresh one.
        join();
        make();
    } else if (!isIdle()) {
        stopRepeatingAndWait();
    }
    setPriority(0);
    if (platform::threadPriority(threadId()) != platform::processPriority()) {
        // Its priority cannot be brought back (an unprivileged process may not lower its nice
        // value): a thread made afresh starts at the process's own.
        stop();
        join();
        make();
    }
    suspend();
    Guard guard(lock_);
    control_.idle = 1;
    runFunction_ = nullptr;
}

}  // namespace s::thread::win
