// The drop-dialog frame's run: drops, busy and cancel flags, the output-folder check, the
// notifications and their texts, closing during a run.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "StandIns.h"
#include "file/win/PathWin.h"
#include "str/strarray/StrArray.h"
#include "thread/win/Thread.h"

namespace s::frame_testing {
namespace {

namespace fs = std::filesystem;
using Result = Dialog::StartResult;
using str::strarray::StrArray;

class FrameRun : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("frame-run-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        file = dir / "data.bin";
        std::ofstream(file) << "abc";
        settings = std::make_unique<StandInSettings>(dir / "SaveData.xml");
        tool = StandInTool::create();
        tool->bind(settings.get());
        tool->setView(&view);
        paths = StrArray::create();
        paths->addText(file.u16string().c_str());
    }
    void TearDown() override {
        // A run left behind must still end before the frame goes back to its pool.
        tool->cancel();
        view.serveUntil([&] { return tool->worker()->isIdle(); });
        tool->release();
        paths->release();
        settings.reset();
        fs::remove_all(dir);
    }
    void finish() {
        tool->allowed = 1000;
        view.serveUntil([&] { return !tool->isBusy() && tool->worker()->isIdle(); });
    }

    fs::path dir;
    fs::path file;
    std::unique_ptr<StandInSettings> settings;
    StandInView view;
    StandInTool* tool = nullptr;
    StrArray* paths = nullptr;
};

TEST_F(FrameRun, RunsOnceIgnoresDropsWhileBusyAndEndsReady) {
    StrArray* empty = StrArray::create();
    EXPECT_EQ(tool->drop(empty), Result::Empty);
    empty->release();

    ASSERT_EQ(tool->drop(paths), Result::Started);
    EXPECT_TRUE(tool->isBusy());
    EXPECT_EQ(tool->entryCount(), 1u);
    EXPECT_EQ(tool->drop(paths), Result::Busy);
    EXPECT_EQ(tool->beforeRuns, 1);

    tool->allowed = 3;
    view.serveUntil([&] { return tool->blocksRead.load() == 3 && tool->progressPosition() == 4; });
    EXPECT_TRUE(view.progressShown);
    EXPECT_EQ(view.progressMax, 101);
    EXPECT_EQ(view.status.back(), file.u16string());

    finish();
    EXPECT_FALSE(tool->isBusy());
    EXPECT_FALSE(tool->isCancelled());
    EXPECT_EQ(tool->entryCount(), 0u);
    EXPECT_FALSE(view.progressShown);
    EXPECT_EQ(view.second, u"");
    ASSERT_GE(view.status.size(), 2u);
    EXPECT_EQ(view.status[view.status.size() - 2], u"Done!");
    EXPECT_EQ(view.status.back(), u"Ready");
    EXPECT_EQ(tool->progressMaximum(), 1);

    // Idle again: the next drop runs.
    EXPECT_EQ(tool->drop(paths), Result::Started);
    finish();
}

// The worker does not wait for the window to show a progress step: it reads every block while
// nothing is served. The steps not yet shown collapse into the latest, which shows before the
// end; the step handed over first, served after the end, changes nothing. (A thread test: run
// under ThreadSanitizer too.)
class FrameThreadProgress : public FrameRun {};

TEST_F(FrameThreadProgress, StepsDoNotWaitForTheWindowNorOutliveTheEnd) {
    ASSERT_EQ(tool->drop(paths), Result::Started);
    view.serveUntil([&] { return view.progressShown; });
    tool->allowed = 100;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (tool->blocksRead.load() < 100 && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_EQ(tool->blocksRead.load(), 100) << "a progress step waited for the window";
    view.serveUntil([&] { return !tool->isBusy() && tool->worker()->isIdle(); });
    EXPECT_FALSE(view.progressShown);
    EXPECT_EQ(tool->progressMaximum(), 1);
    ASSERT_GE(view.status.size(), 3u);
    EXPECT_EQ(std::vector<std::u16string>(view.status.end() - 3, view.status.end()),
              (std::vector<std::u16string>{file.u16string(), u"Done!", u"Ready"}));
    EXPECT_EQ(std::count(view.status.begin(), view.status.end(), file.u16string()), 1);
}

TEST_F(FrameRun, CancelShowsCancelingThenReady) {
    ASSERT_EQ(tool->drop(paths), Result::Started);
    tool->allowed = 1;
    view.serveUntil([&] { return tool->blocksRead.load() == 1; });
    tool->cancel();
    EXPECT_EQ(view.status.back(), u"Canceling..");
    view.serveUntil([&] { return !tool->isBusy(); });
    EXPECT_LT(tool->blocksRead.load(), 100);
    // Updates arriving after the cancel leave "Canceling.." alone.
    auto at = std::find(view.status.begin(), view.status.end(), u"Canceling..");
    ASSERT_NE(at, view.status.end());
    EXPECT_EQ(std::vector<std::u16string>(at, view.status.end()),
              (std::vector<std::u16string>{u"Canceling..", u"Done!", u"Ready"}));
    EXPECT_FALSE(tool->isCancelled());
}

TEST_F(FrameRun, RemovedFolderGivesTheMessageWithTheQuotedPath) {
    const fs::path gone = dir / "gone";
    fs::create_directories(gone);
    StrArray* lost = StrArray::create();
    lost->addText((gone / "x.iso").u16string().c_str());
    fs::remove_all(gone);
    EXPECT_EQ(tool->drop(lost), Result::Started);
    lost->release();
    view.serveUntil([&] { return !tool->isBusy() && tool->worker()->isIdle(); });
    EXPECT_EQ(tool->entryCount(), 0u);
    EXPECT_TRUE(view.status.empty());  // the task never ran
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0], u"The output folder is inaccessible or write-protected.\r\n\"" +
                                  gone.u16string() + u"\"");
}

