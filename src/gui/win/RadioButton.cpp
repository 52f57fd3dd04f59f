// Radio grouping by parent, edit links and painting.
#include "gui/win/RadioButton.h"

#include "gui/IWindow.h"
#include "gui/drawer/Defaults.h"
#include "gui/drawer/Skinner.h"
#include "gui/events/Editabler.h"
#include "gui/events/UnEditabler.h"

namespace pw = platform::window;

namespace s::gui::win {

namespace {

drawer::radiobutton::IThin* radioDrawerOf(const IWindow* window) {
    drawer::ISkin* skin = drawer::Defaults::currentSkin(window ? window->getSkinner() : nullptr);
    return skin ? skin->getRadioButtonDrawer() : drawer::Defaults::radioButton();
}

}  // namespace

void RadioButton::linkEditable(IComponent* c) {
    link<events::Editabler>(checkedListeners_, c);
    link<events::UnEditabler>(uncheckedListeners_, c);
}

void RadioButton::linkReadOnly(IComponent* c) {
    link<events::UnEditabler>(checkedListeners_, c);
    link<events::Editabler>(uncheckedListeners_, c);
}

void RadioButton::afterUserChange() {
    if (!checked_ || !parent_) return;
    // The siblings of one parent form the group: the user's choice clears the others.
    for (IComponent* sibling : parent_->getChildren()) {
        auto* other = dynamic_cast<RadioButton*>(sibling);
        if (other && other != this && other->checked_) other->userSet(false);
    }
}

void RadioButton::measure(bool relayout) {
    std::int32_t minW = 0, minH = 0, natW = 0, natH = 0;
    radioDrawerOf(window_)->measure(text_, ownFont_, px(kBoxSide), &minW, &minH, &natW, &natH);
    setMinSize(minW, minH);
    setNaturalSize(natW, natH);
    afterMeasure(relayout);
}

void RadioButton::paint(pw::Canvas& canvas, pw::Rect area) {
    Component::paint(canvas, area);
    radioDrawerOf(window_)->paint(canvas, 0, 0, width_, height_, px(kBoxSide), checked_, text_,
                                  ownFont_, isEnabled());
    if (hasFocus()) radioDrawerOf(window_)->paintFocus(canvas, 0, 0, width_, height_);
}

RadioButton* newRadioButton(const std::u16string& text, bool checked) {
    RadioButton* button = RadioButton::create();
    button->setText(text);
    button->setCheckedSilently(checked);
    return button;
}

}  // namespace s::gui::win
