// Button states and toggling, text measuring, and the scroll bar's painted parts.
#include <gtest/gtest.h>

#include "gui/drawer/Pixels.h"
#include "gui/drawer/button/win/Thin.h"
#include "gui/drawer/scrollbar/win/Thin.h"
#include "gui/drawer/text/win/Basic.h"
#include "gui/win/Font.h"
#include "platform/window/Text.h"

namespace pw = platform::window;
using s::gui::drawer::button::win::Thin;
using s::gui::testing::kUnpainted;
using s::gui::testing::Pixels;

namespace {

constexpr pw::Colour kC1 = pw::rgb(200, 0, 0);  // focused frame
constexpr pw::Colour kC2 = pw::rgb(0, 200, 0);  // frame
constexpr pw::Colour kC3 = pw::rgb(0, 0, 200);  // focused toggled frame
constexpr pw::Colour kFill = pw::rgb(90, 90, 90);

// Frame line of a 20 x 12 button, read at the middle of the top, right, bottom and left.
TEST(ButtonDrawer, StateTable) {
    struct Case {
        std::int32_t state;
        bool enabled, focus, toggled;
        pw::Colour top, bottom;  // unshaded border: lines in the frame colour, or kUnpainted
        bool filled;
    } cases[] = {
        {0, true, false, false, kC2, kUnpainted, false},  // style 1: open bottom
        {1, true, false, false, kC2, kC2, false},         // style 0
        {2, true, false, false, kC2, kC2, true},          // style 2, pressed face
        {0, true, true, false, kC1, kUnpainted, false},
        {0, true, true, true, kC3, kUnpainted, true},             // toggled: filled, style 1
        {1, true, false, true, kC2, kC2, true},                   // toggled + hovered looks pressed
        {2, true, false, true, kC2, kC2, true},                   // toggled + pressed looks raised
        {0, false, false, false, kUnpainted, kUnpainted, false},  // no frame when disabled
        {0, false, false, true, kC2, kUnpainted, true},           // disabled toggled: style 1
    };
    Thin* b = Thin::create();
    b->setColours(kC1, kC2, kC3);
    b->setFillColour(kFill);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "state " << c.state << " enabled " << c.enabled
                                        << " focus " << c.focus << " toggled " << c.toggled);
        Pixels p(20, 12);
        b->paint(p.canvas, 0, 0, 20, 12, c.state, u"", c.enabled, nullptr, c.focus, c.toggled);
        EXPECT_EQ(p.at(10, 0), c.top);
        EXPECT_EQ(p.at(10, 11), c.bottom);
        EXPECT_EQ(p.at(10, 5), c.filled ? kFill : kUnpainted);
    }
    // A disabled button gets a flat frame only with the always-frame flag.
    b->setAlwaysFrame(true);
    Pixels p(20, 12);
    b->paint(p.canvas, 0, 0, 20, 12, 0, u"", false, nullptr, false, false);
    EXPECT_EQ(p.at(10, 11), kC2);
    b->release();
}

// The glyph follows the frame line, or the text colour when toggled, and moves with the press.
TEST(ButtonDrawer, GlyphColourAndPressShift) {
    Thin* b = Thin::create();
    b->setColours(kC1, kC2, kC3);
    b->setFillColour(kFill);
    b->setFontColours(pw::rgb(1, 1, 1), pw::rgb(250, 250, 250), pw::rgb(255, 255, 0));
    auto glyphBox = [](const Pixels& p, pw::Colour c) {
        pw::Rect box{99, 99, 0, 0};
        int right = -1, bottom = -1;
        for (int y = 0; y < p.picture.height(); ++y)
            for (int x = 0; x < p.picture.width(); ++x)
                if (p.at(x, y) == c && x > 1 && y > 1 && x < p.picture.width() - 2 &&
                    y < p.picture.height() - 2) {
                    box.x = std::min(box.x, x);
                    box.y = std::min(box.y, y);
                    right = std::max(right, x);
                    bottom = std::max(bottom, y);
                }
        box.width = right - box.x + 1;
        box.height = bottom - box.y + 1;
        return box;
    };
    Pixels normal(24, 24), hovered(24, 24), pressed(24, 24), toggled(24, 24);
    b->paint(normal.canvas, 0, 0, 24, 24, 0, u"#Stop", true, nullptr, false, false);
    b->paint(hovered.canvas, 0, 0, 24, 24, 1, u"#Stop", true, nullptr, false, false);
    b->paint(pressed.canvas, 0, 0, 24, 24, 2, u"#Stop", true, nullptr, false, false);
    b->paint(toggled.canvas, 0, 0, 24, 24, 0, u"#Stop", true, nullptr, false, true);
    pw::Rect n = glyphBox(normal, kC2);
    ASSERT_GT(n.width, 0);
    EXPECT_EQ(glyphBox(hovered, kC2), n.offset(-1, -1));
    EXPECT_EQ(glyphBox(pressed, pw::rgb(255, 255, 0)), n.offset(1, 1));  // on the pressed face
    // Toggled: on the filled face, in the pressed font's colour instead of the line colour.
    EXPECT_EQ(glyphBox(toggled, pw::rgb(255, 255, 0)), n);
    // Colour swatch: the whole label area in that colour.
    Pixels swatch(20, 12);
    EXPECT_TRUE(b->drawGlyph(swatch.canvas, 0, 0, 20, 12, u"#Color-000000ff", 0, 0, 0));
    EXPECT_EQ(swatch.count(pw::rgb(255, 0, 0)), 18 * 10);
    Pixels none(20, 12);
    EXPECT_TRUE(b->drawGlyph(none.canvas, 0, 0, 20, 12, u"#NoSuchGlyph", 0, 0, 0));
    EXPECT_FALSE(b->drawGlyph(none.canvas, 0, 0, 20, 12, u"Text", 0, 0, 0));
    EXPECT_EQ(none.count(kUnpainted), 240);
    // The About window's close cross, on a light ground like the window's.
    Pixels cross(16, 16);
    cross.canvas.fillRect(0, 0, 16, 16, pw::rgb(255, 255, 255));
    EXPECT_TRUE(b->drawGlyph(cross.canvas, 0, 0, 16, 16, u"#X", 9, 9, 9));
    EXPECT_EQ(cross.at(7, 7), pw::rgb(9, 9, 9));
    EXPECT_GT(cross.count(pw::rgb(9, 9, 9)), 16);
    b->release();
}

