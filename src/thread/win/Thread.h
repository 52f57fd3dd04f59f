// A pooled worker thread: runs a task once, a number of times or forever, optionally paced,
// and waits for work (on a condition variable) when it has nothing to do.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <thread>

#include "thread/ITask.h"
#include "thread/IThread.h"
#include "thread/ObjLocker.h"
#include "thread/Pooled.h"

namespace s::thread::win {

class Thread : public IThread, public Pooled<Thread>, public ITask {
public:
    // Called when the thread object itself is run as a task.
    using RunFunction = void (*)(Thread* thread);

    enum Pacing : std::uint8_t { kNoPacing = 0, kSpaced = 1, kAtRate = 2 };

    Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;
    ~Thread() override;

    const char16_t* typeName() const override { return u"s_thread_win_Thread"; }
    base::IObject* newInstance() const override { return create(); }

    long threadId() override;
    void run(ITask* task) override;
    void run(ITask* task, std::int32_t count) override;
    void runSpaced(ITask* task, std::int32_t count, std::uint32_t interval) override;
    void runAtRate(ITask* task, std::int32_t count, std::uint32_t period) override;
    void runForever(ITask* task) override;
    void runForeverSpaced(ITask* task, std::uint32_t interval) override;
    void runForeverAtRate(ITask* task, std::uint32_t period) override;
    bool isIdle() override;
    void waitIdle() override;
    bool waitIdle(std::uint32_t timeout) override;
    void stopRepeating() override;
    void stopRepeatingAndWait() override;
    void waitFinished() override;
    void requestStop() override;
    void stop() override;
    void sleepFor(std::uint32_t ms) override;
    void resume() override;
    void suspend() override;
    int priority() override;
    void setPriority(int priority) override;
    void setRunFunction(RunFunction function);

    // ITask: the thread object run as a task calls its run function.
    void run() override;

    // Pooled: an object coming back is idle, at normal priority, without run function.
    void recycle() override;

private:
    // Shared with the thread routine; every field is guarded by lock.
    struct Control {
        ObjLocker* lock = nullptr;
        bool hasThread = false;
        long threadId = 0;
        std::uint32_t pendingSleep = 0;
        ITask* task = nullptr;
        std::int32_t runCount = 0;  // -1: without end
        std::uint8_t pacing = kNoPacing;
        std::uint32_t interval = 0;
        std::uint8_t running = 0;
        std::uint8_t idle = 0;
        std::uint8_t stop = 0;
        std::uint8_t finished = 0;
        // Not cleared by run operations: the routine has returned for good.
        bool ended = false;
        // A resume that the routine has not consumed yet (a suspend count of 0 or 1).
        bool resumed = false;
        // Bumped by every change of the work to do, so that pacing waits end early.
        std::uint64_t version = 0;
        std::condition_variable_any wake;     // the routine waits here for resume()
        std::condition_variable_any changed;  // callers wait here for idle/finished
    };

    void make();
    void join();
    void setRun(ITask* task, std::int32_t count, std::uint8_t pacing, std::uint32_t interval);
    static void routine(Control* control);

    std::thread handle_;
    ObjLocker lock_;
    Control control_;
    int priority_ = 0;
    RunFunction runFunction_ = nullptr;
};

}  // namespace s::thread::win
