// The text area's factory.
#include "gui/win/TextEdit.h"

namespace s::gui::win {

TextEdit* newTextEdit(std::int32_t percentWidth) {
    TextEdit* area = TextEdit::create();
    if (percentWidth >= 0) area->setComponentPercentWidth(percentWidth);
    area->setComponentPercentHeight(100);
    return area;
}

}  // namespace s::gui::win