TEST(TextDrawer, MeasuringTable) {
    const pw::Font font;
    const std::u16string text = u"Short and a longest_word";
    const pw::Size line = pw::measureText(font, text);
    const std::int32_t word = pw::measureLongestWord(font, text);
    ASSERT_LT(word, line.width);
    struct Case {
        bool wrap, ellipsis;
        std::int32_t effect;
        std::int32_t minW, minH, natW, natH;
    } cases[] = {
        {false, false, 0, line.width, line.height, line.width, line.height},
        {true, false, 0, word, line.height, line.width, line.height},
        {false, true, 0, 1, line.height, line.width, line.height},
        {false, false, 2, line.width + 1, line.height + 1, line.width + 1, line.height + 1},
        {false, false, 3, line.width + 2, line.height + 1, line.width + 2, line.height + 1},
        {false, false, 4, line.width, line.height + 1, line.width, line.height + 1},
        {true, false, 1, word + 2, line.height + 1, line.width + 2, line.height + 1},
    };
    auto* drawer = s::gui::drawer::text::win::Basic::create();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.wrap << c.ellipsis << " effect " << c.effect);
        s::gui::drawer::text::TextFormat f;
        f.wrap = c.wrap;
        f.ellipsis = c.ellipsis;
        f.effect = c.effect;
        std::int32_t minW = -1, minH = -1, natW = -1, natH = -1;
        drawer->measure(text, nullptr, f, &minW, &minH, &natW, &natH);
        EXPECT_EQ(minW, c.minW);
        EXPECT_EQ(minH, c.minH);
        EXPECT_EQ(natW, c.natW);
        EXPECT_EQ(natH, c.natH);
    }
    drawer->release();
}

TEST(TextDrawer, ShadowAndAmpersand) {
    auto* drawer = s::gui::drawer::text::win::Basic::create();
    s::gui::drawer::text::TextFormat shadow;
    shadow.effect = 2;
    // Shadow in 119,119,119 under coloured text, 238,238,238 under black text (glyphs without
    // antialiasing, so that the colours stay exact).
    s::gui::win::Font* font = s::gui::win::newFont();
    font->setSmooth(false);
    font->setCellHeight(-20);
    // On a white ground, where black text is readable and keeps its colour.
    Pixels red(60, 30), black(60, 30);
    for (Pixels* p : {&red, &black}) p->canvas.fillRect(0, 0, 60, 30, pw::rgb(255, 255, 255));
    drawer->paint(red.canvas, 0, 0, 60, 30, u"Il", font, shadow, pw::rgb(255, 0, 0));
    drawer->paint(black.canvas, 0, 0, 60, 30, u"Il", font, shadow, pw::rgb(0, 0, 0));
    font->release();
    EXPECT_GT(red.count(pw::rgb(119, 119, 119)), 0);
    EXPECT_GT(black.count(pw::rgb(238, 238, 238)), 0);
    // "&" is drawn, not taken as a prefix: "A&B" is wider than "AB".
    std::int32_t withAmp = 0, without = 0;
    drawer->measure(u"A&B", nullptr, {}, nullptr, nullptr, &withAmp, nullptr);
    drawer->measure(u"AB", nullptr, {}, nullptr, nullptr, &without, nullptr);
    EXPECT_GT(withAmp, without);
    drawer->release();
}

TEST(ScrollBarDrawer, NothingToScrollPaintsFrameAndArrowsOnly) {
    auto* bar = s::gui::drawer::scrollbar::win::Thin::create();
    bar->setPageColour(pw::rgb(1, 200, 1));
    Pixels p(15, 100);
    bar->paint(p.canvas, 0, 0, 15, 100, 1, 100, 100, 0, false, 0, 0, 0);
    EXPECT_EQ(p.count(pw::rgb(1, 200, 1)), 0);
    for (int y = 16; y < 84; ++y) EXPECT_EQ(p.at(7, y), kUnpainted) << y;
    EXPECT_NE(p.at(7, 7), kUnpainted);   // the up arrow's glyph
    EXPECT_NE(p.at(7, 92), kUnpainted);  // the down arrow's glyph
    for (int y = 16; y < 84; y += 10)
        EXPECT_EQ(bar->hitTest({7, y}, 0, 0, 15, 100, 1, 100, 100, 0, false), -1);

    // Page areas leave one pixel free on each long side; the bar's own colour wins.
    Pixels q(15, 100);
    bar->paint(q.canvas, 0, 0, 15, 100, 1, 300, 100, 0, false, 0, 0, 0, pw::rgb(5, 5, 250));
    EXPECT_EQ(q.row(60, pw::rgb(5, 5, 250)), ".#############.");
    // With the other bar shown the corner square stays unpainted.
    Pixels r(100, 15);
    bar->paint(r.canvas, 0, 0, 100, 15, 0, 300, 100, 0, true, 0, 0, 0);
    EXPECT_EQ(r.row(7, kUnpainted, 85, 100), std::string(15, '#'));
    bar->release();
}

}  // namespace
