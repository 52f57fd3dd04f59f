// The verdict of the verify page: the result line, the message boxes.
#include "file/gui/dialogs/filehash/Dialog.h"

#include "app/IAppWindow.h"
#include "gui/IWindow.h"
#include "gui/win/Button.h"
#include "gui/win/EditBase.h"
#include "gui/win/Label.h"
#include "gui/win/TextField.h"

namespace s::file::gui::dialogs::filehash {

using str::strbuffer::StrBuffer;
namespace gw = s::gui::win;

bool Dialog::sameCode(const StrBuffer* code) const {
    StrBuffer* entered = StrBuffer::create();
    entered->appendText(entered_->getText().c_str());
    const bool same =
        code && entered->length() == code->length() && entered->equalsIgnoreCase(code);
    entered->release();
    return same;
}

void Dialog::showMessage(const std::u16string& message, bool error) {
    if (messageObserver_) messageObserver_(message);
    s::gui::IWindow* window = entered_ ? entered_->getWindow() : nullptr;
    if (!window) return;
    if (error) {
        window->showError(message);
    } else {
        window->showMessage(message);
    }
}

void Dialog::setResultText(std::int32_t id) {
    // The id is kept so that a change of language relabels the line.
    resultId_ = id;
    result_->setText(text(id), true);
}

void Dialog::onEmptyCode() {
    // The box must not hide behind a window kept on top.
    s::gui::IWindow* window = entered_->getWindow();
    const bool onTop = window && window->isKeptOnTop();
    if (onTop) {
        window->setKeepOnTop(false);
        // Off the top only while the box shows: the stored choice stays as the user made it.
        if (app::IAppWindow* settings = window->getAppWindow()) settings->setKeepOnTop(true);
    }
    showMessage(text(3001010), false);
    if (onTop) window->setKeepOnTop(true);
}

void Dialog::onComputedCode(const StrBuffer* code) {
    const bool same = sameCode(code);
    setResultText(same ? 3021000 : 3022000);
    if (same) {
        result_->setTextColour(0, 187, 0);
    } else {
        result_->setTextColour(255, 0, 0);
    }
    result_->setBold(true);
    VerifyWidgets& computed = verify_[static_cast<int>(VerifyField::ComputedCode)];
    computed.field->setEnabled(true);
    computed.field->setText(textOf(code), false);
    for (VerifyWidgets& v : verify_) v.copy->setEnabled(true);
    showMessage(text(sameCode(code) ? 3021000 : 3022000), false);
}

}  // namespace s::file::gui::dialogs::filehash
