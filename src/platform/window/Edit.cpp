// The text control: its window's state, keys, mouse, input methods, painting and the
// operations of Edit.h. The text and its history are an EditModel; boundaries (graphemes,
// words, lines) come from its EditLayout.
#include "platform/window/Edit.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <pango/pangocairo.h>
#include <string>
#include <vector>

#include "detail/EditLayout.h"
#include "platform/window/Backend.h"
#include "platform/window/Clipboard.h"
#include "platform/window/EditModel.h"
#include "platform/window/Input.h"
#include "platform/window/Picture.h"
#include "platform/window/Popup.h"
#include "platform/window/Scale.h"
#include "platform/window/Text.h"

namespace platform::window {

namespace {

using detail::EditLayout;
using Kind = EditModel::Kind;

constexpr std::int32_t kPad = 2;  // between the frame and the text
constexpr std::uint32_t kBlinkTimer = 0xED17;
constexpr std::uint32_t kBlinkMs = 530;

bool isHigh(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLow(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

struct EditState {
    explicit EditState(bool multiLine) : model(multiLine), multiLine(multiLine) {}

    Handle self = kNoWindow;
    EditModel model;
    bool multiLine = false;
    bool wrap = true;  // multi-line controls only
    bool readOnly = false;
    bool frame = true;
    Font font;
    EditColours colours;
    Point scroll;
    std::int32_t preferredX = -1;  // kept across Up and Down
    bool focused = false;
    bool caretOn = true;
    bool textInput = false;  // this control switched input methods on
    bool dragging = false;
    char16_t pendingHigh = 0;  // a typed high surrogate waiting for its pair
    std::u16string preedit;
    std::int32_t preeditCursor = 0;
    // Layouts of the text alone and of the text with the pre-edit, remade after changes.
    std::uint64_t version = 1;
    std::unique_ptr<EditLayout> plain;
    std::uint64_t plainVersion = 0;
    std::unique_ptr<EditLayout> shown;
    std::uint64_t shownVersion = 0;
    double layoutScale = 0;  // the scale factor the layouts were made at
    EditExtent reported;  // the scroll state the parent was last told of
};

EditState* stateOf(Handle h) {
    if (className(h) != kEditClass) return nullptr;
    return static_cast<EditState*>(userData(h));
}

Size clientSize(const EditState& st) {
    Rect r = windowRect(st.self);
    return {r.width, r.height};
}

std::int32_t border(const EditState& st) {
    return (st.frame ? scaled(1) : 0) + scaled(kPad);
}

// The text's box inside frame and padding.
Rect innerRect(const EditState& st) {
    Size s = clientSize(st);
    std::int32_t b = border(st);
    return {b, b, std::max(1, s.width - 2 * b), std::max(1, s.height - 2 * b)};
}

std::int32_t wrapWidth(const EditState& st) {
    return st.multiLine && st.wrap ? innerRect(st).width : -1;
}

// Layouts made at another scale factor are made again.
void followScale(EditState& st) {
    if (st.layoutScale == scale()) return;
    st.layoutScale = scale();
    ++st.version;
}

const EditLayout& plainLayout(EditState& st) {
    followScale(st);
    if (!st.plain || st.plainVersion != st.version) {
        st.plain = EditLayout::make(st.font, st.model.text(), wrapWidth(st), !st.multiLine);
        st.plainVersion = st.version;
    }
    return *st.plain;
}

// The layout painted: the text with the pre-edit at the caret.
const EditLayout& shownLayout(EditState& st) {
    if (st.preedit.empty()) return plainLayout(st);
    followScale(st);
    if (!st.shown || st.shownVersion != st.version) {
        std::u16string t = st.model.text();
        t.insert(static_cast<std::size_t>(st.model.caret()), st.preedit);
        st.shown = EditLayout::make(st.font, t, wrapWidth(st), !st.multiLine);
        st.shownVersion = st.version;
    }
    return *st.shown;
}

std::int32_t shownCaret(const EditState& st) {
    return st.model.caret() + (st.preedit.empty() ? 0 : st.preeditCursor);
}

// Client position of the layout's origin.
Point textOrigin(EditState& st, const EditLayout& s) {
    Rect inner = innerRect(st);
    if (st.multiLine) return {inner.x - st.scroll.x, inner.y - st.scroll.y};
    std::int32_t h = s.extents().height;
    return {inner.x - st.scroll.x, (clientSize(st).height - h) / 2};
}

Rect caretRectIn(EditState& st) {
    const EditLayout& s = shownLayout(st);
    PangoRectangle strong = s.cursorAt(shownCaret(st));
    Point o = textOrigin(st, s);
    std::int32_t h = std::max(1, PANGO_PIXELS(strong.height));
    return {o.x + PANGO_PIXELS(strong.x), o.y + PANGO_PIXELS(strong.y), scaled(1), h};
}

void ensureCaretVisible(EditState& st) {
    const EditLayout& s = shownLayout(st);
    Rect inner = innerRect(st);
    PangoRectangle strong = s.cursorAt(shownCaret(st));
    PangoRectangle logical = s.extents();
    std::int32_t x = PANGO_PIXELS(strong.x);
    if (x < st.scroll.x) st.scroll.x = x;
    if (x + 1 > st.scroll.x + inner.width) st.scroll.x = x + 1 - inner.width;
    st.scroll.x = std::clamp(st.scroll.x, 0, std::max(0, logical.width + 1 - inner.width));
    if (!st.multiLine) {
        st.scroll.y = 0;
        return;
    }
    std::int32_t y = PANGO_PIXELS(strong.y);
    std::int32_t h = PANGO_PIXELS(strong.height);
    if (y < st.scroll.y) st.scroll.y = y;
    if (y + h > st.scroll.y + inner.height) st.scroll.y = y + h - inner.height;
    st.scroll.y = std::clamp(st.scroll.y, 0, std::max(0, logical.height - inner.height));
}

void notifyParent(const EditState& st, std::uint32_t code) {
    Handle parent = parentOf(st.self);
    if (parent)
        send(parent, msg::kCommand, static_cast<WParam>(code) << 16, static_cast<LParam>(st.self));
}

EditExtent extentOf(EditState& st) {
    const EditLayout& s = shownLayout(st);
    PangoRectangle logical = s.extents();
    Rect inner = innerRect(st);
    EditExtent e;
    e.content = {logical.width + 1, st.multiLine ? logical.height : inner.height};
    e.page = {inner.width, inner.height};
    e.scroll = st.scroll;
    e.lineHeight = s.lineHeight();
    return e;
}

// A multi-line control tells its parent when what its scroll bars show has changed.
void reportScroll(EditState& st) {
    if (!st.multiLine) return;
    EditExtent e = extentOf(st);
    if (e == st.reported) return;
    st.reported = e;
    notifyParent(st, kEditScroll);
}

bool editable(const EditState& st) {
    return !st.readOnly && isEnabled(st.self);
}

// Input methods are on while an editable control has the focus; the candidate window follows
// the caret.
void updateTextInput(EditState& st) {
    Handle top = topLevelOf(st.self);
    bool want = st.focused && editable(st);
    if (want != st.textInput) {
        st.textInput = want;
        backend().setTextInput(top, want);
    }
    if (!want) return;
    Rect c = caretRectIn(st);
    Point screen = clientToScreen(st.self, {c.x, c.y});
    Rect topRect = screenRect(top);
    backend().setTextInputArea(top,
                               {screen.x - topRect.x, screen.y - topRect.y, c.width, c.height});
}

// After the caret moved or the text changed: scroll, restart the blink, repaint.
void caretMoved(EditState& st) {
    ensureCaretVisible(st);
    st.caretOn = true;
    if (st.focused) setTimer(st.self, kBlinkTimer, kBlinkMs);
    if (st.textInput || st.focused) updateTextInput(st);
    invalidate(st.self);
    reportScroll(st);
}

void textChanged(EditState& st) {
    ++st.version;
    st.preferredX = -1;
    caretMoved(st);
    notifyParent(st, kEditChange);
}

// The selection is settled (mouse released, keys let go): it becomes the primary selection.
void selectionSettled(const EditState& st) {
    if (st.model.hasSelection()) setPrimarySelectionText(displayText(st.model.selectedText()));
}

void replaceSelection(EditState& st, std::u16string_view with, Kind kind) {
    if (st.model.replaceSelection(with, kind)) textChanged(st);
}

void select(EditState& st, std::int32_t anchor, std::int32_t caret) {
    st.model.select(anchor, caret);
    caretMoved(st);
}

void moveCaret(EditState& st, std::int32_t to, bool extend) {
    select(st, extend ? st.model.anchor() : to, to);
}

bool undo(EditState& st, bool redo) {
    if (!(redo ? st.model.redo() : st.model.undo())) return false;
    textChanged(st);
    return true;
}

bool copySelection(const EditState& st) {
    if (!st.model.hasSelection()) return false;
    return setClipboardText(displayText(st.model.selectedText()));
}

void paste(EditState& st, const std::u16string& text) {
    if (st.model.paste(text)) textChanged(st);
}

bool pasteText(EditState& st, bool primary) {
    std::u16string t;
    bool ok = primary ? primarySelectionText(&t) : clipboardText(&t);
    if (!ok) return false;
    paste(st, t);
    return true;
}

// The offset on the line `delta` lines away from the caret's, at the remembered x position.
std::int32_t lineMove(EditState& st, const EditLayout& s, int delta) {
    int x = 0;
    int line = s.lineOf(st.model.caret(), &x);
    if (st.preferredX < 0) st.preferredX = x;
    int target = line + delta;
    if (target < 0) return 0;
    if (target >= s.lineCount()) return static_cast<std::int32_t>(st.model.text().size());
    std::int32_t u = s.offsetOnLine(target, st.preferredX);
    return std::min(u, s.lineEnd(u));
}

std::int32_t visibleLines(EditState& st, const EditLayout& s) {
    return std::max(1, innerRect(st).height / s.lineHeight());
}

// The offset under a client point (nearest grapheme boundary).
std::int32_t offsetAt(EditState& st, Point p) {
    const EditLayout& s = plainLayout(st);
    Point o = textOrigin(st, s);
    return s.offsetAt({p.x - o.x, p.y - o.y});
}

bool handleKey(EditState& st, std::uint32_t key) {
    bool shift = isKeyDown(vk::kShift);
    bool ctrl = isKeyDown(vk::kControl);
    bool canEdit = editable(st);
    const EditLayout& s = plainLayout(st);
    const EditModel& m = st.model;
    std::int32_t end = static_cast<std::int32_t>(m.text().size());
    std::int32_t caret = m.caret();
    auto keepX = [&] { st.preferredX = -1; };
    switch (key) {
        case vk::kLeft:
        case vk::kRight: {
            keepX();
            bool right = key == vk::kRight;
            std::int32_t to;
            if (ctrl) {
                to = right ? s.wordRight(caret) : s.wordLeft(caret);
            } else if (m.hasSelection() && !shift) {
                // An arrow collapses a selection to its side.
                to = right ? m.selectionEnd() : m.selectionStart();
            } else {
                to = right ? s.next(caret) : s.prev(caret);
            }
            moveCaret(st, to, shift);
            return true;
        }
        case vk::kUp:
        case vk::kDown:
        case vk::kPageUp:
        case vk::kPageDown: {
            if (!st.multiLine) return false;
            int lines = (key == vk::kPageUp || key == vk::kPageDown) ? visibleLines(st, s) : 1;
            int delta = (key == vk::kUp || key == vk::kPageUp) ? -lines : lines;
            std::int32_t x = st.preferredX;
            std::int32_t to = lineMove(st, s, delta);
            if (x < 0) x = st.preferredX;
            moveCaret(st, to, shift);
            st.preferredX = x;
            return true;
        }
        case vk::kHome:
            keepX();
            moveCaret(st, ctrl || !st.multiLine ? 0 : s.lineStart(caret), shift);
            return true;
        case vk::kEnd:
            keepX();
            moveCaret(st, ctrl || !st.multiLine ? end : s.lineEnd(caret), shift);
            return true;
        case vk::kBack:
        case vk::kDelete: {
            if (!canEdit) return true;
            if (key == vk::kDelete && shift && !ctrl) {  // Shift+Delete cuts
                if (copySelection(st)) replaceSelection(st, u"", Kind::kOther);
                return true;
            }
            if (!m.hasSelection()) {
                bool back = key == vk::kBack;
                std::int32_t to = back ? (ctrl ? s.wordLeft(caret) : s.prev(caret))
                                       : (ctrl ? s.wordRight(caret) : s.next(caret));
                if (to == caret) return true;
                st.model.select(to, caret);
            }
            replaceSelection(st, u"", Kind::kOther);
            return true;
        }
        case vk::kInsert:
            if (ctrl && !shift) copySelection(st);
            if (shift && !ctrl && canEdit) pasteText(st, false);
            return true;
        case vk::kReturn:
            if (st.multiLine) return true;  // a new line comes with the kChar that follows
            notifyParent(st, kEditReturn);
            return false;  // and the window's default button takes it
        default:
            break;
    }
    if (!ctrl) return false;
    switch (key) {
        case 'A':
            select(st, 0, end);
            selectionSettled(st);
            return true;
        case 'C':
            copySelection(st);
            return true;
        case 'X':
            if (copySelection(st) && canEdit) replaceSelection(st, u"", Kind::kOther);
            return true;
        case 'V':
            if (canEdit) pasteText(st, false);
            return true;
        case 'Z':
            if (canEdit) undo(st, shift);
            return true;
        case 'Y':
            if (canEdit) undo(st, true);
            return true;
        default:
            return false;
    }
}

void handleChar(EditState& st, char16_t c) {
    if (!editable(st) || isKeyDown(vk::kControl)) return;
    if (c == u'\r') {
        if (st.multiLine) replaceSelection(st, u"\n", Kind::kOther);
        return;
    }
    if (c < 0x20 || c == 0x7F) return;
    if (isHigh(c)) {
        st.pendingHigh = c;
        return;
    }
    if (isLow(c)) {
        if (!st.pendingHigh) return;
        char16_t pair[2] = {st.pendingHigh, c};
        st.pendingHigh = 0;
        replaceSelection(st, std::u16string_view(pair, 2), Kind::kTyping);
        return;
    }
    st.pendingHigh = 0;
    replaceSelection(st, std::u16string_view(&c, 1), Kind::kTyping);
}

void setColour(cairo_t* cr, Colour c) {
    cairo_set_source_rgb(cr, red(c) / 255.0, green(c) / 255.0, blue(c) / 255.0);
}

void insertColour(PangoAttrList* list, PangoAttribute* a, int from, int to) {
    a->start_index = static_cast<guint>(from);
    a->end_index = static_cast<guint>(to);
    pango_attr_list_insert(list, a);
}

void paint(EditState& st, Canvas& canvas) {
    Size size = clientSize(st);
    Rect all{0, 0, size.width, size.height};
    bool enabled = isEnabled(st.self);
    const EditColours& col = st.colours;
    const EditModel& m = st.model;
    if (col.fillBackground) canvas.fillRect(all, col.background);
    if (st.frame) {
        bool ring = st.focused && enabled;
        canvas.frameRect(all, ring ? col.focusFrame : col.frame, scaled(ring ? 2 : 1));
    }
    std::int32_t b = st.frame ? 1 : 0;
    canvas.pushClip({b, b, size.width - 2 * b, size.height - 2 * b});
    const EditLayout& s = shownLayout(st);
    PangoAttrList* attrs = pango_attr_list_copy(s.baseAttributes());
    if (!attrs) attrs = pango_attr_list_new();
    if (!st.preedit.empty()) {
        insertColour(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE), s.byteAt(m.caret()),
                     s.byteAt(m.caret() + static_cast<std::int32_t>(st.preedit.size())));
    } else if (m.hasSelection() && st.focused) {
        int from = s.byteAt(m.selectionStart());
        int to = s.byteAt(m.selectionEnd());
        Colour f = col.selectedText;
        Colour g = col.selection;
        insertColour(attrs, pango_attr_foreground_new(red(f) * 257, green(f) * 257, blue(f) * 257),
                     from, to);
        insertColour(attrs, pango_attr_background_new(red(g) * 257, green(g) * 257, blue(g) * 257),
                     from, to);
    }
    pango_layout_set_attributes(s.layout(), attrs);
    pango_attr_list_unref(attrs);
    Point o = textOrigin(st, s);
    auto* cr = static_cast<cairo_t*>(canvas.nativeContext());
    Colour text = enabled ? col.text : col.disabledText;
    if (cr) {
        cairo_save(cr);
        setColour(cr, text);
        cairo_move_to(cr, o.x, o.y);
        pango_cairo_show_layout(cr, s.layout());
        cairo_restore(cr);
    }
    if (st.focused && st.caretOn && enabled) canvas.fillRect(caretRectIn(st), text);
    canvas.popClip();
}

// A composition in progress goes into the text as typed (the focus or the window is left with
// it unfinished); the input method forgets it when text input stops.
void commitPreedit(EditState& st) {
    if (st.preedit.empty()) return;
    std::u16string text = std::move(st.preedit);
    st.preedit.clear();
    ++st.version;
    if (editable(st)) {
        replaceSelection(st, text, Kind::kOther);
    } else {
        caretMoved(st);
    }
}

void selectAllHere(EditState& st) {
    setFocus(st.self);
    select(st, 0, static_cast<std::int32_t>(st.model.text().size()));
    selectionSettled(st);
}

Result handler(Handle h, std::uint32_t m, WParam wp, LParam lp) {
    auto* st = static_cast<EditState*>(userData(h));
    if (!st) return defaultHandler(h, m, wp, lp);
    switch (m) {
        case msg::kCreate:
            st->self = h;
            return 0;
        case msg::kDestroy:
            if (st->textInput) backend().setTextInput(topLevelOf(h), false);
            setUserData(h, nullptr);
            delete st;
            return 0;
        case msg::kPaint:
            paint(*st, *paintEventOf(wp)->canvas);
            return 0;
        case msg::kSize:
            ++st->version;
            ensureCaretVisible(*st);
            invalidate(h);
            reportScroll(*st);
            return 0;
        case msg::kSetCursor:
            setCursor(Cursor::kIBeam);
            return 1;
        case msg::kSetFocus:
            st->focused = true;
            caretMoved(*st);
            notifyParent(*st, kEditSetFocus);
            return 0;
        case msg::kKillFocus:
            st->focused = false;
            st->dragging = false;
            killTimer(h, kBlinkTimer);
            commitPreedit(*st);
            updateTextInput(*st);
            invalidate(h);
            notifyParent(*st, kEditKillFocus);
            return 0;
        case msg::kEnable:
            updateTextInput(*st);
            invalidate(h);
            return 0;
        case msg::kTimer:
            if (wp == kBlinkTimer) {
                st->caretOn = !st->caretOn;
                Rect c = caretRectIn(*st);
                invalidate(h, &c);
            }
            return 0;
        case msg::kKeyDown:
            if (!handleKey(*st, static_cast<std::uint32_t>(wp))) {
                Handle parent = parentOf(h);
                return parent ? send(parent, m, wp, lp) : 0;
            }
            return 0;
        case msg::kKeyUp:
            if (wp == vk::kShift) selectionSettled(*st);
            return 0;
        case msg::kChar:
            handleChar(*st, static_cast<char16_t>(wp));
            return 0;
        case msg::kPreedit:
            if (!editable(*st)) return 0;
            st->preedit = input::preeditText(topLevelOf(h));
            st->preeditCursor = std::min(static_cast<std::int32_t>(wp),
                                         static_cast<std::int32_t>(st->preedit.size()));
            ++st->version;
            caretMoved(*st);
            return 0;
        case msg::kLButtonDown:
        case msg::kLButtonDblClk: {
            if (focus() != h) setFocus(h);
            std::int32_t at = offsetAt(*st, unpackPoint(lp));
            if (m == msg::kLButtonDblClk) {
                std::int32_t from = 0;
                std::int32_t to = 0;
                plainLayout(*st).wordAt(at, &from, &to);
                select(*st, from, to);
                selectionSettled(*st);
                return 0;
            }
            moveCaret(*st, at, (wp & kMouseShift) != 0);
            st->dragging = true;
            setCapture(h);
            return 0;
        }
        case msg::kMouseMove:
            if (st->dragging) {
                std::int32_t at = offsetAt(*st, unpackPoint(lp));
                if (at != st->model.caret()) moveCaret(*st, at, true);
            }
            return 0;
        case msg::kLButtonUp:
            if (st->dragging) {
                st->dragging = false;
                if (capture() == h) releaseCapture();
                selectionSettled(*st);
            }
            return 0;
        case msg::kCaptureChanged:
            st->dragging = false;
            return 0;
        case msg::kMButtonDown: {
            if (!editable(*st)) return 0;
            if (focus() != h) setFocus(h);
            std::u16string primary;
            if (!primarySelectionText(&primary)) return 0;
            std::int32_t at = offsetAt(*st, unpackPoint(lp));
            st->model.select(at, at);
            paste(*st, primary);
            return 0;
        }
        case msg::kMouseWheel: {
            if (!st->multiLine) return defaultHandler(h, m, wp, lp);
            const EditLayout& s = plainLayout(*st);
            std::int32_t most = std::max(0, s.extents().height - innerRect(*st).height);
            std::int32_t to = std::clamp(
                st->scroll.y - wheelDelta(wp) * kWheelLinesPerNotch * s.lineHeight() / 120, 0, most);
            // At either end the turn goes on to the parent, so the page around scrolls.
            if (to == st->scroll.y) return defaultHandler(h, m, wp, lp);
            st->scroll.y = to;
            invalidate(h);
            reportScroll(*st);
            return 0;
        }
        default:
            return defaultHandler(h, m, wp, lp);
    }
}

void registerEditClass() {
    static std::once_flag once;
    std::call_once(once, [] { registerClass(kEditClass, &handler); });
}

// Runs f(state) on the control's owner thread (through the layer's one hand-off); false when h
// is not a live text control.
template <typename F>
bool onEdit(Handle h, F f) {
    return callOnOwner(h, [&]() -> Result {
               EditState* st = stateOf(h);
               if (!st) return 0;
               return f(*st) ? 1 : 0;
           }) != 0;
}

}  // namespace

Handle createEdit(Handle parent, Rect rect, std::uint32_t style) {
    registerEditClass();
    auto* st = new EditState((style & kEditMultiLine) != 0);
    st->wrap = (style & kEditNoWrap) == 0;
    st->readOnly = (style & kEditReadOnly) != 0;
    st->frame = (style & kEditNoFrame) == 0;
    CreateParams p;
    p.className = kEditClass;
    p.parent = parent;
    p.rect = rect;
    p.style = style & (kStyleVisible | kStyleDisabled);
    p.userData = st;
    Handle h = create(p);
    if (!h) delete st;  // kCreate never ran
    return h;
}

bool isEdit(Handle window) {
    return className(window) == kEditClass;
}

bool setEditText(Handle edit, std::u16string_view text) {
    std::u16string t(text);
    return onEdit(edit, [&](EditState& st) {
        // The start shows: a long code or a summary is read from its beginning.
        bool changed = st.model.setText(t);
        st.scroll = {};
        if (changed) {
            textChanged(st);
        } else {
            caretMoved(st);
        }
        return true;
    });
}

std::u16string editText(Handle edit) {
    std::u16string out;
    onEdit(edit, [&](EditState& st) {
        out = st.model.text();
        return true;
    });
    return out;
}

bool setEditFont(Handle edit, const Font& font) {
    return onEdit(edit, [&](EditState& st) {
        if (st.font == font) return true;
        st.font = font;
        ++st.version;
        caretMoved(st);
        return true;
    });
}

bool setEditColours(Handle edit, const EditColours& colours) {
    return onEdit(edit, [&](EditState& st) {
        if (st.colours == colours) return true;
        st.colours = colours;
        invalidate(st.self);
        return true;
    });
}

bool setEditReadOnly(Handle edit, bool readOnly) {
    return onEdit(edit, [&](EditState& st) {
        st.readOnly = readOnly;
        if (readOnly && !st.preedit.empty()) {
            st.preedit.clear();
            ++st.version;
        }
        updateTextInput(st);
        invalidate(st.self);
        return true;
    });
}

bool isEditReadOnly(Handle edit) {
    return onEdit(edit, [](EditState& st) { return st.readOnly; });
}

bool setEditSelection(Handle edit, std::int32_t anchor, std::int32_t caret) {
    return onEdit(edit, [&](EditState& st) {
        auto n = static_cast<std::int32_t>(st.model.text().size());
        const EditLayout& s = plainLayout(st);
        auto fit = [&](std::int32_t v) { return v < 0 || v > n ? n : s.snap(v); };
        select(st, fit(anchor), fit(caret));
        return true;
    });
}

bool editSelection(Handle edit, std::int32_t* anchor, std::int32_t* caret) {
    std::int32_t a = 0;
    std::int32_t c = 0;
    bool ok = onEdit(edit, [&](EditState& st) {
        a = st.model.anchor();
        c = st.model.caret();
        return true;
    });
    if (!ok) return false;
    if (anchor) *anchor = a;
    if (caret) *caret = c;
    return true;
}

bool editSelectAll(Handle edit) {
    return onEdit(edit, [](EditState& st) {
        selectAllHere(st);
        return true;
    });
}

bool editReplaceSelection(Handle edit, std::u16string_view text) {
    std::u16string t(text);
    return onEdit(edit, [&](EditState& st) {
        replaceSelection(st, st.model.foldLines(t), Kind::kOther);
        return true;
    });
}

bool editCommitPreedit(Handle edit) {
    return onEdit(edit, [](EditState& st) {
        bool had = !st.preedit.empty();
        commitPreedit(st);
        return had;
    });
}

bool editUndo(Handle edit) {
    return onEdit(edit, [](EditState& st) { return undo(st, false); });
}

bool editCopy(Handle edit) {
    return onEdit(edit, [](EditState& st) { return copySelection(st); });
}

bool editCut(Handle edit) {
    return onEdit(edit, [](EditState& st) {
        if (st.readOnly || !copySelection(st)) return false;
        replaceSelection(st, u"", Kind::kOther);
        return true;
    });
}

bool editPaste(Handle edit) {
    return onEdit(edit, [](EditState& st) { return !st.readOnly && pasteText(st, false); });
}

Rect editCaretRect(Handle edit) {
    Rect r;
    onEdit(edit, [&](EditState& st) {
        r = caretRectIn(st);
        return true;
    });
    return r;
}

Point editScroll(Handle edit) {
    Point p;
    onEdit(edit, [&](EditState& st) {
        p = st.scroll;
        return true;
    });
    return p;
}

bool editExtent(Handle edit, EditExtent* extent) {
    EditExtent e;
    bool ok = onEdit(edit, [&](EditState& st) {
        e = extentOf(st);
        return true;
    });
    if (ok && extent) *extent = e;
    return ok;
}

bool setEditScroll(Handle edit, Point scroll) {
    return onEdit(edit, [&](EditState& st) {
        if (!st.multiLine) return false;
        EditExtent e = extentOf(st);
        Point to{std::clamp(scroll.x, 0, std::max(0, e.content.width - e.page.width)),
                 std::clamp(scroll.y, 0, std::max(0, e.content.height - e.page.height))};
        if (to != st.scroll) {
            st.scroll = to;
            invalidate(st.self);
        }
        reportScroll(st);
        return true;
    });
}

bool setEditWrap(Handle edit, bool wrap) {
    return onEdit(edit, [&](EditState& st) {
        if (!st.multiLine) return false;
        if (st.wrap == wrap) return true;
        st.wrap = wrap;
        ++st.version;
        if (wrap) st.scroll.x = 0;
        caretMoved(st);
        return true;
    });
}

std::int32_t editFieldHeight(const Font& font) {
    return lineHeight(font) + 2 * (scaled(1) + scaled(kPad));
}

}  // namespace platform::window
