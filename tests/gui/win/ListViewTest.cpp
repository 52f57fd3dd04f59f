// The list view: row order with groups and sorting, selection and copied text, rows arriving
// from a worker in batches, scrolling, heading clicks and drags, and painting in every theme.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "gui/HeadlessWindow.h"
#include "gui/drawer/Skinner.h"
#include "gui/win/Button.h"
#include "gui/win/ListView.h"
#include "platform/window/Input.h"

namespace pw = platform::window;

namespace s::gui::win {
namespace {

ListRow listRow(std::u16string name, std::u16string result, std::int32_t group = 0) {
    ListRow r;
    r.cells = {{std::move(name)}, {std::move(result)}};
    r.group = group;
    return r;
}

std::vector<std::u16string> shownNames(const ListRows& rows) {
    std::vector<std::u16string> out;
    for (std::size_t i = 0; i < rows.size(); ++i) out.push_back(rows.cellText(i, 0));
    return out;
}

TEST(ListRowsTest, GroupsComeFirstAndSortingIsStable) {
    ListRows rows;
    rows.append({listRow(u"b", u"OK"), listRow(u"a", u"FAILED", -1), listRow(u"c", u"OK")});
    rows.append({listRow(u"a", u"OK"), listRow(u"d", u"MISSING", -1)});
    EXPECT_EQ(shownNames(rows), (std::vector<std::u16string>{u"a", u"d", u"b", u"c", u"a"}));
    rows.sortBy(0, true);
    EXPECT_EQ(shownNames(rows), (std::vector<std::u16string>{u"a", u"d", u"a", u"b", u"c"}));
    rows.sortBy(0, false);
    EXPECT_EQ(shownNames(rows), (std::vector<std::u16string>{u"d", u"a", u"c", u"b", u"a"}));
    // Equal texts keep arrival order whichever way the rest is sorted.
    rows.sortBy(1, false);
    EXPECT_EQ(shownNames(rows), (std::vector<std::u16string>{u"d", u"a", u"b", u"c", u"a"}));
    rows.sortBy(-1, true);
    EXPECT_EQ(shownNames(rows), (std::vector<std::u16string>{u"a", u"d", u"b", u"c", u"a"}));
}

// Batches merged into a sorted list give the order one sort of all the rows gives: groups
// first, equal texts in arrival order, whichever column and direction.
TEST(ListRowsTest, BatchesArrivingWhileSortedLandWhereOneSortPutsThem) {
    const std::vector<std::vector<ListRow>> batches = {
        {listRow(u"m", u"OK"), listRow(u"c", u"OK"), listRow(u"m", u"FAILED", -1)},
        {listRow(u"a", u"OK"), listRow(u"m", u"OK"), listRow(u"c", u"MISSING", -1)},
        {listRow(u"z", u"OK", 1), listRow(u"c", u"OK"), listRow(u"b", u"OK")}};
    const std::pair<std::int32_t, bool> sorts[] = {{-1, true}, {0, true}, {0, false}, {1, true}};
    for (const auto& [column, ascending] : sorts) {
        SCOPED_TRACE(column * 2 + ascending);
        ListRows merged, whole;
        merged.sortBy(column, ascending);
        std::vector<ListRow> all;
        for (std::vector<ListRow> batch : batches) {
            all.insert(all.end(), batch.begin(), batch.end());
            merged.append(std::move(batch));
        }
        whole.append(std::vector<ListRow>(all));
        whole.sortBy(column, ascending);
        EXPECT_EQ(merged.text(false), whole.text(false));
        // Each row (by arrival) is found at its place.
        for (std::size_t row = 0; row < all.size(); ++row) {
            const ListRow* shown = merged.shownRow(merged.placeOf(row));
            ASSERT_NE(shown, nullptr);
            EXPECT_EQ(shown->cells[0].text + shown->cells[1].text,
                      all[row].cells[0].text + all[row].cells[1].text);
        }
    }
}

TEST(ListRowsTest, SelectionFollowsItsRowsAndGivesTheirText) {
    ListRows rows;
    rows.append({listRow(u"b", u"OK"), listRow(u"a", u"OK"), listRow(u"c", u"OK")});
    rows.selectOnly(1);  // "a"
    rows.sortBy(0, true);
    EXPECT_TRUE(rows.isSelected(0));
    EXPECT_EQ(rows.selectedCount(), 1u);
    EXPECT_EQ(rows.text(true), u"a\tOK\n");
    rows.append({listRow(u"0", u"FAILED", -1)});
    EXPECT_EQ(rows.firstSelected(), 1);
    rows.selectRange(3, 2);
    EXPECT_EQ(rows.text(true), u"b\tOK\nc\tOK\n");
    EXPECT_EQ(rows.text(false), u"0\tFAILED\na\tOK\nb\tOK\nc\tOK\n");
    rows.toggle(2);
    EXPECT_EQ(rows.text(true), u"c\tOK\n");
    EXPECT_EQ(rows.cellText(0, 7), u"");
    EXPECT_EQ(rows.shownRow(9), nullptr);
}

class ListViewTest : public gui::testing::HeadlessWindow {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        window->setBounds(0, 0, 300, 200);
        view = newListView({u"Name", u"Result"}, {120, 80});
        view->setComponentPercentWidth(100);
        view->setComponentPercentHeight(100);
        window->add(view);
        window->setVisible(true, false);
    }
    void TearDown() override {
        window->removeAll(true);
        HeadlessWindow::TearDown();
    }
    void fill(std::size_t count) {
        std::vector<ListRow> rows;
        for (std::size_t i = 0; i < count; ++i) {
            std::u16string n = u"file";
            for (char c : std::to_string(1000 + i)) n += static_cast<char16_t>(c);
            rows.push_back(listRow(n, u"OK"));
        }
        view->addRows(std::move(rows));
        ASSERT_TRUE(ownerSees([&] { return view->getRowCount() == count; }));
    }
    std::size_t topRow() {
        return onOwner([&] { return view->getTopRow(); });
    }
    pw::Point rowPoint(std::size_t shown) {
        std::int32_t h = onOwner([&] { return view->getRowHeight(); });
        return {20, 1 + h + 4 + static_cast<std::int32_t>(shown) * h + h / 2};
    }
    void click(pw::Point p) {
        pw::input::mouseMove(top(), p);
        pw::input::mouseButton(top(), p, pw::MouseButton::kLeft, true);
        pw::input::mouseButton(top(), p, pw::MouseButton::kLeft, false);
    }

