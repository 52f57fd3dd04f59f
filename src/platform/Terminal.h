// The terminal and process services the terminal front end needs.
#pragma once

namespace platform {

// True when the descriptor (0 input, 1 output, 2 error) is a terminal.
bool isTerminal(int fd);
// Columns of the terminal on the descriptor; 80 when unknown.
int terminalColumns(int fd);
// Calls handler (which must only set a flag) on SIGINT and SIGTERM with the signal's number.
// From then on waitReadable also returns when one of them arrives.
void onInterrupt(void (*handler)(int signal));
// Waits until a read of fd would not block (data, its end or an error); false, at once, when a
// signal of onInterrupt has arrived (before or during the wait), on whichever thread.
bool waitReadable(int fd);
constexpr int kSignalInterrupt = 2;   // SIGINT
constexpr int kSignalTerminate = 15;  // SIGTERM

}  // namespace platform
