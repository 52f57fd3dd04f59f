// Text fields and areas in a window: program texts against typed ones, listeners, read-only,
// input-method pre-edit and colours.
#include <gtest/gtest.h>

#include <string>

#include "../HeadlessWindow.h"
#include "../Recorder.h"
#include "gui/win/TextEdit.h"
#include "gui/win/TextField.h"
#include "platform/window/Clipboard.h"
#include "platform/window/Edit.h"
#include "platform/window/Input.h"

namespace pw = platform::window;

namespace s::gui::win {
namespace {

using gui::testing::Recorder;

class TextFieldInWindow : public gui::testing::HeadlessWindow {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        field = newTextField(100);
        field->addChangeListener(&changes);
        field->addNotifyListener(&notes);
    }
    void show(IComponent* c) {
        window->add(c);
        window->setVisible(true, false);
    }
    // Types a marker and waits for its change: everything typed before has been handled.
    void settle(std::size_t changesBefore) {
        pw::input::text(top(), u"!");
        ASSERT_TRUE(changes.waitFor(changesBefore + 1));
    }
    void chord(std::uint32_t key) {
        pw::input::key(top(), pw::vk::kControl, true);
        pw::input::key(top(), key, true);
        pw::input::key(top(), key, false);
        pw::input::key(top(), pw::vk::kControl, false);
    }

    TextField* field = nullptr;
    Recorder changes;
    Recorder notes;
};

TEST_F(TextFieldInWindow, ProgramTextIsSilentOnRequestAndTypingNotifies) {
    field->setText(u"before", true);  // kept until attachment, which is no change
    show(field);
    EXPECT_EQ(field->getText(), u"before");
    field->setText(u"quiet", false);
    EXPECT_TRUE(changes.events().empty());
    field->setText(u"loud", true);
    ASSERT_EQ(changes.events().size(), 1u);
    EXPECT_EQ(changes.events()[0], std::make_pair(eventSource(field), 1));

    field->selectAll();
    pw::input::text(top(), u"\u00E9\u4E2D");  // replaces the selection, one change a character
    ASSERT_TRUE(changes.waitFor(3));
    EXPECT_EQ(field->getText(), u"\u00E9\u4E2D");
    pw::input::preedit(top(), u"zh", 2);
    settle(3);
    EXPECT_EQ(changes.events().size(), 4u) << "the pre-edit changed nothing";
    EXPECT_EQ(field->getText(), u"\u00E9\u4E2D!");
}

TEST_F(TextFieldInWindow, ReadOnlyIsTheEditableFlagAndStillCopies) {
    show(field);
    field->setText(u"code", false);
    field->setEditable(false);
    EXPECT_FALSE(field->isEditable());
    field->selectAll();
    pw::input::text(top(), u"xx");
    chord('C');
    pw::input::key(top(), pw::vk::kReturn, true);  // notifies even read-only: all handled
    pw::input::key(top(), pw::vk::kReturn, false);
    ASSERT_TRUE(notes.waitFor(1));
    field->setEditable(true);
    settle(0);
    EXPECT_EQ(changes.events().size(), 1u);
    EXPECT_EQ(field->getText(), u"!") << "the typing while read-only was dropped";
    std::u16string clip;
    ASSERT_TRUE(pw::clipboardText(&clip));
    EXPECT_EQ(clip, u"code");
}

TEST_F(TextFieldInWindow, ReturnAndLeavingNotifyWithCodeThree) {
    show(field);
    field->selectAll();
    pw::input::key(top(), pw::vk::kReturn, true);
    pw::input::key(top(), pw::vk::kReturn, false);
    ASSERT_TRUE(notes.waitFor(1));
    EXPECT_EQ(notes.events()[0].second, 3);
    EXPECT_EQ(field->getText(), u"") << "Return types nothing in a field";
}

TEST_F(TextFieldInWindow, EnabledFieldsShowTheirColourDisabledOnesTheButtonFace) {
    show(field);
    // Halfway along: clear of the caret the focused empty field shows at its start.
    std::int32_t x = field->getX() + field->getWidth() / 2;
    std::int32_t y = field->getY() + field->getHeight() / 2;
    EXPECT_EQ(pixel(x, y), 0x00FFFFFFu);
    field->setEnabled(false);
    EXPECT_EQ(pixel(x, y), kSystemButtonFace);
    field->setEnabled(true);
    field->setBackgroundColour(255, 255, 0, true);
    EXPECT_EQ(pixel(x, y), 0x0000FFFFu);
}

TEST_F(TextFieldInWindow, AreaTakesLinesAndFillsTheHeight) {
    field->release();  // this test shows an area in its place
    field = nullptr;
    TextEdit* area = newTextEdit(100);
    area->addChangeListener(&changes);
    show(area);
    EXPECT_EQ(area->getHeight(), window->getClientHeight());
    area->selectAll();
    pw::input::text(top(), u"one");
    pw::input::key(top(), pw::vk::kReturn, true);
    pw::input::key(top(), pw::vk::kReturn, false);
    pw::input::text(top(), u"two");
    ASSERT_TRUE(changes.waitFor(7));
    EXPECT_EQ(area->getText(), u"one\ntwo");
}

}  // namespace
}  // namespace s::gui::win
