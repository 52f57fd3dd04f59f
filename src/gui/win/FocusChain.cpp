// The Tab order: a walk of the component tree, children in their layout order.
#include "gui/win/FocusChain.h"

#include <algorithm>

#include "gui/win/Component.h"

namespace pw = platform::window;

namespace s::gui::win {

bool FocusChain::canFocus(const Component* component) {
    pw::Handle target = component->focusWindow();
    return component->takesFocus() && target != pw::kNoWindow && pw::isVisible(target) &&
           pw::isEnabled(target);
}

std::vector<Component*> FocusChain::of(IComponent* root) {
    std::vector<Component*> chain;
    const Component* from = Component::of(root);
    if (!from) return chain;
    from->forEachDescendant([&](Component* c) {
        // A hidden box hides everything in it; a widget that takes the focus has no stops inside.
        if (c->getNativeWindow() == pw::kNoWindow || !pw::isVisible(c->getNativeWindow()))
            return Component::Walk::kPast;
        if (!c->takesFocus()) return Component::Walk::kInto;
        if (canFocus(c)) chain.push_back(c);
        return Component::Walk::kPast;
    });
    return chain;
}

Component* FocusChain::next(IComponent* root, const Component* from, bool back) {
    std::vector<Component*> chain = of(root);
    if (chain.empty()) return nullptr;
    auto at = std::find(chain.begin(), chain.end(), from);
    if (at == chain.end()) return back ? chain.back() : chain.front();
    auto n = static_cast<std::ptrdiff_t>(chain.size());
    std::ptrdiff_t i = at - chain.begin();
    return chain[static_cast<std::size_t>((i + (back ? n - 1 : 1)) % n)];
}

}  // namespace s::gui::win
