// The text control's text, selection and history, without window or layout.
#include "platform/window/EditModel.h"

#include <utility>

namespace platform::window {

namespace {

bool isHigh(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

}  // namespace

std::u16string EditModel::selectedText() const {
    return text_.substr(static_cast<std::size_t>(selectionStart()),
                        static_cast<std::size_t>(selectionEnd() - selectionStart()));
}

bool EditModel::setText(std::u16string_view text) {
    bool changed = text_ != text;
    text_.assign(text);
    anchor_ = caret_ = 0;
    clear(undo_);
    clear(redo_);
    last_ = Last::kNone;
    return changed;
}

void EditModel::select(std::int32_t anchor, std::int32_t caret) {
    auto n = static_cast<std::int32_t>(text_.size());
    anchor_ = std::clamp(anchor, 0, n);
    caret_ = std::clamp(caret, 0, n);
    last_ = Last::kNone;
}

bool EditModel::replaceSelection(std::u16string_view with, Kind kind) {
    std::int32_t a = selectionStart();
    std::int32_t b = selectionEnd();
    if (a == b && with.empty()) return false;
    auto end = a + static_cast<std::int32_t>(with.size());
    bool coalesce = kind == Kind::kTyping && last_ == Last::kTyping && a == b && !undo_.empty();
    if (coalesce) {
        Step& step = undo_.back();
        step.inserted.append(with);
        step.anchorAfter = step.caretAfter = end;
        historyBytes_ += with.size() * sizeof(char16_t);
    } else {
        clear(redo_);
        Step step{a,
                  text_.substr(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a)),
                  std::u16string(with),
                  anchor_,
                  caret_,
                  end,
                  end};
        historyBytes_ += step.bytes();
        undo_.push_back(std::move(step));
    }
    text_.replace(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a), with);
    anchor_ = caret_ = end;
    last_ = kind == Kind::kTyping ? Last::kTyping : Last::kOther;
    trim();
    return true;
}

bool EditModel::paste(std::u16string_view pasted) {
    std::u16string text = foldLines(pasted);
    if (text.size() > kPasteLimit) {
        std::size_t keep = kPasteLimit;
        if (isHigh(text[keep - 1])) --keep;  // never half a surrogate pair
        text.resize(keep);
    }
    return replaceSelection(text, Kind::kOther);
}

bool EditModel::undo() {
    return apply(undo_, redo_, true);
}

bool EditModel::redo() {
    return apply(redo_, undo_, false);
}

std::u16string EditModel::foldLines(std::u16string_view in) const {
    std::u16string s(in);
    if (multiLine_) return s;
    while (!s.empty() && (s.back() == u'\n' || s.back() == u'\r')) s.pop_back();
    std::u16string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n') continue;
        out.push_back(s[i] == u'\r' || s[i] == u'\n' ? u' ' : s[i]);
    }
    return out;
}

void EditModel::clear(std::vector<Step>& steps) {
    for (const Step& s : steps) historyBytes_ -= s.bytes();
    steps.clear();
}

bool EditModel::apply(std::vector<Step>& from, std::vector<Step>& to, bool back) {
    if (from.empty()) return false;
    Step step = std::move(from.back());
    from.pop_back();
    // Going the other way later brings back the selection of this moment.
    (back ? step.anchorAfter : step.anchorBefore) = anchor_;
    (back ? step.caretAfter : step.caretBefore) = caret_;
    const std::u16string& out = back ? step.inserted : step.removed;
    const std::u16string& in = back ? step.removed : step.inserted;
    text_.replace(static_cast<std::size_t>(step.at), out.size(), in);
    anchor_ = back ? step.anchorBefore : step.anchorAfter;
    caret_ = back ? step.caretBefore : step.caretAfter;
    last_ = Last::kNone;
    to.push_back(std::move(step));
    trim();
    return true;
}

void EditModel::trim() {
    auto dropOldest = [this](std::vector<Step>& steps) {
        historyBytes_ -= steps.front().bytes();
        steps.erase(steps.begin());
    };
    while (undo_.size() > kUndoDepth) dropOldest(undo_);
    while (historyBytes_ > kHistoryBytes && !undo_.empty()) dropOldest(undo_);
    while (historyBytes_ > kHistoryBytes && !redo_.empty()) dropOldest(redo_);
}

}  // namespace platform::window
