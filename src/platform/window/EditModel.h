// The text of a text control without its window: the text, the selection, the undo and redo
// history and the folding of pasted lines. Offsets are UTF-16 units; snapping them to
// grapheme boundaries is the caller's (it has the layout).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform::window {

class EditModel {
public:
    // What made a change: typed characters in a row are one undo step.
    enum class Kind { kTyping, kOther };

    // A paste inserts at most this many UTF-16 units (64 Ki: far beyond any code, path or
    // line a field is for, yet a clipboard of hundreds of megabytes stays out of the text).
    static constexpr std::size_t kPasteLimit = std::size_t{1} << 16;
    // The undo and redo history keep each step as the text it removed and inserted, together at
    // most this many bytes (eight whole pastes), and at most kUndoDepth steps to undo.
    static constexpr std::size_t kHistoryBytes = std::size_t{1} << 20;
    static constexpr std::size_t kUndoDepth = 100;

    explicit EditModel(bool multiLine = false) : multiLine_(multiLine) {}

    const std::u16string& text() const { return text_; }
    std::int32_t anchor() const { return anchor_; }
    std::int32_t caret() const { return caret_; }
    bool hasSelection() const { return anchor_ != caret_; }
    std::int32_t selectionStart() const { return std::min(anchor_, caret_); }
    std::int32_t selectionEnd() const { return std::max(anchor_, caret_); }
    std::u16string selectedText() const;
    bool multiLine() const { return multiLine_; }

    // Replaces the whole text: caret at the start, nothing selected, history emptied. Answers
    // whether the text differs from before.
    bool setText(std::u16string_view text);
    // Sets the selection (offsets cut to the text); a following typed character starts a new
    // undo step.
    void select(std::int32_t anchor, std::int32_t caret);
    // Replaces the selection and puts the caret after the new text. Answers false when
    // nothing changed (no selection and nothing to insert).
    bool replaceSelection(std::u16string_view with, Kind kind);
    // Replaces the selection with pasted text: folded for a one-line field and cut to
    // kPasteLimit.
    bool paste(std::u16string_view pasted);
    // Takes back the last step, or brings back the last step taken back.
    bool undo();
    bool redo();

    // A one-line field takes lines as one: trailing line breaks go, inner ones become spaces.
    std::u16string foldLines(std::u16string_view in) const;
    // The bytes of text the history keeps (removed and inserted text of every step).
    std::size_t historyBytes() const { return historyBytes_; }
    std::size_t undoSteps() const { return undo_.size(); }

private:
    // One change: at `at`, `removed` was replaced by `inserted`; the selection before and after.
    struct Step {
        std::int32_t at = 0;
        std::u16string removed;
        std::u16string inserted;
        std::int32_t anchorBefore = 0, caretBefore = 0;
        std::int32_t anchorAfter = 0, caretAfter = 0;
        std::size_t bytes() const { return (removed.size() + inserted.size()) * sizeof(char16_t); }
    };
    enum class Last { kNone, kTyping, kOther };

    void clear(std::vector<Step>& steps);
    // Takes the newest step of `from` back (undo) or again (redo) and keeps it in `to`.
    bool apply(std::vector<Step>& from, std::vector<Step>& to, bool back);
    // Drops the oldest steps (undo first, then redo) until the history fits its bounds.
    void trim();

    bool multiLine_;
    std::u16string text_;
    std::int32_t anchor_ = 0;
    std::int32_t caret_ = 0;
    std::vector<Step> undo_;
    std::vector<Step> redo_;
    std::size_t historyBytes_ = 0;
    Last last_ = Last::kNone;
};

}  // namespace platform::window
