// What text fields and text areas share: the text, its listeners and the window layer's text
// control that shows and edits it inside the component.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gui/ITextEdit.h"
#include "gui/win/Component.h"
#include "gui/win/Font.h"
#include "gui/win/FontOperations.h"

namespace s::gui::win {

class EditBase : public Component, public virtual ITextEdit, public FontOperations {
public:
    // Private messages to the component's own window, run on the owner thread.
    static constexpr std::uint32_t kMsgSelectAll = kMsgEditSelectAll;
    // wparam: the text; lparam: notify
    static constexpr std::uint32_t kMsgSetText = kMsgEditSetText;
    // wparam: the change of the own font
    static constexpr std::uint32_t kMsgFont = kMsgEditFont;

    std::u16string getText() const override;
    void setText(const std::u16string& text, bool notify) override;
    bool isEmpty() const override { return getText().empty(); }
    void clear() override { setText(u"", true); }
    void addChangeListener(events::IEventListener* listener) override;
    void addNotifyListener(events::IEventListener* listener) override;
    void selectAll() override;

    bool isEditable() const override { return editable_; }
    void setEditable(bool editable) override;
    IFont* getFont() const override { return ownFont(); }
    void setFont(IFont* font) override;
    void forgetNative() override;

    // The layer's text control inside the component (kNoWindow before attaching).
    platform::window::Handle getEditControl() const { return edit_; }
    bool takesFocus() const override { return true; }
    platform::window::Handle focusWindow() const override { return edit_; }

    platform::window::Result handleMessage(platform::window::Handle window, std::uint32_t message,
                                           platform::window::WParam wparam,
                                           platform::window::LParam lparam) override;

protected:
    explicit EditBase(bool multiLine) : multiLine_(multiLine) {}
    ~EditBase() override;
    void resetEdit();
    void onAttached() override;
    void scaleChanged(double) override { measure(); }
    void onResized() override;
    // Style bits the layer's control is made with, beside visibility and read-only.
    virtual std::uint32_t editStyle() const;
    // Places the control inside the component (all of it unless a subclass keeps room).
    virtual void placeEdit();
    // The multi-line control scrolled or its text's extent changed (owner thread).
    virtual void onEditScroll() {}
    // The font operations: the change runs on the own font, which the control then takes.
    void applyFontChange(const std::function<void(Font*)>& change, bool stateFonts) override;
    // Pushes the colours the field shows to the control, then lets it paint itself.
    void paint(platform::window::Canvas& canvas, platform::window::Rect area) override;
    // The skin's drawers paint it: a change of skin repaints.
    bool followsSkin() const override { return true; }
    void onEvent(void* source, std::int32_t code) override;

private:
    Font* ownFont() const { return ownFont_; }
    // Changes the own font on the owner thread when the control exists (sending there), else
    // here, and gives the control the new font.
    void changeFont(const std::function<void(Font&)>& change);
    void applyFont();
    void measure();
    void fire(const std::vector<events::IEventListener*>& listeners, std::int32_t code);

protected:
    const bool multiLine_;
    platform::window::Handle edit_ = platform::window::kNoWindow;

private:
    std::u16string text_;  // follows the control's text on the owner thread
    bool notify_ = true;   // owner thread only
    bool editable_ = true;
    Font* ownFont_ = nullptr;
    std::vector<events::IEventListener*> changeListeners_;
    std::vector<events::IEventListener*> notifyListeners_;
};

}  // namespace s::gui::win
