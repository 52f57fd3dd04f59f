// The dialog's display settings, written from the widgets before every run.
#include "file/gui/dialogs/filehash/Dialog.h"

#include "file/gui/dialogs/filehash/EnteredCode.h"
#include "file/gui/dialogs/filehash/HashAlgorithms.h"
#include "file/gui/dialogs/filehash/RowSettings.h"
#include "gui/combobox/ComboBoxItem.h"
#include "gui/win/CheckBox.h"
#include "gui/win/ComboBox.h"
#include "gui/win/TextField.h"
#include "map/IMappedData.h"

namespace s::file::gui::dialogs::filehash {

bool Dialog::saveSettings() {
    map::IMappedData* store = settingsStore();
    if (!store || !rows_[0].box) return true;
    for (int i = 0; i < kRowCount; ++i)
        store->setBool(kSection, RowSettings::at(i).key, rows_[i].box->isChecked());
    store->setBool(kSection, u"SizeComma", sizeComma_->isChecked());
    store->setText(kSection, u"SizeType", sizeTypeKey().c_str());
    const s::gui::combobox::ComboBoxItem* match = matchType_->getSelectedItem();
    store->setText(kSection, u"MatchType",
                   match && match->getValue() ? static_cast<const char16_t*>(match->getValue())
                                              : HashAlgorithms::at(3).key);
    store->setBool(kSection, u"VerifySizeComma", verifyComma_->isChecked());
    return true;
}

bool Dialog::beforeRun() {
    saveSettings();
    // However the code arrived (typed, pasted with a key or the mouse), it is read clean.
    if (entered_) {
        const std::u16string shown = entered_->getText();
        const std::u16string clean = EnteredCode::clean(shown);
        if (clean != shown) setEnteredText(clean);
    }
    return true;
}

}  // namespace s::file::gui::dialogs::filehash
