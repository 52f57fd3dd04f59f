// The keyboard focus among a window's widgets: Tab order, the first focus when the window opens
// or comes back, scrolling the focused widget into view, and the focus listeners.
#include "gui/events/Listeners.h"
#include "gui/win/FocusChain.h"
#include "gui/win/ScrollBox.h"
#include "gui/win/TextField.h"
#include "gui/win/Window.h"

namespace pw = platform::window;

namespace s::gui::win {

namespace {

// The widget a focus window belongs to: itself, or the text component around a text control.
Component* componentOfFocus(pw::Handle focus) {
    if (Component* c = Component::fromNative(focus)) return c;
    return Component::fromNative(pw::parentOf(focus));
}

// Gives the focus as Tab does: a single-line field shows its whole text selected; a text area
// keeps its caret and its scroll position, so a long text is not moved to its end.
void focusByKey(Component* component) {
    if (auto* field = dynamic_cast<TextField*>(component)) {
        field->selectAll();
        return;
    }
    component->giveFocus();
}

}  // namespace

Component* Window::getFocusedComponent() const {
    if (native_ == pw::kNoWindow) return nullptr;
    pw::Handle focus = pw::focusOf(pw::threadOf(native_));
    if (focus == pw::kNoWindow || focus == native_ || pw::topLevelOf(focus) != native_) {
        return nullptr;
    }
    return componentOfFocus(focus);
}

bool Window::moveFocus(bool back) {
    bool moved = false;
    onOwner([&] {
        Component* next = FocusChain::next(this, getFocusedComponent(), back);
        if (!next) return;
        focusByKey(next);
        moved = true;
    });
    return moved;
}

void Window::focusFirst() {
    onOwner([this] {
        Component* first = FocusChain::next(this, nullptr, false);
        if (first) {
            focusByKey(first);
        } else {
            pw::setFocus(native_);
        }
    });
}

void Window::regainFocus() {
    if (native_ == pw::kNoWindow || !pw::isVisible(native_)) return;
    pw::Handle focus = pw::focus();
    if (focus != pw::kNoWindow && pw::topLevelOf(focus) == native_) return;
    // Back to the widget that had it when the window was left, while it can still take it.
    Component* last = lastFocus_ != pw::kNoWindow && pw::isWindow(lastFocus_) &&
                              pw::topLevelOf(lastFocus_) == native_
                          ? componentOfFocus(lastFocus_)
                          : nullptr;
    if (last && FocusChain::canFocus(last)) {
        last->giveFocus();
        return;
    }
    focusFirst();
}

void Window::focusMoved(Component* component, bool gained) {
    if (gained) {
        lastFocus_ = component->focusWindow();
        pw::Rect area = pw::screenRect(component->getNativeWindow());
        for (IComponent* p = component->getParent(); p; p = p->getParent()) {
            if (auto* scroll = dynamic_cast<ScrollBox*>(p)) scroll->showArea(area);
        }
    }
    events::fireListeners(focusListeners_, eventSource(component), gained ? 1 : 0);
}

}  // namespace s::gui::win
