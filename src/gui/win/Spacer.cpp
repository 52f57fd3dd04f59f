// Spacer sizes, with the exception for spacers across the axis of their box.
#include "gui/win/Spacer.h"

#include <string_view>
#include <utility>

#include "gui/IBox.h"

namespace s::gui::win {

void Spacer::resetSpacer() {
    resetComponent();
    axis_ = kHorizontal;
    fixedWidth_ = fixedHeight_ = 1;
    background_ = kSystemButtonFace;
    transparent_ = true;
}

void Spacer::exchangeAxes() {
    std::swap(fixedWidth_, fixedHeight_);
    std::swap(percentWidth_, percentHeight_);
}

void Spacer::setHorizontal() {
    exchangeAxes();
    axis_ = kHorizontal;
}

void Spacer::setVertical() {
    exchangeAxes();
    axis_ = kVertical;
}

namespace {

std::int32_t parentBoxKind(IComponent* parent) {
    if (!parent || std::u16string_view(parent->typeName()) != u"s_gui_win_Box") return -1;
    auto* box = dynamic_cast<IBox*>(parent);
    return box ? box->getLayoutKind() : -1;
}

}  // namespace

bool Spacer::zeroWidths() const {
    return axis_ == kVertical && parentBoxKind(parent_) == layout::kRow;
}

bool Spacer::zeroHeights() const {
    return axis_ == kHorizontal && parentBoxKind(parent_) == layout::kColumn;
}

std::int32_t Spacer::getMinWidth() const {
    return zeroWidths() ? 0 : Component::getMinWidth();
}
std::int32_t Spacer::getMaxWidth() const {
    return zeroWidths() ? 0 : Component::getMaxWidth();
}
std::int32_t Spacer::getMinHeight() const {
    return zeroHeights() ? 0 : Component::getMinHeight();
}
std::int32_t Spacer::getMaxHeight() const {
    return zeroHeights() ? 0 : Component::getMaxHeight();
}

void Spacer::setVisible(bool show, bool relayout) {
    if (handOff([&] { setVisible(show, relayout); })) return;
    Component::setVisible(show, false);
    if (!show) {
        setPosition(-10000, 10000);
        return;
    }
    if (parent_) parent_->relayout();
}

Spacer* newSpacer(std::int32_t axis, std::int32_t length) {
    Spacer* spacer = Spacer::create();
    if (axis == Spacer::kVertical) {
        spacer->setVertical();
        spacer->setFixedHeight(length);
    } else {
        spacer->setFixedWidth(length);
    }
    return spacer;
}

Spacer* newStretchSpacer(std::int32_t percent) {
    Spacer* spacer = Spacer::create();
    spacer->setPercentWidth(percent);
    return spacer;
}

}  // namespace s::gui::win
