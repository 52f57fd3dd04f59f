// A label: a text measured and painted by the text drawer; with state fonts on, a link that
// reacts to the pointer and opens its target.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/win/PressTracker.h"
#include "gui/win/TextComponent.h"
#include "thread/Pooled.h"

namespace s::gui::win {

class Label : public TextComponent, public thread::Pooled<Label> {
public:
    // Private messages carrying a text change and a temporary text to the owner thread.
    static constexpr std::uint32_t kMsgSetText = kMsgLabelSetText;
    static constexpr std::uint32_t kMsgShowTextFor = kMsgLabelShowTextFor;
    static constexpr std::uint32_t kRevertTimer = 0x1402;

    Label() { resetLabel(); }
    ~Label() override;
    const char16_t* typeName() const override { return u"s_gui_win_Label"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Label>::release(); }
    void recycle() override { resetLabel(); }

    // Answers whether the text changed; an unchanged text is not repainted.
    bool setText(const std::u16string& text, bool repaint);
    std::u16string getText() const;
    // Shows the text for the time, then the label's own text again (attached labels only).
    void showTextFor(const std::u16string& text, std::uint32_t milliseconds);
    void setTextDrawer(drawer::text::IBasic* drawer, bool owned);
    bool hasStateFonts() const { return stateFonts_; }
    void setStateFonts(bool on);
    // Opened on a click when it is an http, https or mailto address.
    void setLinkTarget(const std::u16string& target) { linkTarget_ = target; }
    // What a click does: opens the link target and tells the click listeners (owner thread).
    bool clickLink();
    void addClickListener(events::IEventListener* listener) {
        addListenerTo(clickListeners_, listener);
    }
    IFont* getDisabledFont();
    IFont* getHoveredFont();
    IFont* getPressedFont();
    // 0 normal, 1 hovered, 2 pressed.
    std::int32_t getState() const { return press_.lookOf(PressTracker::kWhole); }

    // A link (a label with state fonts) is acted on: it takes the focus.
    bool takesFocus() const override { return stateFonts_; }

    platform::window::Result handleMessage(platform::window::Handle window, std::uint32_t message,
                                           platform::window::WParam wparam,
                                           platform::window::LParam lparam) override;

protected:
    void paint(platform::window::Canvas& canvas, platform::window::Rect area) override;
    void measure(bool relayout) override;
    bool storeText(const std::u16string& text, bool repaint) override;
    void forEachStateFont(const std::function<void(Font*)>& change) override;

private:
    void resetLabel();
    void releaseDrawer();
    Font* stateFont(Font*& font);
    const IFont* paintFont() const;
    // PressTracker::kWhole when the point lies on the label (edges included), else kNone.
    std::int32_t partAt(platform::window::LParam point) const;
    void revertText();

    drawer::text::IBasic* drawer_ = nullptr;
    bool drawerOwned_ = false;
    bool stateFonts_ = false;
    PressTracker press_;
    Font* disabledFont_ = nullptr;
    Font* hoveredFont_ = nullptr;
    Font* pressedFont_ = nullptr;
    std::u16string linkTarget_;
    std::vector<events::IEventListener*> clickListeners_;
    bool temporary_ = false;  // a temporary text is shown; savedText_ is the label's own
    std::u16string savedText_;
};

// Whether a link target may be opened: http, https and mailto addresses only.
bool isOpenableLink(const std::u16string& target);

Label* newLabel(const std::u16string& text);
// flagA wraps, flagB cuts with an ellipsis; the size code is applied when it is not 0.
Label* newLabel(const std::u16string& text, bool flagA, bool flagB, std::int32_t sizeCode);
Label* newLabelByNumber(std::int32_t textNumber, bool flagA, bool flagB, std::int32_t sizeCode);

}  // namespace s::gui::win
