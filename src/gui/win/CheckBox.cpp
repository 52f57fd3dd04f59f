// Check box state, user clicks, links and painting.
#include "gui/win/CheckBox.h"

#include "gui/IWindow.h"
#include "gui/access/Access.h"
#include "gui/drawer/Defaults.h"
#include "gui/drawer/Skinner.h"
#include "gui/events/Disabler.h"
#include "gui/events/Editabler.h"
#include "gui/events/Enabler.h"
#include "gui/events/UnEditabler.h"

namespace pw = platform::window;

namespace s::gui::win {

CheckBoxBase::~CheckBoxBase() {
    for (events::TargetListener* l : owned_) dynamic_cast<thread::IPoolable*>(l)->release();
}

void CheckBoxBase::resetCheckBox() {
    resetText();
    for (events::TargetListener* l : owned_) dynamic_cast<thread::IPoolable*>(l)->release();
    owned_.clear();
    checked_ = false;
    press_.reset();
    eventsEnabled_ = true;
    checkedListeners_.clear();
    uncheckedListeners_.clear();
    changeListeners_.clear();
    anyChangeListeners_.clear();
    transparent_ = true;
}

void CheckBoxBase::setText(const std::u16string& text) {
    if (handOff([&] { setText(text); })) return;
    textNumber_ = -1;
    storeText(text, native_ != pw::kNoWindow);
}

void CheckBoxBase::setChecked(bool on) {
    if (handOff([&] { setChecked(on); })) return;
    // The flag first, then the look: no listener hears a change the program makes.
    bool changed = on != checked_;
    checked_ = on;
    if (changed) {
        fireListeners(anyChangeListeners_, eventSource(this), on ? 1 : 2);
        repaint();
        access::Access::checkedChanged(this, on);
    }
}

void CheckBoxBase::setCheckedSilently(bool on) {
    bool events = eventsEnabled_;
    eventsEnabled_ = false;
    setChecked(on);
    eventsEnabled_ = events;
}

void CheckBoxBase::userSet(bool on) {
    if (on == checked_) return;
    checked_ = on;
    repaint();
    access::Access::checkedChanged(this, on);
    if (eventsEnabled_) {
        fireListeners(on ? checkedListeners_ : uncheckedListeners_, eventSource(this), on ? 1 : 2);
        fireListeners(changeListeners_, eventSource(this), on ? 1 : 2);
    }
    fireListeners(anyChangeListeners_, eventSource(this), on ? 1 : 2);
    afterUserChange();
}

void CheckBoxBase::userClick() {
    if (handOff([&] { userClick(); })) return;
    userSet(clickedState());
}

template <class T>
void CheckBoxBase::link(std::vector<events::IEventListener*>& list, IComponent* c) {
    // One listener of each kind per list, holding every target.
    for (events::IEventListener* l : list) {
        if (auto* same = dynamic_cast<T*>(l); same && same->getSource() == this) {
            same->addTarget(c);
            return;
        }
    }
    T* listener = T::newFor(this);
    listener->addTarget(c);
    owned_.push_back(listener);
    list.push_back(listener);
}

// Radio buttons link editing the same way.
template void CheckBoxBase::link<events::Editabler>(std::vector<events::IEventListener*>&,
                                                    IComponent*);
template void CheckBoxBase::link<events::UnEditabler>(std::vector<events::IEventListener*>&,
                                                      IComponent*);

void CheckBoxBase::enableWhenChecked(IComponent* c) {
    link<events::Enabler>(checkedListeners_, c);
}
void CheckBoxBase::disableWhenUnchecked(IComponent* c) {
    link<events::Disabler>(uncheckedListeners_, c);
}
void CheckBoxBase::enableWhenUnchecked(IComponent* c) {
    link<events::Enabler>(uncheckedListeners_, c);
}
void CheckBoxBase::disableWhenChecked(IComponent* c) {
    link<events::Disabler>(checkedListeners_, c);
}
void CheckBoxBase::linkEnable(IComponent* c) {
    enableWhenChecked(c);
    disableWhenUnchecked(c);
}
void CheckBoxBase::linkDisable(IComponent* c) {
    disableWhenChecked(c);
    enableWhenUnchecked(c);
}

pw::Result CheckBoxBase::handleMessage(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                                       pw::LParam lparam) {
    switch (message) {
        case pw::msg::kLButtonDown:
        case pw::msg::kLButtonDblClk:
            press_.press(window, PressTracker::kWhole);
            return 0;
        case pw::msg::kLButtonUp: {
            if (!press_.isPressed()) return 0;
            pw::Point p = pw::unpackPoint(lparam);
            bool in = p.x >= 0 && p.y >= 0 && p.x < width_ && p.y < height_;
            if (press_.release(window, in ? PressTracker::kWhole : PressTracker::kNone)) {
                userSet(clickedState());
            }
            return 0;
        }
        case pw::msg::kCaptureChanged:
            press_.captureLost();
            return 0;
        case pw::msg::kKeyDown:
            if (wparam == pw::vk::kSpace) {
                userSet(clickedState());
                return 0;
            }
            break;
        default:
            break;
    }
    return Component::handleMessage(window, message, wparam, lparam);
}

CheckBox::~CheckBox() {
    if (drawer_ && drawerOwned_) drawer_->release();
}

void CheckBox::recycle() {
    if (drawer_ && drawerOwned_) drawer_->release();
    drawer_ = nullptr;
    drawerOwned_ = false;
    resetCheckBox();
}

drawer::checkbox::IThin* CheckBox::checkDrawer() const {
    if (drawer_) return drawer_;
    drawer::ISkin* skin = drawer::Defaults::currentSkin(window_ ? window_->getSkinner() : nullptr);
    return skin ? skin->getCheckBoxDrawer() : drawer::Defaults::checkBox();
}

void CheckBox::setCheckDrawer(drawer::checkbox::IThin* drawer, bool owned) {
    if (handOff([&] { setCheckDrawer(drawer, owned); })) return;
    if (drawer_ && drawerOwned_) drawer_->release();
    drawer_ = drawer;
    drawerOwned_ = owned;
    measure(true);
    repaint();
}

void CheckBox::measure(bool relayout) {
    std::int32_t minW = 0, minH = 0, natW = 0, natH = 0;
    checkDrawer()->measure(text_, ownFont_, px(kBoxSide), &minW, &minH, &natW, &natH);
    setMinSize(minW, minH);
    setNaturalSize(natW, natH);
    afterMeasure(relayout);
}

void CheckBox::paint(pw::Canvas& canvas, pw::Rect area) {
    Component::paint(canvas, area);
    checkDrawer()->paint(canvas, 0, 0, width_, height_, px(kBoxSide), checked_, text_, ownFont_,
                         isEnabled());
    if (hasFocus()) checkDrawer()->paintFocus(canvas, 0, 0, width_, height_);
}

CheckBox* newCheckBox(std::int32_t textNumber, bool checked) {
    CheckBox* box = CheckBox::create();
    box->setTextNumber(textNumber);
    box->setCheckedSilently(checked);
    return box;
}

CheckBox* newCheckBoxText(const std::u16string& text, bool checked, bool enabled,
                          std::int32_t width, std::int32_t height) {
    CheckBox* box = CheckBox::create();
    box->setText(text);
    box->setCheckedSilently(checked);
    box->setEnabled(enabled);
    if (width >= 0) box->setComponentFixedWidth(width);
    if (height >= 0) box->setComponentFixedHeight(height);
    return box;
}

}  // namespace s::gui::win
