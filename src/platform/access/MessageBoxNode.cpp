// The accessible nodes of a message box and its parts.
#include "platform/access/MessageBoxNode.h"

#include "platform/access/Bridge.h"
#include "platform/window/MessageBox.h"
#include "platform/window/Window.h"

namespace platform::access {

namespace pw = platform::window;

namespace {

pw::MessageBoxContent contentOf(pw::Handle box) {
    pw::MessageBoxContent content;
    pw::messageBoxContent(box, &content);
    return content;
}

}  // namespace

// The text (index 0) or a button (1 and on).
class MessageBoxNode::Part : public Node {
public:
    Part(MessageBoxNode* box, int index) : box_(box), index_(index) {}

    Role role() const override { return index_ == 0 ? Role::kLabel : Role::kPushButton; }
    std::u16string name() const override {
        const pw::MessageBoxContent c = contentOf(box_->box_);
        if (index_ == 0) return c.text;
        return index_ - 1 < static_cast<int>(c.buttons.size()) ? c.buttons[index_ - 1] : u"";
    }
    std::uint32_t states() const override {
        std::uint32_t s = kEnabled | kVisible | kShowing;
        if (index_ == 0) return s;
        s |= kFocusable;
        if (contentOf(box_->box_).focused == index_ - 1 && pw::focus() == box_->box_) s |= kFocused;
        return s;
    }
    Node* parent() const override { return box_; }
    int indexInParent() const override { return index_; }
    window::Rect extents() const override {
        const pw::MessageBoxContent c = contentOf(box_->box_);
        const pw::Rect at = pw::screenRect(box_->box_);
        pw::Rect r = index_ == 0 ? c.textRect
                     : index_ - 1 < static_cast<int>(c.buttonRects.size()) ? c.buttonRects[index_ - 1]
                                                                         : pw::Rect{};
        return r.offset(at.x, at.y);
    }
    bool hasText() const override { return index_ == 0; }
    std::u16string text() const override { return index_ == 0 ? name() : u""; }
    std::vector<std::string> actions() const override {
        if (index_ == 0) return {};
        return {"click"};
    }
    bool doAction(int index) override {
        return index == 0 && index_ > 0 && pw::pressMessageBoxButton(box_->box_, index_ - 1);
    }
    window::Handle ownerWindow() const override { return box_->box_; }

private:
    MessageBoxNode* box_;
    int index_;
};

MessageBoxNode::MessageBoxNode(pw::Handle box) : box_(box) {}

MessageBoxNode::~MessageBoxNode() {
    for (auto& p : parts_) Bridge::forget(p.get());
    Bridge::forget(this);
}

Node* MessageBoxNode::part(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    while (static_cast<int>(parts_.size()) <= index)
        parts_.push_back(std::make_unique<Part>(const_cast<MessageBoxNode*>(this),
                                                static_cast<int>(parts_.size())));
    return parts_[index].get();
}

Node* MessageBoxNode::focusedButton() const {
    return part(1 + contentOf(box_).focused);
}

std::u16string MessageBoxNode::name() const {
    return contentOf(box_).title;
}

std::u16string MessageBoxNode::description() const {
    return contentOf(box_).text;
}

std::uint32_t MessageBoxNode::states() const {
    std::uint32_t s = kEnabled | kVisible | kShowing | kModal;
    if (pw::isActive(box_)) s |= kActive;
    return s;
}

int MessageBoxNode::childCount() const {
    return 1 + static_cast<int>(contentOf(box_).buttons.size());
}

pw::Rect MessageBoxNode::extents() const {
    return pw::screenRect(box_);
}

}  // namespace platform::access
