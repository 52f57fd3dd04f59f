// A check box: a box with a check mark and a text. User clicks fire the checked and unchecked
// listeners (and so the enable links); changes made by the program fire nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/drawer/checkbox/IThin.h"
#include "gui/events/TargetListener.h"
#include "gui/win/PressTracker.h"
#include "gui/win/TextComponent.h"
#include "thread/Pooled.h"

namespace s::gui::win {

class CheckBoxBase : public TextComponent {
public:
    static constexpr std::int32_t kBoxSide = 13;
    static constexpr std::int32_t kGap = 4;

    ~CheckBoxBase() override;

    void setText(const std::u16string& text);
    std::u16string getText() const { return text_; }
    void addCheckedListener(events::IEventListener* l) { addListenerTo(checkedListeners_, l); }
    void addUncheckedListener(events::IEventListener* l) { addListenerTo(uncheckedListeners_, l); }
    // The two further lists: told of every user change (code 1 checked, 2 unchecked), and of
    // every change, the program's included.
    void addChangeListener(events::IEventListener* l) { addListenerTo(changeListeners_, l); }
    void addAnyChangeListener(events::IEventListener* l) { addListenerTo(anyChangeListeners_, l); }
    bool isChecked() const { return checked_; }
    void setChecked(bool on);
    void setCheckedSilently(bool on);
    bool areEventsEnabled() const { return eventsEnabled_; }
    void setEventsEnabled(bool on) { eventsEnabled_ = on; }
    // Links that follow user clicks: enable c when checked and disable it when unchecked, and
    // the reverse; each half on its own.
    void linkEnable(IComponent* c);
    void enableWhenChecked(IComponent* c);
    void disableWhenUnchecked(IComponent* c);
    void linkDisable(IComponent* c);
    void enableWhenUnchecked(IComponent* c);
    void disableWhenChecked(IComponent* c);
    // The user's click: the state the native control would set.
    void userClick();

    bool takesFocus() const override { return true; }

    platform::window::Result handleMessage(platform::window::Handle window, std::uint32_t message,
                                           platform::window::WParam wparam,
                                           platform::window::LParam lparam) override;

protected:
    void resetCheckBox();
    // The check the user's click leads to (a radio button only checks).
    virtual bool clickedState() const { return !checked_; }
    // Called after a user change was stored.
    virtual void afterUserChange() {}
    // Sets the flag from the user's side: listeners fire while events are enabled.
    void userSet(bool on);
    template <class T>
    void link(std::vector<events::IEventListener*>& list, IComponent* c);

    bool checked_ = false;
    bool eventsEnabled_ = true;
    PressTracker press_;
    std::vector<events::IEventListener*> checkedListeners_, uncheckedListeners_, changeListeners_,
        anyChangeListeners_;
    std::vector<events::TargetListener*> owned_;  // links made here, released with the box
};

class CheckBox : public CheckBoxBase, public thread::Pooled<CheckBox> {
public:
    CheckBox() { resetCheckBox(); }
    ~CheckBox() override;
    const char16_t* typeName() const override { return u"s_gui_win_CheckBox"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<CheckBox>::release(); }
    void recycle() override;

    void setCheckDrawer(drawer::checkbox::IThin* drawer, bool owned);

protected:
    void paint(platform::window::Canvas& canvas, platform::window::Rect area) override;
    void measure(bool relayout) override;

private:
    drawer::checkbox::IThin* checkDrawer() const;
    drawer::checkbox::IThin* drawer_ = nullptr;
    bool drawerOwned_ = false;
};

CheckBox* newCheckBox(std::int32_t textNumber, bool checked);
CheckBox* newCheckBoxText(const std::u16string& text, bool checked, bool enabled,
                          std::int32_t width, std::int32_t height);

}  // namespace s::gui::win