    ListView* view = nullptr;
};

TEST_F(ListViewTest, RowsFromAWorkerArriveInBatchesInOrder) {
    std::thread worker([&] {
        for (int batch = 0; batch < 20; ++batch) {
            std::vector<ListRow> rows;
            for (int i = 0; i < 50; ++i) {
                std::u16string n;
                for (char c : std::to_string(batch * 50 + i)) n += static_cast<char16_t>(c);
                rows.push_back(listRow(n, u"OK"));
            }
            view->addRows(std::move(rows));
        }
    });
    worker.join();
    ASSERT_TRUE(ownerSees([&] { return view->getRowCount() == 1000; }));
    EXPECT_EQ(onOwner([&] { return view->rows().cellText(999, 0); }), u"999");
    view->clearRows();
    EXPECT_EQ(onOwner([&] { return view->getRowCount(); }), 0u);
}

TEST_F(ListViewTest, WheelKeysAndBarScroll) {
    fill(100);
    pw::input::mouseWheel(top(), rowPoint(1), -120);
    EXPECT_TRUE(ownerSees([&] { return view->getTopRow() == 3; }));
    pw::input::mouseWheel(top(), rowPoint(1), 240);
    EXPECT_TRUE(ownerSees([&] { return view->getTopRow() == 0; }));

    click(rowPoint(2));
    EXPECT_TRUE(ownerSees([&] { return view->rows().firstSelected() == 2; }));
    pw::input::key(top(), pw::vk::kEnd, true);
    pw::input::key(top(), pw::vk::kEnd, false);
    EXPECT_TRUE(ownerSees([&] { return view->rows().firstSelected() == 99; }));
    std::size_t last = topRow();
    EXPECT_GT(last, 80u);
    EXPECT_EQ(onOwner([&] { return view->copyText(false); }), u"file1099\tOK\n");

    // The vertical bar's up arrow at its top, below the header.
    std::int32_t h = onOwner([&] { return view->getHeaderHeight(); });
    click({300 - 8, 1 + h + 5});
    EXPECT_TRUE(ownerSees([&] { return view->getTopRow() == last - 1; }));
    // Dragging the thumb to the top of its track goes to the first row.
    pw::input::key(top(), pw::vk::kHome, true);
    pw::input::key(top(), pw::vk::kHome, false);
    EXPECT_TRUE(ownerSees([&] { return view->getTopRow() == 0; }));
}

TEST_F(ListViewTest, HeadingClickSortsAndEdgeDragResizes) {
    fill(3);
    pw::Point heading{30, 8};
    click(heading);
    EXPECT_TRUE(ownerSees([&] { return view->rows().sortColumn() == 0; }));
    EXPECT_TRUE(onOwner([&] { return view->rows().sortAscending(); }));
    click(heading);
    EXPECT_TRUE(ownerSees([&] { return !view->rows().sortAscending(); }));
    EXPECT_EQ(onOwner([&] { return view->rows().cellText(0, 0); }), u"file1002");

    // The first heading's right edge (x = 1 + 120) dragged 40 pixels to the right.
    pw::Point edge{121, 8}, to{161, 8};
    pw::input::mouseMove(top(), edge);
    pw::input::mouseButton(top(), edge, pw::MouseButton::kLeft, true);
    pw::input::mouseMove(top(), to);
    pw::input::mouseButton(top(), to, pw::MouseButton::kLeft, false);
    EXPECT_TRUE(ownerSees([&] { return view->getColumnWidth(0) == 160; }));
    EXPECT_FALSE(onOwner([&] { return view->rows().sortAscending(); })) << "no sort on a drag";
}

TEST_F(ListViewTest, TabReachesTheListWhoseKeysThenMoveTheSelection) {
    fill(5);
    Button* after = newButton(u"After", 60, 20);
    window->add(after);
    onOwner([&] {
        after->giveFocus();
        return true;
    });
    pw::input::key(top(), pw::vk::kTab, true);
    pw::input::key(top(), pw::vk::kTab, false);
    EXPECT_TRUE(ownerSees([&] { return window->getFocusedComponent() == view; }));
    pw::input::key(top(), pw::vk::kEnd, true);
    pw::input::key(top(), pw::vk::kEnd, false);
    EXPECT_TRUE(ownerSees([&] { return view->rows().firstSelected() == 4; }));
}

TEST_F(ListViewTest, PaintsWithTheSkinsListDrawersInEveryTheme) {
    drawer::Skinner* skinner = drawer::newSkinner();
    window->setSkinner(skinner);
    fill(4);
    view->selectRow(2);
    const std::int32_t h = onOwner([&] { return view->getRowHeight(); });
    const std::int32_t head = h + 4;
    for (std::int32_t i = 0; i < skinner->getSkinCount(); ++i) {
        std::u16string name = skinner->getSkinName(i);
        SCOPED_TRACE(std::string(name.begin(), name.end()));
        skinner->selectSkin(name);
        drawer::ISkin* skin = skinner->getCurrentSkin();
        auto* box = skin->getListBoxDrawer();
        auto* header = skin->getListHeaderDrawer();
        // Header ground, then the plain, striped and selected rows, away from any text.
        EXPECT_EQ(pixel(250, 3) & 0xFFFFFF, header->getSecondColour());
        EXPECT_EQ(pixel(250, 1 + head) & 0xFFFFFF, box->getColour(1));
        EXPECT_EQ(pixel(250, 1 + head + h) & 0xFFFFFF, box->getColour(5));
        // The selected row has the focus ring along its edges (the list took the focus when
        // the window opened): its ground in the middle.
        EXPECT_EQ(pixel(250, 1 + head + 2 * h + h / 2) & 0xFFFFFF, box->getColour(3));
        EXPECT_NE(pixel(250, 1 + head + 2 * h) & 0xFFFFFF, box->getColour(3)) << "focus ring";
        EXPECT_EQ(pixel(0, 100) & 0xFFFFFF, box->getColour(3)) << "frame";
    }
    window->setSkinner(nullptr);
    skinner->release();
}

}  // namespace
}  // namespace s::gui::win
