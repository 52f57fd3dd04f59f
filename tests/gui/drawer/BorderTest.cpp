// Shaded, plain and menu borders: line shades, corner pixels, integer shading.
#include <gtest/gtest.h>

#include "gui/drawer/Pixels.h"
#include "gui/drawer/border/win/Plain.h"
#include "gui/drawer/border/win/Thin.h"
#include "gui/drawer/border/win/UnderWindowMenu.h"

namespace pw = platform::window;
using s::gui::drawer::border::win::Thin;
using s::gui::testing::kUnpainted;
using s::gui::testing::Pixels;

namespace {

struct ShadeCase {
    pw::Colour base;
    std::int32_t style;
    pw::Colour top, right, bottom, left;  // kUnpainted: not drawn
};

// Lines of each style on a 10 x 8 border, read in the middle of each side.
TEST(ShadedBorder, LineShadesPerStyle) {
    const ShadeCase cases[] = {
        {pw::rgb(200, 200, 200), 0, pw::rgb(230, 230, 230), pw::rgb(140, 140, 140),
         pw::rgb(100, 100, 100), pw::rgb(210, 210, 210)},
        {pw::rgb(240, 100, 0), 0, pw::rgb(255, 115, 0), pw::rgb(168, 70, 0), pw::rgb(120, 50, 0),
         pw::rgb(252, 105, 0)},
        {pw::rgb(200, 200, 200), 1, pw::rgb(210, 210, 210), pw::rgb(180, 180, 180), kUnpainted,
         pw::rgb(200, 200, 200)},
        {pw::rgb(200, 200, 200), 2, pw::rgb(170, 170, 170), pw::rgb(200, 200, 200),
         pw::rgb(210, 210, 210), pw::rgb(180, 180, 180)},
        {pw::rgb(17, 17, 17), 3, pw::rgb(17, 17, 17), pw::rgb(15, 15, 15), pw::rgb(14, 14, 14),
         pw::rgb(17, 17, 17)},
    };
    Thin* border = Thin::create();
    for (const ShadeCase& c : cases) {
        Pixels p(10, 8);
        border->paint(p.canvas, 0, 0, 10, 8, c.style, 0, pw::red(c.base), pw::green(c.base),
                      pw::blue(c.base));
        SCOPED_TRACE(testing::Message() << "style " << c.style << " base " << std::hex << c.base);
        EXPECT_EQ(p.at(5, 0), c.top);
        EXPECT_EQ(p.at(9, 4), c.right);
        EXPECT_EQ(p.at(5, 7), c.bottom);
        EXPECT_EQ(p.at(0, 4), c.left);
        EXPECT_EQ(p.at(5, 4), kUnpainted);
    }
    // Unshaded: every line in the base colour.
    border->setShaded(false);
    Pixels p(10, 8);
    border->paint(p.canvas, 0, 0, 10, 8, 0, 0, 200, 200, 200);
    EXPECT_EQ(p.count(pw::rgb(200, 200, 200)), 2 * 10 + 2 * 6);
    border->release();
}

TEST(ShadedBorder, CornerKinds) {
    Thin* border = Thin::create();
    const pw::Colour top = Thin::shade(pw::rgb(200, 200, 200), Thin::kLight);
    const pw::Colour left = Thin::shade(pw::rgb(200, 200, 200), Thin::kLighter);
    const pw::Colour bottom = Thin::shade(pw::rgb(200, 200, 200), Thin::kDeep);
    struct Case {
        std::int32_t kind;
        const char* topRow;     // y = 0 in the top colour
        const char* leftCol;    // x = 0 in the left colour, top to bottom
        const char* secondRow;  // y = 1 in the top colour
    };
    const Case cases[] = {
        // Kind 0: top and bottom own the corners.
        {0, "########", ".####.", "........"},
        {1, ".######.", ".####.", "........"},
        // Kind 2: two pixels shorter, with a pixel inside each corner.
        {2, "..####..", "..##..", ".#....#."},
    };
    for (const Case& c : cases) {
        Pixels p(8, 6);
        border->paint(p.canvas, 0, 0, 8, 6, 0, c.kind, 200, 200, 200);
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(p.row(0, top), c.topRow);
        EXPECT_EQ(p.row(1, top), c.secondRow);
        std::string col;
        for (int y = 0; y < 6; ++y) col += p.at(0, y) == left ? '#' : '.';
        EXPECT_EQ(col, c.leftCol);
        if (c.kind == 0) {
            EXPECT_EQ(p.at(0, 5), bottom);
        }
    }
    border->release();
}

TEST(ShadedBorder, OpenBottomSidesRunToTheEdge) {
    Thin* border = Thin::create();
    Pixels p(6, 5);
    border->paint(p.canvas, 0, 0, 6, 5, 1, 0, 100, 100, 100);
    EXPECT_EQ(p.row(4, pw::rgb(100, 100, 100)), "#.....");
    EXPECT_EQ(p.at(5, 4), pw::rgb(90, 90, 90));
    border->release();
}

TEST(ShadedBorder, ShadeIsIntegerAndCapped) {
    EXPECT_EQ(Thin::shade(pw::rgb(200, 240, 1), Thin::kLight), pw::rgb(230, 255, 1));
    EXPECT_EQ(Thin::shade(pw::rgb(255, 255, 255), Thin::kDeepest), pw::rgb(114, 114, 114));
    EXPECT_EQ(Thin::shade(pw::rgb(199, 0, 10), Thin::kShadow), pw::rgb(139, 0, 7));
}

TEST(ShadedBorder, EmptyRectanglePaintsNothing) {
    Thin* border = Thin::create();
    Pixels p(4, 4);
    border->paint(p.canvas, 2, 2, 2, 4, 0, 0, 9, 9, 9);
    border->paint(p.canvas, 3, 3, 1, 1, 0, 0, 9, 9, 9);
    EXPECT_EQ(p.count(kUnpainted), 16);
    border->release();
}

TEST(PlainBorders, PlainFrameAndMenuLines) {
    auto* plain = s::gui::drawer::border::win::Plain::create();
    plain->setLineColour(pw::rgb(9, 8, 7));
    Pixels p(5, 4);
    plain->paint(p.canvas, 0, 0, 5, 4);
    EXPECT_EQ(p.row(0, pw::rgb(9, 8, 7)), "#####");
    EXPECT_EQ(p.row(1, pw::rgb(9, 8, 7)), "#...#");
    EXPECT_EQ(p.row(3, pw::rgb(9, 8, 7)), "#####");
    plain->release();

    auto* under = s::gui::drawer::border::win::UnderWindowMenu::create();
    Pixels q(5, 4);
    under->paint(q.canvas, 0, 0, 5, 4);
    EXPECT_EQ(q.row(0, pw::rgb(172, 168, 153)), "#####");
    EXPECT_EQ(q.row(1, pw::rgb(255, 255, 255)), "#####");
    EXPECT_EQ(q.row(2, kUnpainted), "#####");
    under->release();
}

}  // namespace
