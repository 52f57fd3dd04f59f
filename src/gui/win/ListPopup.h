// A popup window of rows one under another: what the drop-down list and the popup menu share.
// It keeps the hovered row, moves it by keys and the wheel, scrolls rows that do not fit (with
// arrows at its ends where asked), paints in the colours of the owner's skin, and ignores the
// release of the click that opened it. ReopenGuard keeps the press that closed a popup from
// opening it again.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "gui/win/Scale.h"
#include "gui/win/TypeAhead.h"
#include "platform/window/Picture.h"
#include "platform/window/Types.h"

namespace s::gui::win {

class ListPopup {
public:
    // The colours of a popup: the menu drawer's of the owner window's skin, else plain ones.
    struct Colours {
        platform::window::Colour face, frame, text, highlight, highlightText;
    };
    static Colours coloursOf(platform::window::Handle owner);

    // Height of the scroll arrows at the ends of a popup whose rows do not fit.
    static constexpr std::int32_t kArrowHeight = 14;
    // How often the arrow under the pointer scrolls one row.
    static constexpr std::uint32_t kArrowRepeatMs = 60;

    ListPopup(const ListPopup&) = delete;
    ListPopup& operator=(const ListPopup&) = delete;
    virtual ~ListPopup();

    // Opens the popup window of the class (registered here) at `rect`, screen coordinates, for
    // `owner`. On the owner's thread; false on failure.
    bool open(std::string_view className, platform::window::Handle owner,
              platform::window::Rect rect);
    platform::window::Handle handle() const { return handle_; }
    platform::window::Handle owner() const { return owner_; }

    // The hovered row (-1: none); setting it scrolls it into view.
    std::int32_t hot() const { return hot_; }
    void setHot(std::int32_t row);
    // The first row shown, and scrolling by rows (the hovered row stays in view).
    std::int32_t firstShown() const { return top_; }
    void scrollBy(std::int32_t rows);
    // The rows do not fit: they scroll.
    bool scrolls() const;
    // A row's rectangle in client coordinates (outside the view when scrolled away) and the row
    // shown at a client point (-1 for none, or an arrow).
    platform::window::Rect rowRect(std::int32_t row) const;
    std::int32_t rowAt(platform::window::Point p) const;

protected:
    // `border`: the frame's width inside the window (at 96 dpi); `wraps`: the arrow keys go round
    // from the last row to the first; `arrows`: rows that do not fit scroll with arrows at the
    // ends.
    ListPopup(std::int32_t border, bool wraps, bool arrows)
        : border_(border), wraps_(wraps), arrows_(arrows) {}

    virtual std::int32_t rowCount() const = 0;
    virtual std::int32_t rowHeight(std::int32_t row) const = 0;
    virtual bool rowSelectable(std::int32_t row) const { return true; }
    virtual void paintRow(platform::window::Canvas& canvas, std::int32_t row,
                          platform::window::Rect r, bool hot, const Colours& colours) = 0;
    // Chosen by a click or Enter.
    virtual void chooseRow(std::int32_t row) = 0;
    // The pointer moved over a row.
    virtual void hoverRow(std::int32_t row) {}
    // Keys beyond the shared ones; answers true when it used the key.
    virtual bool extraKey(std::uint32_t key) { return false; }
    // A row's text for finding it by its first letters (empty: not found that way).
    virtual std::u16string rowText(std::int32_t row) const { return {}; }
    // The letters typed go to this search (the popup's own unless another is given).
    void shareTypeAhead(TypeAhead* search) { typeAhead_ = search ? search : &ownTypeAhead_; }
    // The window is being destroyed.
    virtual void closing() {}

private:
    static platform::window::Result handler(platform::window::Handle w, std::uint32_t m,
                                            platform::window::WParam wp,
                                            platform::window::LParam lp);
    platform::window::Result onMessage(std::uint32_t m, platform::window::WParam wp,
                                       platform::window::LParam lp);
    void paint(platform::window::Canvas& canvas);
    bool showsArrows() const;
    std::int32_t viewTop() const;
    std::int32_t viewBottom() const;
    std::int32_t lastShown() const;
    std::int32_t maxTop() const;
    std::int32_t contentHeight() const;
    // -1 over the upper arrow, 1 over the lower one, 0 elsewhere.
    std::int32_t arrowAt(platform::window::Point p) const;
    // The next selectable row from `from` in `direction` (from itself when `inclusive`); -1.
    std::int32_t selectableFrom(std::int32_t from, std::int32_t direction, bool inclusive) const;
    void step(std::int32_t direction);
    void page(std::int32_t direction);
    bool key(std::uint32_t key);

    Length border_;
    bool wraps_;
    bool arrows_;
    platform::window::Handle handle_ = platform::window::kNoWindow;
    platform::window::Handle owner_ = platform::window::kNoWindow;
    std::int32_t hot_ = -1;
    std::int32_t top_ = 0;
    // Where the pointer was when the popup opened, and whether it has since moved or pressed in
    // the popup: a popup that opens under the pointer (pushed back over what opened it) must
    // not take the release of the opening click as a choice.
    platform::window::Point openedAt_;
    bool armed_ = false;
    TypeAhead ownTypeAhead_;
    TypeAhead* typeAhead_ = &ownTypeAhead_;
};

// Remembers when a popup closed, so that the press which closed it (handled after the popup's
// loop has ended) does not open it again at once. The clock is injectable for tests.
class ReopenGuard {
public:
    static constexpr std::int64_t kGuardMs = 500;

    void setClock(std::function<std::int64_t()> now) { clock_ = std::move(now); }
    void closed();
    // A press now is the one that closed the popup.
    bool holds() const;
    // Back to new (pool recycling): no close remembered, the system clock.
    void reset() {
        closed_ = false;
        clock_ = nullptr;
    }

private:
    std::int64_t now() const;

    std::function<std::int64_t()> clock_;
    bool closed_ = false;
    std::int64_t closedAt_ = 0;
};

}  // namespace s::gui::win
