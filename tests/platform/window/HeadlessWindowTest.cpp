#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/window/Clipboard.h"
#include "platform/window/Headless.h"
#include "platform/window/Input.h"
#include "platform/window/Probe.h"
#include "platform/window/Window.h"

namespace pw = platform::window;
using probe::Probe;

namespace {

constexpr pw::Colour kWhite = pw::rgb(255, 255, 255);
constexpr pw::Colour kRed = pw::rgb(255, 0, 0);
constexpr pw::Colour kBlue = pw::rgb(0, 0, 255);
constexpr pw::Colour kGreen = pw::rgb(0, 160, 0);

// top 200x150 white; a (10,10 100x80) red; b inside a at (90,70 40x40) blue, clipped by a;
// c above a at (60,40 60x20) green.
class HeadlessTree : public ::testing::Test {
protected:
    void SetUp() override {
        pw::startBackend(pw::BackendKind::kHeadless);
        top.colour = kWhite;
        a.colour = kRed;
        b.colour = kBlue;
        c.colour = kGreen;
        hTop = probe::make(&top, pw::kNoWindow, {300, 200, 200, 150});
        hA = probe::make(&a, hTop, {10, 10, 100, 80});
        hB = probe::make(&b, hA, {90, 70, 40, 40});
        hC = probe::make(&c, hTop, {60, 40, 60, 20});
        ASSERT_TRUE(hTop && hA && hB && hC);
        pump();
    }
    void TearDown() override {
        pw::destroy(hTop);
        pump();
    }
    void pump() { pw::processPending(); }
    pw::Colour at(int x, int y) {
        pw::Colour col = 0xFFFFFFFF;
        EXPECT_TRUE(pw::pixelAt(hTop, {x, y}, &col)) << x << "," << y;
        return col;
    }

