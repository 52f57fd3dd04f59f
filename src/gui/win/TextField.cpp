// The text field's factory.
#include "gui/win/TextField.h"

namespace s::gui::win {

TextField* newTextField(std::int32_t percentWidth) {
    TextField* field = TextField::create();
    if (percentWidth >= 0) field->setComponentPercentWidth(percentWidth);
    return field;
}

}  // namespace s::gui::win
