// The text area's scroll bars: shown while the text does not fit, in step with the caret, the
// wheel and the keys, and scrolling the text by arrows, track clicks and thumb drags.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <vector>

#include "gui/HeadlessWindow.h"
#include "gui/win/TextEdit.h"
#include "platform/window/Edit.h"
#include "platform/window/Input.h"

namespace pw = platform::window;

namespace s::gui::win {
namespace {

std::u16string numberedLines(int count) {
    std::u16string text;
    for (int i = 1; i <= count; ++i) {
        if (i > 1) text += u'\n';
        for (char c : "line " + std::to_string(i)) text += static_cast<char16_t>(c);
    }
    return text;
}

// A 120 x 80 window filled by a text area.
class TextAreaBars : public gui::testing::HeadlessWindow {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        window->setBounds(0, 0, 120, 80);
        area = newTextEdit(100);
        window->add(area);
        window->setVisible(true, false);
    }
    pw::Handle edit() const { return area->getEditControl(); }
    // What the bars show, read on the window's thread, and the control's own scrolling.
    struct Seen {
        bool vShown, hShown;
        std::int32_t vPosition, vContent, vPage, hPosition;
        pw::Point scroll;
        pw::Rect editRect;
    };
    Seen seen() {
        return onOwner([&] {
            ScrollBar* v = area->getVerticalBar();
            ScrollBar* h = area->getHorizontalBar();
            return Seen{v->isVisibleFlag(),     h->isVisibleFlag(),    v->info().getPosition(),
                        v->info().getContent(), v->info().getPage(),   h->info().getPosition(),
                        pw::editScroll(edit()), pw::windowRect(edit())};
        });
    }
    std::int32_t lineHeight() {
        pw::EditExtent e;
        pw::editExtent(edit(), &e);
        return e.lineHeight;
    }
    void click(pw::Point p) {
        pw::input::mouseMove(top(), p);
        pw::input::mouseButton(top(), p, pw::MouseButton::kLeft, true);
        pw::input::mouseButton(top(), p, pw::MouseButton::kLeft, false);
    }
    void chord(std::uint32_t key) {
        pw::input::key(top(), pw::vk::kControl, true);
        pw::input::key(top(), key, true);
        pw::input::key(top(), key, false);
        pw::input::key(top(), pw::vk::kControl, false);
    }

