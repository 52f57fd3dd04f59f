// The text control of the window layer: a one-line text field or a multi-line text area with a
// caret, selection by mouse and keys, clipboard and primary selection, undo, read-only mode,
// scrolling, wrapping and input methods (pre-edit text shown at the caret).
//
// Offsets are UTF-16 units of the text; the caret only stops between graphemes. Text that holds
// the escaped bytes of a file name (U+DC80..U+DCFF) keeps them, but shows and copies U+FFFD.
// The functions may be called from any thread; they run on the control's owner thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/window/Text.h"
#include "platform/window/Types.h"
#include "platform/window/Window.h"

namespace platform::window {

inline constexpr const char* kEditClass = "LayerEdit";

// Style bits of createEdit, beside kStyleVisible and kStyleDisabled.
enum EditStyle : std::uint32_t {
    kEditMultiLine = 0x00010000,  // wraps at the width, Return starts a line, scrolls vertically
    kEditReadOnly = 0x00020000,   // selectable and copyable, not changed by the user
    kEditNoFrame = 0x00040000,    // no one-pixel frame
    kEditNoWrap = 0x00080000,     // a multi-line control keeps each line whole and scrolls sideways
};

// Notifications to the parent window: msg::kCommand with wparam = code << 16 and lparam = the
// control's handle.
enum EditNotification : std::uint32_t {
    kEditSetFocus = 0x0100,
    kEditKillFocus = 0x0200,
    kEditChange = 0x0300,  // the text changed, by the user or by the program
    kEditReturn = 0x0700,  // Return was pressed in a one-line field
    kEditScroll = 0x0602,  // a multi-line control scrolled or its text's extent changed
};
constexpr std::uint32_t editNotification(WParam wparam) {
    return static_cast<std::uint32_t>((wparam >> 16) & 0xFFFF);
}

struct EditColours {
    Colour background = rgb(255, 255, 255);
    bool fillBackground = true;  // false: what lies beneath shows through
    Colour text = rgb(0, 0, 0);
    Colour disabledText = rgb(109, 109, 109);
    Colour selection = rgb(0, 120, 215);
    Colour selectedText = rgb(255, 255, 255);
    Colour frame = rgb(122, 122, 122);
    Colour focusFrame = rgb(0, 120, 215);  // a framed control with the focus: two pixels wide
    friend bool operator==(const EditColours&, const EditColours&) = default;
};

// Makes a text control as a child of parent (rect in the parent's client coordinates); style
// holds Style and EditStyle bits. Answers kNoWindow on failure.
Handle createEdit(Handle parent, Rect rect, std::uint32_t style);
bool isEdit(Handle window);

// Replaces the whole text (caret at the start and the text scrolled there, nothing selected,
// undo history emptied) and tells
// the parent kEditChange when it differs. A one-line field keeps line breaks as given.
bool setEditText(Handle edit, std::u16string_view text);
std::u16string editText(Handle edit);
bool setEditFont(Handle edit, const Font& font);
bool setEditColours(Handle edit, const EditColours& colours);
bool setEditReadOnly(Handle edit, bool readOnly);
bool isEditReadOnly(Handle edit);

// The selection as anchor and caret offsets (-1 or past the end: the end), snapped to grapheme
// boundaries; the caret is scrolled into view.
bool setEditSelection(Handle edit, std::int32_t anchor, std::int32_t caret);
bool editSelection(Handle edit, std::int32_t* anchor, std::int32_t* caret);
// Gives the control the keyboard focus, selects the whole text and scrolls the caret into view.
bool editSelectAll(Handle edit);
// Replaces the selection as if typed (one undo step; ignores read-only).
bool editReplaceSelection(Handle edit, std::u16string_view text);
bool editUndo(Handle edit);
// Puts a composition of the input method still in progress into the text as typed; false when
// there is none.
bool editCommitPreedit(Handle edit);
bool editCopy(Handle edit);
bool editCut(Handle edit);
bool editPaste(Handle edit);

// Where the caret is drawn (client coordinates of the control); empty without a caret.
Rect editCaretRect(Handle edit);
// How far the text is scrolled (pixels to the left and up).
Point editScroll(Handle edit);
// The scroll state of a control: the text's extent (with room for the caret at a line's end),
// the part of it shown and how far it is scrolled.
struct EditExtent {
    Size content;
    Size page;
    Point scroll;
    std::int32_t lineHeight = 1;
    friend bool operator==(const EditExtent&, const EditExtent&) = default;
};
bool editExtent(Handle edit, EditExtent* extent);
// Scrolls a multi-line control to a position (cut to its range); the caret stays where it is.
bool setEditScroll(Handle edit, Point scroll);
// Wrapping of a multi-line control at its width (on unless made with kEditNoWrap).
bool setEditWrap(Handle edit, bool wrap);
// The height of a one-line field in the font: one line, padding and frame.
std::int32_t editFieldHeight(const Font& font);

}  // namespace platform::window
