// The hash job's view on the window: every widget access handed to the window's thread.
#include "file/gui/dialogs/filehash/Dialog.h"

#include <chrono>

#include "file/win/OsName.h"
#include "file/win/PathWin.h"
#include "gui/combobox/ComboBoxItem.h"
#include "gui/dialogs/dragndrop/IDialogView.h"
#include "gui/win/CheckBox.h"
#include "gui/win/ComboBox.h"
#include "gui/win/EditBase.h"
#include "gui/win/Label.h"
#include "gui/win/TextField.h"
#include "platform/Clock.h"
#include "platform/FileProbe.h"
#include "str/Utf8.h"

namespace s::file::gui::dialogs::filehash {

using str::strbuffer::StrBuffer;
namespace gw = s::gui::win;

void Dialog::onUi(const std::function<void()>& call) {
    if (getView()) {
        getView()->handOff(call);
    } else {
        call();
    }
}

void Dialog::run() {
    switch (actionIndex()) {
        case kCheckAction:
            runCheck();
            break;
        case kCreateAction:
            runCreate();
            break;
        default:
            job_.run();
            break;
    }
}

bool Dialog::firstEntry(StrBuffer* path) {
    if (!s::gui::dialogs::dragndrop::Dialog::firstEntry(path)) return false;
    // A path the job will not read is reported when the run ends; the job itself only clears.
    win::PathWin* p = win::PathWin::create();
    p->set(path);
    pendingReason_.clear();
    // The job passes over a path that is missing or a folder without a word; the reason is
    // the system's own (a folder that may not be searched is "Permission denied", not "No such
    // file"). A device or a pipe the job reports itself, never opening it.
    if (!p->isValid()) {
        pendingReason_ = u"No such file or directory";
    } else if (!p->exists() || p->isDirectory()) {
        const platform::FileProbe probe =
            platform::probeFile(win::osName(p->fullPath()->text()), false);
        StrBuffer* reason = StrBuffer::create();
        str::appendUtf8(reason, probe.reason.empty() ? "No such file or directory" : probe.reason);
        pendingReason_ = textOf(reason);
        reason->release();
    }
    if (!pendingReason_.empty()) {
        StrBuffer* name = p->fileName(nullptr, false);
        pendingName_ = textOf(name);
        name->release();
    }
    p->release();
    return true;
}

void Dialog::notify(const char16_t* name, std::intptr_t a, std::intptr_t b, std::intptr_t c) {
    namespace dnd = s::gui::dialogs::dragndrop;
    const std::u16string_view note(name);
    // The job tells every block; the window's thread is waited for only when the percent it
    // shows changes, and at most every kProgressInterval until the run is done, so the reading
    // seldom waits on painting (on a fast disk a percent takes a few milliseconds).
    if (note == dnd::kProcessStatusUpdate) {
        if (b == shownPercent_) return;
        const auto now = std::chrono::steady_clock::now();
        if (b < 100 && shownPercent_ >= 0 && now - shownAt_ < kProgressInterval) return;
        shownPercent_ = b;
        shownAt_ = now;
    } else if (note == dnd::kProcessStatusStart) {
        shownPercent_ = -1;
    }
    if (!pendingReason_.empty() && note == dnd::kProcessStatusEnd) {
        StrBuffer* n = StrBuffer::create();
        StrBuffer* r = StrBuffer::create();
        n->appendText(pendingName_.c_str());
        r->appendText(pendingReason_.c_str());
        pendingReason_.clear();
        reportFailure(n, r);
        n->release();
        r->release();
    }
    dnd::Dialog::notify(name, a, b, c);
}

void Dialog::reportFailure(const StrBuffer* name, const StrBuffer* reason) {
    std::u16string message = text(kCannotHashText);
    message += u"\r\n\"" + textOf(name) + u"\"\r\n" + textOf(reason);
    onUi([&] { showMessage(message, true); });
}

int Dialog::actionIndex() {
    int index = 0;
    onUi([&] { index = getView() ? getView()->selectedAction() : 0; });
    return index;
}

bool Dialog::isTicked(Row row) {
    bool on = false;
    onUi([&] { on = rows_[static_cast<int>(row)].box->isChecked(); });
    return on;
}

void Dialog::setRowText(Row row, const StrBuffer* text) {
    const std::u16string value = textOf(text);
    if (row == Row::Size) sizeShown_ = !value.empty();
    onUi([&] { rows_[static_cast<int>(row)].field->setText(value, false); });
}

SizeType Dialog::sizeType() {
    SizeType type = SizeType::Bytes;
    onUi([&] {
        const std::int32_t i = sizeType_->getSelectedIndex();
        type = static_cast<SizeType>(i >= 0 && i < 4 ? i : 3);
    });
    return type;
}

bool Dialog::sizeComma() {
    bool on = false;
    onUi([&] { on = sizeComma_->isChecked(); });
    return on;
}

void Dialog::setStoredSize(std::uint64_t size) {
    // Whether a size is on screen is told by the size field, so that 0 bytes re-formats too.
    storedSize_ = size;
}

void Dialog::enteredCode(StrBuffer* into) {
    std::u16string value;
    onUi([&] { value = entered_->getText(); });
    into->clear();
    into->appendText(value.c_str());
}

void Dialog::matchTypeKey(StrBuffer* into) {
    const char16_t* key = u"Md5";
    onUi([&] {
        s::gui::combobox::ComboBoxItem* item = matchType_->getSelectedItem();
        if (item && item->getValue()) key = static_cast<const char16_t*>(item->getValue());
    });
    into->clear();
    into->appendText(key);
}

void Dialog::setResultLine(std::int32_t textId, std::uint32_t colour, bool bold) {
    onUi([&] {
        setResultText(textId);
        result_->setTextColour(static_cast<std::int32_t>(colour & 0xFF),
                               static_cast<std::int32_t>((colour >> 8) & 0xFF),
                               static_cast<std::int32_t>((colour >> 16) & 0xFF));
        result_->setBold(bold);
    });
}

void Dialog::setVerifyText(VerifyField field, const StrBuffer* text) {
    const std::u16string value = textOf(text);
    if (field == VerifyField::Size) verifySizeShown_ = !value.empty();
    onUi([&] { verify_[static_cast<int>(field)].field->setText(value, false); });
}

void Dialog::enableVerifyField(VerifyField field) {
    onUi([&] {
        verify_[static_cast<int>(field)].field->setEnabled(true);
        if (field == VerifyField::Size) verifyComma_->setEnabled(true);
    });
}

bool Dialog::verifyComma() {
    bool on = false;
    onUi([&] { on = verifyComma_->isChecked(); });
    return on;
}

void Dialog::setVerifyStoredSize(std::uint64_t size) {
    verifyStoredSize_ = size;
}

void Dialog::showFoundCode(const StrBuffer* entered, const StrBuffer* source, bool fromList) {
    const std::u16string line = textOf(entered);
    const std::u16string name = textOf(source);
    onUi([&] {
        setEnteredText(line);
        codeSource_ = name;
        codeSourceId_ = fromList ? kCodeFromListText : kCodeOfFileText;
        if (fromList) {
            showResult();
            return;
        }
        // Another file's code: the page waits for the file to compare with it.
        setResultText(3023000);
        result_->setTextColour(0, 0, 0);
        result_->setBold(false);
    });
}

void Dialog::showRate(std::intptr_t percent) {
    double speed = 0;
    std::int64_t left = -1;
    if (!getView() ||
        !rate_.measure(doneBytes_, totalBytes_, platform::monotonicMilliseconds(), &speed, &left))
        return;
    std::string head = std::to_string(percent) + "%  " + ProgressRate::speedText(speed);
    std::u16string line(head.begin(), head.end());  // ASCII
    if (left >= 0) {
        const std::string time = ProgressRate::timeText(left);
        line += u"  " + std::u16string(text(ProgressRate::kTimeLeftText)) +
                std::u16string(time.begin(), time.end());
    }
    getView()->setSecondStatusText(line.c_str());
}

}  // namespace s::file::gui::dialogs::filehash
