// Group title, content box and painting.
#include "gui/win/GroupBox.h"

#include "gui/IWindow.h"
#include "gui/access/Access.h"
#include "gui/drawer/Defaults.h"
#include "gui/drawer/Skinner.h"
#include "gui/win/TextComponent.h"

namespace pw = platform::window;

namespace s::gui::win {

GroupBox::~GroupBox() {
    titleFont_->release();
}

void GroupBox::resetGroup() {
    resetBox();
    if (!titleFont_) titleFont_ = Font::create();
    titleFont_->recycle();
    font_ = titleFont_;
    title_.clear();
    titleNumber_ = -1;
    titleWidth_ = titleHeight_ = 0;
    content_box_ = nullptr;
    tracksEnabled_ = false;
    layoutPile();
    measureTitle();
}

drawer::groupbox::IThin* GroupBox::groupDrawer() const {
    drawer::ISkin* skin = drawer::Defaults::currentSkin(window_ ? window_->getSkinner() : nullptr);
    return skin ? skin->getGroupBoxDrawer() : drawer::Defaults::groupBox();
}

void GroupBox::measureTitle() {
    titleWidth_ = titleHeight_ = 0;
    groupDrawer()->measureTitle(title_.empty() ? u" " : title_, titleFont_, &titleWidth_,
                                &titleHeight_);
    if (title_.empty()) titleWidth_ = 0;
    // The content starts below the title; the frame takes the rest of the margins.
    marginLeft_ = marginRight_ = marginBottom_ = kFrame;
    marginTop_ = Length::inPixels(titleHeight_ + px(2));
    shiftChildrenOrigin();
}

void GroupBox::setTitle(const std::u16string& title) {
    if (handOff([&] { setTitle(title); })) return;
    titleNumber_ = -1;
    title_ = title;
    measureTitle();
    layout();
    if (parent_ && native_ != pw::kNoWindow) parent_->relayout();
    repaint();
    access::Access::textChanged(this);
}

void GroupBox::setTitleNumber(std::int32_t number) {
    if (handOff([&] { setTitleNumber(number); })) return;
    std::u16string text;
    if (number < 0 || !lookUpText(this, number, &text)) text.clear();
    setTitle(text);
    titleNumber_ = number;
}

void GroupBox::onAttached() {
    BoxBase::onAttached();
    if (titleNumber_ >= 0) {
        std::u16string text;
        if (lookUpText(this, titleNumber_, &text)) title_ = text;
    }
    measureTitle();
}

void GroupBox::onEvent(void* source, std::int32_t code) {
    if (!source) return;
    if (source == followedPack()) {
        if (titleNumber_ >= 0) setTitleNumber(titleNumber_);
    } else if (source == followedSkinner()) {
        // Another skin measures the title in its own font and metrics.
        if (handOff([&] { onEvent(source, code); })) return;
        measureTitle();
        layout();
        if (parent_) parent_->relayout();
        repaint();
    }
}

void GroupBox::setContentBox(IBox* box) {
    if (handOff([&] { setContentBox(box); })) return;
    removeAll(true);
    content_box_ = box;
    if (box) add(box);
}

void GroupBox::setTitleColour(std::int32_t red, std::int32_t green, std::int32_t blue) {
    if (handOff([&] { setTitleColour(red, green, blue); })) return;
    titleFont_->setTextColour(red, green, blue);
    repaint();
}

void GroupBox::setEnabled(bool enable) {
    if (handOff([&] { setEnabled(enable); })) return;
    Component::setEnabled(enable);
    if (tracksEnabled_ && content_box_) content_box_->setEnabled(enable);
}

void GroupBox::paint(pw::Canvas& canvas, pw::Rect area) {
    Component::paint(canvas, area);
    groupDrawer()->paint(canvas, 0, 0, width_, height_, title_, titleFont_, titleWidth_,
                         titleHeight_);
}

GroupBox* newGroupBox(std::int32_t textNumber, std::int32_t hGap, std::int32_t vGap,
                      std::int32_t hMargins, std::int32_t percentWidth, std::int32_t kind) {
    GroupBox* group = GroupBox::create();
    if (percentWidth >= 0) group->setPercentWidth(percentWidth, false);
    group->setContentBox(newBox(100, 100, -1, -1, hGap, vGap, hMargins, 3, kind));
    group->setTitleNumber(textNumber);
    return group;
}

GroupBox* newGroupBoxTitled(const std::u16string& title, std::int32_t hGap, std::int32_t vGap,
                            std::int32_t percentWidth, std::int32_t kind) {
    GroupBox* group = GroupBox::create();
    if (percentWidth >= 0) group->setPercentWidth(percentWidth, false);
    group->setContentBox(newBox(100, 100, -1, -1, hGap, vGap, 20, 3, kind));
    group->setTitle(title);
    return group;
}

GroupBox* newGroupBoxFor(std::int32_t percentWidth, std::int32_t percentHeight) {
    GroupBox* group = GroupBox::create();
    group->setPercentWidth(percentWidth, false);
    group->setPercentHeight(percentHeight, false);
    group->setContentBox(newBox(100, 100, -1, -1, -1, -1, -1, -1, layout::kColumn));
    group->setTitleNumber(1001000);
    return group;
}

}  // namespace s::gui::win
