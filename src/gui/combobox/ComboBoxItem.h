// One entry of a drop-down list: the text shown and an opaque value (often a constant key text).
#pragma once

#include <string>

#include "base/IObject.h"
#include "thread/Pooled.h"

namespace s::gui::combobox {

class ComboBoxItem : public base::IObject, public thread::Pooled<ComboBoxItem> {
public:
    const char16_t* typeName() const override { return u"s_gui_combobox_ComboBoxItem"; }
    base::IObject* newInstance() const override { return create(); }
    void recycle() override {
        text_.clear();
        value_ = nullptr;
    }

    const std::u16string& getText() const { return text_; }
    void setText(const std::u16string& text) { text_ = text; }
    const void* getValue() const { return value_; }
    void setValue(const void* value) { value_ = value; }

private:
    std::u16string text_;
    const void* value_ = nullptr;
};

ComboBoxItem* newComboBoxItem(const std::u16string& text, const void* value);

}  // namespace s::gui::combobox
