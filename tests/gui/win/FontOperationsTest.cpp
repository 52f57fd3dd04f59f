// Every font operation on every text widget, attached and called from another thread: the
// widget's own font takes the change, and the widget measures itself (and its control) again.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "gui/HeadlessWindow.h"
#include "gui/win/Button.h"
#include "gui/win/CheckBox.h"
#include "gui/win/FontProps.h"
#include "gui/win/FontSetting.h"
#include "gui/win/Label.h"
#include "gui/win/TextEdit.h"
#include "gui/win/TextField.h"
#include "platform/window/Edit.h"

namespace pw = platform::window;

namespace s::gui::win {
namespace {

struct FontOperationCase {
    const char* what;
    std::function<void(IFontOperations*)> apply;
    std::function<bool(const IFont*)> holds;
};

struct TextWidgetCase {
    const char* what;
    std::function<Component*()> make;
};

const std::vector<TextWidgetCase>& textWidgets() {
    static const std::vector<TextWidgetCase> widgets = {
        {"text field", [] { return newTextField(100); }},
        {"text area", [] { return newTextEdit(100); }},
        {"label", [] { return newLabel(u"Hash"); }},
        {"button", [] { return newButton(u"Copy", -1, -1); }},
        {"check box", [] { return newCheckBoxText(u"MD5", false, true, -1, -1); }},
    };
    return widgets;
}

class FontOperationsOnWidgets : public gui::testing::HeadlessWindow {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        window->setBounds(0, 0, 300, 200);
        window->setVisible(true, false);
    }
    void TearDown() override {
        window->removeAll(true);
        HeadlessWindow::TearDown();
    }
};

TEST_F(FontOperationsOnWidgets, EveryOperationReachesTheOwnFont) {
    Font* donor = newFont();
    donor->setFace(u"DejaVu Serif");
    FontSetting* italic = FontSetting::create();
    italic->setItalic(true);
    const std::vector<FontOperationCase> operations = {
        {"size code 105", [](IFontOperations* w) { w->setSizeCode(105); },
         [](const IFont* f) { return f->getSizeCode() == 105 && f->isBold(); }},
        {"face", [](IFontOperations* w) { w->setFace(u"DejaVu Sans Mono"); },
         [](const IFont* f) { return f->getFace() == u"DejaVu Sans Mono"; }},
        {"text colour", [](IFontOperations* w) { w->setTextColour(1, 2, 3); },
         [](const IFont* f) { return f->isTextColourSet() && f->getTextColour() == 0x030201u; }},
        {"second colour", [](IFontOperations* w) { w->setSecondColour(4, 5, 6); },
         [](const IFont* f) { return f->getSecondColour() == 0x060504u; }},
        {"third colour", [](IFontOperations* w) { w->setThirdColour(7, 8, 9); },
         [](const IFont* f) { return f->getThirdColour() == 0x090807u; }},
        {"point size", [](IFontOperations* w) { w->setPointSize(20); },
         [](const IFont* f) { return f->getCellHeight() == -pointsToPixels(20); }},
        {"cell height", [](IFontOperations* w) { w->setCellHeight(-30); },
         [](const IFont* f) { return f->getCellHeight() == -30; }},
        {"cell width", [](IFontOperations* w) { w->setCellWidth(7); },
         [](const IFont* f) { return f->getCellWidth() == 7; }},
        {"bold", [](IFontOperations* w) { w->setBold(true); },
         [](const IFont* f) { return f->isBold(); }},
        {"italic", [](IFontOperations* w) { w->setItalic(true); },
         [](const IFont* f) { return f->isItalic(); }},
        {"underline", [](IFontOperations* w) { w->setUnderline(true); },
         [](const IFont* f) { return f->isUnderline(); }},
        {"strike-out", [](IFontOperations* w) { w->setStrikeOut(true); },
         [](const IFont* f) { return f->isStrikeOut(); }},
        {"weight", [](IFontOperations* w) { w->setWeight(900); },
         [](const IFont* f) { return f->getWeight() == 900; }},
        {"wrap", [](IFontOperations* w) { w->setWrap(true); },
         [](const IFont* f) { return f->isWrap(); }},
        {"ellipsis", [](IFontOperations* w) { w->setEllipsis(true); },
         [](const IFont* f) { return f->isEllipsis(); }},
        {"not smooth", [](IFontOperations* w) { w->setSmooth(false); },
         [](const IFont* f) { return !f->isSmooth(); }},
        {"inherit from a font", [&](IFontOperations* w) { w->inheritFrom(donor); },
         [](const IFont* f) { return f->getFace() == u"DejaVu Serif"; }},
        {"inherit from a setting", [&](IFontOperations* w) { w->inheritFrom(italic); },
         [](const IFont* f) { return f->isItalic(); }},
    };
    for (const TextWidgetCase& widget : textWidgets()) {
        for (const FontOperationCase& op : operations) {
            SCOPED_TRACE(std::string(widget.what) + ": " + op.what);
            Component* c = widget.make();
            window->add(c);
            op.apply(dynamic_cast<IFontOperations*>(c));  // from the test thread
            EXPECT_TRUE(onOwner([&] { return op.holds(c->getFont()); }));
            window->remove(c, true);
        }
    }
    italic->release();
    donor->release();
}

TEST_F(FontOperationsOnWidgets, ABiggerFontMeasuresTheWidgetAndItsControlAgain) {
    for (const TextWidgetCase& widget : textWidgets()) {
        SCOPED_TRACE(widget.what);
        Component* c = widget.make();
        window->add(c);
        std::int32_t before = onOwner([&] { return c->getMinHeight(); });
        auto* edit = dynamic_cast<EditBase*>(c);
        std::int32_t caretBefore = edit ? pw::editCaretRect(edit->getEditControl()).height : 0;
        dynamic_cast<IFontOperations*>(c)->setPointSize(30);
        EXPECT_GT(onOwner([&] { return c->getMinHeight(); }), before);
        if (edit) {
            EXPECT_GT(pw::editCaretRect(edit->getEditControl()).height, caretBefore)
                << "the control took the new font";
        }
        window->remove(c, true);
    }
}

TEST_F(FontOperationsOnWidgets, SizeAndWeightAlsoReachTheStateFonts) {
    Button* button = newButton(u"Copy", -1, -1);
    Label* label = newLabel(u"link");
    window->add(button);
    window->add(label);
    button->setSizeCode(105);
    label->setBold(true);
    button->setItalic(true);  // the own font only
    EXPECT_TRUE(onOwner([&] {
        return button->getHoveredFont()->getSizeCode() == 105 &&
               button->getPressedFont()->isBold() && !button->getHoveredFont()->isItalic() &&
               label->getHoveredFont()->isBold() && label->getPressedFont()->isBold();
    }));
}

}  // namespace
}  // namespace s::gui::win
