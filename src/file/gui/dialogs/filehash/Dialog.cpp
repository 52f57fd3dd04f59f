// The file-hash dialog: its life in the pool, the frame's hooks, and the events it answers.
#include "file/gui/dialogs/filehash/Dialog.h"

#include <iterator>

#include "app/IAppWindow.h"
#include "file/gui/dialogs/filehash/EnteredCode.h"
#include "file/gui/dialogs/filehash/HashAlgorithms.h"
#include "file/win/PathWin.h"
#include "gui/IWindow.h"
#include "gui/combobox/ComboBoxItem.h"
#include "gui/win/Box.h"
#include "gui/win/Button.h"
#include "gui/win/CheckBox.h"
#include "gui/win/ComboBox.h"
#include "gui/win/EditBase.h"
#include "gui/win/Label.h"
#include "gui/win/ScrollBox.h"
#include "gui/win/TextField.h"
#include "lang/Localizer.h"
#include "platform/Clock.h"
#include "platform/window/Window.h"

namespace s::file::gui::dialogs::filehash {

using str::strbuffer::StrBuffer;
namespace gw = s::gui::win;

Dialog::Dialog() : job_(this) {
    // Only the folder is checked before a run: a file that is missing, unreadable or not a file
    // is named with its reason by the run itself, not mistaken for a bad output folder.
    setAccessCheck([](win::PathWin* folder, win::PathWin*, bool write) {
        return folder->isDirectory() && (!write || folder->canReadWrite());
    });
}

Dialog::~Dialog() {
    if (getLocalizer()) getLocalizer()->removeListener(this);
}

void Dialog::recycle() {
    if (getLocalizer()) getLocalizer()->removeListener(this);
    reset();
    clearWidgets();
}

void Dialog::clearWidgets() {
    for (RowWidgets& r : rows_) r = RowWidgets();
    for (VerifyWidgets& v : verify_) v = VerifyWidgets();
    sizeType_ = matchType_ = actions_ = nullptr;
    sizeComma_ = verifyComma_ = nullptr;
    entered_ = nullptr;
    paste_ = nullptr;
    result_ = nullptr;
    pile_ = nullptr;
    calculatePage_ = verifyPage_ = nullptr;
    checkList_ = createList_ = nullptr;
    checkCount_ = createStatus_ = nullptr;
    listType_ = nullptr;
    copyReport_ = copyRows_ = nullptr;
    report_.clear();
    checkCounts_ = CheckCounts();
    checkCounted_ = false;
    createStatusId_ = 0;
    createStatusValue_.clear();
    storedSize_ = 0;
    verifyStoredSize_ = 0;
    sizeShown_ = verifySizeShown_ = false;
    shownPercent_ = -1;
    pendingName_.clear();
    pendingReason_.clear();
    texts_.clear();
    labelCells_.clear();
    resultId_ = 3023000;
    resultTried_ = 0;
    resultMatched_ = -1;
    codeSource_.clear();
    codeSourceId_ = 0;
    fillingCode_ = false;
    codeLine_ = nullptr;
    codeOfFileNext_ = false;
    doneBytes_ = totalBytes_ = 0;
}

map::IMappedData* Dialog::settingsStore() const {
    app::IAppWindow* settings = getAppWindow();
    return settings ? settings->getStore() : nullptr;
}

std::int32_t Dialog::actionTextId(std::uint32_t index) const {
    return index < std::size(kActionTexts) ? kActionTexts[index] : -1;
}

std::int32_t Dialog::actionOfStoredText(const std::u16string& stored) const {
    StrBuffer* text = StrBuffer::create();
    text->append(stored.data(), static_cast<std::int32_t>(stored.size()));
    const bool old = text->equalsTextIgnoreCase(u"Veryfy Hash Code");
    text->release();
    return old ? 1 : -1;
}

std::int32_t Dialog::dropHintText(std::int32_t action) const {
    switch (action) {
        case kCheckAction:
            return kCheckHintText;
        case kCreateAction:
            return kCreateHintText;
        default:
            return kDropHintText;
    }
}

s::gui::IComboBox* Dialog::newActionSelector() {
    actions_ = gw::newComboBox(200, true);
    for (std::int32_t id : kActionTexts)
        actions_->addItem(s::gui::combobox::newComboBoxItem(text(id), nullptr));
    actions_->select(0, false);
    return actions_;
}

// ---- listeners ---------------------------------------------------------------------------------

void Dialog::addListeners() {
    // The links first, so that the dialog's own listener of the Size box runs after them.
    for (int i = 0; i < kRowCount; ++i) {
        rows_[i].box->linkEnable(rows_[i].field);
        rows_[i].box->linkEnable(rows_[i].copy);
    }
    gw::CheckBox* size = rows_[static_cast<int>(Row::Size)].box;
    size->linkEnable(sizeType_);
    size->linkEnable(sizeComma_);
    size->addCheckedListener(this);
    for (RowWidgets& r : rows_) r.copy->addClickListener(this);
    for (VerifyWidgets& v : verify_) v.copy->addClickListener(this);
    paste_->addClickListener(this);
    copyReport_->addClickListener(this);
    copyRows_->addClickListener(this);
    listType_->addChangeListener(this);
    matchType_->addChangeListener(this);
    sizeType_->addChangeListener(this);
    sizeComma_->addCheckedListener(this);
    sizeComma_->addUncheckedListener(this);
    verifyComma_->addCheckedListener(this);
    verifyComma_->addUncheckedListener(this);
    // Files dropped anywhere on the pages start a run like the drop area; on the entered code
    // they give it their code.
    pile_->setAcceptDroppedFiles(true);
    pile_->addDropListener(this);
    codeLine_->setAcceptDroppedFiles(true);
    codeLine_->addDropListener(this);
    entered_->addChangeListener(this);
    if (getLocalizer()) getLocalizer()->addListener(this);
    // Keys no widget used, for Ctrl+V on the verify page.
    if (auto* window =
            dynamic_cast<s::gui::IWindow*>(static_cast<s::gui::IComponent*>(windowSource())))
        window->addKeyDownListener(this);
}

bool Dialog::onWindowKey() {
    auto* window = dynamic_cast<s::gui::IWindow*>(static_cast<s::gui::IComponent*>(windowSource()));
    namespace pw = platform::window;
    // Ctrl+V with the focus outside a text field (a field takes it itself) pastes the code
    // on the verify page, as its "Paste" does.
    if (!window || window->getKeyCode() != 'V' || !pw::isKeyDown(pw::vk::kControl) ||
        pw::isKeyDown(pw::vk::kAlt) || !verifyPage_ || !paste_) {
        return false;
    }
    const pw::Handle page = verifyPage_->getNativeWindow();
    if (page == pw::kNoWindow || !pw::isVisible(page) || !paste_->isEnabled()) return false;
    paste();
    return true;
}

bool Dialog::onDialogEvent(void* source, std::int32_t code) {
    using s::gui::eventSource;
    if (source == windowSource() && source) {
        if (code == s::gui::windowevent::kKeyDown) return onWindowKey();
        if (code == s::gui::windowevent::kScaleChange) {
            fitLabelColumn();  // the labels' widths at the new factor
            return true;
        }
        if (code == 1) {
            saveSettings();
            return false;
        }
        if (code != 2 || !notificationName()) return false;
        return onJobNotice(notificationName());
    }
    if (!rows_[0].box) return false;
    if (getLocalizer() && source == getLocalizer()) {
        relabelSelectors();
        return true;
    }
    if (onListEvent(source, code)) return true;
    if (pile_ && source == eventSource(pile_)) {
        if (code == s::gui::boxevent::kDrop) drop(pile_->getDroppedFiles());
        return true;
    }
    if (codeLine_ && source == eventSource(codeLine_)) {
        if (code == s::gui::boxevent::kDrop) dropCodeFile(codeLine_->getDroppedFiles());
        return true;
    }
    if (source == eventSource(entered_)) {
        // A code the user changes no longer comes from the file named.
        if (!fillingCode_ && !codeSource_.empty()) {
            codeSource_.clear();
            showResult();
        }
        return false;
    }
    for (int i = 0; i < kRowCount; ++i) {
        if (source != eventSource(rows_[i].copy)) continue;
        std::u16string suffix;
        if (static_cast<Row>(i) == Row::Size && sizeTypeKey() != u"Auto")
            suffix = u" " + sizeTypeKey();
        copyField(rows_[i].field, suffix, static_cast<Row>(i) == Row::Summary);
        return true;
    }
    if (source == eventSource(rows_[static_cast<int>(Row::Size)].box)) {
        sizeComma_->setEnabled(sizeTypeKey() != u"Auto");
        return false;
    }
    if (source == eventSource(sizeType_)) {
        sizeComma_->setEnabled(sizeTypeKey() != u"Auto");
        reformatSize();
        return true;
    }
    if (source == eventSource(sizeComma_)) {
        reformatSize();
        return true;
    }
    if (source == eventSource(paste_)) {
        paste();
        return true;
    }
    for (int i = 0; i < kVerifyFieldCount; ++i) {
        if (source != eventSource(verify_[i].copy)) continue;
        const VerifyField f = static_cast<VerifyField>(i);
        copyField(verify_[i].field, f == VerifyField::Size ? u" Bytes" : u"",
                  f == VerifyField::Summary);
        return true;
    }
    if (source == eventSource(verifyComma_)) {
        reformatVerifySize();
        return false;
    }
    return false;
}

bool Dialog::onJobNotice(const std::u16string& name) {
    namespace dnd = s::gui::dialogs::dragndrop;
    if (name == dnd::kProcessStatusStart) {
        rate_.start(platform::monotonicMilliseconds());
        return false;
    }
    if (name == dnd::kProcessStatusUpdate) {
        showRate(notificationValue(1));
        return false;  // the frame moves its bar
    }
    if (name == u"EmptyVeritome") {
        onEmptyCode();
        return true;
    }
    if (name == u"WrongVeritome") {
        showMessageOnTop(text(EnteredCode::kWrongCodeText), true);
        return true;
    }
    if (name == u"VeritomeForVerify") {
        onComputedCode(reinterpret_cast<const StrBuffer*>(notificationValue(0)),
                       static_cast<std::uint32_t>(notificationValue(1)),
                       static_cast<int>(notificationValue(2)));
        return true;
    }
    return false;
}

void Dialog::relabelSelectors() {
    for (const KeptText& k : texts_) k.set(text(k.id));
    showResult();
    // The items keep their keys; only the shown texts follow the language.
    if (s::gui::combobox::ComboBoxItem* item = sizeType_->getItem(3))
        item->setText(text(kAutoText));
    if (s::gui::combobox::ComboBoxItem* item = matchType_->getItem(0))
        item->setText(text(kMatchAutoText));
    for (int i = 0; i < HashAlgorithms::kCount; ++i)
        if (s::gui::combobox::ComboBoxItem* item = matchType_->getItem(i + 1))
            item->setText(text(HashAlgorithms::at(HashAlgorithms::matchTypeAt(i)).labelId));
    for (int i = 0; i < HashAlgorithms::kCount && listType_; ++i)
        if (s::gui::combobox::ComboBoxItem* item = listType_->getItem(i))
            item->setText(text(HashAlgorithms::at(HashAlgorithms::matchTypeAt(i)).labelId));
    fitLabelColumn();
    sizeType_->repaint();
    matchType_->repaint();
    if (listType_) listType_->repaint();
}

}  // namespace s::file::gui::dialogs::filehash
