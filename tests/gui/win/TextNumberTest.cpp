// Texts by number in every text widget: looked up in the window's language pack when attached,
// again on each language change and when the number changes; empty without a pack.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "gui/HeadlessWindow.h"
#include "gui/menus/TestPack.h"
#include "gui/win/Button.h"
#include "gui/win/CheckBox.h"
#include "gui/win/GroupBox.h"
#include "gui/win/Label.h"
#include "gui/win/RadioButton.h"

using s::gui::testing::HeadlessWindow;
using namespace s::gui::win;

namespace {

struct Kind {
    const char* name;
    std::function<s::gui::IComponent*(std::int32_t number)> make;
    std::function<void(s::gui::IComponent*, std::int32_t number)> setNumber;
    std::function<std::u16string(s::gui::IComponent*)> text;
};

template <class T>
T* as(s::gui::IComponent* c) {
    return dynamic_cast<T*>(c);
}

const Kind kKinds[] = {
    {"Label", [](std::int32_t n) { return newLabelByNumber(n, false, false, 0); },
     [](auto* c, std::int32_t n) { as<Label>(c)->setTextNumber(n); },
     [](auto* c) { return as<Label>(c)->getText(); }},
    {"Button", [](std::int32_t n) { return newButtonByNumber(-1, n, -1); },
     [](auto* c, std::int32_t n) { as<Button>(c)->setTextNumber(n); },
     [](auto* c) { return as<Button>(c)->getText(); }},
    {"CheckBox", [](std::int32_t n) { return newCheckBox(n, false); },
     [](auto* c, std::int32_t n) { as<CheckBox>(c)->setTextNumber(n); },
     [](auto* c) { return as<CheckBox>(c)->getText(); }},
    {"RadioButton",
     [](std::int32_t n) {
         RadioButton* r = newRadioButton(u"literal", false);
         r->setTextNumber(n);
         return r;
     },
     [](auto* c, std::int32_t n) { as<RadioButton>(c)->setTextNumber(n); },
     [](auto* c) { return as<RadioButton>(c)->getText(); }},
    {"GroupBox", [](std::int32_t n) { return newGroupBox(n, -1, -1, -1, -1, 0); },
     [](auto* c, std::int32_t n) { as<GroupBox>(c)->setTitleNumber(n); },
     [](auto* c) { return as<GroupBox>(c)->getTitle(); }},
};

class TextNumbers : public HeadlessWindow, public ::testing::WithParamInterface<Kind> {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        pack = s::gui::testing::makeTestPack();
    }
    void TearDown() override {
        HeadlessWindow::TearDown();
        pack->release();
    }
    s::lang::Localizer* pack = nullptr;
};

TEST_P(TextNumbers, FollowTheWindowsLanguage) {
    const Kind& kind = GetParam();
    window->setLanguagePack(pack);
    s::gui::IComponent* widget = kind.make(10);
    window->add(widget);
    EXPECT_EQ(kind.text(widget), u"View");

    pack->selectByName(u"German");
    EXPECT_EQ(kind.text(widget), u"Ansicht");

    kind.setNumber(widget, 20);
    EXPECT_EQ(kind.text(widget), u"Immer oben");
    pack->selectByName(u"English");
    EXPECT_EQ(kind.text(widget), u"Keep on Top");

    // Removed (and given back to its pool), the widget no longer listens.
    window->remove(widget, true);
    pack->selectByName(u"German");
}

TEST_P(TextNumbers, WithoutAPackTheTextIsEmpty) {
    const Kind& kind = GetParam();
    s::gui::IComponent* widget = kind.make(10);
    window->add(widget);
    EXPECT_EQ(kind.text(widget), u"");
    kind.setNumber(widget, 20);
    EXPECT_EQ(kind.text(widget), u"");
}

INSTANTIATE_TEST_SUITE_P(Widgets, TextNumbers, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
