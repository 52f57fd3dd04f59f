// The dialog's display settings, written from the widgets.
#include "file/gui/dialogs/filehash/Dialog.h"

#include "file/gui/dialogs/filehash/HashAlgorithms.h"
#include "file/gui/dialogs/filehash/RowSettings.h"
#include "gui/win/CheckBox.h"
#include "gui/win/ComboBox.h"
#include "map/IMappedData.h"

namespace s::file::gui::dialogs::filehash {

bool Dialog::saveSettings() {
    map::IMappedData* store = settingsStore();
    if (!store || !rows_[0].box) return true;
    for (int i = 0; i < kRowCount; ++i)
        store->setBool(kSection, RowSettings::at(i).key, rows_[i].box->isChecked());
    store->setBool(kSection, u"SizeComma", sizeComma_->isChecked());
    store->setText(kSection, u"SizeType", sizeTypeKey().c_str());
    const std::int32_t match = matchType_->getSelectedIndex();
    store->setText(kSection, u"MatchType",
                   HashAlgorithms::at(HashAlgorithms::matchTypeAt(match < 0 ? 5 : match)).key);
    store->setBool(kSection, u"VerifySizeComma", verifyComma_->isChecked());
    return true;
}

}  // namespace s::file::gui::dialogs::filehash
