#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>
#include <vector>

#include "platform/window/Backend.h"
#include "platform/window/Probe.h"
#include "platform/window/Window.h"

namespace pw = platform::window;
using probe::Probe;

namespace {

// A user-interface thread with one top-level window, running its message loop.
class UiThread {
public:
    explicit UiThread(Probe* p, std::uint32_t style = pw::kStyleMessageOnly) {
        std::promise<void> ready;
        auto started = ready.get_future();
        thread_ = std::thread([this, p, style, &ready] {
            id_ = pw::currentThread();
            window_ = probe::make(p, pw::kNoWindow, {0, 0, 50, 50}, style);
            native_ = std::this_thread::get_id();
            ready.set_value();
            pw::runMessageLoop();
            pw::destroy(window_);
        });
        started.wait();
    }
    ~UiThread() { stop(); }
    void stop() {
        if (!thread_.joinable()) return;
        pw::postQuit(id_);
        thread_.join();
    }
    pw::Handle window() const { return window_; }
    std::thread::id native() const { return native_; }

private:
    std::thread thread_;
    pw::ThreadId id_ = 0;
    pw::Handle window_ = 0;
    std::thread::id native_;
};

class WindowThreadTest : public ::testing::Test {
protected:
    void SetUp() override { pw::startBackend(pw::BackendKind::kHeadless); }
};

TEST_F(WindowThreadTest, SendRunsOnTheOwnerThreadAndReturnsAfterIt) {
    Probe p;
    std::atomic<bool> ran{false};
    std::thread::id ranOn;
    p.hook = [&](pw::Handle, std::uint32_t m, pw::WParam wp, pw::LParam, pw::Result* r) {
        if (m != pw::msg::kUser) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ranOn = std::this_thread::get_id();
        ran = true;
        *r = static_cast<pw::Result>(wp * 2);
        return true;
    };
    UiThread ui(&p);
    pw::Result r = 0;
    std::thread worker([&] { r = pw::send(ui.window(), pw::msg::kUser, 21); });
    worker.join();
    EXPECT_TRUE(ran.load());  // the worker came back only after the handler had run
    EXPECT_EQ(r, 42);
    EXPECT_EQ(ranOn, ui.native());
}

TEST_F(WindowThreadTest, PostedAndSentMessagesOfOneSenderKeepTheirOrder) {
    Probe p;
    std::vector<pw::WParam> seen;  // only touched on the owner thread
    p.hook = [&](pw::Handle, std::uint32_t m, pw::WParam wp, pw::LParam, pw::Result*) {
        if (m == pw::msg::kUser) seen.push_back(wp);
        return false;
    };
    UiThread ui(&p);
    std::thread worker([&] {
        for (pw::WParam i = 0; i < 200; ++i) pw::send(ui.window(), pw::msg::kUser, i);
        for (pw::WParam i = 200; i < 400; ++i) pw::post(ui.window(), pw::msg::kUser, i);
        pw::send(ui.window(), pw::msg::kUser + 1);  // a sent message waits for nothing posted
    });
    worker.join();
    ui.stop();
    ASSERT_EQ(seen.size(), 400u);
    for (pw::WParam i = 0; i < 400; ++i) ASSERT_EQ(seen[i], i);
}

TEST_F(WindowThreadTest, NoDeadlockWhenSendsCross) {
    // The owner of a sends to b's thread, whose handler sends back to a: while a's thread waits
    // it handles what is sent to it.
    Probe pa, pb;
    UiThread ua(&pa);
    UiThread ub(&pb);
    pa.hook = [&](pw::Handle self, std::uint32_t m, pw::WParam wp, pw::LParam, pw::Result* r) {
        if (m == pw::msg::kUser) {
            *r = pw::send(ub.window(), pw::msg::kUser, wp + 1);
            return true;
        }
        if (m == pw::msg::kUser + 1) {
            *r = static_cast<pw::Result>(wp + 100);
            // the owner calling its own window is a direct call
            *r += pw::send(self, pw::msg::kUser + 2);
            return true;
        }
        if (m == pw::msg::kUser + 2) {
            *r = 1000;
            return true;
        }
        return false;
    };
    pb.hook = [&](pw::Handle, std::uint32_t m, pw::WParam wp, pw::LParam, pw::Result* r) {
        if (m != pw::msg::kUser) return false;
        *r = pw::send(ua.window(), pw::msg::kUser + 1, wp + 1);
        return true;
    };
    auto result =
        std::async(std::launch::async, [&] { return pw::send(ua.window(), pw::msg::kUser, 1); });
    ASSERT_EQ(result.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(result.get(), 1103);
}

TEST_F(WindowThreadTest, SendToAGoneWindowOrThreadAnswersZero) {
    Probe p;
    std::future<pw::Result> pending;
    p.hook = [&](pw::Handle w, std::uint32_t m, pw::WParam, pw::LParam, pw::Result* r) {
        if (m == pw::msg::kUser + 5) {
            *r = 7;
            return true;
        }
        if (m == pw::msg::kDestroy) {
            // The loop has ended: a message sent now is never handled, and its sender must
            // not wait for ever when the thread ends.
            pending =
                std::async(std::launch::async, [w] { return pw::send(w, pw::msg::kUser + 5); });
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    };
    auto ui = std::make_unique<UiThread>(&p);
    pw::Handle w = ui->window();
    EXPECT_EQ(pw::send(w, pw::msg::kUser + 5), 7);
    ui.reset();
    ASSERT_EQ(pending.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(pending.get(), 0);
    EXPECT_FALSE(pw::isWindow(w));
    EXPECT_EQ(pw::send(w, pw::msg::kUser + 5), 0);
    EXPECT_FALSE(pw::post(w, pw::msg::kUser));
}

TEST_F(WindowThreadTest, ChildrenMadeElsewhereBelongToTheTopLevelThread) {
    Probe top, child;
    UiThread ui(&top, pw::kStyleVisible);
    std::thread::id createdOn;
    child.hook = [&](pw::Handle, std::uint32_t m, pw::WParam, pw::LParam, pw::Result*) {
        if (m == pw::msg::kCreate) createdOn = std::this_thread::get_id();
        return false;
    };
    pw::Handle c = probe::make(&child, ui.window(), {1, 1, 10, 10});
    ASSERT_NE(c, pw::kNoWindow);
    EXPECT_EQ(createdOn, ui.native());
    EXPECT_EQ(pw::threadOf(c), pw::threadOf(ui.window()));
    EXPECT_FALSE(pw::isOwnerThread(c));
    // Changes from this thread run there too, and painting can be read back.
    EXPECT_TRUE(pw::place(c, {5, 5, 20, 20}));
    EXPECT_TRUE(pw::update(c));
    pw::Colour col = 0;
    EXPECT_TRUE(pw::pixelAt(c, {19, 19}, &col));
    EXPECT_EQ(col, child.colour);
    EXPECT_TRUE(pw::destroy(c));
}

}  // namespace
