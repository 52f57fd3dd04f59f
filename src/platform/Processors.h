// How many processors this process may run on, for work that only pays with a core of its own.
#pragma once

namespace platform {

// The processors the process may be scheduled on (its affinity mask; the online processors when
// the system does not tell); at least 1. Asked once.
int usableCores();

}  // namespace platform
