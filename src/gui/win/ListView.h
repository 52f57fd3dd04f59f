// A list view: column headings whose widths the user drags, rows that scroll (wheel, scroll
// bars, keys), selected rows, sorting by a column and copying rows as text. It paints with
// the skin's list-box, list-header and scroll-bar drawers.
//
// Rows arrive in batches from any thread: addRows queues them and posts one message to the
// window's thread, so a worker never waits for the window per row (nor per batch). The window's
// thread takes them at most every kTakeInterval: a fast worker costs it a few sorts and paints a
// second, not one per batch.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "gui/drawer/listbox/IThin.h"
#include "gui/drawer/listheader/IThin.h"
#include "gui/drawer/scrollbar/IThin.h"
#include "gui/events/IEventListener.h"
#include "gui/win/Component.h"
#include "gui/win/ListRows.h"
#include "thread/Pooled.h"

namespace s::gui::win {

namespace listevent {
constexpr std::int32_t kSelection = 1;  // the user changed the selection
constexpr std::int32_t kSorted = 2;     // the user sorted by a heading
}  // namespace listevent

class ListView : public Component, public thread::Pooled<ListView> {
public:
    static constexpr std::int32_t kMinColumnWidth = 16;
    // Pixels either side of a heading's right edge that grab it for resizing.
    static constexpr std::int32_t kGrip = 3;
    // Milliseconds between two takings of rows queued by other threads.
    static constexpr std::uint32_t kTakeInterval = 100;

    ListView() { resetList(); }
    ~ListView() override;
    const char16_t* typeName() const override { return u"s_gui_win_ListView"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<ListView>::release(); }
    void recycle() override { resetList(); }

    void setColumns(const std::vector<std::u16string>& titles,
                    const std::vector<std::int32_t>& widths);
    void setColumnTitle(std::size_t column, const std::u16string& title);
    // Column widths in and out are widths of a 96-dpi screen (what settings keep), shown at
    // the scale factor.
    void setColumnWidth(std::size_t column, std::int32_t width);
    std::size_t getColumnCount() const { return titles_.size(); }
    const std::u16string& getColumnTitle(std::size_t column) const { return titles_.at(column); }
    std::int32_t getColumnWidth(std::size_t column) const;

    // Any thread; the rows show once the window's thread takes them.
    void addRows(std::vector<ListRow> rows);
    // Empties the list and drops queued rows (waits for the window's thread when attached).
    void clearRows();
    // On the window's thread (or before attaching): takes the queued rows now.
    void takeQueuedRows();

    // Read on the window's thread (tests use the owner-thread helpers).
    const ListRows& rows() const { return rows_; }
    std::size_t getRowCount() const { return rows_.size(); }
    std::size_t getTopRow() const { return top_; }
    std::int32_t getScrollX() const { return scrollX_; }
    std::int32_t getRowHeight() const { return rowHeight_; }
    std::int32_t getHeaderHeight() const { return rowHeight_ + 4; }
    // The row the keys move from (its place).
    std::size_t getCursorRow() const { return cursor_; }
    // Where a heading and a shown row's cell are, inside the view; a row scrolled away lies
    // outside the rows' area, and isRowInView tells.
    platform::window::Rect headingRect(std::size_t column) const;
    platform::window::Rect cellRect(std::size_t place, std::size_t column) const;
    bool isRowInView(std::size_t place) const;

    void sortBy(std::int32_t column, bool ascending);
    void selectRow(std::size_t place);
    void selectAll();
    // The selected rows (all rows when none is selected) as text, and onto the clipboard.
    std::u16string copyText(bool all) const;
    bool copyToClipboard(bool all) const;
    void scrollToRow(std::size_t place);

    void addListener(events::IEventListener* listener) { listeners_.push_back(listener); }
    // Tab reaches the list: its keys move the selection, and a screen reader reads its rows.
    bool takesFocus() const override { return true; }

    platform::window::Result handleMessage(platform::window::Handle window, std::uint32_t message,
                                           platform::window::WParam wparam,
                                           platform::window::LParam lparam) override;

protected:
    void paint(platform::window::Canvas& canvas, platform::window::Rect area) override;
    bool followsSkin() const override { return true; }
    void onEvent(void* source, std::int32_t code) override;
    void onAttached() override;
    void scaleChanged(double ratio) override;
    void onResized() override { clampScroll(); }

private:
    struct Areas {
        platform::window::Rect header, rows, vbar, hbar;
        bool vShown = false, hShown = false;
    };

    void resetList();
    // The posted rows: taken now, or by a timer once kTakeInterval has passed since the last
    // taking.
    void onQueuedRows();
    void measureRows();
    void defaultSizes();  // the least and natural size of an empty view
    Areas areas() const;
    std::int32_t contentWidth() const;
    std::size_t visibleRows(const Areas& a) const;
    void clampScroll();
    void scrollRows(std::int64_t rows);
    void scrollPixels(std::int32_t dx);
    // The heading under x of the header (-1 none), and whether x grabs its right edge.
    std::int32_t columnAt(std::int32_t x, bool* onEdge) const;
    std::int64_t placeAt(std::int32_t y) const;
    void moveSelection(std::int64_t place, bool extend);
    void notify(std::int32_t code);
    void onPress(platform::window::Point p, std::uint32_t flags);
    void onMove(platform::window::Point p);
    void onRelease(platform::window::Point p);
    bool onKey(std::uint32_t key);
    void barPress(bool vertical, std::int32_t part, platform::window::Point p);
    void paintHeader(platform::window::Canvas& canvas, const Areas& a);
    void paintRows(platform::window::Canvas& canvas, const Areas& a);
    void paintBars(platform::window::Canvas& canvas, const Areas& a);
    void paintFocus(platform::window::Canvas& canvas, const Areas& a);

    drawer::listbox::IThin* listDrawer() const;
    drawer::listheader::IThin* headerDrawer() const;
    drawer::scrollbar::IThin* barDrawer() const;

    std::vector<std::u16string> titles_;
    std::vector<std::int32_t> widths_;
    ListRows rows_;
    std::size_t top_ = 0;        // first shown row
    std::int32_t scrollX_ = 0;   // pixels scrolled to the right
    std::int32_t rowHeight_ = 18;
    std::size_t anchor_ = 0;     // where shift-selection starts
    std::size_t cursor_ = 0;     // the row keys move from

    enum class Drag { kNone, kColumnEdge, kHeading, kVThumb, kHThumb };
    Drag drag_ = Drag::kNone;
    std::int32_t dragColumn_ = -1;
    std::int32_t pressedColumn_ = -1;
    std::int32_t dragFrom_ = 0, dragStartValue_ = 0;

    std::mutex queueLock_;
    std::vector<ListRow> queued_;
    bool posted_ = false;
    static constexpr std::uint32_t kTakeTimer = 0x1450;
    std::int64_t takenAt_ = 0;  // monotonic milliseconds of the last taking (window's thread)

    std::vector<events::IEventListener*> listeners_;
};

ListView* newListView(const std::vector<std::u16string>& titles,
                      const std::vector<std::int32_t>& widths);

}  // namespace s::gui::win
