// The text control's model on its own: undo steps, pasted lines and the bounds on what a paste
// inserts and on what the history keeps.
#include "platform/window/EditModel.h"

#include <gtest/gtest.h>

#include <string>

namespace pw = platform::window;
using Kind = pw::EditModel::Kind;

namespace {

void type(pw::EditModel& m, std::u16string_view text) {
    for (char16_t c : text) m.replaceSelection(std::u16string_view(&c, 1), Kind::kTyping);
}

TEST(EditModel, TypingIsOneUndoStepAndRedoBringsItBack) {
    pw::EditModel m;
    type(m, u"abc");
    m.select(3, 3);  // a caret move ends the typing step
    type(m, u"de");
    m.select(0, 1);
    m.replaceSelection(u"X", Kind::kOther);
    EXPECT_EQ(m.text(), u"Xbcde");

    ASSERT_TRUE(m.undo());
    EXPECT_EQ(m.text(), u"abcde");
    EXPECT_EQ(m.anchor(), 0);
    EXPECT_EQ(m.caret(), 1);  // the selection comes back with the text
    ASSERT_TRUE(m.undo());
    EXPECT_EQ(m.text(), u"abc");
    ASSERT_TRUE(m.undo());
    EXPECT_EQ(m.text(), u"");
    EXPECT_FALSE(m.undo());
    ASSERT_TRUE(m.redo());
    ASSERT_TRUE(m.redo());
    EXPECT_EQ(m.text(), u"abcde");

    // A new edit drops what could be redone; setText empties the whole history.
    m.replaceSelection(u"!", Kind::kOther);
    EXPECT_FALSE(m.redo());
    EXPECT_TRUE(m.setText(u"fresh"));
    EXPECT_FALSE(m.setText(u"fresh"));
    EXPECT_FALSE(m.undo());
    EXPECT_EQ(m.historyBytes(), 0u);
    EXPECT_EQ(m.caret(), 0);
}

TEST(EditModel, PastedLinesFoldInAOneLineFieldOnly) {
    struct Case {
        bool multiLine;
        std::u16string pasted;
        std::u16string field;
    };
    for (const Case& c : {
             Case{false, u"ab\r\ncd\ne\rf\r\n\n", u"ab cd e f"},
             Case{false, u"\n\n", u""},
             Case{true, u"ab\r\ncd\n", u"ab\r\ncd\n"},
         }) {
        pw::EditModel m(c.multiLine);
        m.paste(c.pasted);
        EXPECT_EQ(m.text(), c.field);
        EXPECT_EQ(m.caret(), static_cast<std::int32_t>(c.field.size()));
    }
}

TEST(EditModel, APasteInsertsAtMostItsLimitAndNeverHalfAPair) {
    constexpr std::size_t kLimit = pw::EditModel::kPasteLimit;
    pw::EditModel m;
    m.setText(u"[]");
    m.select(1, 1);
    m.paste(std::u16string(kLimit * 3, u'x'));
    EXPECT_EQ(m.text().size(), kLimit + 2);
    EXPECT_EQ(m.text().back(), u']');

    // A pair that would straddle the limit stays out whole.
    std::u16string pairs(kLimit - 1, u'y');
    pairs += u"\U0001F600\U0001F600";
    m.setText(u"");
    m.paste(pairs);
    ASSERT_EQ(m.text().size(), kLimit - 1);
    EXPECT_EQ(m.text().back(), u'y');
}

TEST(EditModel, TheHistoryKeepsItsByteBoundAndTheNewestSteps) {
    pw::EditModel m;
    const std::u16string chunk(pw::EditModel::kPasteLimit, u'z');
    for (int i = 0; i < 40; ++i) {
        m.paste(chunk);
        EXPECT_LE(m.historyBytes(), pw::EditModel::kHistoryBytes);
    }
    ASSERT_GT(m.undoSteps(), 0u);
    EXPECT_LT(m.undoSteps(), 40u);
    // The newest steps can still be taken back, each one paste at a time.
    std::size_t before = m.text().size();
    ASSERT_TRUE(m.undo());
    EXPECT_EQ(m.text().size(), before - chunk.size());
    EXPECT_LE(m.historyBytes(), pw::EditModel::kHistoryBytes);

    // Small edits keep at most the step count.
    pw::EditModel small;
    for (int i = 0; i < 250; ++i) small.replaceSelection(u"a", Kind::kOther);
    EXPECT_EQ(small.undoSteps(), pw::EditModel::kUndoDepth);
}

}  // namespace
