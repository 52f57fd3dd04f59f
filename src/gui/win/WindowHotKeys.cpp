// Hot keys: the desktop offers the program none, so registering one fails and, when asked to
// report, tells the user the key is taken.
#include <string>

#include "gui/win/Window.h"

namespace s::gui::win {

std::u16string Window::hotKeyText(bool alt, bool ctrl, bool shift, bool win, std::uint32_t key) {
    std::u16string text = u"HotKey ";
    if (alt) text += u"Alt+";
    if (ctrl) text += u"Ctrl+";
    if (shift) text += u"Shift+";
    if (win) text += u"WinKey+";
    for (char c : std::to_string(key)) text += static_cast<char16_t>(c);
    text += u" has been occupied by another application.";
    return text;
}

bool Window::registerHotKey(bool alt, bool ctrl, bool shift, bool win, std::uint32_t key,
                            const std::u16string& name, bool report) {
    unregisterHotKey(name);
    if (!report) return false;
    std::u16string message = u"(";
    for (char c : std::to_string(kHotKeyUnavailable)) message += static_cast<char16_t>(c);
    message += u") ";
    message += hotKeyText(alt, ctrl, shift, win, key);
    showMessage(message);
    return false;
}

void Window::unregisterHotKey(const std::u16string& name) {
    onOwner([&] { hotKeys_.erase(name); });
}

void Window::unregisterAllHotKeys() {
    onOwner([&] { hotKeys_.clear(); });
}

bool Window::isHotKey(const std::u16string& name) const {
    auto it = hotKeys_.find(name);
    return it != hotKeys_.end() && it->second == pressedHotKey_ && pressedHotKey_ != 0;
}

}  // namespace s::gui::win
