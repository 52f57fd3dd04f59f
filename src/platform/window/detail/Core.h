// The window layer's shared state (internal): the window records, the per-thread queues and the
// operations the backends and the message loop share.
#pragma once

#include "detail/Private.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "detail/PlacementEcho.h"
#include "platform/window/Messages.h"
#include "platform/window/Picture.h"
#include "platform/window/Types.h"
#include "platform/window/Window.h"

namespace platform::window::detail {

struct TopLevelState {
    Picture buffer;  // painted and read on the owner thread only
    Rect dirty;      // client coordinates of the top-level window
    bool queuedForPaint = false;
    bool surface = false;
    bool onTop = false;
    std::uint8_t alpha = 255;
    ShowState showState = ShowState::kNormal;
    // Minimised while maximised: a restore brings the window back maximised.
    bool maximisedBeforeMinimise = false;
    std::vector<Rect> shape;  // client coordinates; empty: the whole rectangle
    Size minimumSize;         // asked for
    Size appliedMinimum;      // as the backend last heard it
    // Placements told to the backend and not yet reported back by it.
    PlacementEcho<Point> sentMoves;
    PlacementEcho<Size> sentSizes;
    bool active = false;
    Handle hover = kNoWindow;  // the window that got the last mouse move
};

struct WindowRecord {
    Handle handle = kNoWindow;
    std::string className;
    MessageHandler handler = nullptr;
    Handle parent = kNoWindow;
    Handle owner = kNoWindow;
    std::vector<Handle> children;  // bottom to top
    Rect rect;
    std::uint32_t style = 0;
    bool shown = false;
    bool enabled = true;
    bool acceptFiles = false;
    bool destroying = false;
    std::u16string title;
    void* userData = nullptr;
    ThreadId thread = 0;
    std::unique_ptr<TopLevelState> top;  // top-level windows only
};

// Input reported by a backend, turned into messages on the owner thread.
struct RawInput {
    enum class Kind {
        kMove,
        kButton,
        kWheel,
        kLeave,
        kKey,
        kText,
        kPreedit,  // text: the pre-edit text; delta: the cursor in it (UTF-16 units)
        kDrop,
        kClose,
        kMoved,
        kResized,
        kActivated,
        kExposed,
        kShowState
    };
    Kind kind;
    Handle top = kNoWindow;
    Point point;
    MouseButton button = MouseButton::kLeft;
    bool down = false;
    int clicks = 1;
    std::int32_t delta = 0;
    std::uint32_t key = 0;
    bool repeat = false;
    std::u16string text;
    std::vector<std::u16string> paths;
    Size size;
    ShowState state = ShowState::kNormal;
};

struct Queue;

struct SentItem {
    Handle window = kNoWindow;
    std::uint32_t message = 0;
    WParam wparam = 0;
    LParam lparam = 0;
    std::function<Result()> work;  // runs instead of the handler when set
    Result result = 0;
    bool done = false;              // guarded by the sender queue's mutex
    std::shared_ptr<Queue> sender;  // woken when done
};

struct Posted {
    Message message;
    std::unique_ptr<RawInput> input;
};

struct Timer {
    Handle window;
    std::uint32_t id;
    std::uint32_t interval;
    std::int64_t due;  // steady clock, microseconds
};

struct Queue {
    ThreadId id = 0;
    std::mutex mutex;
    std::condition_variable wake;
    // Guarded by mutex:
    std::deque<std::shared_ptr<SentItem>> sent;
    std::deque<Posted> posted;
    std::vector<Timer> timers;
    std::vector<Handle> dirtyTops;
    bool quit = false;
    int quitCode = 0;
    bool alive = true;
    // Counts every change above; a thread about to sleep watches it for a moment first.
    std::atomic<std::uint64_t> activity{0};
    // Owner thread only:
    std::deque<Message> ready;  // messages made from input, returned before anything else
    std::atomic<Handle> capture{kNoWindow};
    std::atomic<Handle> focus{kNoWindow};
    std::vector<Handle> popups;  // open popups, oldest first (Popup.h)
    // The layer's move or resize in progress (owner thread only).
    struct SizeMove {
        Handle top = kNoWindow;
        HitTest code = kHitNowhere;
        Point start;  // screen point of the press
        Rect rect;    // the window at the press
    } sizeMove;
};

// The tree lock guards every WindowRecord and the handle map.
std::recursive_mutex& treeMutex();
WindowRecord* findLocked(Handle h);  // with treeMutex held

std::shared_ptr<Queue> queueOf(ThreadId id);
std::shared_ptr<Queue> currentQueue();  // makes it
ThreadId currentThreadIfAny();          // 0 when the thread has no queue

// Runs work on the owner thread of a window (directly when already there) and answers its
// result; 0 when the window or its thread is gone.
Result runOnOwner(Handle window, const std::function<Result()>& work);

void postInput(std::unique_ptr<RawInput> input);
// Wakes the queue's thread after a change (made under its mutex).
void poke(Queue& q);
void removeTimersOf(Handle window, ThreadId thread);
// Posts kDisplayChange to every top-level window (backends call it when monitors change).
void broadcastDisplayChange();
// Posts the message (no parameters) to every top-level window.
void broadcast(std::uint32_t message);

}  // namespace platform::window::detail
