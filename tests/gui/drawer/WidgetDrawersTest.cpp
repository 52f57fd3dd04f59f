// Check box, group box and grip pixels.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "gui/drawer/Contrast.h"
#include "gui/drawer/Pixels.h"
#include "gui/drawer/button/win/Thin.h"
#include "gui/drawer/checkbox/win/Thin.h"
#include "gui/drawer/groupbox/win/Basic.h"
#include "gui/drawer/groupbox/win/Thin.h"
#include "gui/drawer/listbox/win/Basic.h"
#include "gui/drawer/listbox/win/Thin.h"
#include "gui/drawer/radiobutton/win/Thin.h"
#include "gui/drawer/text/win/Basic.h"
#include "gui/win/Font.h"

namespace pw = platform::window;
using s::gui::testing::kUnpainted;
using s::gui::testing::Pixels;

namespace {

// The pieces one after another (a row of pixels as characters). Built by appending: a literal
// put before a temporary string draws GCC 12's false -Wrestrict warning in the Release build.
std::string joined(std::initializer_list<std::string_view> pieces) {
    std::string out;
    for (std::string_view p : pieces) out.append(p);
    return out;
}

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
    std::string top = joined({"..#####", std::string(34, '.'), std::string(17, '#'), ".."});
    EXPECT_EQ(p.row(0, kLine), top);
    EXPECT_EQ(p.row(1, kLine),
              joined({".######", std::string(34, '.'), std::string(18, '#'), "."}));
    EXPECT_EQ(p.row(2, kLine), joined({"###", std::string(54, '.'), "###"}));
    EXPECT_EQ(p.row(3, kLine), joined({"##.#", std::string(52, '.'), "#.##"}));
    EXPECT_EQ(p.row(10, kLine), joined({"##", std::string(56, '.'), "##"}));
    EXPECT_EQ(p.row(16, kLine), joined({"##.#", std::string(52, '.'), "#.##"}));
    EXPECT_EQ(p.row(17, kLine), joined({"###", std::string(54, '.'), "###"}));
    EXPECT_EQ(p.row(18, kLine), joined({".", std::string(58, '#'), "."}));
    EXPECT_EQ(p.row(19, kLine), joined({"..", std::string(56, '#'), ".."}));
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

// The plain group box: one pixel wide, square corners, the same title gap as the skins' frame.
TEST(GroupBoxDrawer, BasicFrameIsOnePixelWithTheSameGap) {
    auto* drawer = s::gui::drawer::groupbox::win::Basic::create();
    drawer->setLineColour(kLine);
    Pixels p(60, 20);
    drawer->paint(p.canvas, 0, 0, 60, 20, u"", nullptr, 30, 12);
    EXPECT_EQ(p.row(0, kLine), joined({"#######", std::string(34, '.'), std::string(19, '#')}));
    EXPECT_EQ(p.row(1, kLine), joined({"#", std::string(58, '.'), "#"}));
    EXPECT_EQ(p.row(19, kLine), std::string(60, '#'));
    EXPECT_EQ(p.count(kLine), 26 + 60 + 2 * 18);
    drawer->release();
}

// Both mark drawers share the text beside the mark; the marks themselves differ.
TEST(MarkDrawers, CheckBoxAndRadioButtonShareTheTextButNotTheMark) {
    auto* check = s::gui::drawer::checkbox::win::Thin::create();
    auto* radio = s::gui::drawer::radiobutton::win::Thin::create();
    Pixels c(80, 20), r(80, 20);
    for (Pixels* p : {&c, &r}) p->canvas.fillRect(0, 0, 80, 20, kWhite);
    check->paint(c.canvas, 0, 0, 80, 20, 13, true, u"Wide", nullptr);
    radio->paint(r.canvas, 0, 0, 80, 20, 13, true, u"Wide", nullptr);
    bool sameText = true, sameMark = true;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 80; ++x) (x < 15 ? sameMark : sameText) &= c.at(x, y) == r.at(x, y);
    }
    EXPECT_TRUE(sameText);
    EXPECT_FALSE(sameMark);
    check->release();
    radio->release();
}

