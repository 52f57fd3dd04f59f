// Native windows of the layer and the message queues of user-interface threads.
//
// A window belongs to the thread that created it (its user-interface thread). Every thread that
// creates windows, receives sent messages or runs a message loop has one message queue, made on
// first use. Child windows are objects of this layer only; a top-level window (no parent) also
// has a surface of the backend (an operating-system window, or nothing when headless) and a back
// buffer that its windows paint into.
//
// Functions that take a Handle report failure (false, 0, empty) for kNoWindow or a destroyed
// window. Queries may be called from any thread; functions that change windows run the change on
// the owner thread (sending to it when called elsewhere) unless said otherwise.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/Messages.h"
#include "platform/window/Types.h"

namespace platform::window {

using MessageHandler = Result (*)(Handle window, std::uint32_t message, WParam wparam,
                                  LParam lparam);

// The default handling of a message: hit test answers client, the rest 0.
Result defaultHandler(Handle window, std::uint32_t message, WParam wparam, LParam lparam);

// Registers a window class. A name registered again keeps its first handler and reports true.
bool registerClass(std::string_view className, MessageHandler handler);

enum Style : std::uint32_t {
    kStyleVisible = 0x0001,
    kStyleDisabled = 0x0002,
    // Top-level windows only:
    kStyleBorderless = 0x0010,   // no system frame; the hit test drags and sizes it
    kStyleResizable = 0x0020,    // the system frame lets the user resize
    kStyleOnTop = 0x0040,        // always on top of other windows
    kStylePopup = 0x0080,        // menu or tooltip: borderless, not in the task bar, no focus
    kStyleMessageOnly = 0x0100,  // never shown and has no surface
    kStyleNoTaskbar = 0x0200,
    kStyleToolWindow = 0x0400,  // a small utility window: no task-bar button
};

struct CreateParams {
    std::string_view className;
    Handle parent = kNoWindow;  // kNoWindow makes a top-level window
    Handle owner = kNoWindow;   // top-level windows: the window it belongs to (stays above it)
    Rect rect;                  // parent client coordinates; screen coordinates for a top-level
    std::uint32_t style = 0;
    std::u16string_view title;
    void* userData = nullptr;  // available through userData() before kCreate is handled
};

// Creates a window owned by the calling thread. kCreate is sent first (a -1 result destroys it
// and answers kNoWindow); then it is added on top of its siblings.
Handle create(const CreateParams& params);
// Destroys a window and its descendants (kDestroy to each, parent first). Runs on the owner
// thread. The handle is invalid afterwards. Windows of a thread that ends are destroyed.
bool destroy(Handle window);

bool isWindow(Handle window);
Handle parentOf(Handle window);
Handle ownerOf(Handle window);
Handle topLevelOf(Handle window);               // the window itself for a top-level window
std::vector<Handle> childrenOf(Handle window);  // bottom to top (the last is painted last)
std::vector<Handle> topLevelWindows();          // in creation order
std::string className(Handle window);
ThreadId threadOf(Handle window);
bool isOwnerThread(Handle window);  // the calling thread is the window's thread

void* userData(Handle window);
bool setUserData(Handle window, void* data);

// Geometry. A window's rectangle is in its parent's client coordinates (screen coordinates for a
// top-level window); the client area is the whole window: frames are painted by the toolkit or,
// for top-level windows, lie outside the rectangle.
Rect windowRect(Handle window);
Rect screenRect(Handle window);
Point clientToScreen(Handle window, Point p);
Point screenToClient(Handle window, Point p);

enum PlaceFlags : std::uint32_t {
    kPlaceNoMove = 0x1,
    kPlaceNoSize = 0x2,
};
// Moves and/or sizes without changing the stacking order and without activating. kMove / kSize
// are sent when the position / size changed; the uncovered and covered areas are repainted.
bool place(Handle window, Rect rect, std::uint32_t flags = 0);
bool raise(Handle window);  // to the top of its siblings

bool show(Handle window, bool visible);
bool isShown(Handle window);    // its own flag
bool isVisible(Handle window);  // shown with every ancestor
bool enable(Handle window, bool enabled);
bool isEnabled(Handle window);  // its own flag and every ancestor's

// Text of a top-level window (its title); other windows just keep it.
bool setTitle(Handle window, std::u16string_view title);
std::u16string title(Handle window);

// Top-level windows.
bool setOnTop(Handle window, bool onTop);
bool isOnTop(Handle window);
bool setOpacity(Handle window, std::uint8_t alpha);  // 255 opaque
std::uint8_t opacity(Handle window);
enum class ShowState { kNormal, kMinimised, kMaximised };
bool setShowState(Handle window, ShowState state);
ShowState showState(Handle window);
// The state a restore goes back to: maximised for a window minimised while it was maximised,
// else normal.
ShowState restoredShowState(Handle window);
// The shape of a top-level window: the union of the rectangles (client coordinates); outside
// it the display shows what lies beneath. Empty: the whole rectangle.
bool setShape(Handle window, const std::vector<Rect>& rects);
std::vector<Rect> shapeOf(Handle window);
// Limits resizing by the user (the system frame and the layer's own resize). Placing the window
// smaller by program (an automatic shrink) stays possible: while the window is smaller, the
// limit given to the system is lowered to its size.
bool setMinimumSize(Handle window, Size size);
Size minimumSize(Handle window);
// The style bits of a top-level window that may change while it exists: kStyleBorderless,
// kStyleResizable, kStyleNoTaskbar, kStyleToolWindow (the others are kept as they are).
bool setStyle(Handle window, std::uint32_t style);
std::uint32_t styleOf(Handle window);
// The icon of a top-level window (copied; null removes it).
class Picture;
bool setIcon(Handle window, const Picture* icon);
// Whether the display made the system window of a top-level window. The layer makes it when it
// is first needed (at the latest when the window is shown); a display can still refuse it (no
// visual it can use, no resources), and the window then exists for the program only.
bool hasSystemWindow(Handle window);
bool activate(Handle window);  // raise above other applications' windows and take the keyboard
bool isActive(Handle window);

// Messages ------------------------------------------------------------------------------------

// Calls the window's handler on its owner thread and returns its result. On the owner thread
// this is a direct call. From another thread the message is queued before posted messages and
// the caller waits; while it waits it handles messages sent to its own thread, so two threads
// sending to each other do not deadlock. Answers 0 when the window is gone (also when it is
// destroyed before the message was handled) or its thread has ended.
Result send(Handle window, std::uint32_t message, WParam wparam = 0, LParam lparam = 0);
// Queues the message for the window's thread and returns at once.
bool post(Handle window, std::uint32_t message, WParam wparam = 0, LParam lparam = 0);

struct Message {
    Handle window = kNoWindow;  // kNoWindow for thread messages
    std::uint32_t message = 0;
    WParam wparam = 0;
    LParam lparam = 0;
};

// The calling thread's id (makes its queue).
ThreadId currentThread();
bool postThreadMessage(ThreadId thread, std::uint32_t message, WParam wparam = 0,
                       LParam lparam = 0);
// Asks a thread's message loop to end: its getMessage answers false with the code in wparam.
bool postQuit(ThreadId thread, int exitCode = 0);
void postQuitMessage(int exitCode = 0);  // the calling thread

// Waits for the next message of the calling thread. Sent messages are handled inside; posted
// messages and input come in order, then due timers, then painting. Answers false for quit.
bool getMessage(Message* out);
// The same without waiting: false when nothing is pending.
bool peekMessage(Message* out);
Result dispatchMessage(const Message& m);
// Waits on the calling thread until `done` answers true (tested at least every `pollMs`),
// handling only the messages other threads send to it meanwhile, so that a thread the caller
// waits for can still send to it. Input, posted messages and timers wait. False when
// `timeoutMs` (negative: none) passed first.
bool waitHandlingSent(const std::function<bool()>& done, int timeoutMs = -1, int pollMs = 5);
// getMessage/dispatchMessage until quit; answers the exit code.
int runMessageLoop();
// Dispatches every pending message, timer and paint without waiting; answers false on quit
// (the quit is consumed).
bool processPending();

// Timers: kTimer with the id is posted to the window every `milliseconds` (at least 10) while
// set. Setting an id again restarts it. Timers elapse only while the owner thread runs its
// message loop.
bool setTimer(Handle window, std::uint32_t id, std::uint32_t milliseconds);
bool killTimer(Handle window, std::uint32_t id);
// The interval of a set timer; 0 when it is not set.
std::uint32_t timerInterval(Handle window, std::uint32_t id);
// While held, no timer elapses in the process (tests then send kTimer themselves, one step at
// a time); set timers keep their place.
void holdTimers(bool hold);

// Mouse capture of the calling thread: mouse messages go to this window wherever the pointer
// is. Answers the previous capture window; that one gets kCaptureChanged.
Handle setCapture(Handle window);
bool releaseCapture();
Handle captureOf(ThreadId thread);
Handle capture();  // of the calling thread

// The layer's own move (kHitCaption) or resize (a sizing-border code) of a top-level window by
// the user: it follows the pointer from `screen` with the mouse captured until the left button
// goes up, sending kEnterSizeMove, kMoving or kSizing before every step, and kExitSizeMove.
// Runs on the owner thread; false for another code or a window that is not top-level.
bool beginSizeMove(Handle topLevel, HitTest code, Point screen);
bool isInSizeMove(Handle topLevel);

// Keyboard focus of the calling thread's windows: kKillFocus to the old, kSetFocus to the new.
Handle setFocus(Handle window);
Handle focus();                            // of the calling thread
Handle focusOf(ThreadId thread);
bool isKeyDown(std::uint32_t virtualKey);  // as last reported by input
std::uint32_t mouseButtonsDown();          // MouseFlags of the buttons held, as last reported

// The window at a screen point inside a top-level window: the topmost shown window under it
// whose hit test is not transparent; *code gets that hit test.
Handle windowFromPoint(Handle topLevel, Point screen, HitTest* code = nullptr);

// Painting ------------------------------------------------------------------------------------

// Marks an area (client coordinates; null: the whole window) to be repainted by the owner
// thread's loop. Every shown window overlapping it is painted again in z-order.
bool invalidate(Handle window, const Rect* area = nullptr);
// Paints what is invalid in the window's top-level window now and presents it (on the owner
// thread; sent there from elsewhere).
bool update(Handle window);
// The colour of a pixel of a window as last painted (client coordinates); false outside.
bool pixelAt(Handle window, Point p, Colour* out);

// Dropped files --------------------------------------------------------------------------------

bool acceptFiles(Handle window, bool accept);
bool acceptsFiles(Handle window);
// The wparam of kDropFiles. Valid until the handler returns (the layer frees it then).
using DropHandle = WParam;
std::uint32_t dropCount(DropHandle drop);
// The full path of one dropped file (UTF-16; bytes of a file name that are not UTF-8 are held
// as U+DC80 + byte).
std::u16string dropFile(DropHandle drop, std::uint32_t index);
Point dropPoint(DropHandle drop);  // client coordinates of the receiver

// Pointer and screen ---------------------------------------------------------------------------

enum class Cursor {
    kArrow,
    kIBeam,
    kHand,
    kWait,
    kSizeWE,
    kSizeNS,
    kSizeNWSE,
    kSizeNESW,
    kSizeAll,
    kHidden,  // no pointer shown over the windows
};
void setCursor(Cursor cursor);
Point cursorPosition();     // screen coordinates
Rect workArea(Point near);  // usable area of the monitor nearest to the point
Rect virtualScreen();       // all monitors

struct Monitor {
    Rect bounds;
    Rect work;  // bounds less the panels and docks
    friend bool operator==(const Monitor&, const Monitor&) = default;
};
std::vector<Monitor> monitors();

}  // namespace platform::window
