// An X server of the tests' own (Xvfb) with a window manager (openbox), started once per test
// process and stopped at its end. DISPLAY points at it while it runs.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct _XDisplay;

namespace xtest {

// True when the server runs (it is started on first call); false when Xvfb or openbox is not
// installed or did not start.
bool available();
_XDisplay* connection();  // the test's own connection to the server

// Colour of a screen pixel as 0x00BBGGRR.
std::uint32_t screenPixel(int x, int y);
// The pointer and buttons through the XTEST extension.
void movePointer(int x, int y);
void button(int number, bool down);
void key(const char* keysym, bool down);
// Output of a shell command run with DISPLAY set (trailing newline kept).
std::string run(const std::string& command);

// Polls the condition until it holds or ms milliseconds pass (windows that run on threads of
// their own); true when it held.
bool waitUntil(const std::function<bool()>& condition, int ms = 5000);
// Runs the calling thread's window messages until the condition holds or 5 seconds pass.
bool pumpUntil(const std::function<bool()>& condition);
// Waits (up to 5 s) for the layer's message box to be painted on the screen and presses Return
// in it; true when it was seen. Run it on a thread of its own while the box is up.
bool answerMessageBoxWithReturn();

}  // namespace xtest
