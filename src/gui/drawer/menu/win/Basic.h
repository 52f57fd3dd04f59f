// The menu bar of the skins.
#pragma once

#include "gui/drawer/button/win/Thin.h"
#include "gui/drawer/menu/IBasic.h"
#include "gui/drawer/text/win/Basic.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::menu::win {

class Basic : public IBasic, public thread::Pooled<Basic> {
public:
    Basic();
    ~Basic() override;
    const char16_t* typeName() const override { return u"s_gui_drawer_menu_win_Basic"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Basic>::release(); }
    void recycle() override { reset(); }

    void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom, std::int32_t state = 0, std::u16string_view text = {},
               const IFont* font = nullptr) override;
    void paintEntry(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                    std::int32_t bottom, std::u16string_view text, const IFont* font,
                    std::int32_t state) override;
    void measureEntry(std::u16string_view text, const IFont* font, std::int32_t* width,
                      std::int32_t* height) override;

    void setColours(Colour text, Colour line, Colour background) override;
    Colour getTextColour() const override { return text_; }
    Colour getLineColour() const override { return line_; }
    Colour getBackgroundColour() const override { return background_; }
    void setFontColours(Colour normal, Colour second) override {
        fontNormal_ = normal;
        fontSecond_ = second;
    }
    void setHighlightColour(Colour colour) override { highlight_ = colour; }
    Colour getHighlightColour() const override { return highlight_; }
    void setHighlightFill(bool on) override { highlightFill_ = on; }
    void setOffset(bool on) override { offset_ = on; }
    void setOneEntry(bool on) override { oneEntry_ = on; }
    bool isOneEntry() const override { return oneEntry_; }
    button::IThin* getButtonDrawer() override { return button_; }

private:
    void reset();

    text::win::Basic* textDrawer_;
    button::win::Thin* button_;
    Colour text_ = 0, line_ = 0, background_ = 0;
    Colour fontNormal_ = 0, fontSecond_ = 0, highlight_ = 0;
    bool highlightFill_ = true, offset_ = false, oneEntry_ = false;
};

}  // namespace s::gui::drawer::menu::win
