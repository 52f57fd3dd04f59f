// One entry of a popup menu or of the menu bar: a command, a separator or a sub-menu entry.
// Its setters may be called on any thread: they run on the thread of the window the item belongs
// to (its owner window, handed down by the menu), which is the thread that paints it.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "base/IObject.h"
#include "platform/window/Types.h"
#include "thread/Pooled.h"

namespace s::lang {
class Localizer;
}

namespace s::gui {
class IPopupMenu;
}

namespace s::gui::menuitem {

class MenuItem : public base::IObject, public thread::Pooled<MenuItem> {
public:
    MenuItem() = default;
    const char16_t* typeName() const override { return u"s_gui_menuitem_MenuItem"; }
    base::IObject* newInstance() const override { return create(); }
    // Back to a new item: no text, text number -1, command 0, not checkable nor checked, not a
    // separator.
    void recycle() override;

    // The window whose thread shows the item (none: changes run on the caller).
    platform::window::Handle getOwnerWindow() const { return owner_.load(); }
    void setOwnerWindow(platform::window::Handle owner) { owner_ = owner; }

    lang::Localizer* getLanguagePack() const { return pack_; }
    void setLanguagePack(lang::Localizer* pack);
    const std::u16string& getText() const { return text_; }
    void setText(const std::u16string& text);
    std::int32_t getTextNumber() const { return textNumber_; }
    // Stores the number and takes its text from the language pack when there is one.
    void setTextNumber(std::int32_t number);
    // Takes the text of the text number from the language pack again (language change).
    void refreshText();
    std::int32_t getCommand() const { return command_; }
    void setCommand(std::int32_t command);
    bool isChecked() const { return checked_; }
    void setChecked(bool on);
    bool isSeparator() const { return separator_; }
    void setSeparator(bool on);
    bool getFlagA() const { return flagA_; }
    void setFlagA(bool on);
    bool getFlagB() const { return flagB_; }
    void setFlagB(bool on);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool on);
    // One of a group of choices: its check mark is drawn as a radio dot (set by the radio
    // operations of the menu on the whole group).
    bool isRadio() const { return radio_; }
    void setRadio(bool on);
    // The item carries an on/off mark: a setting it toggles, or one of a group of choices. Its
    // mark shows while it is checked.
    bool isCheckable() const { return checkable_ || radio_; }
    void setCheckable(bool on);
    // The sub-menu this entry opens (null for commands and separators); not owned here.
    IPopupMenu* getSubMenu() const { return subMenu_; }
    void setSubMenu(IPopupMenu* menu);
    // True for an entry that carries a command: neither a separator nor a sub-menu entry.
    bool isCommand() const { return !separator_ && !subMenu_; }

private:
    // Runs a change on the owner window's thread.
    template <class Work>
    void change(Work&& work);

    std::atomic<platform::window::Handle> owner_{0};
    lang::Localizer* pack_ = nullptr;
    std::u16string text_;
    std::int32_t textNumber_ = -1;
    std::int32_t command_ = 0;
    bool checked_ = false;
    bool separator_ = false;
    bool flagA_ = false;
    bool flagB_ = false;
    bool enabled_ = true;
    bool radio_ = false;
    bool checkable_ = false;
    IPopupMenu* subMenu_ = nullptr;
};

// An item with the text of textNumber from the pack (which may be null), the command and the
// check mark.
MenuItem* newMenuItem(std::int32_t textNumber, lang::Localizer* languagePack, std::int32_t command,
                      bool checked);
// An item that toggles a setting: checkable, with the check mark when `checked`.
MenuItem* newCheckItem(std::int32_t textNumber, lang::Localizer* languagePack, std::int32_t command,
                       bool checked);
// An item with a literal text (such as a language's own name, shown as it is in every language).
MenuItem* newMenuItemText(const std::u16string& text, std::int32_t command, bool checked);
MenuItem* newSeparator();

}  // namespace s::gui::menuitem
