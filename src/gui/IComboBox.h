// The contract of the drop-down list: items, the selection and the one before it.
#pragma once

#include <cstdint>

#include "gui/IComponent.h"

namespace s::gui {

namespace combobox {
class ComboBoxItem;
}

class IComboBox : public virtual IComponent {
public:
    virtual std::int32_t getItemCount() const = 0;
    virtual combobox::ComboBoxItem* getItem(std::int32_t index) const = 0;
    // Items are owned by the list from here on.
    virtual void addItem(combobox::ComboBoxItem* item) = 0;
    virtual void insertItem(std::int32_t index, combobox::ComboBoxItem* item) = 0;
    // Remove without releasing; the caller owns the item again.
    virtual bool takeItem(combobox::ComboBoxItem* item) = 0;
    virtual combobox::ComboBoxItem* takeItemAt(std::int32_t index) = 0;
    // Remove and release to the pool.
    virtual bool deleteItem(combobox::ComboBoxItem* item) = 0;
    virtual bool deleteItemAt(std::int32_t index) = 0;
    virtual bool deleteItemByValue(const void* value) = 0;
    virtual bool deleteSelected() = 0;
    // An index outside the list selects item 0; on an empty list nothing is selected (-1) and
    // nothing fires. Listeners get onEvent(list, 0) on a change when notify is true.
    virtual void select(std::int32_t index, bool notify) = 0;
    virtual bool selectByValue(const void* value, bool notify) = 0;
    virtual std::int32_t getSelectedIndex() const = 0;
    virtual combobox::ComboBoxItem* getSelectedItem() const = 0;
    virtual std::int32_t getPreviousIndex() const = 0;
    virtual combobox::ComboBoxItem* getPreviousItem() const = 0;
    virtual void addChangeListener(events::IEventListener* listener) = 0;
};

}  // namespace s::gui
