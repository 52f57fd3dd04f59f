// A radio button: a check box drawn as a round option. A user click only checks it and clears
// the other radio buttons of the same parent; Editabler and UnEditabler links follow it.
#pragma once

#include "gui/drawer/radiobutton/IThin.h"
#include "gui/win/CheckBox.h"
#include "thread/Pooled.h"

namespace s::gui::win {

class RadioButton : public CheckBoxBase, public thread::Pooled<RadioButton> {
public:
    RadioButton() { resetCheckBox(); }
    const char16_t* typeName() const override { return u"s_gui_win_RadioButton"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<RadioButton>::release(); }
    void recycle() override { resetCheckBox(); }

    // Make c editable when checked and read-only when unchecked, or the reverse.
    void linkEditable(IComponent* c);
    void linkReadOnly(IComponent* c);

protected:
    bool clickedState() const override { return true; }
    void afterUserChange() override;
    void paint(platform::window::Canvas& canvas, platform::window::Rect area) override;
    void measure(bool relayout) override;
};

RadioButton* newRadioButton(const std::u16string& text, bool checked);

}  // namespace s::gui::win
