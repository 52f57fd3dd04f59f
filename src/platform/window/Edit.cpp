// The text control: state, Pango layout with offset maps, keys, mouse, painting and the
// operations of Edit.h. Boundaries (graphemes, words, lines) come from the Pango layout.
#include "platform/window/Edit.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "detail/Core.h"
#include "detail/PangoText.h"
#include "platform/window/Backend.h"
#include "platform/window/Clipboard.h"
#include "platform/window/Input.h"
#include "platform/window/Picture.h"
#include "platform/window/Text.h"

namespace platform::window {

namespace {

constexpr std::int32_t kPad = 2;  // between the frame and the text
constexpr std::uint32_t kBlinkTimer = 0xED17;
constexpr std::uint32_t kBlinkMs = 530;
constexpr std::size_t kUndoDepth = 100;
constexpr int kWheelLines = 3;

bool isHigh(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLow(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// A Pango layout of a text with the maps between UTF-16 offsets, UTF-8 byte offsets and the
// character indices of Pango's boundary attributes.
struct Shaped {
    PangoLayout* layout = nullptr;
    PangoAttrList* base = nullptr;    // the font's own attributes
    std::vector<int> byteOf;          // UTF-16 offset -> byte offset (size n + 1)
    std::vector<int> charOf;          // UTF-16 offset -> character index (size n + 1)
    std::vector<int> unitOf;          // character index -> UTF-16 offset (size chars + 1)
    std::vector<PangoLogAttr> attrs;  // a copy: painting sets attributes, which remakes Pango's
    int chars = 0;

    Shaped() = default;
    Shaped(const Shaped&) = delete;
    Shaped& operator=(const Shaped&) = delete;
    ~Shaped() {
        if (base) pango_attr_list_unref(base);
        if (layout) g_object_unref(layout);
    }

    int unitAtByte(int byte) const {
        auto it = std::lower_bound(byteOf.begin(), byteOf.end(), byte);
        return static_cast<int>(it - byteOf.begin());
    }
    int next(int u) const {
        int c = charOf[u];
        while (c < chars) {
            if (attrs[++c].is_cursor_position) break;
        }
        return unitOf[c];
    }
    int prev(int u) const {
        int c = charOf[u];
        while (c > 0) {
            if (attrs[--c].is_cursor_position) break;
        }
        return unitOf[c];
    }
    int wordRight(int u) const {
        int c = charOf[u];
        if (c < chars) ++c;
        while (c < chars && !attrs[c].is_word_end) ++c;
        return unitOf[c];
    }
    int wordLeft(int u) const {
        int c = charOf[u];
        if (c > 0) --c;
        while (c > 0 && !attrs[c].is_word_start) --c;
        return unitOf[c];
    }
    // The nearest grapheme boundary at or before u.
    int snap(int u) const {
        int c = charOf[u];
        while (c > 0 && !attrs[c].is_cursor_position) --c;
        return unitOf[c];
    }
    // The word around u, or the run of non-word characters when u is between words.
    void wordAt(int u, int* from, int* to) const {
        int c = charOf[u];
        if (c >= chars && c > 0) --c;
        bool inWord = false;
        int s = c;
        while (s > 0 && !attrs[s].is_word_start) --s;
        if (attrs[s].is_word_start) {
            int e = s + 1;
            while (e < chars && !attrs[e].is_word_end) ++e;
            inWord = c < e && attrs[e].is_word_end;
            if (inWord) {
                *from = unitOf[s];
                *to = unitOf[e];
                return;
            }
        }
        int s2 = c;
        while (s2 > 0 && !attrs[s2].is_word_end && !attrs[s2].is_word_start) --s2;
        int e2 = c + 1;
        while (e2 < chars && !attrs[e2].is_word_start && !attrs[e2].is_word_end) ++e2;
        *from = unitOf[s2];
        *to = unitOf[std::min(e2, chars)];
    }
};

std::unique_ptr<Shaped> shape(const Font& font, std::u16string_view text, int wrapWidth,
                              bool oneLine) {
    auto s = std::make_unique<Shaped>();
    std::string utf8;
    utf8.reserve(text.size());
    std::size_t n = text.size();
    s->byteOf.assign(n + 1, 0);
    s->charOf.assign(n + 1, 0);
    int chars = 0;
    for (std::size_t i = 0; i < n; ++i) {
        s->byteOf[i] = static_cast<int>(utf8.size());
        s->charOf[i] = chars;
        s->unitOf.push_back(static_cast<int>(i));
        char16_t c = text[i];
        if (isHigh(c) && i + 1 < n && isLow(text[i + 1])) {
            appendUtf8(utf8, 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) +
                                 (static_cast<char32_t>(text[i + 1]) - 0xDC00));
            ++i;
            s->byteOf[i] = s->byteOf[i - 1];
            s->charOf[i] = chars;
        } else if (isHigh(c) || isLow(c) || c == 0) {
            appendUtf8(utf8, 0xFFFD);  // Pango takes valid UTF-8 without NUL only
        } else {
            appendUtf8(utf8, c);
        }
        ++chars;
    }
    s->byteOf[n] = static_cast<int>(utf8.size());
    s->charOf[n] = chars;
    s->unitOf.push_back(static_cast<int>(n));
    s->chars = chars;
    s->layout = detail::makeLayout(font, u"", wrapWidth);
    if (wrapWidth > 0) pango_layout_set_wrap(s->layout, PANGO_WRAP_WORD_CHAR);
    if (oneLine) pango_layout_set_single_paragraph_mode(s->layout, TRUE);
    pango_layout_set_text(s->layout, utf8.data(), static_cast<int>(utf8.size()));
    PangoAttrList* attrs = pango_layout_get_attributes(s->layout);
    s->base = attrs ? pango_attr_list_copy(attrs) : pango_attr_list_new();
    int count = 0;
    const PangoLogAttr* log = pango_layout_get_log_attrs_readonly(s->layout, &count);
    s->attrs.assign(log, log + count);
    s->attrs.resize(static_cast<std::size_t>(chars) + 1);
    return s;
}

struct Snapshot {
    std::u16string text;
    std::int32_t anchor = 0;
    std::int32_t caret = 0;
};

enum class LastEdit { kNone, kTyping, kOther };

struct EditState {
    Handle self = kNoWindow;
    bool multiLine = false;
    bool wrap = true;  // multi-line controls only
    bool readOnly = false;
    bool frame = true;
    std::u16string text;
    std::int32_t anchor = 0;
    std::int32_t caret = 0;
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
    std::vector<Snapshot> undo;
    std::vector<Snapshot> redo;
    LastEdit last = LastEdit::kNone;
    // Layouts of the text alone and of the text with the pre-edit, remade after changes.
    std::uint64_t version = 1;
    std::unique_ptr<Shaped> plain;
    std::uint64_t plainVersion = 0;
    std::unique_ptr<Shaped> shown;
    std::uint64_t shownVersion = 0;
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
    return (st.frame ? 1 : 0) + kPad;
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

const Shaped& plainLayout(EditState& st) {
    if (!st.plain || st.plainVersion != st.version) {
        st.plain = shape(st.font, st.text, wrapWidth(st), !st.multiLine);
        st.plainVersion = st.version;
    }
    return *st.plain;
}

// The layout painted: the text with the pre-edit at the caret.
const Shaped& shownLayout(EditState& st) {
    if (st.preedit.empty()) return plainLayout(st);
    if (!st.shown || st.shownVersion != st.version) {
        std::u16string t = st.text;
        t.insert(static_cast<std::size_t>(st.caret), st.preedit);
        st.shown = shape(st.font, t, wrapWidth(st), !st.multiLine);
        st.shownVersion = st.version;
    }
    return *st.shown;
}

std::int32_t shownCaret(const EditState& st) {
    return st.preedit.empty() ? st.caret : st.caret + st.preeditCursor;
}

PangoRectangle logicalExtents(const Shaped& s) {
    PangoRectangle logical{};
    pango_layout_get_pixel_extents(s.layout, nullptr, &logical);
    return logical;
}

// Client position of the layout's origin.
Point textOrigin(EditState& st, const Shaped& s) {
    Rect inner = innerRect(st);
    if (st.multiLine) return {inner.x - st.scroll.x, inner.y - st.scroll.y};
    std::int32_t h = logicalExtents(s).height;
    return {inner.x - st.scroll.x, (clientSize(st).height - h) / 2};
}

Rect caretRectIn(EditState& st) {
    const Shaped& s = shownLayout(st);
    PangoRectangle strong{};
    pango_layout_get_cursor_pos(s.layout, s.byteOf[shownCaret(st)], &strong, nullptr);
    Point o = textOrigin(st, s);
    std::int32_t h = std::max(1, PANGO_PIXELS(strong.height));
    return {o.x + PANGO_PIXELS(strong.x), o.y + PANGO_PIXELS(strong.y), 1, h};
}

void ensureCaretVisible(EditState& st) {
    const Shaped& s = shownLayout(st);
    Rect inner = innerRect(st);
    PangoRectangle strong{};
    pango_layout_get_cursor_pos(s.layout, s.byteOf[shownCaret(st)], &strong, nullptr);
    PangoRectangle logical = logicalExtents(s);
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

std::int32_t lineHeightOf(const Shaped& s) {
    return std::max(1,
                    logicalExtents(s).height / std::max(1, pango_layout_get_line_count(s.layout)));
}

EditExtent extentOf(EditState& st) {
    const Shaped& s = shownLayout(st);
    PangoRectangle logical = logicalExtents(s);
    Rect inner = innerRect(st);
    EditExtent e;
    e.content = {logical.width + 1, st.multiLine ? logical.height : inner.height};
    e.page = {inner.width, inner.height};
    e.scroll = st.scroll;
    e.lineHeight = lineHeightOf(s);
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

std::u16string selectedText(const EditState& st) {
    std::int32_t a = std::min(st.anchor, st.caret);
    std::int32_t b = std::max(st.anchor, st.caret);
    return st.text.substr(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a));
}

// The selection is settled (mouse released, keys let go): it becomes the primary selection.
void selectionSettled(const EditState& st) {
    if (st.anchor != st.caret) setPrimarySelectionText(displayText(selectedText(st)));
}

void pushUndo(EditState& st) {
    st.undo.push_back({st.text, st.anchor, st.caret});
    if (st.undo.size() > kUndoDepth) st.undo.erase(st.undo.begin());
    st.redo.clear();
}

// A one-line field takes pasted lines as one: trailing line breaks go, inner ones become spaces.
std::u16string fitLines(const EditState& st, std::u16string_view in) {
    std::u16string s(in);
    if (st.multiLine) return s;
    while (!s.empty() && (s.back() == u'\n' || s.back() == u'\r')) s.pop_back();
    std::u16string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n') continue;
        out.push_back(s[i] == u'\r' || s[i] == u'\n' ? u' ' : s[i]);
    }
    return out;
}

void replaceSelection(EditState& st, std::u16string_view with, LastEdit kind) {
    std::int32_t a = std::min(st.anchor, st.caret);
    std::int32_t b = std::max(st.anchor, st.caret);
    if (a == b && with.empty()) return;
    bool coalesce = kind == LastEdit::kTyping && st.last == LastEdit::kTyping && a == b;
    if (!coalesce) pushUndo(st);
    st.text.replace(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a), with);
    st.anchor = st.caret = a + static_cast<std::int32_t>(with.size());
    st.last = kind;
    textChanged(st);
}

void moveCaret(EditState& st, std::int32_t to, bool extend) {
    st.caret = to;
    if (!extend) st.anchor = to;
    st.last = LastEdit::kNone;
    caretMoved(st);
}

bool restore(EditState& st, std::vector<Snapshot>& from, std::vector<Snapshot>& to) {
    if (from.empty()) return false;
    to.push_back({st.text, st.anchor, st.caret});
    Snapshot s = std::move(from.back());
    from.pop_back();
    st.text = std::move(s.text);
    st.anchor = s.anchor;
    st.caret = s.caret;
    st.last = LastEdit::kNone;
    textChanged(st);
    return true;
}

bool copySelection(const EditState& st) {
    if (st.anchor == st.caret) return false;
    return setClipboardText(displayText(selectedText(st)));
}

bool pasteText(EditState& st, bool primary) {
    std::u16string t;
    bool ok = primary ? primarySelectionText(&t) : clipboardText(&t);
    if (!ok) return false;
    replaceSelection(st, fitLines(st, t), LastEdit::kOther);
    return true;
}

std::int32_t lineOf(const Shaped& s, std::int32_t u, int* x) {
    int line = 0;
    int xPos = 0;
    pango_layout_index_to_line_x(s.layout, s.byteOf[u], 0, &line, &xPos);
    if (x) *x = xPos;
    return line;
}

std::int32_t lineStart(const Shaped& s, std::int32_t u) {
    PangoLayoutLine* line = pango_layout_get_line_readonly(s.layout, lineOf(s, u, nullptr));
    return line ? s.unitAtByte(line->start_index) : 0;
}

std::int32_t lineEnd(const Shaped& s, std::int32_t u) {
    int index = lineOf(s, u, nullptr);
    PangoLayoutLine* line = pango_layout_get_line_readonly(s.layout, index);
    if (!line) return static_cast<std::int32_t>(s.byteOf.size()) - 1;
    std::int32_t end = s.unitAtByte(line->start_index + line->length);
    // A wrapped line ends before the space it broke at, so End stays on this line.
    if (index + 1 < pango_layout_get_line_count(s.layout) && end > 0) {
        PangoLayoutLine* next = pango_layout_get_line_readonly(s.layout, index + 1);
        if (next && next->start_index == line->start_index + line->length) end = s.prev(end);
    }
    return end;
}

// The offset on the line `delta` lines away from the caret's, at the remembered x position.
std::int32_t lineMove(EditState& st, const Shaped& s, int delta) {
    int x = 0;
    int line = lineOf(s, st.caret, &x);
    if (st.preferredX < 0) st.preferredX = x;
    int target = line + delta;
    int count = pango_layout_get_line_count(s.layout);
    if (target < 0) return 0;
    if (target >= count) return static_cast<std::int32_t>(st.text.size());
    PangoLayoutLine* l = pango_layout_get_line_readonly(s.layout, target);
    int index = 0;
    int trailing = 0;
    pango_layout_line_x_to_index(l, st.preferredX, &index, &trailing);
    std::int32_t u = s.unitAtByte(index);
    for (int i = 0; i < trailing; ++i) u = s.next(u);
    return std::min(u, lineEnd(s, u));
}

std::int32_t visibleLines(EditState& st, const Shaped& s) {
    return std::max(1, innerRect(st).height / lineHeightOf(s));
}

// The offset under a client point (nearest grapheme boundary).
std::int32_t offsetAt(EditState& st, Point p) {
    const Shaped& s = plainLayout(st);
    Point o = textOrigin(st, s);
    int index = 0;
    int trailing = 0;
    pango_layout_xy_to_index(s.layout, (p.x - o.x) * PANGO_SCALE, (p.y - o.y) * PANGO_SCALE, &index,
                             &trailing);
    std::int32_t u = s.unitAtByte(index);
    for (int i = 0; i < trailing; ++i) u = s.next(u);
    return u;
}

bool handleKey(EditState& st, std::uint32_t key) {
    bool shift = isKeyDown(vk::kShift);
    bool ctrl = isKeyDown(vk::kControl);
    bool canEdit = editable(st);
    const Shaped& s = plainLayout(st);
    std::int32_t end = static_cast<std::int32_t>(st.text.size());
    bool hasSelection = st.anchor != st.caret;
    auto keepX = [&] { st.preferredX = -1; };
    switch (key) {
        case vk::kLeft:
        case vk::kRight: {
            keepX();
            bool right = key == vk::kRight;
            std::int32_t to;
            if (ctrl) {
                to = right ? s.wordRight(st.caret) : s.wordLeft(st.caret);
            } else if (hasSelection && !shift) {
                // An arrow collapses a selection to its side.
                to = right ? std::max(st.anchor, st.caret) : std::min(st.anchor, st.caret);
            } else {
                to = right ? s.next(st.caret) : s.prev(st.caret);
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
            moveCaret(st, ctrl || !st.multiLine ? 0 : lineStart(s, st.caret), shift);
            return true;
        case vk::kEnd:
            keepX();
            moveCaret(st, ctrl || !st.multiLine ? end : lineEnd(s, st.caret), shift);
            return true;
        case vk::kBack:
        case vk::kDelete: {
            if (!canEdit) return true;
            if (key == vk::kDelete && shift && !ctrl) {  // Shift+Delete cuts
                if (copySelection(st)) replaceSelection(st, u"", LastEdit::kOther);
                return true;
            }
            if (!hasSelection) {
                bool back = key == vk::kBack;
                std::int32_t to = back ? (ctrl ? s.wordLeft(st.caret) : s.prev(st.caret))
                                       : (ctrl ? s.wordRight(st.caret) : s.next(st.caret));
                if (to == st.caret) return true;
                st.anchor = to;
            }
            replaceSelection(st, u"", LastEdit::kOther);
            return true;
        }
        case vk::kInsert:
            if (ctrl && !shift) copySelection(st);
            if (shift && !ctrl && canEdit) pasteText(st, false);
            return true;
        case vk::kReturn:
            if (!st.multiLine) notifyParent(st, kEditReturn);
            return true;  // a new line comes with the kChar that follows
        default:
            break;
    }
    if (!ctrl) return false;
    switch (key) {
        case 'A':
            st.anchor = 0;
            moveCaret(st, end, true);
            selectionSettled(st);
            return true;
        case 'C':
            copySelection(st);
            return true;
        case 'X':
            if (copySelection(st) && canEdit) replaceSelection(st, u"", LastEdit::kOther);
            return true;
        case 'V':
            if (canEdit) pasteText(st, false);
            return true;
        case 'Z':
            if (canEdit) {
                if (shift) {
                    restore(st, st.redo, st.undo);
                } else {
                    restore(st, st.undo, st.redo);
                }
            }
            return true;
        case 'Y':
            if (canEdit) restore(st, st.redo, st.undo);
            return true;
        default:
            return false;
    }
}

void handleChar(EditState& st, char16_t c) {
    if (!editable(st) || isKeyDown(vk::kControl)) return;
    if (c == u'\r') {
        if (st.multiLine) replaceSelection(st, u"\n", LastEdit::kOther);
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
        replaceSelection(st, std::u16string_view(pair, 2), LastEdit::kTyping);
        return;
    }
    st.pendingHigh = 0;
    replaceSelection(st, std::u16string_view(&c, 1), LastEdit::kTyping);
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
    if (col.fillBackground) canvas.fillRect(all, col.background);
    if (st.frame) canvas.frameRect(all, col.frame);
    std::int32_t b = st.frame ? 1 : 0;
    canvas.pushClip({b, b, size.width - 2 * b, size.height - 2 * b});
    const Shaped& s = shownLayout(st);
    PangoAttrList* attrs = pango_attr_list_copy(s.base);
    if (!attrs) attrs = pango_attr_list_new();
    if (!st.preedit.empty()) {
        insertColour(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE), s.byteOf[st.caret],
                     s.byteOf[st.caret + static_cast<std::int32_t>(st.preedit.size())]);
    } else if (st.anchor != st.caret && st.focused) {
        int from = s.byteOf[std::min(st.anchor, st.caret)];
        int to = s.byteOf[std::max(st.anchor, st.caret)];
        Colour f = col.selectedText;
        Colour g = col.selection;
        insertColour(attrs, pango_attr_foreground_new(red(f) * 257, green(f) * 257, blue(f) * 257),
                     from, to);
        insertColour(attrs, pango_attr_background_new(red(g) * 257, green(g) * 257, blue(g) * 257),
                     from, to);
    }
    pango_layout_set_attributes(s.layout, attrs);
    pango_attr_list_unref(attrs);
    Point o = textOrigin(st, s);
    auto* cr = static_cast<cairo_t*>(canvas.nativeContext());
    Colour text = enabled ? col.text : col.disabledText;
    if (cr) {
        cairo_save(cr);
        setColour(cr, text);
        cairo_move_to(cr, o.x, o.y);
        pango_cairo_show_layout(cr, s.layout);
        cairo_restore(cr);
    }
    if (st.focused && st.caretOn && enabled) canvas.fillRect(caretRectIn(st), text);
    canvas.popClip();
}

void selectAllHere(EditState& st) {
    setFocus(st.self);
    st.anchor = 0;
    moveCaret(st, static_cast<std::int32_t>(st.text.size()), true);
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
            if (!st->preedit.empty()) {
                st->preedit.clear();
                ++st->version;
            }
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
                st->anchor = from;
                moveCaret(*st, to, true);
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
                if (at != st->caret) moveCaret(*st, at, true);
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
            st->anchor = st->caret = at;
            replaceSelection(*st, fitLines(*st, primary), LastEdit::kOther);
            return 0;
        }
        case msg::kMouseWheel: {
            if (!st->multiLine) return defaultHandler(h, m, wp, lp);
            const Shaped& s = plainLayout(*st);
            std::int32_t most = std::max(0, logicalExtents(s).height - innerRect(*st).height);
            std::int32_t to = std::clamp(
                st->scroll.y - wheelDelta(wp) * kWheelLines * lineHeightOf(s) / 120, 0, most);
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

// Runs f(state) on the control's owner thread; false when h is not a live text control.
template <typename F>
bool onEdit(Handle h, F f) {
    return detail::runOnOwner(h, [&]() -> Result {
               EditState* st = stateOf(h);
               if (!st) return 0;
               return f(*st) ? 1 : 0;
           }) != 0;
}

}  // namespace

Handle createEdit(Handle parent, Rect rect, std::uint32_t style) {
    registerEditClass();
    auto* st = new EditState;
    st->multiLine = (style & kEditMultiLine) != 0;
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
        bool changed = st.text != t;
        st.text = t;
        // The start shows: a long code or a summary is read from its beginning.
        st.anchor = st.caret = 0;
        st.undo.clear();
        st.redo.clear();
        st.last = LastEdit::kNone;
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
        out = st.text;
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
        auto n = static_cast<std::int32_t>(st.text.size());
        const Shaped& s = plainLayout(st);
        auto fit = [&](std::int32_t v) { return v < 0 || v > n ? n : s.snap(v); };
        st.anchor = fit(anchor);
        moveCaret(st, fit(caret), true);
        return true;
    });
}

bool editSelection(Handle edit, std::int32_t* anchor, std::int32_t* caret) {
    std::int32_t a = 0;
    std::int32_t c = 0;
    bool ok = onEdit(edit, [&](EditState& st) {
        a = st.anchor;
        c = st.caret;
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
        replaceSelection(st, fitLines(st, t), LastEdit::kOther);
        return true;
    });
}

bool editUndo(Handle edit) {
    return onEdit(edit, [](EditState& st) { return restore(st, st.undo, st.redo); });
}

bool editCopy(Handle edit) {
    return onEdit(edit, [](EditState& st) { return copySelection(st); });
}

bool editCut(Handle edit) {
    return onEdit(edit, [](EditState& st) {
        if (st.readOnly || !copySelection(st)) return false;
        replaceSelection(st, u"", LastEdit::kOther);
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
    return lineHeight(font) + 2 * (1 + kPad);
}

}  // namespace platform::window