    TextEdit* area = nullptr;
};

TEST_F(TextAreaBars, VerticalBarFollowsCaretWheelAndKeysAndScrollsTheText) {
    area->setText(u"two\nlines", false);
    Seen s = seen();
    EXPECT_FALSE(s.vShown);
    EXPECT_FALSE(s.hShown);
    EXPECT_EQ(s.editRect, (pw::Rect{1, 1, 118, 78})) << "the control fills the frame";

    area->setText(numberedLines(20), false);  // shown from its first line
    s = seen();
    ASSERT_TRUE(s.vShown);
    EXPECT_FALSE(s.hShown) << "wrapped lines never need a horizontal bar";
    EXPECT_EQ(s.editRect, (pw::Rect{1, 1, 118 - ScrollBar::kThickness, 78}));
    EXPECT_EQ(s.vPosition, 0);
    EXPECT_EQ(s.scroll.y, 0);
    std::int32_t most = s.vContent - s.vPage;
    ASSERT_GT(most, 0);
    // Keys move the caret, the text scrolls to it and the bar follows.
    area->selectAll();
    chord(pw::vk::kEnd);
    ASSERT_TRUE(ownerSees([&] { return area->getVerticalBar()->info().getPosition() == most; }));
    EXPECT_EQ(seen().scroll.y, most);

    const std::int32_t line = lineHeight();
    pw::input::mouseWheel(top(), {30, 30}, 120);  // over the text: three lines up
    ASSERT_TRUE(ownerSees([&] { return area->getVerticalBar()->info().getPosition() < most; }));
    s = seen();
    EXPECT_EQ(s.vPosition, most - 3 * line);
    EXPECT_EQ(s.scroll.y, s.vPosition);

    const std::int32_t barX = 120 - 1 - ScrollBar::kThickness / 2 - 1;
    auto vPositionIs = [&](std::int32_t want) {
        return ownerSees([&] { return area->getVerticalBar()->info().getPosition() == want; });
    };
    click({barX, 1 + 7});  // the upper arrow: one line
    ASSERT_TRUE(vPositionIs(most - 4 * line));
    EXPECT_EQ(seen().scroll.y, most - 4 * line);
    // A quick second click comes as a double click: it steps as well.
    pw::input::mouseButton(top(), {barX, 1 + 7}, pw::MouseButton::kLeft, true, 2);
    pw::input::mouseButton(top(), {barX, 1 + 7}, pw::MouseButton::kLeft, false, 2);
    ASSERT_TRUE(vPositionIs(most - 5 * line));

    click({barX, 78 - ScrollBar::kThickness - 1});  // the track under the thumb: a page on
    std::int32_t paged = std::min(most, most - 5 * line + s.vPage);
    ASSERT_TRUE(vPositionIs(paged));
    EXPECT_EQ(seen().scroll.y, paged);

    // The thumb dragged to the top scrolls the text to its start.
    pw::Rect thumb = onOwner(
        [&] { return area->getVerticalBar()->geometry().parts[ScrollBarGeometry::kThumb]; });
    pw::Point grip{barX, 1 + thumb.y + thumb.height / 2};
    pw::input::mouseMove(top(), grip);
    pw::input::mouseButton(top(), grip, pw::MouseButton::kLeft, true);
    pw::input::mouseMove(top(), {barX, -50});
    pw::input::mouseButton(top(), {barX, -50}, pw::MouseButton::kLeft, false);
    ASSERT_TRUE(ownerSees([&] { return area->getVerticalBar()->info().getPosition() == 0; }));
    EXPECT_EQ(seen().scroll.y, 0);

    // Once the text fits again the bar goes and the control takes the room back.
    area->setText(u"short", false);
    s = seen();
    EXPECT_FALSE(s.vShown);
    EXPECT_EQ(s.editRect.width, 118);
}

TEST_F(TextAreaBars, UnwrappedLinesGetAHorizontalBar) {
    area->setLineWrap(false);
    area->setText(u"a line far wider than the area it is shown in, kept whole", false);
    Seen s = seen();
    ASSERT_TRUE(s.hShown);
    EXPECT_FALSE(s.vShown);
    EXPECT_EQ(s.editRect, (pw::Rect{1, 1, 118, 78 - ScrollBar::kThickness}));
    EXPECT_EQ(s.hPosition, 0) << "the line's start shows";
    pw::setEditSelection(edit(), -1, -1);
    s = seen();
    EXPECT_GT(s.hPosition, 0) << "the caret at the end is in view";
    EXPECT_EQ(s.hPosition, s.scroll.x);

    const std::int32_t before = s.hPosition;
    const std::int32_t want = std::max(0, before - lineHeight());
    click({1 + 7, 78 - 7});  // the left arrow: a line's height to the left
    ASSERT_TRUE(ownerSees([&] { return area->getHorizontalBar()->info().getPosition() == want; }));
    EXPECT_EQ(seen().scroll.x, want);

    area->setLineWrap(true);
    s = seen();
    EXPECT_FALSE(s.hShown);
    EXPECT_EQ(s.scroll.x, 0);
}

TEST_F(TextAreaBars, BarsOfADisabledAreaFadeAndComeBack) {
    area->setText(numberedLines(20), false);
    ASSERT_TRUE(seen().vShown);
    const pw::Rect bar =
        onOwner([&] { return pw::windowRect(area->getVerticalBar()->getNativeWindow()); });
    auto barPixels = [&] {
        std::vector<pw::Colour> all;
        for (std::int32_t y = bar.y; y < bar.bottom(); ++y)
            for (std::int32_t x = bar.x; x < bar.right(); ++x) all.push_back(pixel(x + 1, y + 1));
        return all;
    };
    const std::vector<pw::Colour> enabled = barPixels();
    area->setEnabled(false);
    const std::vector<pw::Colour> disabled = barPixels();
    EXPECT_TRUE(disabled != enabled);
    // Faded: fewer strong lines, never a new dark one.
    auto darkest = [](const std::vector<pw::Colour>& v) {
        unsigned d = 255;
        for (pw::Colour c : v) d = std::min(d, pw::green(c));
        return d;
    };
    EXPECT_GT(darkest(disabled), darkest(enabled));
    area->setEnabled(true);
    EXPECT_TRUE(barPixels() == enabled);
}

TEST_F(TextAreaBars, WheelAtTheEndGoesOnToThePage) {
    // The area has nothing more to scroll that way: the turn reaches the window's listeners.
    struct Count : events::IEventListener {
        std::atomic<int> turns{0};
        void onEvent(void*, std::int32_t) override { ++turns; }
    } count;
    window->addWheelListener(&count);
    area->setText(numberedLines(20), false);  // at the start already
    pw::input::mouseWheel(top(), {30, 30}, 120);
    pw::input::mouseWheel(top(), {112, 40}, 120);  // over the bar
    EXPECT_TRUE(eventually([&] { return count.turns == 2; }));
}

}  // namespace
}  // namespace s::gui::win
