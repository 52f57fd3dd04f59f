// The window follows a change of the desktop's DPI while it runs: the X resource Xft.dpi set to
// 192 (then 144) makes an open window measure and lay out again at twice (one and a half times)
// its size on the screen, at its place; back at the default it is as it was, to the pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "gui/win/Box.h"
#include "gui/win/CheckBox.h"
#include "gui/win/Label.h"
#include "gui/win/Window.h"
#include "platform/window/Backend.h"
#include "platform/window/Scale.h"
#include "platform/window/Window.h"
#include "platform/window/display/XServer.h"

// After everything else: the X headers define None, Bool and Status as macros.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace pw = platform::window;
namespace gw = s::gui::win;

namespace {

void setResources(const std::string& text) {
    Display* d = xtest::connection();
    XChangeProperty(d, DefaultRootWindow(d), XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(text.data()),
                    static_cast<int>(text.size()));
    XSync(d, False);
}

struct Shown {
    pw::Rect screen;
    std::int32_t width, height, labelHeight, checkSide;
    bool operator==(const Shown&) const = default;
};

TEST(ScaleChangeOnDisplay, WindowTakesTheDesktopsNewDpiAndComesBack) {
    if (!xtest::available()) GTEST_SKIP() << "Xvfb or openbox is missing";
    unsetenv("VERITOME_SCALE");
    unsetenv("GDK_SCALE");
    setResources("");
    ASSERT_STREQ(pw::startBackend(pw::BackendKind::kSdl).name(), "sdl");
    ASSERT_EQ(pw::scale(), 1.0);

    gw::Window* window = gw::newWindow(60, 50, 300, 200);
    window->setTitle(u"Veritome-scale-change-test");
    gw::Box* box = gw::newBox(-1, -1, 0, 0, 6, 0, 10, 4, 0);
    gw::Label* label = gw::newLabel(u"Hash codes", false, false, 4);
    gw::CheckBox* check = gw::newCheckBoxText(u"", false, true, -1, -1);
    box->add(label);
    box->add(check);
    window->add(box);
    window->setVisible(true, true);
    const pw::Handle native = window->getNativeWindow();
    auto shown = [&] {
        Shown s{};
        pw::callOnOwner(native, [&]() -> pw::Result {
            s = {pw::screenRect(native), window->getWidth(), window->getHeight(),
                 label->getMinHeight(), check->getMinWidth()};
            return 1;
        });
        return s;
    };
    ASSERT_TRUE(xtest::waitUntil([&] { return pw::screenRect(native).width == 300; }));
    // The window manager puts a frame round the window a moment after it shows and moves it into
    // the frame: the place is read after that, here after a first change and back.
    setResources("Xft.dpi:\t120\n");
    ASSERT_TRUE(xtest::waitUntil([&] { return shown().screen.width == 375; }));
    setResources("");
    ASSERT_TRUE(xtest::waitUntil([&] { return shown().screen.width == 300; }));
    const Shown one = shown();

    for (int dpi : {192, 144}) {
        const double factor = dpi / 96.0;
        SCOPED_TRACE(dpi);
        const auto want = [&](std::int32_t v) {
            return static_cast<std::int32_t>(std::lround(v * factor));
        };
        setResources("Xft.antialias:\t1\nXft.dpi:\t" + std::to_string(dpi) + "\n");
        ASSERT_TRUE(xtest::waitUntil([&] {
            Shown s = shown();
            return s.screen.width == want(300) && s.screen.height == want(200);
        })) << shown().screen.width;
        EXPECT_EQ(pw::scale(), factor);
        Shown s = shown();
        EXPECT_EQ(s.width, want(300));
        EXPECT_EQ(s.height, want(200));
        EXPECT_EQ(s.screen.x, one.screen.x);  // the place is kept
        EXPECT_EQ(s.screen.y, one.screen.y);
        EXPECT_NEAR(s.labelHeight, one.labelHeight * factor, 1.0 + factor / 2);
        EXPECT_NEAR(s.checkSide, one.checkSide * factor, 1.0);

        setResources("");
        ASSERT_TRUE(xtest::waitUntil([&] { return shown().screen.width == 300; }));
        EXPECT_TRUE(xtest::waitUntil([&] { return shown() == one; }));
    }
    window->release();
}

}  // namespace
