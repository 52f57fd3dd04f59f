// The drop-down list item factory.
#include "gui/combobox/ComboBoxItem.h"

namespace s::gui::combobox {

ComboBoxItem* newComboBoxItem(const std::u16string& text, const void* value) {
    ComboBoxItem* item = ComboBoxItem::create();
    item->setText(text);
    item->setValue(value);
    return item;
}

}  // namespace s::gui::combobox
