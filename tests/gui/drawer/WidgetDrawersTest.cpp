// Check box, group box and grip pixels.
#include <gtest/gtest.h>

#include "gui/drawer/Pixels.h"
#include "gui/drawer/button/win/Thin.h"
#include "gui/drawer/checkbox/win/Thin.h"
#include "gui/drawer/groupbox/win/Thin.h"

namespace pw = platform::window;
using s::gui::testing::kUnpainted;
using s::gui::testing::Pixels;

namespace {

constexpr pw::Colour kLine = pw::rgb(10, 20, 30);
constexpr pw::Colour kWhite = pw::rgb(255, 255, 255);
constexpr pw::Colour kBlack = pw::rgb(0, 0, 0);

TEST(CheckBoxDrawer, BoxAtSide13) {
    auto* drawer = s::gui::drawer::checkbox::win::Thin::create();
    drawer->setColours(kLine, kBlack, pw::rgb(99, 99, 99));
    Pixels p(13, 13);
    drawer->paint(p.canvas, 0, 0, 13, 13, 13, false, u"", nullptr);
    EXPECT_EQ(p.row(0, kLine), "#############");
    EXPECT_EQ(p.row(1, kLine), "#############");
    EXPECT_EQ(p.row(2, kLine), "##.........##");
    EXPECT_EQ(p.row(2, kWhite), "..#########..");
    EXPECT_EQ(p.row(11, kLine), "#############");
    EXPECT_EQ(p.count(kWhite), 81);

    Pixels q(13, 13);
    drawer->paint(q.canvas, 0, 0, 13, 13, 13, true, u"", nullptr);
    // The check mark stays inside (2, 2)-(11, 11) and takes part of the white.
    EXPECT_GT(q.count(kBlack), 9);
    EXPECT_EQ(q.count(kBlack) + q.count(kWhite), 81);
    drawer->release();
}

TEST(CheckBoxDrawer, BoxCentredInTallerRectangleTextBeside) {
    auto* drawer = s::gui::drawer::checkbox::win::Thin::create();
    drawer->setColours(kLine, kBlack, pw::rgb(99, 99, 99));
    Pixels p(80, 20);
    drawer->paint(p.canvas, 0, 0, 80, 20, 13, false, u"Wide text", nullptr);
    // (20 - 13) / 2 = 3: the box runs from y 3 to 15.
    EXPECT_EQ(p.at(0, 2), kUnpainted);
    EXPECT_EQ(p.at(0, 3), kLine);
    EXPECT_EQ(p.at(0, 15), kLine);
    EXPECT_EQ(p.at(0, 16), kUnpainted);
    // Text starts at 13 + 13 / 6 = 15.
    bool textLeft = false, textRight = false;
    for (int y = 0; y < 20; ++y) {
        for (int x = 13; x < 15; ++x) textLeft |= p.at(x, y) != kUnpainted;
        for (int x = 15; x < 80; ++x) textRight |= p.at(x, y) != kUnpainted;
    }
    EXPECT_FALSE(textLeft);
    EXPECT_TRUE(textRight);
    drawer->release();
}

TEST(GroupBoxDrawer, FrameWithGapForA30PixelTitle) {
    auto* drawer = s::gui::drawer::groupbox::win::Thin::create();
    drawer->setLineColour(kLine);
    Pixels p(60, 20);
    drawer->paint(p.canvas, 0, 0, 60, 20, u"", nullptr, 30, 12);
    // Top line: x 2..6, gap 7..40, then 41..57.
    std::string top = "..#####" + std::string(34, '.') + std::string(17, '#') + "..";
    EXPECT_EQ(p.row(0, kLine), top);
    EXPECT_EQ(p.row(1, kLine), ".######" + std::string(34, '.') + std::string(18, '#') + ".");
    EXPECT_EQ(p.row(2, kLine), "###" + std::string(54, '.') + "###");
    EXPECT_EQ(p.row(3, kLine), "##.#" + std::string(52, '.') + "#.##");
    EXPECT_EQ(p.row(10, kLine), "##" + std::string(56, '.') + "##");
    EXPECT_EQ(p.row(16, kLine), "##.#" + std::string(52, '.') + "#.##");
    EXPECT_EQ(p.row(17, kLine), "###" + std::string(54, '.') + "###");
    EXPECT_EQ(p.row(18, kLine), "." + std::string(58, '#') + ".");
    EXPECT_EQ(p.row(19, kLine), ".." + std::string(56, '#') + "..");
    drawer->release();
}

TEST(GroupBoxDrawer, TitleDrawnInItsGap) {
    auto* drawer = s::gui::drawer::groupbox::win::Thin::create();
    drawer->setLineColour(kLine);
    drawer->setTitleColours(kBlack, kWhite);
    std::int32_t tw = 0, th = 0;
    drawer->measureTitle(u"A&B", nullptr, &tw, &th);
    ASSERT_GT(tw, 0);
    Pixels p(tw + 40, th + 10);
    drawer->paint(p.canvas, 0, 0, tw + 40, th + 10, u"A&B", nullptr, tw, th);
    int inked = 0;
    for (int y = 0; y < th; ++y)
        for (int x = 0; x < tw + 40; ++x) {
            bool title = p.at(x, y) != kUnpainted && p.at(x, y) != kLine;
            inked += title;
            if (title) {
                EXPECT_TRUE(x >= 9 && x < 9 + tw) << x << "," << y;
            }
        }
    EXPECT_GT(inked, 0);
    drawer->release();
}

TEST(Grip, SquaresAt20x20) {
    constexpr pw::Colour kGrip = pw::rgb(184, 181, 161);
    auto* button = s::gui::drawer::button::win::Thin::create();
    Pixels p(20, 20);
    EXPECT_TRUE(button->drawGlyph(p.canvas, 0, 0, 20, 20, u"#Resizer", 1, 1, 1));
    // Rows of squares at y 8, 12 and 16; each white square is one pixel right and down,
    // under its coloured one.
    EXPECT_EQ(p.row(8, kGrip), "................##..");
    EXPECT_EQ(p.row(9, kGrip), "................##..");
    EXPECT_EQ(p.row(9, kWhite), "..................#.");
    EXPECT_EQ(p.row(10, kWhite), ".................##.");
    EXPECT_EQ(p.row(12, kGrip), "............##..##..");
    EXPECT_EQ(p.row(16, kGrip), "........##..##..##..");
    EXPECT_EQ(p.row(17, kWhite), "..........#...#...#.");
    EXPECT_EQ(p.row(18, kWhite), ".........##..##..##.");
    EXPECT_EQ(p.count(kGrip), 24);
    EXPECT_EQ(p.count(kWhite), 18);
    EXPECT_FALSE(button->drawGlyph(p.canvas, 0, 0, 20, 20, u"Resizer", 1, 1, 1));
    button->release();
}

}  // namespace
