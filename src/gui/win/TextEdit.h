// A multi-line text area: wraps at its width (or keeps lines whole) and scrolls, with scroll
// bars painted by the skin that appear while the text does not fit.
#pragma once

#include "gui/win/EditBase.h"
#include "gui/win/ScrollBar.h"
#include "thread/Pooled.h"

namespace s::gui::win {

class TextEdit : public EditBase, public thread::Pooled<TextEdit> {
public:
    TextEdit();
    ~TextEdit() override;
    const char16_t* typeName() const override { return u"s_gui_win_TextEdit"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<TextEdit>::release(); }
    void recycle() override;

    // On (the default): lines wrap at the width. Off: each line stays whole and a horizontal
    // bar appears when the widest is wider than the area.
    void setLineWrap(bool on);
    bool isLineWrap() const { return wrap_; }
    // The area's own bars (hidden while the text fits).
    ScrollBar* getVerticalBar() const { return vbar_; }
    ScrollBar* getHorizontalBar() const { return hbar_; }

    void forgetNative() override;

protected:
    void onAttached() override;
    std::uint32_t editStyle() const override;
    void placeEdit() override;
    void onEditScroll() override { arrange(); }
    void paint(platform::window::Canvas& canvas, platform::window::Rect area) override;

private:
    void resetArea();
    // Shows the bars the text needs, places them and the control, and gives the bars the
    // control's range and position.
    void arrange();
    void placeParts(bool vertical, bool horizontal);

    ScrollBar* vbar_;
    ScrollBar* hbar_;
    bool wrap_ = true;
    bool arranging_ = false;
};

// An empty area of the given share of the parent's width (when 0 or more) and all its height.
TextEdit* newTextEdit(std::int32_t percentWidth);

}  // namespace s::gui::win
