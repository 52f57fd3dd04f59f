// Row, column, flow and pile arithmetic, size rules and spacers on detached trees.
#include <gtest/gtest.h>

#include <vector>

#include "gui/Leaf.h"
#include "gui/layout/Arrangements.h"
#include "gui/win/Box.h"
#include "gui/win/Spacer.h"

using s::gui::IComponent;
using s::gui::layout::Extents;
using s::gui::testing::Leaf;
using s::gui::win::Box;

namespace {

struct Geometry {
    std::int32_t x, y, w, h;
    friend bool operator==(const Geometry&, const Geometry&) = default;
};

std::ostream& operator<<(std::ostream& os, const Geometry& g) {
    return os << "(" << g.x << "," << g.y << " " << g.w << "x" << g.h << ")";
}

std::vector<Geometry> geometries(Box* box) {
    std::vector<Geometry> out;
    for (IComponent* c : box->getChildren()) {
        out.push_back({c->getX(), c->getY(), c->getWidth(), c->getHeight()});
    }
    return out;
}

// A detached box of the given kind holding leaves, laid out at width x height.
struct Tree {
    Box* box = Box::create();
    ~Tree() { box->removeAll(true), box->release(); }
    Tree& add(IComponent* c) {
        box->add(c);
        return *this;
    }
    void layoutAt(std::int32_t w, std::int32_t h) {
        box->setSize(w, h);
        box->layout();
    }
};

// Children of the row examples: minimum widths 10, 0, 20, larger widths 30, 0, 40, gap 5.
void addRowExample(Tree& t) {
    t.add(Leaf::make(10, 30)).add(Leaf::make(0, 0)).add(Leaf::make(20, 40));
    t.box->layoutRow();
    t.box->setHorizontalGap(5);
}

struct RowCase {
    const char* name;
    std::int32_t clientWidth;
    std::int32_t align;
    std::vector<Geometry> expected;
};

void PrintTo(const RowCase& c, std::ostream* os) {
    *os << c.name;
}

class RowLayout : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowLayout, SharesSpareAndAligns) {
    const RowCase& c = GetParam();
    Tree t;
    addRowExample(t);
    if (c.align == 1) t.box->alignCentre();
    if (c.align == 2) t.box->alignRight();
    t.layoutAt(c.clientWidth, 10);
    EXPECT_EQ(geometries(t.box), c.expected);
    // Minimum total 10 + 5 + 0 + 20 (no gap after the 0-wide child), maximum total 75.
    EXPECT_EQ(t.box->getContentMinWidth(), 35);
    EXPECT_EQ(t.box->getContentMaxWidth(), 75);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RowLayout,
    ::testing::Values(
        // Room for every larger width: spare 25, centred from 12.
        RowCase{"Wide", 100, 1, {{12, 0, 30, 0}, {47, 0, 0, 0}, {47, 0, 40, 0}}},
        RowCase{"WideRight", 100, 2, {{25, 0, 30, 0}, {60, 0, 0, 0}, {60, 0, 40, 0}}},
        // Spare 15 at ratio 15/40: 17 and 27, the truncated pixel goes to the first child.
        RowCase{"Shared", 50, 0, {{0, 0, 18, 0}, {23, 0, 0, 0}, {23, 0, 27, 0}}},
        // Sharing uses the whole spare: a centred row starts at 0 and ends at the edge.
        RowCase{"SharedCentred", 50, 1, {{0, 0, 18, 0}, {23, 0, 0, 0}, {23, 0, 27, 0}}},
        RowCase{"SharedRight", 50, 2, {{0, 0, 18, 0}, {23, 0, 0, 0}, {23, 0, 27, 0}}},
        // Narrower than the minimum: minimum widths, nothing to align.
        RowCase{"Narrow", 20, 1, {{0, 0, 10, 0}, {15, 0, 0, 0}, {15, 0, 20, 0}}}),
    [](const auto& info) { return info.param.name; });

TEST(RowLayout, GapRuleTakesOffTrailingGap) {
    Tree t;
    t.add(Leaf::make(10, 10)).add(Leaf::make(20, 20)).add(Leaf::make(0, 0));
    t.box->layoutRow();
    t.box->setHorizontalGap(5);
    t.layoutAt(0, 0);
    EXPECT_EQ(t.box->getContentMinWidth(), 35);  // 10 + 5 + 20, the gap before 0 taken off
}

TEST(RowLayout, VerticalAlignmentAndGrowth) {
    Tree t;
    t.add(Leaf::make(10, 10, 4, 6)).add(Leaf::make(10, 10, 8, 30));
    t.box->layoutRow();
    t.box->alignBottom();
    t.layoutAt(20, 20);
    // Each child grows towards the row height, up to its maximum height; the lower one sits
    // at the bottom.
    EXPECT_EQ(geometries(t.box), (std::vector<Geometry>{{0, 14, 10, 6}, {10, 0, 10, 20}}));
    EXPECT_EQ(t.box->getContentMinHeight(), 8);
    EXPECT_EQ(t.box->getContentMaxHeight(), 30);
}

