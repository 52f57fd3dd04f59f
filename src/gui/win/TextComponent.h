// What the text widgets share: a literal text or a text number looked up in the window's
// language pack, their own font, and the hand-off of text changes to the owner thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/drawer/text/IBasic.h"
#include "gui/events/Listeners.h"
#include "gui/win/Component.h"
#include "gui/win/Font.h"
#include "gui/win/FontOperations.h"

namespace s::gui::win {

// The language pack of the window a component belongs to, as the source of its language
// change events (null while the window has none), and the text of a number in it (false when
// there is no pack).
void* languagePackOf(IComponent* component);
bool lookUpText(IComponent* component, std::int32_t number, std::u16string* text);

class TextComponent : public Component, public FontOperations {
public:
    TextComponent();
    ~TextComponent() override;

    // A language change (the pack as source) looks the text number up again.
    void onEvent(void* source, std::int32_t code) override;

    // The text number (-1 none): looked up now when the window has a language pack, else the
    // text is empty until the widget is attached to one that has.
    void setTextNumber(std::int32_t number);
    std::int32_t getTextNumber() const { return textNumber_; }

    // The font operations change the widget's own font; each measures the widget again.
    Font* ownFont() const { return ownFont_; }
    // Runs a change of the font and measures again (on the owner thread when attached).
    void changeFont(const std::function<void(Font*)>& change);

protected:
    void resetText();
    void onAttached() override;
    void scaleChanged(double) override { measure(false); }
    bool followsLanguage() const override { return true; }
    bool followsSkin() const override { return true; }
    // Stores the new text (on the owner thread) and measures; answers whether it changed.
    virtual bool storeText(const std::u16string& text, bool repaint);
    // Size from the current text and font; the parent lays out again when asked.
    virtual void measure(bool relayout) = 0;
    void applyFontChange(const std::function<void(Font*)>& change, bool stateFonts) override;
    // Fonts changed by the widget's font operations besides its own (state fonts).
    virtual void forEachStateFont(const std::function<void(Font*)>& change) {}
    void afterMeasure(bool relayout);
    drawer::text::IBasic* textDrawer() const;
    drawer::text::TextFormat formatOf(const IFont* font) const;
    void lookUpNumber(bool repaint);

    std::u16string text_;
    std::int32_t textNumber_ = -1;
    Font* ownFont_;
};

using events::fireListeners;

}  // namespace s::gui::win