TEST_F(FrameRun, AccessCheckAsksForWritesOnlyWithAnOutputFolder) {
    struct Case {
        bool outputFolder;
        bool grant;
    };
    for (const Case& c : {Case{false, true}, Case{true, true}, Case{false, false}}) {
        SCOPED_TRACE(c.outputFolder);
        tool->outputFolder = c.outputFolder;
        bool askedWrite = !c.outputFolder;
        std::u16string folderSeen;
        tool->setAccessCheck([&](file::win::PathWin* folder, file::win::PathWin*, bool write) {
            askedWrite = write;
            folderSeen.assign(folder->originalText()->text());
            return c.grant;
        });
        EXPECT_EQ(tool->drop(paths), Result::Started);
        finish();
        EXPECT_EQ(askedWrite, c.outputFolder);
        EXPECT_EQ(folderSeen, dir.u16string() + u"/");
        EXPECT_EQ(view.errors.size(), c.grant ? 0u : 1u);
    }
}

TEST_F(FrameRun, TheWorkerChecksTheDroppedPathWhileTheWindowThreadGoesOn) {
    // A check held as on a hung mount: the drop returns at once, the frame busy meanwhile.
    std::atomic<bool> entered{false}, open{false}, done{false};
    std::thread::id checkedOn;
    tool->setAccessCheck([&](file::win::PathWin*, file::win::PathWin*, bool) {
        checkedOn = std::this_thread::get_id();
        entered = true;
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!open && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        done = true;
        return true;
    });
    EXPECT_EQ(tool->drop(paths), Result::Started);
    EXPECT_FALSE(done);
    EXPECT_TRUE(tool->isBusy());
    EXPECT_EQ(tool->drop(paths), Result::Busy);
    view.serveUntil([&] { return entered.load(); });
    open = true;
    finish();
    EXPECT_NE(checkedOn, std::this_thread::get_id());
    EXPECT_EQ(view.status.back(), u"Ready");
}

TEST_F(FrameRun, DeclinedByTheToolLeavesTheFrameIdle) {
    tool->acceptRuns = false;
    EXPECT_EQ(tool->drop(paths), Result::Declined);
    EXPECT_FALSE(tool->isBusy());
    EXPECT_EQ(tool->entryCount(), 0u);
}

TEST_F(FrameRun, DefaultTaskReportsEveryEntry) {
    tool->gated = false;
    paths->addText((dir / "two").u16string().c_str());
    ASSERT_EQ(tool->drop(paths), Result::Started);
    finish();
    // One update per entry: the last one put the bar at index 1 + 1 of 2 + 1.
    EXPECT_EQ(view.status[view.status.size() - 3], u"EntryName");
    EXPECT_EQ(tool->entryCount(), 0u);
}

TEST(FrameProgress, ScalesIntoTheBarsRange) {
    struct Case {
        std::int64_t total, done, maximum, position;
    };
    const Case cases[] = {
        {100, 0, 101, 1},
        {100, 100, 101, 101},
        {32767, 32767, 32768, 32768},
        {32768, 32768, 16385, 16385},
        {65536, 1, 16385, 1},
        {1LL << 40, 1LL << 39, 16385, 8193},
        {0, 0, 1, 1},
    };
    for (const Case& c : cases) {
        std::int64_t maximum = 0, position = 0;
        Dialog::scaleProgress(c.total, c.done, &maximum, &position);
        EXPECT_EQ(maximum, c.maximum) << c.total;
        EXPECT_EQ(position, c.position) << c.total << " " << c.done;
    }
}

// Run under ThreadSanitizer too: the close waits for the worker while serving its hand-offs.
class FrameThreadClose : public FrameRun {};

TEST_F(FrameThreadClose, CloseDuringARunCancelsAndWaitsForTheWorker) {
    ASSERT_EQ(tool->drop(paths), Result::Started);
    tool->allowed = 2;
    view.serveUntil([&] { return tool->blocksRead.load() == 2; });
    tool->closeRequested();
    EXPECT_TRUE(tool->worker()->isIdle());
    EXPECT_FALSE(tool->isBusy());
    EXPECT_LT(tool->blocksRead.load(), 100);
    EXPECT_EQ(view.status.back(), u"Ready");
}

TEST_F(FrameThreadClose, DropsFromTheWindowRaceTheWorkerSafely) {
    tool->gated = false;
    for (int i = 0; i < 50; ++i) {
        tool->drop(paths);
        view.serveUntil([&] { return tool->entryCount() == 0 || !tool->isBusy(); });
    }
    view.serveUntil([&] { return !tool->isBusy() && tool->worker()->isIdle(); });
    EXPECT_EQ(tool->entryCount(), 0u);
}

}  // namespace
}  // namespace s::frame_testing
