// The terminal and process services the terminal front end needs.
#pragma once

namespace platform {

// True when the descriptor (0 input, 1 output, 2 error) is a terminal.
bool isTerminal(int fd);
// Columns of the terminal on the descriptor; 80 when unknown.
int terminalColumns(int fd);
// Calls handler (which must only set a flag) on SIGINT and SIGTERM with the signal's number.
void onInterrupt(void (*handler)(int signal));
constexpr int kSignalInterrupt = 2;   // SIGINT
constexpr int kSignalTerminate = 15;  // SIGTERM

}  // namespace platform
