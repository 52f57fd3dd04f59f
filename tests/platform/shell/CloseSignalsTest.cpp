// Close signals reach the callback on the watcher thread, one call per signal, and the previous
// handlers come back when uninstalled.
#include "platform/shell/CloseSignals.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <condition_variable>
#include <mutex>
#include <vector>

namespace {

using platform::shell::CloseSignals;

TEST(CloseSignalsThreadTest, EachSignalBecomesOneCloseRequest) {
    std::mutex mutex;
    std::condition_variable got;
    std::vector<int> seen;
    {
        CloseSignals signals;
        ASSERT_TRUE(signals.install([&](int signal) {
            std::lock_guard<std::mutex> lock(mutex);
            seen.push_back(signal);
            got.notify_all();
        }));
        CloseSignals other;
        EXPECT_FALSE(other.install([](int) {}));  // one set of handlers per process

        for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::kill(::getpid(), signal);
        std::unique_lock<std::mutex> lock(mutex);
        ASSERT_TRUE(got.wait_for(lock, std::chrono::seconds(5), [&] { return seen.size() == 3; }));
    }
    EXPECT_EQ(seen, (std::vector<int>{SIGTERM, SIGINT, SIGHUP}));

    // Uninstalled: the previous disposition is back, and a new install works.
    struct sigaction now {};
    ::sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
    CloseSignals again;
    EXPECT_TRUE(again.install([](int) {}));
}

}  // namespace
