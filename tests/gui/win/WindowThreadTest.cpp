// The window's thread with other threads: notifications from two threads at once, and the
// window's thread waiting for a worker that sends to it.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "gui/win/TopWindow.h"

namespace pw = platform::window;
using namespace s::gui;
using s::gui::testing::Recorder;
using s::gui::testing::TopWindow;

namespace {

class WindowThread : public TopWindow {};

TEST_F(WindowThread, NotificationsFromTwoThreadsKeepTheirValues) {
    std::atomic<int> mixed{0};
    Recorder listener;
    listener.onCall = [&] {
        std::intptr_t a = window->getNotificationValue1();
        std::intptr_t i = window->getNotificationValue2();
        if (window->getNotificationValue3() != a * i || window->getNotificationValue4() != -i) {
            ++mixed;
        }
        window->setNotificationResult(a * 100000 + i);
    };
    window->addNotificationListener(&listener);
    std::atomic<int> wrong{0};
    auto poster = [&](std::intptr_t a) {
        for (std::intptr_t i = 0; i < 300; ++i) {
            if (window->postNotification(a, i, a * i, -i) != a * 100000 + i) ++wrong;
        }
    };
    std::thread one(poster, 1);
    std::thread two(poster, 2);
    one.join();
    two.join();
    EXPECT_EQ(mixed.load(), 0);
    EXPECT_EQ(wrong.load(), 0);
    EXPECT_EQ(listener.events().size(), 600u);
}

TEST_F(WindowThread, WaitingForAWorkerStillAnswersItsSends) {
    std::atomic<int> answered{0};
    Recorder listener;
    listener.onCall = [&] { ++answered; };
    window->addNotificationListener(&listener);
    onWindowThread([&] {
        std::atomic<bool> done{false};
        std::thread worker([&] {
            for (int i = 0; i < 20; ++i) window->postNotification(i, 0, 0, 0);
            done = true;
        });
        window->waitUntil([&] { return done.load(); });
        worker.join();
    });
    EXPECT_EQ(answered.load(), 20);
}

}  // namespace
