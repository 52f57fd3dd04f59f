// The check and create actions in a real window: a list with a changed, a missing and an
// unreadable file gives its counts, rows (failures first) and report; a folder dropped in the
// create action gets the list the system's tool writes, and a second drop asks before it
// replaces it.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "DialogWindow.h"
#include "ScreenShot.h"
#include "gui/win/Button.h"
#include "gui/win/ComboBox.h"
#include "gui/win/Label.h"
#include "gui/win/ListView.h"
#include "gui/win/Window.h"
#include "lang/Localizer.h"

namespace dialog_testing {
namespace {

constexpr const char* kListedSha256 =
    "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// What read gives on the window's thread.
template <class Read>
auto onWindow(HostWindow* frame, const Read& read) {
    decltype(read()) value{};
    frame->handOff([&] { value = read(); });
    return value;
}

void shootIfAsked(HostWindow* frame, const std::string& name) {
    const char* out = std::getenv("VERITOME_SCREENSHOTS");
    if (!out) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    platform::window::Rect r = platform::window::screenRect(frame->window()->getNativeWindow());
    writePng(grabScreen(r.x, r.y, r.width, r.height), std::string(out) + "/" + name + ".png");
}

TEST_F(DialogWindow, CheckHashFileCountsAndListsFailuresFirst) {
    const fs::path tree = dir / "tree";
    fs::create_directories(tree / "sub");
    writeFile(tree / "one", "abc");
    writeFile(tree / "sub" / "two", "abc");
    writeFile(tree / "changed", "abd");
    fs::create_directory(tree / "unreadable");
    const std::string sums = std::string(kListedSha256) + "  one\n" + kListedSha256 + "  sub/two\n" +
                             kListedSha256 + "  changed\n" + kListedSha256 + "  gone\n" + kListedSha256 +
                             "  unreadable\n";
    writeFile(tree / "SHA256SUMS", sums);
    selectAction(Dialog::kCheckAction);
    drop(tree / "SHA256SUMS");
    ASSERT_TRUE(waitIdle());
    s::gui::win::ListView* list = dialog->checkList();
    EXPECT_EQ(onWindow(frame.get(), [&] { return dialog->checkCountLine()->getText(); }),
              u"2 OK, 2 FAILED, 1 missing");
    EXPECT_TRUE(waitFor([&] { return onWindow(frame.get(), [&] { return list->getRowCount(); }) == 5; }));
    EXPECT_EQ(onWindow(frame.get(), [&] { return list->rows().cellText(0, 0); }), u"changed");
    EXPECT_EQ(onWindow(frame.get(), [&] { return list->rows().cellText(0, 2); }), u"FAILED");
    EXPECT_EQ(onWindow(frame.get(), [&] { return list->rows().cellText(2, 2); }), u"MISSING");
    EXPECT_EQ(onWindow(frame.get(), [&] { return list->rows().cellText(4, 1); }), u"SHA-256");
    click(dialog->copyReportButton());
    EXPECT_TRUE(waitFor([&] {
        return clipboard() ==
               "one: OK\nsub/two: OK\nchanged: FAILED\ngone: FAILED open or read\n"
               "unreadable: FAILED open or read\n";
    }));
    shootIfAsked(frame.get(), "dialog-check-list");
    EXPECT_EQ(readAll(tree / "SHA256SUMS"), sums) << "checking writes nothing";
}

TEST_F(DialogWindow, CreateHashFileWritesWhatTheSystemToolWritesAndAsksBeforeReplacing) {
    const fs::path tree = dir / "made";
    fs::create_directories(tree / "b" / "c");
    writeFile(tree / "a file", "one");
    writeFile(tree / "b" / "c" / "deep", "two");
    writeFile(tree / "z", "");
    selectAction(Dialog::kCreateAction);
    // SHA-256 is the tenth match type.
    frame->handOff([&] { dialog->listTypeSelector()->select(9, true); });
    dropMany({tree}, true);
    ASSERT_TRUE(waitIdle());
    const std::string made = readAll(tree / "SHA256SUMS");
    std::string expected;
    {
        std::FILE* pipe = popen(("cd '" + tree.string() + "' && sha256sum 'a file' b/c/deep z").c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        char buffer[4096];
        std::size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) expected.append(buffer, got);
        pclose(pipe);
    }
    EXPECT_EQ(made, expected);
    EXPECT_EQ(onWindow(frame.get(), [&] { return dialog->createList()->getRowCount(); }), 3u);
    EXPECT_EQ(onWindow(frame.get(), [&] { return dialog->createList()->rows().cellText(2, 0); }),
              u"z");
    shootIfAsked(frame.get(), "dialog-create-list");
    // A second drop asks first; the yes (the box's default) replaces the list, which leaves
    // itself out.
    writeFile(tree / "SHA256SUMS", "old\n");
    takeMessages();
    dropMany({tree}, true);
    ASSERT_TRUE(waitIdle());
    const std::vector<std::u16string> asked = takeMessages();
    ASSERT_FALSE(asked.empty());
    EXPECT_NE(asked.front().find(u"exists. Replace it?"), std::u16string::npos);
    EXPECT_EQ(readAll(tree / "SHA256SUMS"), expected);
}

// The drop area asks for what the action takes, and the create page's status line says the
// last outcome, both in the language of the moment.
TEST_F(DialogWindow, DropHintAndCreateStatusFollowTheActionAndTheLanguage) {
    s::lang::Localizer* pack = dialog->getLocalizer();
    auto shown = [&](s::gui::win::Label* label) {
        return onWindow(frame.get(), [&] { return label->getText(); });
    };
    const std::pair<int, std::int32_t> hints[] = {{Dialog::kCheckAction, Dialog::kCheckHintText},
                                                  {Dialog::kCreateAction, Dialog::kCreateHintText},
                                                  {0, Dialog::kDropHintText},
                                                  {1, Dialog::kDropHintText}};
    for (const auto& [action, id] : hints) {
        selectAction(action);
        EXPECT_EQ(shown(frame->dropHint()), pack->text(id)) << "action " << action;
    }
    const fs::path tree = dir / "made";
    fs::create_directories(tree);
    writeFile(tree / "a", "one");
    selectAction(Dialog::kCreateAction);
    dropMany({tree}, true);
    auto written = [&] {
        std::u16string line = pack->text(3105200);
        const std::string path = (tree / "SHA256SUMS").string();
        return line.replace(line.find(u"%1"), 2, std::u16string(path.begin(), path.end()));
    };
    EXPECT_EQ(shown(dialog->createStatusLine()), written());
    switchLanguage(u"German");
    EXPECT_EQ(shown(dialog->createStatusLine()), written());
    EXPECT_NE(written().find(u"Liste"), std::u16string::npos);
    EXPECT_EQ(shown(frame->dropHint()), pack->text(Dialog::kCreateHintText));
    EXPECT_NE(shown(frame->dropHint()), u"Please drop a folder or files here!");
}

// Checking a long list in the window, from the drop to the end of the run as the window's
// thread sees it, best of the rounds (bench/rest.sh):
// VERITOME_MEASURE_LIST=<a checksum list> [VERITOME_MEASURE_ROUNDS=3]
TEST_F(DialogWindow, MeasureCheckingAList) {
    const char* list = std::getenv("VERITOME_MEASURE_LIST");
    if (!list) GTEST_SKIP() << "VERITOME_MEASURE_LIST is not set";
    const char* roundsText = std::getenv("VERITOME_MEASURE_ROUNDS");
    const int rounds = roundsText ? std::max(1, std::atoi(roundsText)) : 3;
    selectAction(Dialog::kCheckAction);
    double best = 1e9;
    std::u16string counts;
    for (int round = 0; round < rounds; ++round) {
        const int runs = frame->runsEnded;
        dropMany({list});
        ASSERT_TRUE(waitFor([&] { return frame->runsEnded > runs; }, 3600 * 1000));
        const std::chrono::steady_clock::time_point ended{
            std::chrono::steady_clock::duration{frame->endedAt.load()}};
        const std::chrono::duration<double> took = ended - droppedAt;
        best = std::min(best, took.count());
        counts = onWindow(frame.get(), [&] { return dialog->checkCountLine()->getText(); });
    }
    std::printf("check list: window %.3f s (%s)\n", best, utf8(counts).c_str());
}

}  // namespace
}  // namespace dialog_testing
