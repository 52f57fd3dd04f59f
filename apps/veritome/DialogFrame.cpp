// The file-hash dialog bound to the main window's settings and built in its frame.
#include "DialogFrame.h"

#include "app/win/AppWindow.h"
#include "file/gui/dialogs/filehash/Dialog.h"
#include "gui/dialogs/dragndrop/FrameWindow.h"
#include "gui/win/EditBase.h"
#include "gui/win/Window.h"
#include "platform/desktop/ColorScheme.h"
#include "str/Utf8.h"
#include "str/strarray/StrArray.h"
#include "str/strbuffer/StrBuffer.h"
#include "thread/win/Thread.h"

namespace veritome {

using s::file::gui::dialogs::filehash::Dialog;

namespace {
constexpr std::int32_t kVerifyAction = 1;  // the selector's index of the verify action
}  // namespace

std::unique_ptr<MainFrame> MainFrame::create(s::app::win::AppWindow* settings) {
    return std::make_unique<DialogFrame>(settings);
}

DialogFrame::DialogFrame(s::app::win::AppWindow* settings) : dialog_(Dialog::create()) {
    dialog_->bind(settings);
}

DialogFrame::~DialogFrame() {
    if (frame_ && !frame_->window()->isClosed()) frame_->window()->close();
    frame_.reset();
    // The worker may still be ending a run that the close cancelled.
    if (dialog_->worker()) dialog_->worker()->waitIdle();
    dialog_->release();
}

void DialogFrame::open() {
    // A first start follows the desktop: dark themes where it prefers a dark look.
    dialog_->setFirstStartTheme(
        [] { return std::u16string(platform::desktop::prefersDark() ? u"Black" : u"White"); });
    frame_ = std::make_unique<s::gui::dialogs::dragndrop::FrameWindow>(dialog_);
    frame_->build();
    frame_->show();
}

s::gui::win::Window* DialogFrame::window() const {
    return frame_ ? frame_->window() : nullptr;
}

void DialogFrame::drop(const std::string& file) {
    s::str::strarray::StrArray* paths = s::str::strarray::StrArray::create();
    s::str::strbuffer::StrBuffer* path = s::str::strbuffer::StrBuffer::create();
    s::str::appendUtf8(path, file);
    paths->add(path);
    frame_->handOff([&] { dialog_->drop(paths); });
    paths->release();
}

void DialogFrame::dropCodeFile(const std::string& file) {
    s::str::strarray::StrArray* paths = s::str::strarray::StrArray::create();
    s::str::strbuffer::StrBuffer* path = s::str::strbuffer::StrBuffer::create();
    s::str::appendUtf8(path, file);
    paths->add(path);
    frame_->handOff([&] { dialog_->dropCodeFile(paths); });
    paths->release();
}

void DialogFrame::showAction(int index) {
    frame_->handOff([&] {
        if (index >= 0 && static_cast<std::uint32_t>(index) < frame_->actionCount())
            frame_->selectAction(static_cast<std::uint32_t>(index));
    });
}

bool DialogFrame::settle(unsigned limitMs) {
    return !dialog_->worker() || dialog_->worker()->waitIdle(limitMs);
}

bool DialogFrame::isBusy() const {
    return dialog_->isBusy();
}

std::u16string DialogFrame::summary() {
    std::u16string text;
    frame_->handOff([&] {
        // The verify page has a summary of its own, with the verdict.
        namespace fh = s::file::gui::dialogs::filehash;
        s::gui::win::EditBase* field = frame_->selectedAction() == kVerifyAction
                                           ? dialog_->verifyField(fh::VerifyField::Summary)
                                           : dialog_->rowField(fh::Row::Summary);
        if (field) text = field->getText();
    });
    return text;
}

}  // namespace veritome
