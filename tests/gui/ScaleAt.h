// Sets the program's scale factor for the life of the object and puts the previous one back.
#pragma once

#include "platform/window/Scale.h"

namespace s::gui::testing {

class ScaleAt {
public:
    explicit ScaleAt(double factor) : before_(platform::window::scale()) {
        platform::window::setScale(factor);
    }
    ~ScaleAt() { platform::window::setScale(before_); }
    ScaleAt(const ScaleAt&) = delete;
    ScaleAt& operator=(const ScaleAt&) = delete;

private:
    double before_;
};

}  // namespace s::gui::testing
