// The font operations shared by every text widget, forwarded to one hook that changes the
// widget's fonts where the widget keeps them (its owner thread when attached).
#pragma once

#include <functional>

#include "gui/IFontOperations.h"
#include "gui/win/Font.h"

namespace s::gui::win {

class FontOperations : public virtual IFontOperations {
public:
    void setSizeCode(std::int32_t code) override;
    void setFace(const std::u16string& name) override;
    void setTextColour(std::int32_t red, std::int32_t green, std::int32_t blue) override;
    void setSecondColour(std::int32_t red, std::int32_t green, std::int32_t blue) override;
    void setThirdColour(std::int32_t red, std::int32_t green, std::int32_t blue) override;
    void setPointSize(std::int32_t points) override;
    void setCellHeight(std::int32_t h) override;
    void setCellWidth(std::int32_t w) override;
    void setBold(bool on) override;
    void setItalic(bool on) override;
    void setUnderline(bool on) override;
    void setStrikeOut(bool on) override;
    void setWeight(std::int32_t weight) override;
    void setWrap(bool on) override;
    void setEllipsis(bool on) override;
    void setSmooth(bool on) override;
    void inheritFrom(const IFont* font) override;
    void inheritFrom(const IFontSetting* setting) override;

protected:
    // Runs `change` on the own font, and on the state fonts too when `stateFonts` is set, then
    // lets the widget take the new font.
    virtual void applyFontChange(const std::function<void(Font*)>& change, bool stateFonts) = 0;
};

}  // namespace s::gui::win
