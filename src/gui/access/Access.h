// The toolkit's side of accessibility: one node per component (made when an assistive tool asks
// for it, released with the component), the names a person can use (a field named by its row's
// label, a row's "Copy" named with the row), and the notifications the toolkit sends. Every call
// is made on the component's window thread; without an accessibility bus each returns at once.
#pragma once

#include <cstdint>
#include <string>

namespace s::gui {
class IComponent;
}
namespace s::gui::win {
class Component;
}
namespace platform::access {
class Node;
}

namespace s::gui::access {

class Access {
public:
    // The node of a component (made on first use); null for components left out of the tree.
    static platform::access::Node* nodeOf(win::Component* component);
    // Pure spacing, left out of the tree: spacers, and plain boxes holding nothing else.
    static bool leftOut(win::Component* component);

    // Names: `target` is named by the text of `label` (a label or a check box), with a
    // labelled-by relation.
    static void labelledBy(IComponent* target, IComponent* label);
    // A row's button: its own text followed by the row's name (`label`'s text).
    static void rowButton(IComponent* button, IComponent* label);
    // A button drawn with a glyph that does what `other` does: named with `other`'s text.
    static void namedLike(IComponent* button, IComponent* other);
    // A text whose changes are spoken as they come (a verdict).
    static void live(IComponent* component);

    // Hooks of the toolkit.
    static void released(win::Component* component);
    static void windowOpened(win::Component* window);
    static void windowClosed(win::Component* window);
    static void windowActivated(win::Component* window, bool active);
    static void focused(win::Component* component);
    static void checkedChanged(win::Component* component, bool checked);
    static void enabledChanged(win::Component* component, bool enabled);
    static void shownChanged(win::Component* component, bool shown);
    // Its text or title changed (the name follows, with those of the fields it names).
    static void textChanged(win::Component* component);
    static void selectionChanged(win::Component* component);
    // A list view's rows came, went or were sorted.
    static void rowsChanged(win::Component* list);
};

}  // namespace s::gui::access
