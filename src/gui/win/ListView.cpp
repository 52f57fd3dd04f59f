// The list view: its areas, painting through the skin's drawers, pointer and key input, and
// the queue that takes rows from other threads.
#include "gui/win/ListView.h"

#include <algorithm>
#include <cmath>

#include "gui/IWindow.h"
#include "gui/access/Access.h"
#include "gui/drawer/Contrast.h"
#include "gui/drawer/Defaults.h"
#include "gui/drawer/FocusRing.h"
#include "gui/drawer/Skinner.h"
#include "gui/win/TextComponent.h"
#include "platform/Clock.h"
#include "platform/window/Clipboard.h"

namespace pw = platform::window;
namespace sb = s::gui::drawer::scrollbar;

namespace s::gui::win {

namespace {
constexpr std::int32_t kHorizontalStep = 20;
}

ListView::~ListView() = default;

void ListView::resetList() {
    resetComponent();
    titles_.clear();
    widths_.clear();
    rows_.clear();
    top_ = 0;
    scrollX_ = 0;
    rowHeight_ = px(18);
    anchor_ = cursor_ = 0;
    drag_ = Drag::kNone;
    dragColumn_ = pressedColumn_ = -1;
    {
        std::lock_guard<std::mutex> lock(queueLock_);
        queued_.clear();
        posted_ = false;
    }
    takenAt_ = 0;
    listeners_.clear();
    defaultSizes();
}

void ListView::defaultSizes() {
    minWidth_ = minHeight_ = px(40);
    naturalWidth_ = px(200);
    naturalHeight_ = px(120);
}

drawer::listbox::IThin* ListView::listDrawer() const {
    drawer::ISkin* skin = drawer::Defaults::currentSkin(window_ ? window_->getSkinner() : nullptr);
    return skin && skin->getListBoxDrawer() ? skin->getListBoxDrawer()
                                            : drawer::Defaults::listBox();
}

drawer::listheader::IThin* ListView::headerDrawer() const {
    drawer::ISkin* skin = drawer::Defaults::currentSkin(window_ ? window_->getSkinner() : nullptr);
    return skin && skin->getListHeaderDrawer() ? skin->getListHeaderDrawer()
                                               : drawer::Defaults::listHeader();
}

drawer::scrollbar::IThin* ListView::barDrawer() const {
    drawer::ISkin* skin = drawer::Defaults::currentSkin(window_ ? window_->getSkinner() : nullptr);
    return skin && skin->getScrollBarDrawer() ? skin->getScrollBarDrawer()
                                              : drawer::Defaults::scrollBar();
}

void ListView::onAttached() {
    measureRows();
    takeQueuedRows();
}

void ListView::onEvent(void* source, std::int32_t code) {
    if (!source || source != followedSkinner()) return;
    if (handOff([&] { onEvent(source, code); })) return;
    repaint();
}

void ListView::scaleChanged(double ratio) {
    // The columns keep their apparent widths, and the view its place in them.
    for (std::int32_t& w : widths_)
        w = std::max(static_cast<std::int32_t>(std::lround(w * ratio)), px(kMinColumnWidth));
    scrollX_ = static_cast<std::int32_t>(std::lround(scrollX_ * ratio));
    defaultSizes();
    measureRows();
}

void ListView::measureRows() {
    std::int32_t h = 0;
    drawer::Defaults::text()->measure(u"Ag", font_, {}, nullptr, nullptr, nullptr, &h);
    rowHeight_ = std::max(h, px(12)) + px(4);
    clampScroll();
}

void ListView::setColumns(const std::vector<std::u16string>& titles,
                          const std::vector<std::int32_t>& widths) {
    if (handOff([&] { setColumns(titles, widths); })) return;
    titles_ = titles;
    widths_.assign(titles.size(), px(100));
    for (std::size_t i = 0; i < widths_.size() && i < widths.size(); ++i) {
        widths_[i] = std::max(px(widths[i]), px(kMinColumnWidth));
    }
    clampScroll();
    repaint();
}

void ListView::setColumnTitle(std::size_t column, const std::u16string& title) {
    if (handOff([&] { setColumnTitle(column, title); })) return;
    if (column >= titles_.size()) return;
    titles_[column] = title;
    repaint();
}

void ListView::setColumnWidth(std::size_t column, std::int32_t width) {
    if (handOff([&] { setColumnWidth(column, width); })) return;
    if (column >= widths_.size()) return;
    widths_[column] = std::max(px(width), px(kMinColumnWidth));
    clampScroll();
    repaint();
}

std::int32_t ListView::getColumnWidth(std::size_t column) const {
    return column < widths_.size() ? pw::unscaled(widths_[column]) : 0;
}

void ListView::addRows(std::vector<ListRow> rows) {
    if (rows.empty()) return;
    bool post = false;
    {
        std::lock_guard<std::mutex> lock(queueLock_);
        for (ListRow& row : rows) queued_.push_back(std::move(row));
        if (native_ != pw::kNoWindow && !posted_) post = posted_ = true;
    }
    if (native_ == pw::kNoWindow || pw::isOwnerThread(native_)) {
        takeQueuedRows();
    } else if (post) {
        pw::post(native_, kMsgListRows);
    }
}

void ListView::onQueuedRows() {
    const std::int64_t wait =
        takenAt_ + kTakeInterval - platform::monotonicMilliseconds();
    if (wait > 0 && pw::setTimer(native_, kTakeTimer, static_cast<std::uint32_t>(wait))) return;
    takeQueuedRows();
}

void ListView::takeQueuedRows() {
    std::vector<ListRow> taken;
    {
        std::lock_guard<std::mutex> lock(queueLock_);
        taken.swap(queued_);
        posted_ = false;
    }
    if (native_ != pw::kNoWindow) {
        pw::killTimer(native_, kTakeTimer);
        takenAt_ = platform::monotonicMilliseconds();
    }
    if (taken.empty()) return;
    rows_.append(std::move(taken));
    clampScroll();
    repaint();
    access::Access::rowsChanged(this);
}

void ListView::clearRows() {
    if (handOff([&] { clearRows(); })) return;
    {
        std::lock_guard<std::mutex> lock(queueLock_);
        queued_.clear();
    }
    rows_.clear();
    top_ = 0;
    anchor_ = cursor_ = 0;
    repaint();
    access::Access::rowsChanged(this);
}

void ListView::sortBy(std::int32_t column, bool ascending) {
    if (handOff([&] { sortBy(column, ascending); })) return;
    rows_.sortBy(column, ascending);
    repaint();
    access::Access::rowsChanged(this);
}

void ListView::selectRow(std::size_t place) {
    if (handOff([&] { selectRow(place); })) return;
    moveSelection(static_cast<std::int64_t>(place), false);
}

void ListView::selectAll() {
    if (handOff([&] { selectAll(); })) return;
    rows_.selectAll();
    repaint();
}

std::u16string ListView::copyText(bool all) const {
    return rows_.text(!all && rows_.selectedCount() > 0);
}

bool ListView::copyToClipboard(bool all) const {
    return pw::setClipboardText(copyText(all));
}

void ListView::scrollToRow(std::size_t place) {
    if (handOff([&] { scrollToRow(place); })) return;
    const std::size_t visible = visibleRows(areas());
    if (place < top_) {
        top_ = place;
    } else if (place >= top_ + visible) {
        top_ = place + 1 - visible;
    }
    clampScroll();
    repaint();
}

// ---- geometry ----

std::int32_t ListView::contentWidth() const {
    std::int32_t sum = 0;
    for (std::int32_t w : widths_) sum += w;
    return sum;
}

// Inside the one-pixel frame: the header on top, the rows below it, a vertical bar at the
// right of the rows while they do not all fit and a horizontal one below them while the
// columns are wider than the view.
ListView::Areas ListView::areas() const {
    Areas a;
    const std::int32_t t = barDrawer()->getThickness();
    const pw::Rect inner{px(1), px(1), std::max(width_ - 2 * px(1), 0),
                         std::max(height_ - 2 * px(1), 0)};
    const std::int32_t headerH = std::min(getHeaderHeight(), inner.height);
    const std::int32_t availW = inner.width, availH = inner.height - headerH;
    const std::int64_t rowsH = static_cast<std::int64_t>(rows_.size()) * rowHeight_;
    const std::int32_t cw = contentWidth();
    a.hShown = cw > availW;
    a.vShown = rowsH > availH - (a.hShown ? t : 0);
    if (a.vShown && !a.hShown) a.hShown = cw > availW - t;
    const std::int32_t rowsW = std::max(availW - (a.vShown ? t : 0), 0);
    const std::int32_t rowsHgt = std::max(availH - (a.hShown ? t : 0), 0);
    a.header = {inner.x, inner.y, rowsW, headerH};
    a.rows = {inner.x, inner.y + headerH, rowsW, rowsHgt};
    if (a.vShown) a.vbar = {inner.x + rowsW, inner.y + headerH, t, rowsHgt};
    if (a.hShown) a.hbar = {inner.x, inner.y + headerH + rowsHgt, rowsW, t};
    return a;
}

pw::Rect ListView::headingRect(std::size_t column) const {
    const Areas a = areas();
    std::int32_t x = a.header.x - scrollX_;
    for (std::size_t c = 0; c < column && c < widths_.size(); ++c) x += widths_[c];
    return {x, a.header.y, getColumnWidth(column), a.header.height};
}

pw::Rect ListView::cellRect(std::size_t place, std::size_t column) const {
    const Areas a = areas();
    const std::int64_t y =
        a.rows.y +
        (static_cast<std::int64_t>(place) - static_cast<std::int64_t>(top_)) * rowHeight_;
    const pw::Rect heading = headingRect(column);
    return {heading.x,
            static_cast<std::int32_t>(std::clamp<std::int64_t>(y, INT32_MIN / 2, INT32_MAX / 2)),
            heading.width, rowHeight_};
}

bool ListView::isRowInView(std::size_t place) const {
    return place >= top_ && place < top_ + visibleRows(areas()) && place < rows_.size();
}

std::size_t ListView::visibleRows(const Areas& a) const {
    return static_cast<std::size_t>(std::max(a.rows.height / std::max(rowHeight_, 1), 1));
}

void ListView::clampScroll() {
    const Areas a = areas();
    const std::size_t visible = visibleRows(a);
    const std::size_t maxTop = rows_.size() > visible ? rows_.size() - visible : 0;
    top_ = std::min(top_, maxTop);
    scrollX_ = std::clamp(scrollX_, 0, std::max(contentWidth() - a.rows.width, 0));
}

void ListView::scrollRows(std::int64_t rows) {
    const std::int64_t top = std::max<std::int64_t>(static_cast<std::int64_t>(top_) + rows, 0);
    const std::size_t before = top_;
    top_ = static_cast<std::size_t>(top);
    clampScroll();
    if (top_ != before) repaint();
}

void ListView::scrollPixels(std::int32_t dx) {
    const std::int32_t before = scrollX_;
    scrollX_ += dx;
    clampScroll();
    if (scrollX_ != before) repaint();
}

std::int32_t ListView::columnAt(std::int32_t x, bool* onEdge) const {
    const Areas a = areas();
    std::int32_t right = a.header.x - scrollX_;
    *onEdge = false;
    for (std::size_t c = 0; c < widths_.size(); ++c) {
        right += widths_[c];
        if (x >= right - px(kGrip) && x <= right + px(kGrip)) {
            *onEdge = true;
            return static_cast<std::int32_t>(c);
        }
        if (x < right) return static_cast<std::int32_t>(c);
    }
    return -1;
}

std::int64_t ListView::placeAt(std::int32_t y) const {
    const Areas a = areas();
    if (y < a.rows.y || y >= a.rows.y + a.rows.height) return -1;
    const std::int64_t place = static_cast<std::int64_t>(top_) + (y - a.rows.y) / rowHeight_;
    return place < static_cast<std::int64_t>(rows_.size()) ? place : -1;
}

// ---- input ----

void ListView::notify(std::int32_t code) {
    if (code == listevent::kSelection) access::Access::selectionChanged(this);
    if (code == listevent::kSorted) access::Access::rowsChanged(this);
    fireListeners(listeners_, eventSource(this), code);
}

void ListView::moveSelection(std::int64_t place, bool extend) {
    if (rows_.empty()) return;
    place = std::clamp<std::int64_t>(place, 0, static_cast<std::int64_t>(rows_.size()) - 1);
    cursor_ = static_cast<std::size_t>(place);
    if (extend) {
        rows_.selectRange(anchor_, cursor_);
    } else {
        anchor_ = cursor_;
        rows_.selectOnly(cursor_);
    }
    scrollToRow(cursor_);
    repaint();
    notify(listevent::kSelection);
}

void ListView::barPress(bool vertical, std::int32_t part, pw::Point p) {
    const Areas a = areas();
    const std::int32_t page =
        vertical ? static_cast<std::int32_t>(visibleRows(a)) : a.rows.width;
    const std::int32_t step = vertical ? 1 : px(kHorizontalStep);
    auto by = [&](std::int32_t d) {
        if (vertical) {
            scrollRows(d);
        } else {
            scrollPixels(d);
        }
    };
    switch (part) {
        case sb::Geometry::kFirstArrow: by(-step); break;
        case sb::Geometry::kSecondArrow: by(step); break;
        case sb::Geometry::kPageBefore: by(-std::max(page - step, step)); break;
        case sb::Geometry::kPageAfter: by(std::max(page - step, step)); break;
        case sb::Geometry::kThumb:
            drag_ = vertical ? Drag::kVThumb : Drag::kHThumb;
            dragFrom_ = vertical ? p.y : p.x;
            dragStartValue_ = vertical ? static_cast<std::int32_t>(top_) : scrollX_;
            break;
        default: break;
    }
}

void ListView::onPress(pw::Point p, std::uint32_t flags) {
    if (native_ != pw::kNoWindow) pw::setFocus(native_);
    const Areas a = areas();
    if (a.vShown && a.vbar.contains(p)) {
        barPress(true,
                 barDrawer()->hitTest(p, a.vbar.x, a.vbar.y, a.vbar.x + a.vbar.width,
                                      a.vbar.y + a.vbar.height, sb::kVertical,
                                      static_cast<std::int32_t>(rows_.size()),
                                      static_cast<std::int32_t>(visibleRows(a)),
                                      static_cast<std::int32_t>(top_), false),
                 p);
    } else if (a.hShown && a.hbar.contains(p)) {
        barPress(false,
                 barDrawer()->hitTest(p, a.hbar.x, a.hbar.y, a.hbar.x + a.hbar.width,
                                      a.hbar.y + a.hbar.height, sb::kHorizontal, contentWidth(),
                                      a.rows.width, scrollX_, false),
                 p);
    } else if (p.y < a.header.y + a.header.height) {
        bool edge = false;
        const std::int32_t column = columnAt(p.x, &edge);
        if (column < 0) return;
        if (edge) {
            drag_ = Drag::kColumnEdge;
            dragColumn_ = column;
            dragFrom_ = p.x;
            dragStartValue_ = widths_[static_cast<std::size_t>(column)];
        } else {
            drag_ = Drag::kHeading;
            pressedColumn_ = column;
            repaint();
        }
    } else {
        const std::int64_t place = placeAt(p.y);
        if (place < 0) return;
        if (flags & pw::kMouseControl) {
            cursor_ = anchor_ = static_cast<std::size_t>(place);
            rows_.toggle(cursor_);
            repaint();
            notify(listevent::kSelection);
        } else {
            moveSelection(place, (flags & pw::kMouseShift) != 0);
        }
        return;
    }
    if (drag_ != Drag::kNone && native_ != pw::kNoWindow) pw::setCapture(native_);
}

void ListView::onMove(pw::Point p) {
    const Areas a = areas();
    switch (drag_) {
        case Drag::kColumnEdge:
            widths_[static_cast<std::size_t>(dragColumn_)] =
                std::max(dragStartValue_ + p.x - dragFrom_, px(kMinColumnWidth));
            clampScroll();
            repaint();
            break;
        case Drag::kVThumb:
            top_ = static_cast<std::size_t>(std::max(
                barDrawer()->dragPosition(p.y - dragFrom_, dragStartValue_, a.vbar.x, a.vbar.y,
                                          a.vbar.x + a.vbar.width, a.vbar.y + a.vbar.height,
                                          sb::kVertical, static_cast<std::int32_t>(rows_.size()),
                                          static_cast<std::int32_t>(visibleRows(a)), false),
                0));
            clampScroll();
            repaint();
            break;
        case Drag::kHThumb:
            scrollX_ = barDrawer()->dragPosition(p.x - dragFrom_, dragStartValue_, a.hbar.x,
                                                 a.hbar.y, a.hbar.x + a.hbar.width,
                                                 a.hbar.y + a.hbar.height, sb::kHorizontal,
                                                 contentWidth(), a.rows.width, false);
            clampScroll();
            repaint();
            break;
        default:
            break;
    }
}

// A heading pressed and released over itself sorts by its column; again reverses the order.
void ListView::onRelease(pw::Point p) {
    // Letting the capture go clears the drag state (kCaptureChanged): read it first.
    const Drag was = drag_;
    const std::int32_t pressed = pressedColumn_;
    drag_ = Drag::kNone;
    pressedColumn_ = -1;
    if (native_ != pw::kNoWindow && pw::capture() == native_) pw::releaseCapture();
    if (was != Drag::kHeading) return;
    bool edge = false;
    const Areas a = areas();
    const bool inHeader = p.y >= a.header.y && p.y < a.header.y + a.header.height;
    if (inHeader && columnAt(p.x, &edge) == pressed) {
        const bool ascending = rows_.sortColumn() != pressed || !rows_.sortAscending();
        rows_.sortBy(pressed, ascending);
        notify(listevent::kSorted);
    }
    repaint();
}

bool ListView::onKey(std::uint32_t key) {
    const bool shift = pw::isKeyDown(pw::vk::kShift);
    const bool control = pw::isKeyDown(pw::vk::kControl);
    const std::int64_t page = static_cast<std::int64_t>(visibleRows(areas()));
    const std::int64_t at = static_cast<std::int64_t>(cursor_);
    if (control && key == 'A') {
        selectAll();
        notify(listevent::kSelection);
        return true;
    }
    if (control && key == 'C') {
        copyToClipboard(false);
        return true;
    }
    switch (key) {
        case pw::vk::kUp: moveSelection(at - 1, shift); return true;
        case pw::vk::kDown: moveSelection(at + 1, shift); return true;
        case pw::vk::kPageUp: moveSelection(at - page, shift); return true;
        case pw::vk::kPageDown: moveSelection(at + page, shift); return true;
        case pw::vk::kHome: moveSelection(0, shift); return true;
        case pw::vk::kEnd:
            moveSelection(static_cast<std::int64_t>(rows_.size()) - 1, shift);
            return true;
        case pw::vk::kLeft: scrollPixels(-px(kHorizontalStep)); return true;
        case pw::vk::kRight: scrollPixels(px(kHorizontalStep)); return true;
        default: return false;
    }
}

pw::Result ListView::handleMessage(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                                   pw::LParam lparam) {
    switch (message) {
        case kMsgListRows:
            onQueuedRows();
            return 0;
        case pw::msg::kTimer:
            if (wparam != kTakeTimer) break;
            takeQueuedRows();
            return 0;
        case pw::msg::kLButtonDown:
        case pw::msg::kLButtonDblClk:
            onPress(pw::unpackPoint(lparam), static_cast<std::uint32_t>(wparam));
            return 0;
        case pw::msg::kMouseMove:
            onMove(pw::unpackPoint(lparam));
            return 0;
        case pw::msg::kLButtonUp:
            onRelease(pw::unpackPoint(lparam));
            return 0;
        case pw::msg::kCaptureChanged:
            drag_ = Drag::kNone;
            pressedColumn_ = -1;
            return 0;
        case pw::msg::kMouseWheel:
            // A turn away from the user moves towards the start.
            scrollRows(-static_cast<std::int64_t>(pw::wheelLines(wparam)));
            return 1;
        case pw::msg::kKeyDown:
            if (onKey(static_cast<std::uint32_t>(wparam))) return 0;
            break;
        default:
            break;
    }
    return Component::handleMessage(window, message, wparam, lparam);
}

// ---- painting ----

void ListView::paint(pw::Canvas& canvas, pw::Rect area) {
    const Areas a = areas();
    listDrawer()->paint(canvas, 0, 0, width_, height_);
    paintHeader(canvas, a);
    paintRows(canvas, a);
    paintBars(canvas, a);
    if (hasFocus()) paintFocus(canvas, a);
}

// The ring marks the row the keys move from while it is shown, else the rows' area.
void ListView::paintFocus(pw::Canvas& canvas, const Areas& a) {
    pw::Rect ring = a.rows;
    if (isRowInView(cursor_)) {
        const pw::Rect row = cellRect(cursor_, 0);
        ring = {a.rows.x, row.y, a.rows.width, row.height};
    }
    canvas.pushClip(a.rows);
    drawer::FocusRing::paint(canvas, ring.x, ring.y, ring.right(), ring.bottom());
    canvas.popClip();
}

void ListView::paintHeader(pw::Canvas& canvas, const Areas& a) {
    if (a.header.height <= 0) return;
    drawer::listheader::IThin* d = headerDrawer();
    const std::int32_t top = a.header.y, bottom = a.header.y + a.header.height;
    // The header runs over the vertical bar's column too.
    const std::int32_t end = a.header.x + a.header.width + (a.vShown ? a.vbar.width : 0);
    canvas.pushClip({a.header.x, top, end - a.header.x, a.header.height});
    std::int32_t x = a.header.x - scrollX_;
    for (std::size_t c = 0; c < titles_.size(); ++c) {
        const std::int32_t w = widths_[c];
        const std::int32_t state = pressedColumn_ == static_cast<std::int32_t>(c) ? 2 : 0;
        d->paint(canvas, x, top, x + w, bottom, titles_[c], font_, state);
        if (rows_.sortColumn() == static_cast<std::int32_t>(c) && w > px(24)) {
            // A small triangle at the right: point up ascending, down descending.
            const std::int32_t u = px(1), n = 4 * u;
            const std::int32_t cx = x + w - px(10), cy = top + a.header.height / 2;
            for (std::int32_t i = 0; i < n; ++i) {
                const std::int32_t y = rows_.sortAscending() ? cy - 2 * u + i : cy + u - i;
                canvas.fillRect(cx - i, y, 2 * i + 1, 1, d->getTextColour());
            }
        }
        x += w;
    }
    if (x < end) d->paint(canvas, x, top, end, bottom, u"", font_, 0);
    canvas.popClip();
}

void ListView::paintRows(pw::Canvas& canvas, const Areas& a) {
    if (a.rows.width <= 0 || a.rows.height <= 0) return;
    drawer::listbox::IThin* d = listDrawer();
    canvas.pushClip(a.rows);
    const std::int32_t right = a.rows.x + a.rows.width;
    std::int32_t y = a.rows.y;
    for (std::size_t place = top_; place < rows_.size() && y < a.rows.y + a.rows.height;
         ++place, y += rowHeight_) {
        const ListRow* row = rows_.shownRow(place);
        const bool selected = rows_.isSelected(place);
        const std::int32_t index = static_cast<std::int32_t>(place);
        std::int32_t x = a.rows.x - scrollX_;
        for (std::size_t c = 0; c < widths_.size(); ++c) {
            const std::int32_t w = widths_[c];
            if (x + w > a.rows.x && x < right) {
                const ListCell* cell = c < row->cells.size() ? &row->cells[c] : nullptr;
                if (cell && cell->colour != kListTextColour && !cell->text.empty()) {
                    // A cell with its own colour: the drawer paints the ground, the text
                    // keeps the colour as far as it stays readable there.
                    d->paintRow(canvas, x, y, x + w, y + rowHeight_, u"", font_, index, selected);
                    pw::Colour ground = d->getColour(selected ? 3 : (index % 2 ? 5 : 1));
                    drawer::Contrast::groundOf(canvas, {x, y, w, rowHeight_}, &ground);
                    if (w > px(4)) {
                        canvas.drawText({x + px(2), y, w - px(4), rowHeight_}, cell->text,
                                        drawer::nativeFontOf(font_),
                                        drawer::Contrast::readable(cell->colour, ground),
                                        pw::kTextMiddle | pw::kTextEllipsis);
                    }
                } else {
                    d->paintRow(canvas, x, y, x + w, y + rowHeight_,
                                cell ? std::u16string_view(cell->text) : std::u16string_view(),
                                font_, index, selected);
                }
            }
            x += w;
        }
        if (x < right) d->paintRow(canvas, x, y, right, y + rowHeight_, u"", font_, index, selected);
    }
    canvas.popClip();
}

void ListView::paintBars(pw::Canvas& canvas, const Areas& a) {
    drawer::scrollbar::IThin* d = barDrawer();
    if (a.vShown) {
        d->paint(canvas, a.vbar.x, a.vbar.y, a.vbar.x + a.vbar.width, a.vbar.y + a.vbar.height,
                 sb::kVertical, static_cast<std::int32_t>(rows_.size()),
                 static_cast<std::int32_t>(visibleRows(a)), static_cast<std::int32_t>(top_),
                 false, 0, drag_ == Drag::kVThumb ? 2 : 0, 0);
    }
    if (a.hShown) {
        d->paint(canvas, a.hbar.x, a.hbar.y, a.hbar.x + a.hbar.width, a.hbar.y + a.hbar.height,
                 sb::kHorizontal, contentWidth(), a.rows.width, scrollX_, false, 0,
                 drag_ == Drag::kHThumb ? 2 : 0, 0);
    }
}

ListView* newListView(const std::vector<std::u16string>& titles,
                      const std::vector<std::int32_t>& widths) {
    ListView* view = ListView::create();
    view->setColumns(titles, widths);
    return view;
}

}  // namespace s::gui::win
