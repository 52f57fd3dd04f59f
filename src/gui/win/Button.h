// A push button: text or glyph painted by the button drawer, click, press and after-click
// listeners, auto-repeat, toggle mode and the "#Resizer" grip.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/drawer/button/IThin.h"
#include "gui/win/PressTracker.h"
#include "gui/win/TextComponent.h"
#include "thread/Pooled.h"

namespace s::gui::win {

class Button : public TextComponent, public thread::Pooled<Button> {
public:
    // A click made by the program: press, release and click.
    static constexpr std::uint32_t kMsgClick = kMsgButtonClick;
    static constexpr std::uint32_t kRepeatTimer = 0x8005;
    static constexpr std::uint32_t kFirstRepeatMs = 500;
    static constexpr std::uint32_t kRepeatMs = 100;

    Button() { resetButton(); }
    ~Button() override;
    const char16_t* typeName() const override { return u"s_gui_win_Button"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Button>::release(); }
    void recycle() override { resetButton(); }

    void setText(const std::u16string& text);
    // Read on the owner thread, where the text is set.
    std::u16string getText() const {
        return onOwnerThread([this] { return text_; });
    }
    void addClickListener(events::IEventListener* l) { addListenerTo(clickListeners_, l); }
    void addAfterClickListener(events::IEventListener* l) {
        addListenerTo(afterClickListeners_, l);
    }
    void addPressListener(events::IEventListener* l) { addListenerTo(pressListeners_, l); }
    void setAutoRepeat(bool on) { autoRepeat_ = on; }
    void setButtonDrawer(drawer::button::IThin* drawer, bool owned);
    void setShowFocus(bool on) { showFocus_ = on; }
    void setToggleMode(bool toggle, bool canUncheck);
    bool getCanUncheck() const { return canUncheck_; }
    bool isToggled() const { return toggled_; }
    bool isToggleMode() const { return toggleMode_; }
    void setToggled(bool on);
    void setToggleEnabled(bool on) { toggleEnabled_ = on; }
    // The text "#Color-" and the colour 0x00BBGGRR as eight lower-case hexadecimal digits.
    void setColourText(std::int32_t red, std::int32_t green, std::int32_t blue);
    // Clicks the button as the user would (press, release, click) on the owner thread.
    void click();
    IFont* getHoveredFont() { return hoveredFont_; }
    IFont* getPressedFont() { return pressedFont_; }
    // 0 normal, 1 hovered, 2 pressed.
    std::int32_t getState() const { return press_.lookOf(PressTracker::kWhole); }
    bool isPressed() const { return press_.isPressed(); }

    void setEnabled(bool enable) override;
    void setVisible(bool show, bool relayout) override;
    bool takesFocus() const override { return text_ != u"#Resizer"; }

    platform::window::Result handleMessage(platform::window::Handle window, std::uint32_t message,
                                           platform::window::WParam wparam,
                                           platform::window::LParam lparam) override;

protected:
    void paint(platform::window::Canvas& canvas, platform::window::Rect area) override;
    void measure(bool relayout) override;
    void forEachStateFont(const std::function<void(Font*)>& change) override;

private:
    void resetButton();
    drawer::button::IThin* buttonDrawer() const;
    void lookChanged(bool changed);
    // A press; `capturer` takes the pointer (kNoWindow for a program's click).
    void press(platform::window::Handle capturer);
    // Ends a press without a click (release outside, capture lost, disabled, hidden).
    void cancelPress();
    void clickStep();
    // PressTracker::kWhole when the point lies on the button, else kNone.
    std::int32_t partAt(platform::window::LParam point) const;

    drawer::button::IThin* drawer_ = nullptr;
    bool drawerOwned_ = false;
    Font* hoveredFont_ = nullptr;
    Font* pressedFont_ = nullptr;
    std::vector<events::IEventListener*> clickListeners_, afterClickListeners_, pressListeners_;
    bool autoRepeat_ = false;
    bool repeating_ = false;  // the 100 ms timer replaced the first one
    bool showFocus_ = false;
    bool toggleMode_ = false, canUncheck_ = true, toggled_ = false, toggleEnabled_ = true;
    PressTracker press_;
};

// Enabled; fixed width and height when they are 0 or more.
Button* newButton(const std::u16string& text, std::int32_t width, std::int32_t height);
Button* newButtonByNumber(std::int32_t width, std::int32_t textNumber, std::int32_t height);

}  // namespace s::gui::win
