// Drawers at a scale factor of 2: every pixel of a line becomes a whole 2 x 2 square, so thin
// lines stay sharp, and glyph strokes are drawn at the target size.
#include <gtest/gtest.h>

#include <string>

#include "gui/ScaleAt.h"
#include "gui/drawer/Pixels.h"
#include "gui/drawer/border/win/Thin.h"
#include "gui/drawer/button/win/Glyphs.h"
#include "gui/drawer/checkbox/win/Thin.h"

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

}  // namespace
