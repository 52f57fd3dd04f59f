// Text on the system clipboard (through the active backend).
#pragma once

#include <string>
#include <string_view>

namespace platform::window {

bool setClipboardText(std::u16string_view text);
// False when the clipboard holds no text; *out is written only on success.
bool clipboardText(std::u16string* out);

// The primary selection: what was selected last, pasted with the middle button.
bool setPrimarySelectionText(std::u16string_view text);
bool primarySelectionText(std::u16string* out);

}  // namespace platform::window
