// Message queues of user-interface threads: send, post, the message loop and timers.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>

#include "detail/Core.h"
#include "detail/Drop.h"
#include "detail/Paint.h"
#include "detail/Translate.h"
#include "detail/Tree.h"
#include "platform/window/Window.h"

namespace platform::window {

namespace detail {

void poke(Queue& q) {
    q.activity.fetch_add(1, std::memory_order_release);
    q.wake.notify_all();
}

namespace {

std::mutex& queuesMutex() {
    static auto* m = new std::mutex;
    return *m;
}
std::unordered_map<ThreadId, std::shared_ptr<Queue>>& queues() {
    static auto* q = new std::unordered_map<ThreadId, std::shared_ptr<Queue>>;
    return *q;
}
std::atomic<ThreadId> nextThreadId{1};
constexpr int kSpinMicros = 20;
std::atomic<bool> timersHeld{false};

std::int64_t nowMicros() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Before a thread sleeps it watches its queue for a few microseconds: a reply or the next
// message often comes that soon, and waking a sleeping thread costs far more.
void spinBriefly(Queue& q, std::uint64_t seen) {
    auto end = std::chrono::steady_clock::now() + std::chrono::microseconds(kSpinMicros);
    while (q.activity.load(std::memory_order_acquire) == seen &&
           std::chrono::steady_clock::now() < end) {
#if defined(__x86_64__) || defined(__i386__)
        __builtin_ia32_pause();
#endif
    }
}

void complete(SentItem& item, Result result) {
    std::shared_ptr<Queue> sender = item.sender;
    std::lock_guard<std::mutex> lock(sender->mutex);
    item.result = result;
    item.done = true;
    poke(*sender);
}

MessageHandler handlerOf(Handle h) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = findLocked(h);
    return r ? r->handler : nullptr;
}

void handleSent(SentItem& item) {
    Result r = 0;
    if (item.work) {
        r = item.work();
    } else if (MessageHandler handler = handlerOf(item.window)) {
        r = handler(item.window, item.message, item.wparam, item.lparam);
    }
    complete(item, r);
}

// A thread's queue lives as long as the thread; when the thread ends its windows are destroyed
// and every message still sent to it is answered with 0.
struct ThreadState {
    std::shared_ptr<Queue> queue;
    ~ThreadState() {
        if (!queue) return;
        destroyThreadWindows(queue->id);
        {
            std::lock_guard<std::mutex> lock(queuesMutex());
            queues().erase(queue->id);
        }
        std::deque<std::shared_ptr<SentItem>> pending;
        {
            std::lock_guard<std::mutex> lock(queue->mutex);
            queue->alive = false;
            pending.swap(queue->sent);
            queue->posted.clear();
            queue->timers.clear();
        }
        for (auto& item : pending) complete(*item, 0);
    }
};
thread_local ThreadState threadState;

Result crossSend(ThreadId thread, const std::shared_ptr<SentItem>& item) {
    std::shared_ptr<Queue> target = queueOf(thread);
    if (!target) return 0;
    std::shared_ptr<Queue> me = currentQueue();
    item->sender = me;
    {
        std::lock_guard<std::mutex> lock(target->mutex);
        if (!target->alive) return 0;
        target->sent.push_back(item);
    }
    poke(*target);
    std::unique_lock<std::mutex> lock(me->mutex);
    while (!item->done) {
        if (!me->sent.empty()) {
            // Handle what others send us while we wait: no deadlock between two senders.
            std::shared_ptr<SentItem> in = std::move(me->sent.front());
            me->sent.pop_front();
            lock.unlock();
            handleSent(*in);
            lock.lock();
            continue;
        }
        std::uint64_t seen = me->activity.load(std::memory_order_acquire);
        lock.unlock();
        spinBriefly(*me, seen);
        lock.lock();
        if (item->done || !me->sent.empty()) continue;
        me->wake.wait(lock);
    }
    return item->result;
}

enum class Got { kMessage, kQuit, kNothing };

Got nextMessage(Message* out, bool wait) {
    std::shared_ptr<Queue> q = currentQueue();
    bool spun = false;
    for (;;) {
        if (!q->ready.empty()) {
            *out = q->ready.front();
            q->ready.pop_front();
            return Got::kMessage;
        }
        std::unique_lock<std::mutex> lock(q->mutex);
        if (!q->sent.empty()) {
            std::shared_ptr<SentItem> in = std::move(q->sent.front());
            q->sent.pop_front();
            lock.unlock();
            handleSent(*in);
            continue;
        }
        if (!q->posted.empty()) {
            Posted p = std::move(q->posted.front());
            q->posted.pop_front();
            lock.unlock();
            if (p.input) {
                translateInput(*p.input, *q);
                continue;
            }
            *out = p.message;
            return Got::kMessage;
        }
        if (q->quit) {
            q->quit = false;
            *out = Message{kNoWindow, msg::kQuit, static_cast<WParam>(q->quitCode), 0};
            return Got::kQuit;
        }
        std::int64_t now = nowMicros();
        Timer* next = nullptr;
        for (Timer& t : q->timers) {
            if (timersHeld.load(std::memory_order_relaxed)) break;
            if (!next || t.due < next->due) next = &t;
        }
        if (next && next->due <= now) {
            std::int64_t interval = static_cast<std::int64_t>(next->interval) * 1000;
            next->due += interval;
            if (next->due <= now) next->due = now + interval;  // no bursts after a stall
            *out = Message{next->window, msg::kTimer, next->id, 0};
            return Got::kMessage;
        }
        if (!q->dirtyTops.empty()) {
            Handle top = q->dirtyTops.front();
            q->dirtyTops.erase(q->dirtyTops.begin());
            *out = Message{top, msg::kPaint, 0, 0};
            return Got::kMessage;
        }
        if (!wait) return Got::kNothing;
        if (!spun) {
            spun = true;
            std::uint64_t seen = q->activity.load(std::memory_order_acquire);
            lock.unlock();
            spinBriefly(*q, seen);
            continue;
        }
        spun = false;
        if (next) {
            q->wake.wait_for(lock, std::chrono::microseconds(next->due - now));
        } else {
            q->wake.wait(lock);
        }
    }
}

}  // namespace

std::shared_ptr<Queue> queueOf(ThreadId id) {
    std::lock_guard<std::mutex> lock(queuesMutex());
    auto it = queues().find(id);
    return it == queues().end() ? nullptr : it->second;
}

std::shared_ptr<Queue> currentQueue() {
    if (!threadState.queue) {
        auto q = std::make_shared<Queue>();
        q->id = nextThreadId.fetch_add(1);
        {
            std::lock_guard<std::mutex> lock(queuesMutex());
            queues()[q->id] = q;
        }
        threadState.queue = std::move(q);
    }
    return threadState.queue;
}

ThreadId currentThreadIfAny() {
    return threadState.queue ? threadState.queue->id : 0;
}

Result runOnOwner(Handle window, const std::function<Result()>& work) {
    ThreadId thread = 0;
    {
        std::lock_guard<std::recursive_mutex> lock(treeMutex());
        WindowRecord* r = findLocked(window);
        if (!r) return 0;
        thread = r->thread;
    }
    if (thread == currentThreadIfAny()) return work();
    auto item = std::make_shared<SentItem>();
    item->window = window;
    item->work = work;
    return crossSend(thread, item);
}

void postInput(std::unique_ptr<RawInput> input) {
    ThreadId thread = threadOf(input->top);
    if (std::shared_ptr<Queue> q = queueOf(thread)) {
        std::unique_lock<std::mutex> lock(q->mutex);
        if (q->alive) {
            q->posted.push_back(Posted{Message{input->top, 0, 0, 0}, std::move(input)});
            lock.unlock();
            poke(*q);
            return;
        }
    }
    // No window left to tell: the buttons and keys still follow the input.
    noteHeld(*input);
}

void removeTimersOf(Handle window, ThreadId thread) {
    std::shared_ptr<Queue> q = queueOf(thread);
    if (!q) return;
    std::lock_guard<std::mutex> lock(q->mutex);
    std::erase_if(q->timers, [window](const Timer& t) { return t.window == window; });
}

}  // namespace detail

