// A message box of the window layer as assistive tools see it: an alert named by its title, its
// text as a label and its buttons, which a tool can press.
#pragma once

#include <memory>
#include <vector>

#include "platform/access/Node.h"

namespace platform::access {

class MessageBoxNode : public Node {
public:
    explicit MessageBoxNode(window::Handle box);
    ~MessageBoxNode() override;

    // The node of an open box's part: 0 its text, 1 and on its buttons.
    Node* part(int index) const;
    // The button Return presses.
    Node* focusedButton() const;

    Role role() const override { return Role::kAlert; }
    std::u16string name() const override;
    std::u16string description() const override;
    std::uint32_t states() const override;
    Node* parent() const override { return nullptr; }
    int childCount() const override;
    Node* child(int index) const override { return part(index); }
    window::Rect extents() const override;
    bool isWindow() const override { return true; }
    window::Handle ownerWindow() const override { return box_; }

private:
    class Part;

    window::Handle box_;
    mutable std::vector<std::unique_ptr<Part>> parts_;
};

}  // namespace platform::access
