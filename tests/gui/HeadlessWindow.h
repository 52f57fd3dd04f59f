// Fixture for tests on real native windows of the headless backend.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "gui/win/Messages.h"
#include "gui/win/Window.h"
#include "platform/window/Backend.h"
#include "platform/window/Window.h"

namespace s::gui::testing {

class HeadlessWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        platform::window::startBackend(platform::window::BackendKind::kHeadless);
    }
    void SetUp() override { window = win::newWindow(0, 0, 100, 60); }
    void TearDown() override { window->release(); }

    platform::window::Handle top() const { return window->getNativeWindow(); }

    // The colour of a pixel of the window after painting what is invalid.
    platform::window::Colour pixel(std::int32_t x, std::int32_t y) {
        platform::window::update(top());
        platform::window::Colour c = 0xFFFFFFFF;
        platform::window::pixelAt(top(), {x, y}, &c);
        return c;
    }

    // Polls a condition that input makes true on the window's thread. It answers as soon as the
    // condition holds; the limit only ends a test that would otherwise hang, so it is generous
    // enough for a loaded machine under a sanitizer (false after 30 s).
    static bool eventually(const std::function<bool()>& condition) {
        auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > until) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    // Answers `read` run on the window's thread: state that input changes belongs to that
    // thread, so a test reads it there instead of racing the window.
    template <typename Read>
    auto onOwner(const Read& read) {
        decltype(read()) value{};
        std::function<void()> run = [&] { value = read(); };
        platform::window::send(top(), win::kMsgRun,
                               reinterpret_cast<platform::window::WParam>(&run));
        return value;
    }
    // Polls a condition on the window's thread (false after 30 s).
    bool ownerSees(const std::function<bool()>& condition) {
        return eventually([&] { return onOwner(condition); });
    }

    win::Window* window = nullptr;
};

}  // namespace s::gui::testing