using namespace detail;

Result send(Handle window, std::uint32_t message, WParam wparam, LParam lparam) {
    MessageHandler handler = nullptr;
    ThreadId thread = 0;
    {
        std::lock_guard<std::recursive_mutex> lock(treeMutex());
        WindowRecord* r = findLocked(window);
        if (!r) return 0;
        handler = r->handler;
        thread = r->thread;
    }
    if (thread == currentThreadIfAny()) return handler(window, message, wparam, lparam);
    auto item = std::make_shared<SentItem>();
    item->window = window;
    item->message = message;
    item->wparam = wparam;
    item->lparam = lparam;
    return crossSend(thread, item);
}

namespace {
bool postTo(ThreadId thread, const Message& m) {
    std::shared_ptr<Queue> q = queueOf(thread);
    if (!q) return false;
    {
        std::lock_guard<std::mutex> lock(q->mutex);
        if (!q->alive) return false;
        q->posted.push_back(Posted{m, nullptr});
    }
    poke(*q);
    return true;
}
}  // namespace

bool post(Handle window, std::uint32_t message, WParam wparam, LParam lparam) {
    ThreadId thread = threadOf(window);
    if (!thread) return false;
    return postTo(thread, Message{window, message, wparam, lparam});
}

ThreadId currentThread() {
    return currentQueue()->id;
}

