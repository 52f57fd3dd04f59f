// Scheduling priority of one thread, on the -15 .. 15 scale of the worker-thread API.
#pragma once

namespace platform {

// The kernel id of the calling thread (what setpriority takes for one thread).
long currentThreadId();

// Sets the thread's priority: below normal raises its nice value (-1 -> +1, -2 -> +2,
// -15 and less -> +19), above normal lowers it (needs privileges; may fail). True on success.
bool setThreadPriority(long threadId, int priority);

// The thread's priority read back from its nice value (the inverse of the mapping above).
int threadPriority(long threadId);

// The priority of the process's main thread: what a thread made by it starts at.
int processPriority();

}  // namespace platform
