// The text area's scroll bar on a real display: shown by the skin's drawer beside the text, moved
// by the server's wheel, arrow clicks and a thumb drag through XTEST.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "gui/win/Messages.h"
#include "gui/win/TextEdit.h"
#include "gui/win/Window.h"
#include "platform/window/Backend.h"
#include "platform/window/Edit.h"
#include "platform/window/Window.h"
#include "platform/window/display/XServer.h"

namespace pw = platform::window;

namespace s::gui::win {
namespace {

class TextAreaOnDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        if (!xtest::available()) GTEST_SKIP() << "Xvfb or openbox is missing";
        ASSERT_STREQ(pw::startBackend(pw::BackendKind::kSdl).name(), "sdl");
    }
    void TearDown() override {
        if (window) window->release();
    }
    // The bar's position, read on the window's thread that changes it.
    std::int32_t position() {
        std::int32_t value = -1;
        std::function<void()> read = [&] { value = area->getVerticalBar()->info().getPosition(); };
        pw::send(window->getNativeWindow(), kMsgRun, reinterpret_cast<pw::WParam>(&read));
        return value;
    }
    pw::Rect barOnScreen() { return pw::screenRect(area->getVerticalBar()->getNativeWindow()); }
    void clickAt(int x, int y) {
        xtest::movePointer(x, y);
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        xtest::button(1, true);
        xtest::button(1, false);
    }
    // With VERITOME_TEST_PICTURES set to a folder, the window as a PPM picture there.
    void picture(const char* name) {
        const char* dir = std::getenv("VERITOME_TEST_PICTURES");
        if (!dir) return;
        pw::Rect r = pw::screenRect(window->getNativeWindow());
        std::string path = std::string(dir) + "/" + name + ".ppm";
        FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) return;
        std::fprintf(f, "P6\n%d %d\n255\n", r.width, r.height);
        for (int y = 0; y < r.height; ++y) {
            for (int x = 0; x < r.width; ++x) {
                std::uint32_t c = xtest::screenPixel(r.x + x, r.y + y);
                unsigned char rgb[3] = {static_cast<unsigned char>(c & 0xFF),
                                        static_cast<unsigned char>((c >> 8) & 0xFF),
                                        static_cast<unsigned char>((c >> 16) & 0xFF)};
                std::fwrite(rgb, 1, 3, f);
            }
        }
        std::fclose(f);
    }

    Window* window = nullptr;
    TextEdit* area = nullptr;
};

TEST_F(TextAreaOnDisplay, WheelArrowsAndThumbScrollTheText) {
    window = newWindow(150, 150, 220, 140);
    window->setTitle(u"Veritome-text-area-test");
    area = newTextEdit(100);
    std::u16string text;
    for (int i = 1; i <= 30; ++i) {
        if (i > 1) text += u'\n';
        for (char c : "line " + std::to_string(i)) text += static_cast<char16_t>(c);
    }
    area->setText(text, false);
    window->add(area);
    window->setVisible(true, true);
    ASSERT_TRUE(xtest::waitUntil([&] {
        pw::Rect b = barOnScreen();
        pw::Rect e = pw::screenRect(area->getEditControl());
        return b.width == ScrollBar::kThickness &&
               xtest::screenPixel(e.x + e.width - 3, e.y + 3) == pw::rgb(255, 255, 255) &&
               xtest::screenPixel(b.x + 7, b.y + 7) != pw::rgb(255, 255, 255);
    })) << "the area and its bar never showed";
    EXPECT_EQ(position(), 0) << "the text shows from its first line";
    pw::setEditSelection(area->getEditControl(), -1, -1);
    const std::int32_t most = position();
    ASSERT_GT(most, 0) << "the caret at the end scrolled the text down";
    picture("text-area-end");

    pw::EditExtent e;
    ASSERT_TRUE(pw::editExtent(area->getEditControl(), &e));
    pw::Rect text_ = pw::screenRect(area->getEditControl());
    xtest::movePointer(text_.x + 40, text_.y + 30);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    xtest::button(4, true);  // one notch away from the user: three lines up
    xtest::button(4, false);
    EXPECT_TRUE(xtest::waitUntil([&] { return position() == most - 3 * e.lineHeight; }))
        << position();

    pw::Rect bar = barOnScreen();
    clickAt(bar.x + 7, bar.y + bar.height - 7);  // the lower arrow: a line down
    EXPECT_TRUE(xtest::waitUntil([&] { return position() == most - 2 * e.lineHeight; }))
        << position();

    // The thumb dragged to the top shows the first line.
    pw::Rect thumb = [&] {
        pw::Rect t;
        std::function<void()> read = [&] {
            t = area->getVerticalBar()->geometry().parts[ScrollBarGeometry::kThumb];
        };
        pw::send(window->getNativeWindow(), kMsgRun, reinterpret_cast<pw::WParam>(&read));
        return t;
    }();
    xtest::movePointer(bar.x + 7, bar.y + thumb.y + thumb.height / 2);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    xtest::button(1, true);
    for (int i = 1; i <= 5; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        xtest::movePointer(bar.x + 7, bar.y + thumb.y + thumb.height / 2 - 30 * i);
    }
    xtest::button(1, false);
    EXPECT_TRUE(xtest::waitUntil([&] { return position() == 0; })) << position();
    EXPECT_EQ(pw::editScroll(area->getEditControl()).y, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    picture("text-area-top");
}

}  // namespace
}  // namespace s::gui::win
