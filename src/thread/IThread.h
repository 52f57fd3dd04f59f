// The worker-thread interface: run a task once, a number of times or forever, with pacing.
#pragma once

#include <cstdint>

#include "base/IObject.h"
#include "thread/ITask.h"

namespace s::thread {

class IThread : public base::IObject {
public:
    // The operating system's id of the thread (0 when no thread exists).
    virtual long threadId() = 0;

    virtual void run(ITask* task) = 0;
    virtual void run(ITask* task, std::int32_t count) = 0;
    // count runs, sleeping interval ms after each run except the last.
    virtual void runSpaced(ITask* task, std::int32_t count, std::uint32_t interval) = 0;
    // count runs, each starting period ms after the previous start (at once when late).
    virtual void runAtRate(ITask* task, std::int32_t count, std::uint32_t period) = 0;
    virtual void runForever(ITask* task) = 0;
    virtual void runForeverSpaced(ITask* task, std::uint32_t interval) = 0;
    virtual void runForeverAtRate(ITask* task, std::uint32_t period) = 0;

    virtual bool isIdle() = 0;
    // Waits until the thread has nothing to do.
    virtual void waitIdle() = 0;
    // Waits at most timeout ms; true when the thread became idle. The thread is never killed.
    virtual bool waitIdle(std::uint32_t timeout) = 0;
    // No further runs after the current one.
    virtual void stopRepeating() = 0;
    virtual void stopRepeatingAndWait() = 0;
    // Waits until the thread routine has ended.
    virtual void waitFinished() = 0;
    virtual void requestStop() = 0;
    virtual void stop() = 0;
    // The thread sleeps ms before it looks for work again.
    virtual void sleepFor(std::uint32_t ms) = 0;
    virtual void resume() = 0;
    virtual void suspend() = 0;
    // -15 (idle) .. -2, -1 (below normal), 0 (normal), 1, 2 .. 15 (time critical).
    virtual int priority() = 0;
    virtual void setPriority(int priority) = 0;
};

}  // namespace s::thread
