// Drawers at a scale factor of 2: every pixel of a line becomes a whole 2 x 2 square, so thin
// lines stay sharp, and glyph strokes are drawn at the target size.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "gui/ScaleAt.h"
#include "gui/drawer/Pixels.h"
#include "gui/drawer/border/win/Thin.h"
#include "gui/drawer/button/win/Glyphs.h"
#include "gui/drawer/checkbox/win/Thin.h"
#include "gui/drawer/combo/win/Thin.h"
#include "gui/drawer/text/win/Basic.h"
#include "gui/win/Font.h"

namespace pw = platform::window;
using s::gui::testing::Pixels;
using s::gui::testing::ScaleAt;

namespace {

TEST(ScaledDrawers, ShadedBorderCornersAtTwice) {
    using Border = s::gui::drawer::border::win::Thin;
    ScaleAt twice(2.0);
    Border* border = Border::create();
    const pw::Colour top = Border::shade(pw::rgb(200, 200, 200), Border::kLight);
    const pw::Colour left = Border::shade(pw::rgb(200, 200, 200), Border::kLighter);
    // The cut corners of kind 2 (8 x 6 at 96 dpi) at twice the size.
    Pixels p(16, 12);
    border->paint(p.canvas, 0, 0, 16, 12, 0, 2, 200, 200, 200);
    const char* rows[] = {"....########....", "....########....", "..##........##..",
                          "..##........##..", "................"};
    for (int y = 0; y < 5; ++y) EXPECT_EQ(p.row(y, top), rows[y]) << y;
    std::string col;
    for (int y = 0; y < 12; ++y) col += p.at(0, y) == left && p.at(1, y) == left ? '#' : '.';
    EXPECT_EQ(col, "....####....");
    EXPECT_EQ(p.at(2, 6), s::gui::testing::kUnpainted);
    border->release();
}

TEST(ScaledDrawers, CheckBoxFrameIsTwiceAsThick) {
    using Check = s::gui::drawer::checkbox::win::Thin;
    ScaleAt twice(2.0);
    Check* check = Check::create();
    const pw::Colour line = pw::rgb(10, 20, 30);
    Pixels p(26, 26);  // the 13-pixel box at twice the size
    check->setColours(line, pw::rgb(0, 0, 0), pw::rgb(90, 90, 90));
    check->paint(p.canvas, 0, 0, 26, 26, 26, false, u"", nullptr);
    EXPECT_EQ(p.row(13, line), "####..................####");
    EXPECT_EQ(p.count(line), 26 * 26 - 18 * 18);
    EXPECT_EQ(p.at(4, 4), pw::rgb(255, 255, 255));
    check->release();
}

TEST(ScaledDrawers, GlyphStrokesFollowTheFactor) {
    const struct {
        double factor;
        std::int32_t side;
        const char* middleRow;
    } cases[] = {
        {1.0, 15, ".....#.#.#....."},
        {2.0, 30, "..........##..##..##.........."},
    };
    const pw::Colour ink = pw::rgb(0, 0, 0);
    for (const auto& c : cases) {
        ScaleAt scale(c.factor);
        Pixels p(c.side, c.side);
        s::gui::drawer::button::win::paintGlyph(p.canvas, {0, 0, c.side, c.side}, u"#ThumbLineV",
                                                ink);
        EXPECT_EQ(p.row(c.side / 2, ink), c.middleRow) << c.factor;
    }
}

// The shadow of effect 2 lies one pixel of a 96-dpi screen right of and below the text, and the
// text takes that much more room.
TEST(ScaledDrawers, TextShadowOffsetFollowsTheFactor) {
    const pw::Colour red = pw::rgb(255, 0, 0);
    const pw::Colour shade = pw::rgb(119, 119, 119);
    // The right and bottom edges of the pixels of one colour.
    auto edges = [](const Pixels& p, pw::Colour c) {
        std::pair<int, int> e{-1, -1};
        for (int y = 0; y < p.picture.height(); ++y)
            for (int x = 0; x < p.picture.width(); ++x)
                if (p.at(x, y) == c) e = {std::max(e.first, x), std::max(e.second, y)};
        return e;
    };
    for (double factor : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(factor);
        ScaleAt scale(factor);
        const std::int32_t offset = factor == 1.0 ? 1 : 2;
        auto* drawer = s::gui::drawer::text::win::Basic::create();
        s::gui::win::Font* font = s::gui::win::newFont();
        font->setSmooth(false);  // exact colours
        font->setCellHeight(-20);
        s::gui::drawer::text::TextFormat shadow;
        shadow.effect = 2;
        Pixels p(40, 40);
        p.canvas.fillRect(0, 0, 40, 40, pw::rgb(255, 255, 255));
        drawer->paint(p.canvas, 0, 0, 40, 40, u"I", font, shadow, red);
        const auto text = edges(p, red), shadowEdges = edges(p, shade);
        ASSERT_GE(text.first, 0);
        EXPECT_EQ(shadowEdges.first, text.first + offset);
        EXPECT_EQ(shadowEdges.second, text.second + offset);
        std::int32_t plainW = 0, plainH = 0, w = 0, h = 0;
        drawer->measure(u"I", font, {}, nullptr, nullptr, &plainW, &plainH);
        drawer->measure(u"I", font, shadow, nullptr, nullptr, &w, &h);
        EXPECT_EQ(w - plainW, offset);
        EXPECT_EQ(h - plainH, offset);
        font->release();
        drawer->release();
    }
}

// A drop-down box's text area keeps its 96-dpi margins at the factor: at 1.5, where a line is
// two pixels wide, margins made of lines would take a third more room from the text.
TEST(ScaledDrawers, DropDownTextAreaFollowsTheFactor) {
    using Combo = s::gui::drawer::combo::win::Thin;
    const pw::Colour line = pw::rgb(10, 20, 30);
    const struct {
        double factor;
        std::int32_t width, separator;  // the separator's first column
    } cases[] = {{1.0, 60, 46}, {1.25, 75, 57}, {1.5, 90, 69}, {1.75, 105, 81}, {2.0, 120, 92}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.factor);
        ScaleAt scale(c.factor);
        Combo* combo = Combo::create();
        combo->setColours(pw::rgb(0, 0, 0), line);
        const std::int32_t height = pw::scaled(23);
        Pixels p(c.width, height);
        combo->paint(p.canvas, 0, 0, c.width, height, 0, u"", nullptr);
        // The separator is the first column of line colour right of the frame's left side.
        const std::string row = p.row(height / 2, line);
        EXPECT_EQ(static_cast<std::int32_t>(row.find('#', pw::scaled(1) + 1)), c.separator) << row;
        combo->release();
    }
}

}  // namespace
