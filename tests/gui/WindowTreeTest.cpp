// A small component tree in a headless window: placement by pixels, attach-later, removal,
// dropped files, wheel, click and hover.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/HeadlessWindow.h"
#include "gui/Leaf.h"
#include "gui/Recorder.h"
#include "gui/win/Box.h"
#include "gui/win/Label.h"
#include "gui/win/Spacer.h"
#include "platform/window/Headless.h"
#include "platform/window/Input.h"
#include "str/strarray/StrArray.h"
#include "str/strbuffer/StrBuffer.h"

namespace pw = platform::window;
using s::gui::eventSource;
using s::gui::testing::HeadlessWindow;
using s::gui::testing::Recorder;
using namespace s::gui::win;

namespace {

constexpr pw::Colour kWhite = 0xFFFFFF, kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00;

Box* colouredBox(std::int32_t w, std::int32_t h, std::int32_t r, std::int32_t g, std::int32_t b) {
    Box* box = newBoxFixed(1, w, h, 0, 0, 0);
    box->setBackgroundColour(r, g, b, false);
    return box;
}

// Window 100 x 60 (column): a red 40 x 20 box, then a row 10 high with left margin 5 holding
// a blue 30 x 10 box, a 10-wide spacer and a green 20 x 10 box.
class ComponentTree : public HeadlessWindow {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        window->setBackgroundColour(255, 255, 255, false);
        red = colouredBox(40, 20, 255, 0, 0);
        window->add(red);
        // The row is filled before it is attached: its children are made with it.
        row = newBox(100, -1, 0, 0, -1, -1, -1, -1, 0);
        row->setFixedHeight(10, false);
        row->setMarginLeft(5);
        blue = colouredBox(30, 10, 0, 0, 255);
        green = colouredBox(20, 10, 0, 255, 0);
        row->add(blue);
        row->add(newSpacer(0, 10));
        row->add(green);
        EXPECT_EQ(blue->getNativeWindow(), pw::kNoWindow);
        window->add(row);
        window->setVisible(true, false);
    }
    void TearDown() override {
        window->removeAll(true);
        HeadlessWindow::TearDown();
    }

    Box *red = nullptr, *row = nullptr, *blue = nullptr, *green = nullptr;
};

TEST_F(ComponentTree, AttachLaterMakesTheChildrenNativeWindows) {
    ASSERT_NE(row->getNativeWindow(), pw::kNoWindow);
    ASSERT_NE(blue->getNativeWindow(), pw::kNoWindow);
    EXPECT_EQ(pw::parentOf(blue->getNativeWindow()), row->getNativeWindow());
    EXPECT_EQ(pw::childrenOf(row->getNativeWindow()).size(), 3u);
    EXPECT_EQ(pw::windowRect(green->getNativeWindow()), (pw::Rect{5 + 40, 0, 20, 10}));
}

