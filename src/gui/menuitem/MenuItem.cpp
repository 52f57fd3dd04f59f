// Menu items and their factories.
#include "gui/menuitem/MenuItem.h"

#include "gui/win/OnOwner.h"
#include "gui/win/PopupMenu.h"
#include "lang/Localizer.h"

namespace s::gui::menuitem {

template <class Work>
void MenuItem::change(Work&& work) {
    win::onOwnerOf(owner_.load(), [&] {
        work();
        win::repaintMenusShowing(this);
    });
}

void MenuItem::recycle() {
    owner_ = 0;
    pack_ = nullptr;
    text_.clear();
    textNumber_ = -1;
    command_ = 0;
    checked_ = separator_ = flagA_ = flagB_ = radio_ = checkable_ = false;
    enabled_ = true;
    subMenu_ = nullptr;
}

void MenuItem::setLanguagePack(lang::Localizer* pack) {
    change([&] { pack_ = pack; });
}

void MenuItem::setText(const std::u16string& text) {
    change([&] { text_ = text; });
}

void MenuItem::setTextNumber(std::int32_t number) {
    change([&] {
        textNumber_ = number;
        refreshText();
    });
}

void MenuItem::refreshText() {
    change([&] {
        if (textNumber_ < 0 || !pack_) return;
        const char16_t* t = pack_->text(textNumber_);
        text_ = t ? t : u"";
    });
}

void MenuItem::setCommand(std::int32_t command) {
    change([&] { command_ = command; });
}

void MenuItem::setChecked(bool on) {
    change([&] { checked_ = on; });
}

void MenuItem::setSeparator(bool on) {
    change([&] { separator_ = on; });
}

void MenuItem::setFlagA(bool on) {
    change([&] { flagA_ = on; });
}

void MenuItem::setFlagB(bool on) {
    change([&] { flagB_ = on; });
}

void MenuItem::setEnabled(bool on) {
    change([&] { enabled_ = on; });
}

void MenuItem::setRadio(bool on) {
    change([&] { radio_ = on; });
}

void MenuItem::setCheckable(bool on) {
    change([&] { checkable_ = on; });
}

void MenuItem::setSubMenu(IPopupMenu* menu) {
    change([&] { subMenu_ = menu; });
}

MenuItem* newMenuItem(std::int32_t textNumber, lang::Localizer* languagePack, std::int32_t command,
                      bool checked) {
    MenuItem* item = MenuItem::create();
    item->setLanguagePack(languagePack);
    item->setTextNumber(textNumber);
    item->setCommand(command);
    item->setChecked(checked);
    return item;
}

MenuItem* newCheckItem(std::int32_t textNumber, lang::Localizer* languagePack, std::int32_t command,
                       bool checked) {
    MenuItem* item = newMenuItem(textNumber, languagePack, command, checked);
    item->setCheckable(true);
    return item;
}

MenuItem* newMenuItemText(const std::u16string& text, std::int32_t command, bool checked) {
    MenuItem* item = MenuItem::create();
    item->setText(text);
    item->setCommand(command);
    item->setChecked(checked);
    return item;
}

MenuItem* newSeparator() {
    MenuItem* item = MenuItem::create();
    item->setSeparator(true);
    return item;
}

}  // namespace s::gui::menuitem
