// The size fields of both pages, written again when their unit or comma choice changes.
#include "file/gui/dialogs/filehash/Dialog.h"

#include "file/gui/dialogs/filehash/FileFacts.h"
#include "gui/win/CheckBox.h"
#include "gui/win/ComboBox.h"
#include "gui/win/EditBase.h"

namespace s::file::gui::dialogs::filehash {

using str::strbuffer::StrBuffer;
namespace gw = s::gui::win;

std::u16string Dialog::sizeTypeKey() const {
    const std::int32_t i = sizeType_ ? sizeType_->getSelectedIndex() : 0;
    return FileFacts::sizeTypeKey(static_cast<SizeType>(i >= 0 && i < 4 ? i : 3));
}

void Dialog::reformatSize() {
    // A zero-byte file is shown too: what counts is that a size is on screen.
    if (!sizeShown_) return;
    StrBuffer* field = StrBuffer::create();
    StrBuffer* key = StrBuffer::create();
    key->appendText(sizeTypeKey().c_str());
    FileFacts::formatCalculateSize(storedSize_, FileFacts::sizeTypeOf(key), sizeComma_->isChecked(),
                                   field);
    rows_[static_cast<int>(Row::Size)].field->setText(textOf(field), false);
    key->release();
    field->release();
}

void Dialog::reformatVerifySize() {
    if (!verifySizeShown_) return;
    StrBuffer* field = StrBuffer::create();
    FileFacts::formatVerifySize(verifyStoredSize_, verifyComma_->isChecked(), field);
    verify_[static_cast<int>(VerifyField::Size)].field->setText(textOf(field), false);
    field->release();
}

std::u16string Dialog::textOf(const StrBuffer* text) {
    if (!text || text->length() == 0) return std::u16string();
    return std::u16string(text->text(), text->length());
}

}  // namespace s::file::gui::dialogs::filehash