// The walk of the tree: each component before its children, in child-list order; a visit that
// answers kPast keeps the walk out of that box.
TEST_F(ComponentTree, WalkVisitsDescendantsInOrderAndSkipsWhereAsked) {
    Component* spacer = Component::of(row->getChild(1));
    struct Case {
        const char* name;
        const Component* skip;
        std::vector<const Component*> visited;
    };
    const Case cases[] = {
        {"everything", nullptr, {red, row, blue, spacer, green}},
        {"past the row", row, {red, row}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<const Component*> visited;
        window->forEachDescendant([&](Component* at) {
            visited.push_back(at);
            return at == c.skip ? Component::Walk::kPast : Component::Walk::kInto;
        });
        EXPECT_EQ(visited, c.visited);
    }
}

TEST_F(ComponentTree, PaintsEachComponentAtItsPlace) {
    struct Probe {
        std::int32_t x, y;
        pw::Colour colour;
    };
    for (Probe p :
         {Probe{0, 0, kRed}, Probe{39, 19, kRed}, Probe{40, 0, kWhite}, Probe{4, 20, kWhite},
          Probe{5, 20, kBlue}, Probe{34, 29, kBlue}, Probe{35, 25, kWhite}, Probe{45, 25, kGreen},
          Probe{64, 29, kGreen}, Probe{65, 25, kWhite}, Probe{50, 30, kWhite}}) {
        EXPECT_EQ(pixel(p.x, p.y), p.colour) << "at " << p.x << "," << p.y;
    }
}

TEST_F(ComponentTree, RemoveDestroysTheNativeWindowAndLaysOut) {
    pw::Handle old = blue->getNativeWindow();
    row->remove(blue, true);
    EXPECT_FALSE(pw::isWindow(old));
    EXPECT_EQ(row->getChildCount(), 2u);
    EXPECT_EQ(green->getX(), 10);  // moved left into the freed room
    EXPECT_EQ(pixel(15, 25), kGreen);
}

TEST_F(ComponentTree, HidingAndShowingAChildRelayouts) {
    red->setVisible(false, true);
    EXPECT_EQ(red->getX(), -10000);
    EXPECT_EQ(pixel(0, 0), kWhite);
    red->setVisible(true, true);
    EXPECT_EQ(red->getX(), 0);
    EXPECT_EQ(pixel(0, 0), kRed);
}

TEST_F(ComponentTree, ShowOnlyKeepsOnePageOfAPile) {
    Box* pages = newBox(100, -1, 0, 0, -1, -1, -1, -1, 3);
    pages->setFixedHeight(20, false);
    pages->add(colouredBox(30, 20, 255, 0, 0));
    pages->add(colouredBox(30, 20, 0, 255, 0));
    window->add(pages);  // below the row: y 30..50
    pages->showOnly(1);
    EXPECT_FALSE(pages->getChild(0)->isShown());
    EXPECT_EQ(pixel(5, 35), kGreen);
    pages->showOnlyPage(0);
    EXPECT_EQ(pages->getChild(1)->getOriginY(), 3000);
    EXPECT_EQ(pixel(5, 35), kRed);
    pages->showOnly(7);  // past the end: every page hidden
    EXPECT_EQ(pixel(5, 35), kWhite);
}

TEST_F(ComponentTree, LabelTextIsMeasuredBeforeSetTextReturns) {
    Label* label = newLabel(u"a");
    window->add(label);
    std::int32_t before = label->getMinWidth();
    EXPECT_TRUE(label->setText(u"a much longer text", true));
    EXPECT_EQ(label->getText(), u"a much longer text");
    EXPECT_GT(label->getMinWidth(), before);
    EXPECT_FALSE(label->setText(u"a much longer text", true));  // unchanged: nothing to do
}

TEST_F(ComponentTree, DroppedFilesReachTheAcceptingBoxWithFullPaths) {
    Recorder drops;
    row->setAcceptDroppedFiles(true);
    row->addDropListener(&drops);
    std::u16string longPath = u"/tmp/" + std::u16string(600, u'x');
    pw::input::dropFiles(top(), {50, 25}, {u"/tmp/a b", longPath});
    ASSERT_TRUE(drops.waitFor(1));
    EXPECT_EQ(drops.events()[0], std::make_pair(eventSource(row), 1));
    s::str::strarray::StrArray* files = row->getDroppedFiles();
    ASSERT_EQ(files->length(), 2u);
    auto path = [&](std::uint32_t i) {
        return std::u16string(files->get(i)->text(), files->get(i)->length());
    };
    EXPECT_EQ(path(0), u"/tmp/a b");
    EXPECT_EQ(path(1), longPath);  // never cut to a fixed buffer
}

TEST_F(ComponentTree, WheelBubblesToBoxWheelListener) {
    Recorder wheel;
    row->addBoxWheelListener(&wheel);
    pw::input::mouseWheel(top(), {50, 25}, -120);  // over the green box, towards the user
    ASSERT_TRUE(wheel.waitFor(1));
    EXPECT_EQ(wheel.events()[0], std::make_pair(eventSource(row), 2));
    EXPECT_EQ(row->getWheelLines(), -3);
}

TEST_F(ComponentTree, ClickListenerGetsCodeSix) {
    Recorder clicks;
    green->addBoxClickListener(&clicks);
    pw::input::mouseButton(top(), {50, 25}, pw::MouseButton::kLeft, true);
    pw::input::mouseButton(top(), {50, 25}, pw::MouseButton::kLeft, false);
    ASSERT_TRUE(clicks.waitFor(1));
    EXPECT_EQ(clicks.events()[0], std::make_pair(eventSource(green), 6));
}

TEST_F(ComponentTree, HoverFollowsThePointer) {
    pw::input::mouseMove(top(), {10, 10});
    EXPECT_TRUE(ownerSees([&] { return red->isHovered(); }));
    pw::input::mouseMove(top(), {80, 5});
    EXPECT_TRUE(ownerSees([&] { return !red->isHovered(); }));
}

}  // namespace

namespace {

using Centring = HeadlessWindow;

TEST_F(Centring, InParentClientAreaAndWindowInWorkArea) {
    Box* box = newBoxFixed(1, 80, 30, 0, 0, 0);
    window->add(box);
    Box* inner = newBoxFixed(1, 20, 40, 0, 0, 0);
    box->add(inner);
    inner->setSize(20, 40);
    inner->centre();  // wider room: (80 - 20) / 2; too low a room: 0
    EXPECT_EQ(inner->getX(), 30);
    EXPECT_EQ(inner->getY(), 0);

    pw::headless()->setWorkArea({10, 20, 1000, 800});
    window->centre();
    EXPECT_EQ(window->getX(), 10 + 450);
    EXPECT_EQ(window->getY(), 20 + 370);
    EXPECT_EQ(pw::windowRect(top()).x, 460);
    window->removeAll(true);
}

}  // namespace

