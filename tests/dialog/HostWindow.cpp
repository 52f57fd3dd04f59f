// The tests' host window of a frame tool.
#include "HostWindow.h"

#include "app/IAppWindow.h"
#include "gui/IComboBox.h"
#include "gui/combobox/ComboBoxItem.h"
#include "gui/dialogs/dragndrop/Dialog.h"
#include "gui/drawer/Skinner.h"
#include "gui/win/Box.h"
#include "gui/win/Label.h"
#include "gui/win/Window.h"

namespace dialog_testing {

namespace gw = s::gui::win;
namespace layout = s::gui::layout;

namespace {
constexpr std::intptr_t kHandOffTag = 0x54657374;  // "Test"
}

HostWindow::HostWindow(s::gui::dialogs::dragndrop::Dialog* dialog) : dialog_(dialog) {}

HostWindow::~HostWindow() {
    if (dialog_->getView() == this) dialog_->setView(nullptr);
    if (window_) window_->release();
}

void HostWindow::build() {
    window_ = gw::newWindow(0, 0, dialog_->largeWidth(), dialog_->largeHeight());
    if (dialog_->getAppWindow()) window_->attachAppWindow(dialog_->getAppWindow(), false);
    dialog_->setWindowSource(s::gui::eventSource(window_));
    dialog_->setView(this);

    content_ = dialog_->newContent();
    content_->setPercentWidth(100, false);
    content_->setPercentHeight(100, false);
    actions_ = dialog_->newActionSelector();

    dropArea_ = gw::newBox(100, -1, layout::kCentre, layout::kCentre, 0, 0, 10, 6, layout::kRow);
    dropArea_->add(gw::newLabelByNumber(1002000, false, false, 0));
    dropArea_->setAcceptDroppedFiles(true);
    gw::Box* actionRow =
        gw::newBox(100, -1, layout::kStart, layout::kCentre, 6, 0, 6, 4, layout::kRow);
    actionRow->add(gw::newLabelByNumber(1004000, false, false, 0));
    actionRow->add(actions_);
    window_->add(dropArea_);
    window_->add(actionRow);
    window_->add(content_);

    dialog_->addListeners();
    dialog_->chooseAction();
    dialog_->applyStoredTheme();

    dropArea_->addDropListener(this);
    window_->addCloseListener(this);
    window_->addNotificationListener(this);
    actions_->addChangeListener(this);
    window_->layout();
}

void HostWindow::show() {
    window_->setVisible(true, true);
}

void HostWindow::onEvent(void* source, std::int32_t code) {
    if (source == s::gui::eventSource(window_)) {
        if (code == s::gui::windowevent::kNotification &&
            window_->getNotificationValue2() == kHandOffTag) {
            (*reinterpret_cast<const std::function<void()>*>(window_->getNotificationValue1()))();
            return;
        }
        dialog_->onEvent(source, code);
        return;
    }
    if (dialog_->onDialogEvent(source, code)) return;
    if (source == s::gui::eventSource(dropArea_)) {
        if (code == s::gui::boxevent::kDrop) dialog_->drop(dropArea_->getDroppedFiles());
    } else if (source == s::gui::eventSource(actions_)) {
        content_->showOnlyPage(static_cast<std::uint32_t>(actions_->getSelectedIndex()));
        dialog_->onActionSelected();
        window_->layout();
    }
}

void HostWindow::handOff(const std::function<void()>& call) {
    if (window_->isOwnerThread()) {
        call();
        return;
    }
    window_->postNotification(reinterpret_cast<std::intptr_t>(&call), kHandOffTag, 0, 0);
}

void HostWindow::serveUntil(const std::function<bool()>& done) {
    window_->waitUntil(done);
}

void HostWindow::showError(const char16_t* text) {
    window_->showError(text);
}

std::uint32_t HostWindow::actionCount() {
    return static_cast<std::uint32_t>(actions_->getItemCount());
}

std::u16string HostWindow::actionText(std::uint32_t index) {
    s::gui::combobox::ComboBoxItem* item = actions_->getItem(static_cast<std::int32_t>(index));
    return item ? item->getText() : std::u16string();
}

void HostWindow::setActionText(std::uint32_t index, const char16_t* text) {
    if (s::gui::combobox::ComboBoxItem* item = actions_->getItem(static_cast<std::int32_t>(index)))
        item->setText(text);
    actions_->repaint();
}

std::int32_t HostWindow::selectedAction() {
    return actions_->getSelectedIndex();
}

void HostWindow::selectAction(std::uint32_t index) {
    actions_->select(static_cast<std::int32_t>(index), false);
    content_->showOnlyPage(index);
    window_->layout();
}

void HostWindow::setKeepOnTop(bool on) {
    window_->setKeepOnTop(on);
}

void HostWindow::normalSize(std::int32_t* width, std::int32_t* height) {
    *width = window_->getWidth();
    *height = window_->getHeight();
}

std::uint32_t HostWindow::themeCount() {
    s::gui::drawer::Skinner* skinner = window_ ? window_->getSkinner() : nullptr;
    return skinner ? static_cast<std::uint32_t>(skinner->getSkinCount()) : 0;
}

std::u16string HostWindow::themeName(std::uint32_t index) {
    s::gui::drawer::Skinner* skinner = window_ ? window_->getSkinner() : nullptr;
    return skinner ? skinner->getSkinName(static_cast<std::int32_t>(index)) : std::u16string();
}

void HostWindow::applyTheme(const char16_t* name) {
    s::gui::drawer::Skinner* skinner = window_ ? window_->getSkinner() : nullptr;
    if (skinner) skinner->selectSkin(name);
}

void HostWindow::relayout() {
    window_->layout();
}

}  // namespace dialog_testing
