// Copy buttons and "Paste".
#include "file/gui/dialogs/filehash/Dialog.h"

#include "file/gui/dialogs/filehash/EnteredCode.h"
#include "gui/win/EditBase.h"
#include "gui/win/TextField.h"
#include "platform/window/Clipboard.h"
#include "platform/window/Window.h"

namespace s::file::gui::dialogs::filehash {

namespace gw = s::gui::win;

namespace {

std::u16string toCrLf(const std::u16string& text) {
    std::u16string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r') {
            out += u"\r\n";
            if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else if (c == u'\n') {
            out += u"\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

void Dialog::copyField(gw::EditBase* field, const std::u16string& suffix, bool crlf) {
    std::u16string value = field->getText();
    // An empty field leaves the clipboard as it was.
    if (value.empty()) return;
    value += suffix;
    if (crlf) value = toCrLf(value);
    platform::window::setClipboardText(value);
    if (field->getEditControl() != platform::window::kNoWindow)
        platform::window::setFocus(field->getEditControl());
    field->selectAll();
}

void Dialog::paste() {
    std::u16string text;
    // A clipboard without text leaves what the user typed.
    if (!platform::window::clipboardText(&text) || text.empty()) return;
    entered_->setText(EnteredCode::clean(text), true);
}

}  // namespace s::file::gui::dialogs::filehash
