// The drop-down list: a field showing the selected item and a list popup to choose another.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gui/IComboBox.h"
#include "gui/combobox/ComboBoxItem.h"
#include "gui/win/Component.h"
#include "gui/win/ListPopup.h"
#include "gui/win/TypeAhead.h"
#include "platform/window/Text.h"
#include "thread/Pooled.h"

namespace s::gui::win {

class ComboBox : public Component, public virtual IComboBox, public thread::Pooled<ComboBox> {
public:
    ComboBox() { resetComboBox(); }
    ~ComboBox() override;
    const char16_t* typeName() const override { return u"s_gui_win_ComboBox"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<ComboBox>::release(); }
    void recycle() override { resetComboBox(); }

    // Every operation runs on the owner thread (the caller waits), where the list is painted
    // and dropped down: any thread may call them.
    std::int32_t getItemCount() const override;
    combobox::ComboBoxItem* getItem(std::int32_t index) const override;
    void addItem(combobox::ComboBoxItem* item) override;
    void insertItem(std::int32_t index, combobox::ComboBoxItem* item) override;
    bool takeItem(combobox::ComboBoxItem* item) override;
    combobox::ComboBoxItem* takeItemAt(std::int32_t index) override;
    bool deleteItem(combobox::ComboBoxItem* item) override;
    bool deleteItemAt(std::int32_t index) override;
    bool deleteItemByValue(const void* value) override;
    bool deleteSelected() override;
    void select(std::int32_t index, bool notify) override;
    bool selectByValue(const void* value, bool notify) override;
    std::int32_t getSelectedIndex() const override;
    combobox::ComboBoxItem* getSelectedItem() const override;
    std::int32_t getPreviousIndex() const override;
    combobox::ComboBoxItem* getPreviousItem() const override;
    void addChangeListener(events::IEventListener* listener) override;

    // Opens the list below the field (above when it does not fit) and waits on the owner thread
    // until an item is chosen (selected with notification) or the list is cancelled.
    bool dropDown();
    bool isDroppedDown() const;
    const platform::window::Font& textFont() const;
    // The guard against reopening by the press that closed the list (tests set its clock).
    ReopenGuard& reopenGuard() { return reopen_; }
    // Finding an item by its first letters, in the field and in the open list alike.
    TypeAhead& typeAhead() { return typeAhead_; }

    bool takesFocus() const override { return true; }
    // A fixed width (given at 96 dpi) grows to show the widest item whole, so that no item is
    // cut at any scale factor or in any language.
    std::int32_t getMinWidth() const override;
    std::int32_t getMaxWidth() const override;

    platform::window::Result handleMessage(platform::window::Handle window, std::uint32_t message,
                                           platform::window::WParam wparam,
                                           platform::window::LParam lparam) override;

    // Posted to the field by a press: opens the list once the press is handled.
    static constexpr std::uint32_t kMsgDropDown = kMsgComboDropDown;
    // Height of one row of the list popup.
    static constexpr std::int32_t kRowHeight = 20;
    // Rows the list shows before it scrolls.
    static constexpr std::int32_t kVisibleRows = 12;

protected:
    void paint(platform::window::Canvas& canvas, platform::window::Rect area) override;
    // The skin's drawers paint it: a change of skin repaints.
    bool followsSkin() const override { return true; }
    void onEvent(void* source, std::int32_t code) override;

private:
    void resetComboBox();
    void fire();
    void repaintField();
    // Removes index; answers the item. Keeps the same item selected when one before it goes.
    combobox::ComboBoxItem* removeAt(std::int32_t index, bool* wasSelected);
    // The widest item's text and the room the field takes beside it, measured again only when
    // the texts, the font, the look or the factor change (layout asks often).
    std::int32_t fittedWidth() const;

    std::vector<combobox::ComboBoxItem*> items_;
    std::vector<events::IEventListener*> listeners_;
    std::int32_t selected_ = -1;
    std::int32_t previous_ = -1;
    platform::window::Font nativeFont_;
    struct Fit {
        std::size_t key = 0;
        std::int32_t width = 0;
    };
    mutable Fit fit_;
    platform::window::Handle list_ = platform::window::kNoWindow;
    ReopenGuard reopen_;
    TypeAhead typeAhead_;
};

// A drop-down list of the given fixed width (when 0 or more) and height 23.
ComboBox* newComboBox(std::int32_t width, bool enabled);

}  // namespace s::gui::win
