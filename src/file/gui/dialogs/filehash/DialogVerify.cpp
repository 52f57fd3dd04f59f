// The verdict of the verify page: the result line, the message boxes, and where the entered
// code came from.
#include "file/gui/dialogs/filehash/Dialog.h"

#include "app/IAppWindow.h"
#include "file/gui/dialogs/filehash/EnteredCode.h"
#include "file/gui/dialogs/filehash/VerdictText.h"
#include "gui/IWindow.h"
#include "gui/win/Button.h"
#include "gui/win/EditBase.h"
#include "gui/win/Label.h"
#include "gui/win/TextField.h"
#include "str/strarray/StrArray.h"

namespace s::file::gui::dialogs::filehash {

using str::strbuffer::StrBuffer;
namespace gw = s::gui::win;

namespace {

constexpr std::int32_t kMatch = VerdictText::kMatch;
constexpr std::int32_t kDifferent = VerdictText::kDifferent;

}  // namespace

bool Dialog::sameCode(const StrBuffer* code) const {
    // The code as the job took it: a whole checksum line gives its code.
    const EnteredCode entered = EnteredCode::read(entered_->getText());
    StrBuffer* text = StrBuffer::create();
    text->appendText(entered.code.c_str());
    const bool same = code && text->length() == code->length() && text->equalsIgnoreCase(code);
    text->release();
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
    showResult();
}

void Dialog::showResult() {
    if (!result_) return;
    std::u16string line = text(resultId_);
    if (resultId_ == kMatch || resultId_ == kDifferent) {
        line = VerdictText::of([this](std::int32_t id) { return std::u16string(text(id)); },
                               resultTried_, resultMatched_);
    }
    if (!codeSource_.empty())
        line += u"  \u00b7  " + std::u16string(text(codeSourceId_)) + codeSource_;
    result_->setText(line, true);
}

void Dialog::showMessageOnTop(const std::u16string& message, bool error) {
    // The box must not hide behind a window kept on top.
    s::gui::IWindow* window = entered_->getWindow();
    const bool onTop = window && window->isKeptOnTop();
    if (onTop) {
        window->setKeepOnTop(false);
        // Off the top only while the box shows: the stored choice stays as the user made it.
        if (app::IAppWindow* settings = window->getAppWindow()) settings->setKeepOnTop(true);
    }
    showMessage(message, error);
    if (onTop) window->setKeepOnTop(true);
}

void Dialog::onEmptyCode() {
    showMessageOnTop(text(3001010), false);
}

void Dialog::onComputedCode(const StrBuffer* code, std::uint32_t tried, int matched) {
    const bool same = sameCode(code);
    resultTried_ = tried;
    // Without named algorithms the verdict is the plain text, whichever one matched.
    resultMatched_ = !same ? -1 : matched > 0 ? matched - 1 : 0;
    // The code and its Copy buttons first: whoever hears the verdict can use them at once.
    VerifyWidgets& computed = verify_[static_cast<int>(VerifyField::ComputedCode)];
    computed.field->setEnabled(true);
    computed.field->setText(textOf(code), false);
    for (VerifyWidgets& v : verify_) v.copy->setEnabled(true);
    // Colour and weight before the text, which is what is announced.
    if (same) {
        result_->setTextColour(0, 187, 0);
    } else {
        result_->setTextColour(255, 0, 0);
    }
    result_->setBold(true);
    setResultText(same ? kMatch : kDifferent);
    std::u16string message = result_->getText();
    if (!codeSource_.empty()) {
        // The box names the code's file on a line of its own.
        message = VerdictText::of([this](std::int32_t id) { return std::u16string(text(id)); },
                                  resultTried_, resultMatched_) +
                  u"\r\n" + text(codeSourceId_) + codeSource_;
    }
    showMessage(message, false);
}

void Dialog::setEnteredText(const std::u16string& value) {
    fillingCode_ = true;
    entered_->setText(value, true);
    fillingCode_ = false;
}

void Dialog::dropCodeFile(str::strarray::StrArray* files) {
    if (isBusy() || !files || files->length() == 0) return;
    codeOfFileNext_ = true;
    // A drop the frame did not take starts no run to use the flag (one the worker refuses
    // clears it in onRunRefused).
    if (drop(files) != StartResult::Started) codeOfFileNext_ = false;
}

}  // namespace s::file::gui::dialogs::filehash