// Text whose colour would vanish into the ground it lands on is drawn in black or white
// instead; readable colours are kept, and a dimmed text lies between the readable colour and
// the ground.
TEST(TextDrawer, ColourGivesWayOnlyWhereItWouldNotBeRead) {
    namespace sd = s::gui::drawer;
    auto* drawer = sd::text::win::Basic::create();
    s::gui::win::Font* font = s::gui::win::newFont();
    font->setSmooth(false);
    font->setCellHeight(-16);
    enum Expect { kKept, kReadable, kFainter };
    struct Case {
        pw::Colour ground, wanted;
        Expect expect;
        bool dimmed;
    } cases[] = {
        {kWhite, pw::rgb(255, 255, 255), kReadable, false},                  // white on white
        {pw::rgb(145, 155, 156), kWhite, kReadable, false},                  // white on grey
        {pw::rgb(240, 240, 240), pw::rgb(221, 221, 221), kReadable, false},  // light on light
        {pw::rgb(51, 51, 51), kBlack, kReadable, false},                     // black on dark
        {pw::rgb(51, 51, 51), pw::rgb(221, 221, 221), kKept, false},
        {kWhite, pw::rgb(119, 119, 119), kKept, false},  // a grey hint
        {kWhite, kBlack, kFainter, true},                // dimmed black
    };
    for (const Case& k : cases) {
        Pixels p(60, 24);
        p.canvas.fillRect(0, 0, 60, 24, k.ground);
        sd::text::TextFormat format;
        format.dimmed = k.dimmed;
        drawer->paint(p.canvas, 0, 0, 60, 24, u"MMM", font, format, k.wanted);
        // Unsmoothed text: one colour on the ground.
        pw::Colour drawn = k.ground;
        for (std::int32_t y = 0; y < 24; ++y)
            for (std::int32_t x = 0; x < 60; ++x)
                if (p.at(x, y) != k.ground) drawn = p.at(x, y);
        ASSERT_GT(p.count(drawn), 10) << std::hex << k.ground << " " << k.wanted;
        EXPECT_EQ(p.count(drawn) + p.count(k.ground), 60 * 24) << std::hex << k.ground;
        const double ratio = sd::Contrast::ratio(drawn, k.ground);
        if (k.expect == kKept) {
            EXPECT_EQ(drawn, k.wanted) << std::hex << k.ground;
        }
        if (k.expect == kReadable) {
            EXPECT_GE(ratio, sd::Contrast::kAdjusted) << std::hex << drawn;
        }
        if (k.expect == kFainter) {
            EXPECT_LT(ratio, sd::Contrast::ratio(k.wanted, k.ground)) << std::hex << drawn;
            EXPECT_GT(ratio, 1.5) << std::hex << drawn;
        }
    }
    font->release();
    drawer->release();
}

// The plain list box keeps every unselected row on the background: no stripes.
TEST(ListBoxDrawer, BasicRowsAreNotStriped) {
    constexpr pw::Colour kStripe = pw::rgb(238, 238, 238);
    auto* thin = s::gui::drawer::listbox::win::Thin::create();
    auto* basic = s::gui::drawer::listbox::win::Basic::create();
    for (s::gui::drawer::listbox::IThin* d : {static_cast<s::gui::drawer::listbox::IThin*>(thin),
                                              static_cast<s::gui::drawer::listbox::IThin*>(basic)})
        d->setColours(kWhite, kBlack, kLine, kWhite, kStripe);
    Pixels striped(20, 10), plain(20, 10);
    thin->paintRow(striped.canvas, 0, 0, 20, 10, u"", nullptr, 1, false);
    basic->paintRow(plain.canvas, 0, 0, 20, 10, u"", nullptr, 1, false);
    EXPECT_EQ(striped.count(kStripe), 200);
    EXPECT_EQ(plain.count(kWhite), 200);
    basic->paintRow(plain.canvas, 0, 0, 20, 10, u"", nullptr, 2, true);
    EXPECT_EQ(plain.count(kLine), 200);
    thin->release();
    basic->release();
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
