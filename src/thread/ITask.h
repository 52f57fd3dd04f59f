// A unit of work that a worker thread can run.
#pragma once

namespace s::thread {

class ITask {
public:
    virtual ~ITask() = default;
    virtual void run() = 0;
};

}  // namespace s::thread
