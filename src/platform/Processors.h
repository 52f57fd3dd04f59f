// How busy the processors are, for work that only pays with a core of its own.
#pragma once

namespace platform {

// Threads that run or wait for a processor right now, across the system (the caller included);
// -1 when the system does not tell.
int runnableThreads();

}  // namespace platform