    Probe top, a, b, c;
    pw::Handle hTop = 0, hA = 0, hB = 0, hC = 0;
};

TEST_F(HeadlessTree, PaintsInZOrderClippedToParents) {
    struct Case {
        int x, y;
        pw::Colour expected;
    };
    const Case cases[] = {
        {5, 5, kWhite},     {20, 20, kRed}, {105, 85, kBlue},  // b's visible corner
        {115, 85, kWhite},                                     // b clipped by a on the right
        {105, 95, kWhite},                                     // and at the bottom
        {70, 50, kGreen},                                      // c lies above a
        {115, 50, kGreen},                                     // c reaches out of a
        {199, 149, kWhite},
    };
    for (const Case& k : cases) EXPECT_EQ(at(k.x, k.y), k.expected) << k.x << "," << k.y;
    pw::Colour col;
    EXPECT_FALSE(pw::pixelAt(hTop, {200, 10}, &col));
    ASSERT_TRUE(pw::pixelAt(hB, {5, 5}, &col));  // child coordinates
    EXPECT_EQ(col, kBlue);
    EXPECT_GT(pw::headless()->presentCount(hTop), 0);
}

TEST_F(HeadlessTree, HidingMovingAndDestroyingRepaintWhatWasBeneath) {
    pw::show(hC, false);
    pump();
    EXPECT_EQ(at(70, 50), kRed);
    EXPECT_EQ(at(115, 50), kWhite);

    pw::place(hA, {0, 0}, pw::kPlaceNoSize | 0);  // move only
    pw::place(hA, {100, 60, 0, 0}, pw::kPlaceNoSize);
    pump();
    EXPECT_EQ(pw::windowRect(hA), (pw::Rect{100, 60, 100, 80}));
    EXPECT_EQ(at(20, 20), kWhite);
    EXPECT_EQ(at(105, 65), kRed);
    EXPECT_EQ(at(195, 135), kBlue);  // b at a + (90,70), clipped by the top-level window

    pw::show(hC, true);
    pw::destroy(hA);
    pump();
    EXPECT_FALSE(pw::isWindow(hA));
    EXPECT_FALSE(pw::isWindow(hB));
    EXPECT_EQ(at(105, 65), kWhite);
    EXPECT_EQ(at(70, 50), kGreen);
    EXPECT_EQ(pw::childrenOf(hTop), std::vector<pw::Handle>{hC});
}

TEST_F(HeadlessTree, TreeQueries) {
    EXPECT_EQ(pw::childrenOf(hTop), (std::vector<pw::Handle>{hA, hC}));
    EXPECT_EQ(pw::parentOf(hB), hA);
    EXPECT_EQ(pw::topLevelOf(hB), hTop);
    EXPECT_EQ(pw::className(hB), probe::kClass);
    EXPECT_EQ(pw::screenRect(hB), (pw::Rect{400, 280, 40, 40}));
    EXPECT_EQ(pw::clientToScreen(hB, {1, 2}), (pw::Point{401, 282}));
    pw::show(hA, false);
    EXPECT_TRUE(pw::isShown(hB));
    EXPECT_FALSE(pw::isVisible(hB));
    pw::enable(hA, false);
    EXPECT_FALSE(pw::isEnabled(hB));
    pw::raise(hA);
    EXPECT_EQ(pw::childrenOf(hTop), (std::vector<pw::Handle>{hC, hA}));
}

TEST_F(HeadlessTree, DestroySendsDestroyParentFirstAndInvalidatesHandles) {
    std::vector<pw::Handle> order;
    auto record = [&order](pw::Handle w, std::uint32_t m, pw::WParam, pw::LParam, pw::Result*) {
        if (m == pw::msg::kDestroy) order.push_back(w);
        return false;
    };
    a.hook = record;
    b.hook = record;
    pw::setTimer(hB, 1, 1);
    EXPECT_TRUE(pw::destroy(hA));
    EXPECT_EQ(order, (std::vector<pw::Handle>{hA, hB}));
    EXPECT_FALSE(pw::destroy(hA));
    EXPECT_EQ(pw::send(hB, pw::msg::kUser), 0);
    EXPECT_FALSE(pw::killTimer(hB, 1));
}

TEST_F(HeadlessTree, MouseGoesToTheTopmostWindowUnderThePointer) {
    pw::input::mouseButton(hTop, {70, 50}, pw::MouseButton::kLeft, true);
    pw::input::mouseButton(hTop, {105, 85}, pw::MouseButton::kLeft, false);
    pump();
    auto downs = c.take(pw::msg::kLButtonDown);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(pw::unpackPoint(downs[0].lparam), (pw::Point{10, 10}));
    EXPECT_EQ(downs[0].wparam & pw::kMouseLeft, pw::kMouseLeft);
    auto ups = b.take(pw::msg::kLButtonUp);
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_EQ(pw::unpackPoint(ups[0].lparam), (pw::Point{5, 5}));

    // A transparent window lets the pointer through to the window beneath.
    c.hit = pw::kHitTransparent;
    pw::input::mouseButton(hTop, {70, 50}, pw::MouseButton::kRight, true, 2);
    pump();
    auto dbl = a.take(pw::msg::kRButtonDblClk);
    ASSERT_EQ(dbl.size(), 1u);
    EXPECT_EQ(pw::unpackPoint(dbl[0].lparam), (pw::Point{60, 40}));

    // A press on a caption comes as a non-client press with its code and screen point; a
    // disabled window gets no input.
    top.hit = pw::kHitCaption;
    pw::enable(hC, false);
    c.hit = pw::kHitClient;
    c.clear();
    pw::input::mouseButton(hTop, {150, 120}, pw::MouseButton::kLeft, true);
    pw::input::mouseButton(hTop, {150, 120}, pw::MouseButton::kLeft, false);
    pw::input::mouseButton(hTop, {70, 50}, pw::MouseButton::kLeft, true);
    pump();
    EXPECT_TRUE(top.take(pw::msg::kLButtonDown).empty());
    auto nc = top.take(pw::msg::kNcLButtonDown);
    ASSERT_EQ(nc.size(), 1u);
    EXPECT_EQ(nc[0].wparam, pw::WParam{pw::kHitCaption});
    EXPECT_EQ(pw::unpackPoint(nc[0].lparam), (pw::Point{450, 320}));
    EXPECT_EQ(top.take(pw::msg::kNcLButtonUp).size(), 1u);
    EXPECT_TRUE(c.take(pw::msg::kLButtonDown).empty());
    pw::HitTest code;
    EXPECT_EQ(pw::windowFromPoint(hTop, {450, 320}, &code), hTop);
    EXPECT_EQ(code, pw::kHitCaption);
}

TEST_F(HeadlessTree, CaptureTakesTheMouseAndLeavingIsReported) {
    pw::input::mouseMove(hTop, {20, 20});
    pw::input::mouseMove(hTop, {70, 50});
    pump();
    EXPECT_EQ(a.take(pw::msg::kMouseLeave).size(), 1u);  // pointer went from a to c

    EXPECT_EQ(pw::setCapture(hA), pw::kNoWindow);
    EXPECT_EQ(pw::capture(), hA);
    pw::input::mouseMove(hTop, {190, 140});
    pw::input::mouseMove(hTop, {-5, 3});
    pump();
    auto moves = a.take(pw::msg::kMouseMove);
    ASSERT_GE(moves.size(), 2u);
    EXPECT_EQ(pw::unpackPoint(moves[moves.size() - 2].lparam), (pw::Point{180, 130}));
    EXPECT_EQ(pw::unpackPoint(moves.back().lparam), (pw::Point{-15, -7}));

    EXPECT_EQ(pw::setCapture(hC), hA);
    EXPECT_EQ(a.take(pw::msg::kCaptureChanged).size(), 1u);
    EXPECT_TRUE(pw::releaseCapture());
    EXPECT_EQ(c.take(pw::msg::kCaptureChanged).size(), 1u);
    EXPECT_EQ(pw::capture(), pw::kNoWindow);
}

TEST_F(HeadlessTree, KeysAndTextGoToTheFocusWindow) {
    EXPECT_EQ(pw::setFocus(hB), pw::kNoWindow);
    EXPECT_EQ(b.take(pw::msg::kSetFocus).size(), 1u);
    pw::input::key(hTop, 'A', true);
    pw::input::key(hTop, 'A', true, true);
    pw::input::text(hTop, u"é😀");
    pw::input::key(hTop, pw::vk::kReturn, true);
    pump();
    auto downs = b.take(pw::msg::kKeyDown);
    ASSERT_EQ(downs.size(), 3u);
    EXPECT_EQ(downs[0].wparam, pw::WParam{'A'});
    EXPECT_EQ(downs[1].lparam & (1 << 30), 1 << 30);
    EXPECT_TRUE(pw::isKeyDown('A'));
    std::u16string typed;
    for (const auto& g : b.take(pw::msg::kChar)) typed.push_back(static_cast<char16_t>(g.wparam));
    EXPECT_EQ(typed, u"é😀\r");

    pw::setFocus(hC);
    EXPECT_EQ(b.take(pw::msg::kKillFocus).size(), 1u);
    pw::show(hC, false);  // a hidden window loses the focus; keys go to the top-level window
    EXPECT_EQ(pw::focus(), pw::kNoWindow);
    pw::input::key(hTop, 'A', false);
    pump();
    EXPECT_EQ(top.take(pw::msg::kKeyUp).size(), 1u);
    EXPECT_FALSE(pw::isKeyDown('A'));
}

// A window closed with a button or key still down: its release, queued before the close was
// handled or sent after it, still lets go, or the button stays held for the rest of the process
// (and a Ctrl held that way turns all typing into shortcuts).
TEST_F(HeadlessTree, ReleaseForAClosedWindowStillLetsGo) {
    struct Case {
        const char* name;
        bool releaseQueuedBeforeClose;
        bool key;
    };
    for (const Case c : {Case{"button, queued", true, false}, Case{"button, after", false, false},
                         Case{"key, queued", true, true}, Case{"key, after", false, true}}) {
        SCOPED_TRACE(c.name);
        Probe other;
        pw::Handle h = probe::make(&other, pw::kNoWindow, {0, 0, 80, 60});
        ASSERT_NE(h, pw::kNoWindow);
        const auto press = [&](bool down) {
            if (c.key) {
                pw::input::key(h, pw::vk::kControl, down);
            } else {
                pw::input::mouseButton(h, {10, 10}, pw::MouseButton::kLeft, down);
            }
        };
        const auto held = [&] {
            return c.key ? pw::isKeyDown(pw::vk::kControl)
                         : (pw::mouseButtonsDown() & pw::kMouseLeft) != 0;
        };
        press(true);
        pump();
        ASSERT_TRUE(held());
        if (c.releaseQueuedBeforeClose) press(false);
        pw::destroy(h);
        if (!c.releaseQueuedBeforeClose) press(false);
        pump();
        EXPECT_FALSE(held());
    }
}

TEST_F(HeadlessTree, DroppedFilesReachTheNearestAcceptingWindow) {
    std::vector<std::u16string> seen;
    pw::Point where;
    a.hook = [&](pw::Handle, std::uint32_t m, pw::WParam wp, pw::LParam, pw::Result*) {
        if (m != pw::msg::kDropFiles) return false;
        for (std::uint32_t i = 0; i < pw::dropCount(wp); ++i) seen.push_back(pw::dropFile(wp, i));
        where = pw::dropPoint(wp);
        return true;
    };
    pw::input::dropFiles(hTop, {105, 85}, {u"/tmp/one", u"/tmp/tw\xDCFFo"});
    pump();
    EXPECT_TRUE(seen.empty());  // nobody accepts files yet

    pw::acceptFiles(hA, true);
    pw::input::dropFiles(hTop, {105, 85}, {u"/tmp/one", u"/tmp/tw\xDCFFo"});
    pump();
    EXPECT_EQ(seen, (std::vector<std::u16string>{u"/tmp/one", u"/tmp/tw\xDCFFo"}));
    EXPECT_EQ(where, (pw::Point{95, 75}));

    // A disabled window (a modal box is open over it) refuses drops, on itself and its children.
    seen.clear();
    for (pw::Handle disabled : {hTop, hA}) {
        pw::enable(disabled, false);
        pw::input::dropFiles(hTop, {105, 85}, {u"/tmp/three"});
        pw::input::dropFiles(hTop, {-50, -50}, {u"/tmp/four"});  // without a position
        pump();
        EXPECT_TRUE(seen.empty());
        pw::enable(disabled, true);
    }
}

TEST_F(HeadlessTree, WheelTurnsNotHandledGoToTheParent) {
    pw::input::mouseWheel(hTop, {105, 85}, -240);
    pump();
    ASSERT_EQ(b.take(pw::msg::kMouseWheel).size(), 1u);
    auto atA = a.take(pw::msg::kMouseWheel);
    ASSERT_EQ(atA.size(), 1u);
    EXPECT_EQ(pw::wheelDelta(atA[0].wparam), -240);
    EXPECT_EQ(pw::unpackPoint(atA[0].lparam), (pw::Point{95, 75}));
}

TEST_F(HeadlessTree, TimersTickUntilKilled) {
    pw::setTimer(hC, 7, 5);
    int ticks = 0;
    auto start = std::chrono::steady_clock::now();
    pw::Message m;
    while (ticks < 3 && std::chrono::steady_clock::now() - start < std::chrono::seconds(5)) {
        ASSERT_TRUE(pw::getMessage(&m));
        if (m.message == pw::msg::kTimer && m.window == hC && m.wparam == 7) ++ticks;
        pw::dispatchMessage(m);
    }
    EXPECT_EQ(ticks, 3);
    EXPECT_TRUE(pw::killTimer(hC, 7));
    EXPECT_FALSE(pw::killTimer(hC, 7));
}

TEST_F(HeadlessTree, CloseRequestAndQuit) {
    top.hook = [](pw::Handle, std::uint32_t m, pw::WParam, pw::LParam, pw::Result* r) {
        if (m != pw::msg::kClose) return false;
        *r = 0;  // keeps the window
        pw::postQuitMessage(3);
        return true;
    };
    pw::input::closeRequest(hTop);
    EXPECT_EQ(pw::runMessageLoop(), 3);
    EXPECT_TRUE(pw::isWindow(hTop));
}

TEST_F(HeadlessTree, SystemResizeRepaintsAndReportsTheSize) {
    pw::input::resized(hTop, {250, 160});
    pump();
    auto sizes = top.take(pw::msg::kSize);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(pw::unpackPoint(sizes[0].lparam), (pw::Point{250, 160}));
    EXPECT_EQ(at(240, 155), kWhite);
}

TEST(HeadlessBackendTest, ClipboardAndMessageBoxesAreTheTestsToSet) {
    pw::startBackend(pw::BackendKind::kHeadless);
    pw::HeadlessBackend* h = pw::headless();
    ASSERT_NE(h, nullptr);
    EXPECT_FALSE(std::string(pw::backend().name()).empty());
    std::u16string text = u"unchanged";
    EXPECT_TRUE(pw::setClipboardText(u"ab\u4E2D"));
    EXPECT_TRUE(pw::clipboardText(&text));
    EXPECT_EQ(text, u"ab\u4E2D");

    pw::MessageBoxRequest box;
    box.text = u"Different!";
    box.buttons = pw::BoxButtons::kYesNo;
    EXPECT_EQ(pw::messageBox(box), pw::kAnswerYes);
    h->setMessageBoxAnswerer([](const pw::MessageBoxRequest&) { return int{pw::kAnswerNo}; });
    EXPECT_EQ(pw::messageBox(box), pw::kAnswerNo);
    h->setMessageBoxAnswerer(nullptr);
    auto shown = h->shownMessageBoxes();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown.back().text, u"Different!");
}

}  // namespace

