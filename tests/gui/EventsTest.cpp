// Layout listeners, the layout entry's guards, and the enable/edit target listeners.
#include <gtest/gtest.h>

#include <type_traits>

#include "gui/Leaf.h"
#include "gui/Recorder.h"
#include "gui/events/Disabler.h"
#include "gui/events/Editabler.h"
#include "gui/events/Enabler.h"
#include "gui/events/UnEditabler.h"
#include "gui/win/Box.h"

using s::gui::eventSource;
using s::gui::IComponent;
using s::gui::testing::Leaf;
using s::gui::testing::Recorder;
using s::gui::win::Box;

namespace {

TEST(BoxLayoutEntry, FiresCodeThreeAndHonoursFrozenAndNesting) {
    Box* box = Box::create();
    box->add(Leaf::make(1, 1));
    Recorder recorder;
    int calls = 0;
    // A listener that lays out again: at most two nested layouts run.
    recorder.onCall = [&] {
        ++calls;
        box->layout();
    };
    box->addLayoutListener(&recorder);
    box->layout();
    EXPECT_EQ(calls, 2);
    ASSERT_FALSE(recorder.events().empty());
    EXPECT_EQ(recorder.events()[0].first, eventSource(box));
    EXPECT_EQ(recorder.events()[0].second, 3);

    box->setFrozen(true);
    box->layout();
    EXPECT_EQ(calls, 2);
    box->removeAll(true);
    box->release();
}

TEST(BoxLayoutEntry, ManagerReportsNoExtents) {
    Box* box = Box::create();
    box->add(Leaf::make(10, 20, 5, 5));
    box->layout();
    EXPECT_EQ(box->getContentMinWidth(), 10);
    box->setLayoutManager(box->getLayoutManager());  // the shared flow manager
    box->layout();
    EXPECT_EQ(box->getContentMinWidth(), 0);
    box->removeAll(true);
    box->release();
}

template <class T>
class TargetListeners : public ::testing::Test {};
using ListenerTypes = ::testing::Types<s::gui::events::Enabler, s::gui::events::Disabler,
                                       s::gui::events::Editabler, s::gui::events::UnEditabler>;
TYPED_TEST_SUITE(TargetListeners, ListenerTypes);

bool stateOf(s::gui::events::Enabler*, IComponent* c) {
    return c->isEnabled();
}
bool stateOf(s::gui::events::Disabler*, IComponent* c) {
    return !c->isEnabled();
}
bool stateOf(s::gui::events::Editabler*, IComponent* c) {
    return c->isEditable();
}
bool stateOf(s::gui::events::UnEditabler*, IComponent* c) {
    return !c->isEditable();
}

TYPED_TEST(TargetListeners, ReactOnlyToTheirSourceWhateverTheCode) {
    Leaf* source = Leaf::make(0, 0);
    Leaf* other = Leaf::make(0, 0);
    Leaf* targets[2] = {Leaf::make(0, 0), Leaf::make(0, 0)};
    TypeParam* listener = TypeParam::newFor(source);
    for (Leaf* t : targets) {
        listener->addTarget(t);
        // Start in the opposite of the state the listener sets.
        t->setEnabled(!std::is_same_v<TypeParam, s::gui::events::Enabler>);
        t->setEditable(!std::is_same_v<TypeParam, s::gui::events::Editabler>);
        ASSERT_FALSE(stateOf(static_cast<TypeParam*>(nullptr), t));
    }
    listener->onEvent(eventSource(other), 1);
    for (Leaf* t : targets) EXPECT_FALSE(stateOf(static_cast<TypeParam*>(nullptr), t));
    listener->onEvent(eventSource(source), 42);
    for (Leaf* t : targets) EXPECT_TRUE(stateOf(static_cast<TypeParam*>(nullptr), t));

    listener->release();
    for (Leaf* l : {source, other, targets[0], targets[1]}) l->release();
}

}  // namespace
