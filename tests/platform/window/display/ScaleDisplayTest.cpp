// The scale factor read from a real X server: the Xft.dpi X resource, the XSETTINGS manager's
// Xft/DPI over it, and VERITOME_SCALE over both; while a backend runs, the factor follows changes
// of both.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "XServer.h"
#include "platform/window/Backend.h"
#include "platform/window/Scale.h"

// After the test framework: the X headers define None, Bool and Status as macros.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace pw = platform::window;

namespace {

// An XSETTINGS property with the one setting Xft/DPI (in 1/1024 dots per inch), little-endian.
std::string dpiSettings(std::int32_t dpi) {
    std::string out("l\0\0\0", 4);
    auto card = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    card(1, 4);  // serial
    card(1, 4);  // one setting
    out.append({0, 0});
    card(7, 2);
    out.append("Xft/DPI");
    out.push_back('\0');
    card(0, 4);
    card(static_cast<std::uint32_t>(dpi * 1024), 4);
    return out;
}

void setSettings(Display* d, Window manager, std::int32_t dpi) {
    Atom settings = XInternAtom(d, "_XSETTINGS_SETTINGS", False);
    std::string bytes = dpiSettings(dpi);
    XChangeProperty(d, manager, settings, settings, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(bytes.data()),
                    static_cast<int>(bytes.size()));
    XSync(d, False);
}

void setResources(Display* d, const std::string& text) {
    XChangeProperty(d, DefaultRootWindow(d), XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(text.data()),
                    static_cast<int>(text.size()));
    XSync(d, False);
}

TEST(ScaleOnDisplay, ResourceThenSettingsManagerThenVariable) {
    if (!xtest::available()) GTEST_SKIP() << "Xvfb or openbox is missing";
    Display* d = xtest::connection();
    unsetenv("VERITOME_SCALE");
    unsetenv("GDK_SCALE");
    setResources(d, "Xft.antialias:\t1\nXft.dpi:\t192\n");
    EXPECT_DOUBLE_EQ(pw::decideScale(pw::scaleSources(true)), 2.0);

    // A settings manager owning the selection is asked first.
    Window manager = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    setSettings(d, manager, 144);
    XSetSelectionOwner(d, XInternAtom(d, "_XSETTINGS_S0", False), manager, CurrentTime);
    XSync(d, False);
    EXPECT_DOUBLE_EQ(pw::decideScale(pw::scaleSources(true)), 1.5);

    setenv("VERITOME_SCALE", "1.25", 1);
    EXPECT_DOUBLE_EQ(pw::decideScale(pw::scaleSources(true)), 1.25);
    unsetenv("VERITOME_SCALE");

    // The manager gone, the resource decides again.
    XDestroyWindow(d, manager);
    XSync(d, False);
    EXPECT_DOUBLE_EQ(pw::decideScale(pw::scaleSources(true)), 2.0);
    setResources(d, "");
    EXPECT_DOUBLE_EQ(pw::decideScale(pw::scaleSources(true)), 1.0);
}

TEST(ScaleOnDisplay, RunningBackendFollowsTheResourceAndTheSettingsManager) {
    if (!xtest::available()) GTEST_SKIP() << "Xvfb or openbox is missing";
    Display* d = xtest::connection();
    unsetenv("VERITOME_SCALE");
    unsetenv("GDK_SCALE");
    setResources(d, "");
    ASSERT_STREQ(pw::startBackend(pw::BackendKind::kSdl).name(), "sdl");
    auto scaleBecomes = [](double want) {
        return xtest::waitUntil([&] { return pw::scale() == want; });
    };
    ASSERT_TRUE(scaleBecomes(1.0));
    setResources(d, "Xft.dpi:\t120\n");
    EXPECT_TRUE(scaleBecomes(1.25)) << pw::scale();

    // A settings manager takes the selection and announces itself on the root window.
    Window manager = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    setSettings(d, manager, 144);
    Atom selection = XInternAtom(d, "_XSETTINGS_S0", False);
    XSetSelectionOwner(d, selection, manager, CurrentTime);
    XEvent announce{};
    announce.xclient.type = ClientMessage;
    announce.xclient.window = DefaultRootWindow(d);
    announce.xclient.message_type = XInternAtom(d, "MANAGER", False);
    announce.xclient.format = 32;
    announce.xclient.data.l[0] = CurrentTime;
    announce.xclient.data.l[1] = static_cast<long>(selection);
    announce.xclient.data.l[2] = static_cast<long>(manager);
    XSendEvent(d, DefaultRootWindow(d), False, StructureNotifyMask, &announce);
    XSync(d, False);
    EXPECT_TRUE(scaleBecomes(1.5)) << pw::scale();

    setSettings(d, manager, 192);  // the manager's setting changes
    EXPECT_TRUE(scaleBecomes(2.0)) << pw::scale();

    XDestroyWindow(d, manager);  // the manager goes: the resource decides again
    XSync(d, False);
    EXPECT_TRUE(scaleBecomes(1.25)) << pw::scale();
    setResources(d, "");
    EXPECT_TRUE(scaleBecomes(1.0)) << pw::scale();
}

}  // namespace