namespace {

// Counts the native size and move notifications of its window.
class PlacementCounter : public Component, public s::thread::Pooled<PlacementCounter> {
public:
    const char16_t* typeName() const override { return u"s_gui_testing_PlacementCounter"; }
    s::base::IObject* newInstance() const override { return create(); }
    void release() override { s::thread::Pooled<PlacementCounter>::release(); }
    void recycle() override { resetComponent(); }
    pw::Result handleMessage(pw::Handle w, std::uint32_t m, pw::WParam wp, pw::LParam lp) override {
        if (m == pw::msg::kSize) ++sizes;
        if (m == pw::msg::kMove) ++moves;
        return Component::handleMessage(w, m, wp, lp);
    }
    int sizes = 0, moves = 0;  // touched on the window's thread only
};

using DeferredPlacement = HeadlessWindow;

TEST_F(DeferredPlacement, EachChildIsPlacedOnceAndDeferredBoundsApplyInOneCall) {
    // A row child is sized twice by the arithmetic (width, then height) and moved: the native
    // window sees one placement.
    Box* row = newBox(100, 100, 1, 1, -1, -1, -1, -1, 0);
    PlacementCounter* child = PlacementCounter::create();
    child->setMinSize(10, 5);
    child->setNaturalSize(20, 40);
    row->add(child);
    window->add(row);
    int sizes = child->sizes, moves = child->moves;
    // A new layout: the child is sized to its minimum height first, then to the row's 30,
    // and moved.
    row->setSize(90, 30);
    EXPECT_EQ(child->sizes - sizes, 1);
    EXPECT_EQ(child->moves - moves, 1);
    EXPECT_EQ(pw::windowRect(child->getNativeWindow()), (pw::Rect{35, 0, 20, 30}));

    // Placement while deferred is only recorded; applying places it in one call.
    child->defer();
    child->setBounds(1, 2, 3, 4);
    EXPECT_EQ(pw::windowRect(child->getNativeWindow()), (pw::Rect{35, 0, 20, 30}));
    child->applyDeferred();
    EXPECT_EQ(pw::windowRect(child->getNativeWindow()), (pw::Rect{1, 2, 3, 4}));
    window->removeAll(true);
}

}  // namespace

namespace {

using s::gui::testing::Leaf;

// The fixture's window is released by the test itself, then the fixture has nothing to do.
class WindowEnd : public HeadlessWindow {
protected:
    void TearDown() override {
        if (window) HeadlessWindow::TearDown();
    }
    void releaseWindow() {
        window->release();
        window = nullptr;
    }
};

TEST_F(WindowEnd, ReleasingTheWindowReleasesTheTreeStillInIt) {
    Box* row = newBox(100, -1, 0, 0, -1, -1, -1, -1, 0);
    row->add(Leaf::make(10, 10, 10, 10));
    window->add(row);
    window->add(Leaf::make(10, 10, 10, 10));
    window->setVisible(true, false);
    const std::uint32_t leaves = Leaf::pool().idleCount();
    const std::uint32_t boxes = Box::pool().idleCount();
    releaseWindow();
    EXPECT_EQ(Leaf::pool().idleCount(), leaves + 2);
    EXPECT_EQ(Box::pool().idleCount(), boxes + 1);
}

TEST_F(WindowEnd, ABoxOutsideTheTreeCanBeEmptiedAfterItsWindowHasGone) {
    // Attached to the window's thread but kept out of its children, as a status bar is; taken
    // away before the window goes, or still set when it goes.
    for (bool takenAway : {true, false}) {
        if (!window) SetUp();
        Box* bar = newBox(100, -1, 0, 0, -1, -1, -1, -1, 0);
        Leaf* field = Leaf::make(10, 10, 10, 10);
        bar->add(field);
        window->setStatusBar(bar);
        window->setVisible(true, false);
        ASSERT_NE(field->getNativeWindow(), pw::kNoWindow);
        if (takenAway) window->setStatusBar(nullptr);
        releaseWindow();
        EXPECT_EQ(field->getNativeWindow(), pw::kNoWindow) << takenAway;
        // The native windows went with the window and its thread: the work is done here
        // instead of being handed to a thread that has ended.
        const std::uint32_t leaves = Leaf::pool().idleCount();
        bar->removeAll(true);
        EXPECT_EQ(bar->getChildCount(), 0u);
        EXPECT_EQ(Leaf::pool().idleCount(), leaves + 1) << takenAway;
        bar->release();
    }
}

}  // namespace