TEST(ColumnLayout, TooLowPlacesFromTopWhateverTheAlignment) {
    Tree t;
    t.add(Leaf::make(5, 5, 10, 30)).add(Leaf::make(5, 5, 10, 30));
    t.box->alignBottom();
    t.layoutAt(5, 5);
    EXPECT_EQ(geometries(t.box), (std::vector<Geometry>{{0, 0, 5, 10}, {0, 10, 5, 10}}));
}

TEST(ColumnLayout, GrowsToMaximaThenAligns) {
    Tree t;
    t.add(Leaf::make(5, 20, 10, 30)).add(Leaf::make(5, 5, 10, 10));
    t.box->alignMiddle();
    t.box->alignCentre();
    t.box->setVerticalGap(2);
    t.layoutAt(30, 54);
    // Minimum total 22, maximum 42: every child at its maximum, spare 12 split around.
    EXPECT_EQ(geometries(t.box), (std::vector<Geometry>{{5, 6, 20, 30}, {12, 38, 5, 10}}));
    EXPECT_EQ(t.box->getContentMinHeight(), 22);
    EXPECT_EQ(t.box->getContentMaxHeight(), 42);
    EXPECT_EQ(t.box->getContentMaxWidth(), 20);
}

TEST(FlowLayout, BreaksLinesAndAlignsEachLine) {
    Tree t;
    for (int i = 0; i < 4; ++i) t.add(Leaf::make(40, 40, 10, 10));
    t.box->layoutFlow();
    t.box->alignRight();
    t.box->setHorizontalGap(10);
    t.box->setVerticalGap(5);
    t.layoutAt(100, 0);
    // 40 + 10 + 40 = 90 fits, the third would need 50 more: two per line, 10 left each.
    EXPECT_EQ(geometries(t.box),
              (std::vector<Geometry>{
                  {10, 0, 40, 10}, {60, 0, 40, 10}, {10, 15, 40, 10}, {60, 15, 40, 10}}));
    EXPECT_EQ(t.box->getContentMinHeight(), 25);
    EXPECT_EQ(t.box->getContentMaxWidth(), 40 * 4 + 3 * 10);
}

TEST(FlowLayout, GrowsIntoSpareHeight) {
    Tree t;
    t.add(Leaf::make(60, 60, 10, 20)).add(Leaf::make(60, 60, 10, 10));
    t.box->layoutFlow();
    t.box->alignBottom();
    t.layoutAt(100, 40);
    // Lines of one child each: minimum 20, maximum 30, spare 20 -> the first grows by 10 and
    // what is left (10) aligns the lines to the bottom.
    EXPECT_EQ(geometries(t.box), (std::vector<Geometry>{{0, 10, 60, 20}, {0, 30, 60, 10}}));
}

TEST(PileLayout, HiddenChildIsLeftAlone) {
    Tree t;
    Leaf* hidden = Leaf::make(100, 100, 100, 100);
    t.add(Leaf::make(10, 50, 10, 20)).add(hidden);
    hidden->setVisible(false, false);
    t.box->layoutPile();
    t.box->alignMiddle();
    t.layoutAt(30, 30);
    EXPECT_EQ(geometries(t.box), (std::vector<Geometry>{{0, 5, 30, 20}, {0, 0, 0, 0}}));
    EXPECT_EQ((Extents{t.box->getContentMinWidth(), t.box->getContentMinHeight(),
                       t.box->getContentMaxWidth(), t.box->getContentMaxHeight()}),
              (Extents{10, 10, 50, 20}));
}

TEST(NestedLayout, BoxesNotLaidOutBeforeAreMeasuredBeforeTheyArePlaced) {
    // A column of two groups, each a column of two rows of leaves, none of them laid out
    // before: one layout of the outer column gives every row its height.
    Tree t;
    std::vector<Box*> groups;
    for (int g = 0; g < 2; ++g) {
        Box* group = Box::create();
        group->layoutColumn();
        for (int r = 0; r < 2; ++r) {
            Box* row = Box::create();
            row->layoutRow();
            row->add(Leaf::make(20, 20, 10, 10));
            row->add(Leaf::make(30, 100, 12, 12));
            group->add(row);
        }
        groups.push_back(group);
        t.add(group);
    }
    t.layoutAt(200, 100);
    // A group is as wide as its widest row may grow (20 + 100).
    EXPECT_EQ(geometries(t.box), (std::vector<Geometry>{{0, 0, 120, 24}, {0, 24, 120, 24}}));
    for (Box* group : groups) {
        EXPECT_EQ(geometries(group), (std::vector<Geometry>{{0, 0, 120, 12}, {0, 12, 120, 12}}));
    }
    EXPECT_EQ(t.box->getContentMinHeight(), 48);
}

