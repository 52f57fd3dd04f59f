// The window frame: background, sides, small and round corners, and the window's shape.
#include <gtest/gtest.h>

#include "gui/drawer/Pixels.h"
#include "gui/drawer/window/win/Thin.h"

namespace pw = platform::window;
using s::gui::drawer::window::Region;
using s::gui::drawer::window::win::Thin;
using s::gui::testing::Pixels;

namespace {

constexpr pw::Colour kFrame = pw::rgb(10, 20, 30);
constexpr pw::Colour kBack = pw::rgb(200, 210, 220);

struct Frame : ::testing::Test {
    Thin* drawer = Thin::create();
    void SetUp() override {
        drawer->setFrameColour(kFrame);
        drawer->setBackgroundColour(kBack);
    }
    void TearDown() override { drawer->release(); }
};

// Which points of a w x h rectangle a region covers, one string per row.
std::vector<std::string> cover(const Region& region, int w, int h) {
    std::vector<std::string> rows(h, std::string(w, '.'));
    for (const pw::Rect& r : region)
        for (int y = r.y; y < r.bottom(); ++y)
            for (int x = r.x; x < r.right(); ++x) rows[y][x] = '#';
    return rows;
}

TEST_F(Frame, SquareCorners) {
    Pixels p(8, 6);
    drawer->paint(p.canvas, 0, 0, 8, 6);
    EXPECT_EQ(p.row(0, kFrame), "########");
    for (int y = 1; y < 5; ++y) EXPECT_EQ(p.row(y, kFrame), "#......#");
    EXPECT_EQ(p.row(5, kFrame), "########");
    EXPECT_EQ(p.row(3, kBack), ".######.");
    EXPECT_EQ(drawer->region(0, 0, 8, 6), (Region{{0, 0, 8, 6}}));

    drawer->setTransparent(true);
    Pixels q(8, 6);
    drawer->paint(q.canvas, 0, 0, 8, 6);
    EXPECT_EQ(q.at(3, 3), s::gui::testing::kUnpainted);
}

TEST_F(Frame, RoundTopCornerStairs) {
    drawer->setCornerStyles(2, 0);
    Pixels p(14, 10);
    drawer->paint(p.canvas, 0, 0, 14, 10);
    const char* rows[] = {"##############", "#####....#####", "###........###", "##..........##",
                          "##..........##", "#............#", "#............#"};
    for (int y = 0; y < 7; ++y) EXPECT_EQ(p.row(y, kFrame), rows[y]) << y;
    // The bottom stays square.
    EXPECT_EQ(p.row(8, kFrame), "#............#");
    EXPECT_EQ(p.row(9, kFrame), "##############");

    // The shape cuts each top row so that one stair pixel shows; the bottom is square.
    auto shape = cover(drawer->region(0, 0, 14, 10), 14, 10);
    const char* cut[] = {".....####.....", "...########...", "..##########..",
                         ".############.", ".############.", "##############"};
    for (int y = 0; y < 6; ++y) EXPECT_EQ(shape[y], cut[y]) << y;
    EXPECT_EQ(shape[9], "##############");
}

TEST_F(Frame, RoundAndSmallBottomCorners) {
    drawer->setCornerStyles(0, 2);
    Pixels p(12, 9);
    drawer->paint(p.canvas, 0, 0, 12, 9);
    // Rows of 1, 2, 2, 3, 5 at h - 6 to h - 2.
    EXPECT_EQ(p.row(3, kFrame), "#..........#");
    EXPECT_EQ(p.row(4, kFrame), "##........##");
    EXPECT_EQ(p.row(5, kFrame), "##........##");
    EXPECT_EQ(p.row(6, kFrame), "###......###");
    EXPECT_EQ(p.row(7, kFrame), "#####..#####");
    EXPECT_EQ(p.row(0, kFrame), "############");

    drawer->setCornerStyles(1, 1);
    Pixels q(8, 6);
    drawer->paint(q.canvas, 0, 0, 8, 6);
    EXPECT_EQ(q.row(1, kFrame), "##....##");
    EXPECT_EQ(q.row(4, kFrame), "##....##");
    auto shape = cover(drawer->region(0, 0, 8, 6), 8, 6);
    EXPECT_EQ(shape[0], "..####..");
    EXPECT_EQ(shape[1], ".######.");
    EXPECT_EQ(shape[2], "########");
    EXPECT_EQ(shape[4], ".######.");
    EXPECT_EQ(shape[5], "..####..");
}

}  // namespace
