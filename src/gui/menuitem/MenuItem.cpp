// Menu items and their factories.
#include "gui/menuitem/MenuItem.h"

#include "lang/Localizer.h"

namespace s::gui::menuitem {

void MenuItem::recycle() {
    pack_ = nullptr;
    text_.clear();
    textNumber_ = -1;
    command_ = 0;
    checked_ = separator_ = flagA_ = flagB_ = radio_ = false;
    enabled_ = true;
    subMenu_ = nullptr;
}

void MenuItem::setTextNumber(std::int32_t number) {
    textNumber_ = number;
    refreshText();
}

void MenuItem::refreshText() {
    if (textNumber_ < 0 || !pack_) return;
    const char16_t* t = pack_->text(textNumber_);
    text_ = t ? t : u"";
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
