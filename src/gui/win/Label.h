// A label: one text measured and drawn through the window layer's text services.
#pragma once

#include <cstdint>
#include <string>

#include "gui/win/Component.h"
#include "platform/window/Text.h"
#include "thread/Pooled.h"

namespace s::gui::win {

class Label : public Component, public thread::Pooled<Label> {
public:
    // Private message carrying a text change to the owner thread (wparam: the text).
    static constexpr std::uint32_t kMsgSetText = 0x1401;

    Label() { resetLabel(); }
    const char16_t* typeName() const override { return u"s_gui_win_Label"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Label>::release(); }
    void recycle() override { resetLabel(); }

    // Answers whether the text changed; an unchanged text is not repainted.
    bool setText(const std::u16string& text, bool repaint);
    std::u16string getText() const { return text_; }
    void setTextColour(Colour colour) { textColour_ = colour; }

    platform::window::Result handleMessage(platform::window::Handle window, std::uint32_t message,
                                           platform::window::WParam wparam,
                                           platform::window::LParam lparam) override;

protected:
    void paint(platform::window::Canvas& canvas, platform::window::Rect area) override;
    void onAttached() override { measure(false); }

private:
    void resetLabel();
    void storeText(const std::u16string& text, bool repaint);
    // Text size becomes the minimum and natural size; the parent may lay out again.
    void measure(bool relayout);

    std::u16string text_;
    platform::window::Font nativeFont_;
    Colour textColour_ = 0;
};

Label* newLabel(const std::u16string& text);

}  // namespace s::gui::win