bool postThreadMessage(ThreadId thread, std::uint32_t message, WParam wparam, LParam lparam) {
    return postTo(thread, Message{kNoWindow, message, wparam, lparam});
}

bool postQuit(ThreadId thread, int exitCode) {
    std::shared_ptr<Queue> q = queueOf(thread);
    if (!q) return false;
    {
        std::lock_guard<std::mutex> lock(q->mutex);
        if (!q->alive) return false;
        q->quit = true;
        q->quitCode = exitCode;
    }
    poke(*q);
    return true;
}

void postQuitMessage(int exitCode) {
    postQuit(currentThread(), exitCode);
}

bool getMessage(Message* out) {
    return nextMessage(out, true) == Got::kMessage;
}

bool peekMessage(Message* out) {
    return nextMessage(out, false) == Got::kMessage;
}

Result dispatchMessage(const Message& m) {
    if (m.window == kNoWindow) return 0;
    if (m.message == msg::kPaint && m.wparam == 0) {
        paintTopLevel(m.window);
        return 0;
    }
    Result r = send(m.window, m.message, m.wparam, m.lparam);
    if (m.message == msg::kDropFiles) freeDrop(m.wparam);
    return r;
}

bool waitHandlingSent(const std::function<bool()>& done, int timeoutMs, int pollMs) {
    std::shared_ptr<Queue> q = currentQueue();
    auto start = std::chrono::steady_clock::now();
    auto poll = std::chrono::milliseconds(std::max(pollMs, 1));
    for (;;) {
        if (done()) return true;
        if (timeoutMs >= 0 &&
            std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(timeoutMs)) {
            return false;
        }
        std::unique_lock<std::mutex> lock(q->mutex);
        if (!q->sent.empty()) {
            std::shared_ptr<SentItem> in = std::move(q->sent.front());
            q->sent.pop_front();
            lock.unlock();
            handleSent(*in);
            continue;
        }
        q->wake.wait_for(lock, poll);
    }
}

int runMessageLoop() {
    Message m;
    while (getMessage(&m)) dispatchMessage(m);
    return static_cast<int>(m.wparam);
}

bool processPending() {
    Message m;
    for (;;) {
        Got g = nextMessage(&m, false);
        if (g == Got::kNothing) return true;
        if (g == Got::kQuit) return false;
        dispatchMessage(m);
    }
}

bool setTimer(Handle window, std::uint32_t id, std::uint32_t milliseconds) {
    milliseconds = std::max<std::uint32_t>(milliseconds, 10);  // shorter is not kept anyway
    std::shared_ptr<Queue> q = queueOf(threadOf(window));
    if (!q) return false;
    {
        std::lock_guard<std::mutex> lock(q->mutex);
        std::int64_t due = nowMicros() + static_cast<std::int64_t>(milliseconds) * 1000;
        bool found = false;
        for (Timer& t : q->timers) {
            if (t.window == window && t.id == id) {
                t.interval = milliseconds;
                t.due = due;
                found = true;
            }
        }
        if (!found) q->timers.push_back(Timer{window, id, milliseconds, due});
    }
    poke(*q);
    return true;
}

std::uint32_t timerInterval(Handle window, std::uint32_t id) {
    std::shared_ptr<Queue> q = queueOf(threadOf(window));
    if (!q) return 0;
    std::lock_guard<std::mutex> lock(q->mutex);
    for (const Timer& t : q->timers) {
        if (t.window == window && t.id == id) return t.interval;
    }
    return 0;
}

void holdTimers(bool hold) {
    timersHeld = hold;
    std::lock_guard<std::mutex> lock(queuesMutex());
    for (auto& [id, q] : queues()) poke(*q);
}

bool killTimer(Handle window, std::uint32_t id) {
    std::shared_ptr<Queue> q = queueOf(threadOf(window));
    if (!q) return false;
    std::lock_guard<std::mutex> lock(q->mutex);
    return std::erase_if(q->timers,
                         [&](const Timer& t) { return t.window == window && t.id == id; }) > 0;
}

}  // namespace platform::window