namespace {

TEST(BackendChoiceTest, WithoutAUsableDisplayThereIsNoSdlBackend) {
    struct Case {
        const char* display;  // null: unset
        const char* driver;
    };
    const Case cases[] = {
        {nullptr, nullptr},
        {":0", "offscreen"},  // SDL would start, drawing nowhere
        {":0", "dummy"},
    };
    const char* names[] = {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"};
    std::string saved[3];
    bool had[3];
    for (int i = 0; i < 3; ++i) {
        const char* v = getenv(names[i]);
        had[i] = v != nullptr;
        if (v) saved[i] = v;
    }
    for (const Case& c : cases) {
        unsetenv("WAYLAND_DISPLAY");
        c.display ? setenv("DISPLAY", c.display, 1) : unsetenv("DISPLAY");
        c.driver ? setenv("SDL_VIDEODRIVER", c.driver, 1) : unsetenv("SDL_VIDEODRIVER");
        EXPECT_EQ(pw::makeSdlBackend(), nullptr) << (c.driver ? c.driver : "no display");
    }
    for (int i = 0; i < 3; ++i) had[i] ? setenv(names[i], saved[i].c_str(), 1) : unsetenv(names[i]);
}

}  // namespace

namespace {

// A file name's escaped bytes are shown, titled and copied as U+FFFD, never as raw bytes.
TEST_F(HeadlessTree, EscapedBytesOfANameShowAsReplacementCharacters) {
    const std::u16string name =
        u"a\xDCFF\xDCC3"
        u"b.txt";
    const std::u16string shown = u"a\uFFFD\uFFFDb.txt";
    EXPECT_EQ(pw::toDisplayUtf8(name), pw::toUtf8(shown));
    EXPECT_EQ(pw::displayText(u"\xD83D\xDE00"), u"\xD83D\xDE00");  // a pair stays

    auto draw = [](const std::u16string& text) {
        pw::Picture pic(80, 20);
        auto canvas = pic.canvas();
        canvas.fillRect({0, 0, 80, 20}, pw::rgb(255, 255, 255));
        pw::Font f;
        f.smooth = false;
        canvas.drawText({0, 0, 80, 20}, text, f, pw::rgb(0, 0, 0));
        std::vector<pw::Colour> pixels;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 80; ++x) pixels.push_back(pic.colourAt(x, y));
        }
        return pixels;
    };
    EXPECT_EQ(draw(name), draw(shown));

    pw::setTitle(hTop, name);
    EXPECT_EQ(pw::title(hTop), shown);
    ASSERT_TRUE(pw::setClipboardText(name));
    std::u16string copied;
    ASSERT_TRUE(pw::clipboardText(&copied));
    EXPECT_EQ(copied, shown);
}

}  // namespace