TEST(SizeRules, FixedPercentageAndBoxRounding) {
    Tree parent;
    parent.layoutAt(301, 100);
    Leaf* leaf = Leaf::make(50, 300);
    parent.add(leaf);
    leaf->setComponentFixedWidth(120);
    EXPECT_EQ(leaf->getMinWidth(), 120);
    EXPECT_EQ(leaf->getMaxWidth(), 120);
    leaf->setComponentPercentWidth(50);
    EXPECT_EQ(leaf->getMinWidth(), 50);
    EXPECT_EQ(leaf->getMaxWidth(), 150);

    // 50 % of 101: a box rounds half away from zero, a plain component truncates.
    parent.layoutAt(101, 100);
    Box* box = Box::create();
    parent.add(box);
    box->setPercentWidth(50, false);
    EXPECT_EQ(box->getMaxWidth(), 51);
    EXPECT_EQ(leaf->getMaxWidth(), 50);
    box->setMarginsHorizontal(3);
    EXPECT_EQ(box->getMaxClientWidth(), 45);  // round(50.5 - 6)
}

TEST(SizeRules, SetSizeWithinMinimumWinsWhenCrossed) {
    Tree parent;
    parent.layoutAt(60, 100);
    Leaf* leaf = Leaf::make(40, 0, 20, 100);
    parent.add(leaf);
    leaf->setComponentPercentWidth(50);  // maximum width 30, below the minimum 40
    leaf->setSizeWithin(10, 10);
    EXPECT_EQ(leaf->getWidth(), 40);
    EXPECT_EQ(leaf->getHeight(), 20);
    leaf->setSizeWithin(1000, 1000);
    EXPECT_EQ(leaf->getWidth(), 40);
    EXPECT_EQ(leaf->getHeight(), 100);
}

TEST(SizeRules, BoxMinimumWidth) {
    Tree t;
    addRowExample(t);
    t.box->setMarginLeft(3);
    t.box->setMarginRight(4);
    t.layoutAt(0, 0);
    EXPECT_EQ(t.box->getMinWidth(), 42);  // margins + content minimum 35
    EXPECT_EQ(t.box->getMinClientWidth(), 35);
    t.box->setMinWidth(50);
    EXPECT_EQ(t.box->getMinWidth(), 50);
    t.box->setMinWidth(10);
    EXPECT_EQ(t.box->getMinWidth(), 42);
    t.box->setFixedWidth(20, false);
    EXPECT_EQ(t.box->getMinWidth(), 20);
    t.box->setNoMinWidth(true);
    EXPECT_EQ(t.box->getMinWidth(), 0);
}

TEST(SizeRules, MarginsBecomeChildOrigin) {
    Tree t;
    Leaf* leaf = Leaf::make(10, 10, 10, 10);
    t.add(leaf);
    t.box->setMarginLeft(7);
    t.box->setMarginTop(2);
    EXPECT_EQ(leaf->getOriginX(), 7);
    EXPECT_EQ(leaf->getOriginY(), 2);
    t.layoutAt(40, 40);
    EXPECT_EQ(t.box->getClientWidth(), 33);
}

TEST(Spacers, AcrossTheBoxAxisAnswerZero) {
    using s::gui::win::newSpacer;
    Tree row, column;
    row.box->layoutRow();
    auto* vertical = newSpacer(1, 7);
    row.add(vertical);
    EXPECT_EQ(vertical->getMinWidth(), 0);
    EXPECT_EQ(vertical->getMaxWidth(), 0);
    EXPECT_EQ(vertical->getMinHeight(), 7);

    auto* inColumn = newSpacer(1, 7);
    column.add(inColumn);
    EXPECT_EQ(inColumn->getMinWidth(), 1);
    EXPECT_EQ(inColumn->getMaxWidth(), 1);
    EXPECT_EQ(inColumn->getMaxHeight(), 7);
    auto* horizontal = newSpacer(0, 7);
    column.add(horizontal);
    EXPECT_EQ(horizontal->getMinHeight(), 0);
    EXPECT_EQ(horizontal->getMaxHeight(), 0);
    EXPECT_EQ(horizontal->getMaxWidth(), 7);

    // A stretch spacer takes its share of the row.
    row.add(s::gui::win::newStretchSpacer(50));
    row.add(Leaf::make(10, 10));
    row.layoutAt(100, 5);
    EXPECT_EQ(row.box->getChild(2)->getX(), 50);
}

}  // namespace
