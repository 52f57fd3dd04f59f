// The hash job's steps, notifications and failure cases, over a fake view and real files.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "FakeJobView.h"
#include "file/gui/dialogs/filehash/HashAlgorithms.h"
#include "file/gui/dialogs/filehash/HashJob.h"
#include "file/gui/dialogs/filehash/ReadAhead.h"

namespace {

using fh::Row;
using fh::VerifyField;
namespace fs = std::filesystem;

class HashJobTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("hashjob-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string makeFile(const std::string& name, const std::string& content) {
        fs::path p = dir_ / name;
        std::ofstream(p, std::ios::binary) << content;
        return p.string();
    }
    void run(FakeJobView& view) {
        fh::HashJob job(&view);
        job.run();
    }
    fs::path dir_;
};

const std::vector<std::string> kStartEnd = {"ProcessStatusStart", "ProcessStatusEnd"};

TEST_F(HashJobTest, CalculatesTickedRowsAndSummaryInOrder) {
    FakeJobView view;
    view.entries = {makeFile("abc.txt", "abc"), makeFile("other.txt", "zzz")};
    view.tick({Row::FileName, Row::Size, Row::Crc32, Row::Md5, Row::Sha2_160, Row::Summary});
    run(view);
    EXPECT_EQ(view.row(Row::FileName), "abc.txt");  // only the first entry
    EXPECT_EQ(view.row(Row::Size), "3");
    EXPECT_EQ(view.storedSize, 3u);
    EXPECT_EQ(view.row(Row::Crc32), "352441c2");
    EXPECT_EQ(view.row(Row::Md5), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(view.row(Row::Sha2_160), "a9993e364706816aba3e25717850c26c9cd0d89d");
    EXPECT_EQ(view.row(Row::Md4), "");  // not ticked, not computed
    EXPECT_EQ(view.row(Row::Modified), "");
    EXPECT_EQ(view.row(Row::Summary),
              "File Name:\u00a0abc.txt\r\n"
              "Size:\u00a03 Bytes\r\n"
              "CRC32:\u00a0352441c2\r\n"
              "MD5:\u00a0900150983cd24fb0d6963f7d28e17f72\r\n"
              "SHA-1:\u00a0a9993e364706816aba3e25717850c26c9cd0d89d\r\n");
    EXPECT_EQ(view.names(), (std::vector<std::string>{"ProcessStatusStart", "ProcessStatusUpdate",
                                                      "ProcessStatusEnd"}));
    EXPECT_EQ(view.notes[1].a, 100);
    EXPECT_EQ(view.notes[1].text, "abc.txt");
}

TEST_F(HashJobTest, EveryAlgorithmMatchesItsDigesterFedDirectly) {
    std::string content(50000, '\0');
    for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 131 + 7);
    FakeJobView view;
    view.entries = {makeFile("data.bin", content)};
    for (int a = 0; a < fh::HashAlgorithms::kCount; ++a) view.tick({fh::codeRow(a)});
    run(view);
    for (int a = 0; a < fh::HashAlgorithms::kCount; ++a) {
        s::digest::IDigester* d = fh::HashAlgorithms::newDigester(a);
        d->update(content.data(), static_cast<std::uint32_t>(content.size()));
        d->finish(nullptr);
        StrBuffer* code = d->toText(nullptr, false);
        EXPECT_EQ(view.row(fh::codeRow(a)), utf8Of(code)) << a;
        code->release();
        d->release();
    }
    EXPECT_EQ(view.percents(), (std::vector<std::intptr_t>{32, 65, 98, 100}));
}

TEST_F(HashJobTest, ProgressPerBlock) {
    struct Case {
        std::size_t size;
        std::vector<std::intptr_t> percents;
    } cases[] = {{0, {}}, {16384, {100}}, {16385, {99, 100}}, {40000, {40, 81, 100}}};
    for (const Case& c : cases) {
        FakeJobView view;
        view.entries = {makeFile("f" + std::to_string(c.size), std::string(c.size, 'x'))};
        view.tick({Row::Crc32, Row::Md5});
        run(view);
        EXPECT_EQ(view.percents(), c.percents) << c.size;
        if (c.size == 0) {
            EXPECT_EQ(view.row(Row::Crc32), "00000000");
            EXPECT_EQ(view.row(Row::Md5), "d41d8cd98f00b204e9800998ecf8427e");
        }
    }
}

// Changes the file's length right after the job has opened it and taken its size.
class ResizingView : public FakeJobView {
public:
    bool openEntry(s::file::win::FileInputStream* stream, const StrBuffer* path) override {
        const bool opened = FakeJobView::openEntry(stream, path);
        std::filesystem::resize_file(entries.front(), newSize);
        return opened;
    }
    std::uint64_t newSize = 0;
};

std::string crcOf(const std::string& bytes) {
    s::digest::IDigester* d = fh::HashAlgorithms::newDigester(0);
    d->update(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    d->finish(nullptr);
    StrBuffer* code = d->toText(nullptr, false);
    std::string text = utf8Of(code);
    code->release();
    d->release();
    return text;
}

TEST_F(HashJobTest, AFileThatShrinksOrGrowsWhileReadGivesTheCodeOfWhatWasRead) {
    // Large enough to be read ahead on a thread of its own when a core is free; small.
    for (std::uint64_t size : {std::uint64_t{100000}, fh::ReadAhead::kAheadFrom + 5}) {
        for (std::uint64_t newSize : {size / 3, size + 40000}) {
            std::string content(size, '\0');
            for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 7);
            ResizingView view;
            view.entries = {makeFile("changing.bin", content)};
            view.newSize = newSize;
            view.tick({Row::Size, Row::Crc32});
            run(view);
            content.resize(newSize, '\0');  // what the file holds when it is read
            EXPECT_TRUE(view.failures.empty()) << size << " to " << newSize;
            EXPECT_EQ(view.storedSize, size) << "the size taken when it was opened";
            EXPECT_EQ(view.row(Row::Crc32), crcOf(content)) << size << " to " << newSize;
            std::vector<std::intptr_t> percents = view.percents();
            ASSERT_FALSE(percents.empty());
            EXPECT_EQ(percents.back(), newSize < size ? 33 : 100) << size << " to " << newSize;
        }
    }
}

TEST_F(HashJobTest, WithoutAlgorithmsTheFileIsNotRead) {
    FakeJobView view;
    view.entries = {makeFile("a.txt", "hello")};
    view.tick({Row::FileName, Row::Modified, Row::Summary});
    run(view);
    EXPECT_EQ(view.names(), kStartEnd);
    EXPECT_EQ(view.row(Row::FileName), "a.txt");
    EXPECT_FALSE(view.row(Row::Modified).empty());
    EXPECT_EQ(view.row(Row::Summary).rfind("File Name:\u00a0a.txt\r\nModified:\u00a0", 0), 0u);
}

TEST_F(HashJobTest, NothingShownForFoldersMissingFilesAndEmptyList) {
    fs::create_directories(dir_ / "folder");
    for (std::vector<std::string> entries : {std::vector<std::string>{},
                                             {(dir_ / "folder").string()},
                                             {(dir_ / "missing").string()}}) {
        FakeJobView view;
        view.entries = entries;
        for (bool& t : view.ticked) t = true;
        for (auto& r : view.rows) r = "stale";
        run(view);
        EXPECT_EQ(view.names(), kStartEnd);
        if (entries.empty()) continue;  // nothing dropped: fields untouched
        for (const auto& r : view.rows) EXPECT_EQ(r, "");
        EXPECT_EQ(view.storedSize, 0u);
    }
}

TEST_F(HashJobTest, CancelLeavesCodesEmptyButKeepsTheFacts) {
    FakeJobView view;
    view.entries = {makeFile("big.bin", std::string(100000, 'q'))};
    view.tick({Row::FileName, Row::Md5, Row::Summary});
    view.cancelAfterUpdates = 1;
    run(view);
    EXPECT_EQ(view.percents().size(), 1u);  // stops after the block in progress
    EXPECT_EQ(view.row(Row::Md5), "");
    EXPECT_EQ(view.row(Row::Summary), "File Name:\u00a0big.bin\r\n");
    EXPECT_EQ(view.names().back(), "ProcessStatusEnd");
}

TEST_F(HashJobTest, VerifyWithEmptyCodeDoesNotReadTheFile) {
    FakeJobView view;
    view.action = 1;
    view.entries = {makeFile("abc.txt", "abc")};
    run(view);
    EXPECT_EQ(view.names(), (std::vector<std::string>{"ProcessStatusStart", "EmptyVeritome",
                                                      "ProcessStatusEnd"}));
    EXPECT_EQ(view.resultId, 3023000);
    EXPECT_EQ(view.resultColour, fh::kBlack);
}

}  // namespace

namespace {

// Files that exist but cannot be hashed: each is reported with its reason, shows no code, and
// leaves the verify page waiting for a file again.
TEST_F(HashJobTest, UnhashableFilesAreReportedNotShownAsCodes) {
    std::string fifo = (dir_ / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string locked = makeFile("locked", "secret");
    fs::permissions(locked, fs::perms::none);
    bool root = ::geteuid() == 0;
    struct Case {
        std::string path, reason;
    } cases[] = {
        {"/proc/self/mem", "Input/output error"},  // the first read fails
        {fifo, "Not a regular file"},              // no writer: must not wait for one
        {"/dev/zero", "Not a regular file"},
        {locked, "Permission denied"},
    };
    for (const Case& c : cases) {
        if (root && c.path == locked) continue;
        for (int action : {0, 1}) {
            FakeJobView view;
            view.action = action;
            view.entered = "d41d8cd98f00b204e9800998ecf8427e";
            view.entries = {c.path};
            view.tick({Row::FileName, Row::Md5, Row::Summary});
            run(view);
            std::string name = fs::path(c.path).filename().string();
            EXPECT_EQ(view.failures, std::vector<std::string>{name + ": " + c.reason}) << c.path;
            EXPECT_EQ(view.row(Row::Md5), "") << c.path;
            EXPECT_EQ(view.verify[VerifyField::ComputedCode], "") << c.path;
            EXPECT_EQ(view.names().back(), "ProcessStatusEnd");
            if (action == 1) {
                EXPECT_EQ(view.resultId, 3023000) << c.path;
                std::vector<std::string> names = view.names();
                EXPECT_EQ(std::count(names.begin(), names.end(), "VeritomeForVerify"), 0);
            }
        }
    }
}

TEST_F(HashJobTest, VerifyReturnsToWaitingAfterCancelAndClearsTheStoredSize) {
    FakeJobView view;
    view.action = 1;
    view.entered = "00";
    view.entries = {makeFile("big.bin", std::string(100000, 'q'))};
    view.cancelAfterUpdates = 1;
    run(view);
    EXPECT_EQ(view.resultId, 3023000);
    EXPECT_TRUE(view.failures.empty());

    FakeJobView missing;
    missing.action = 1;
    missing.entered = "00";
    missing.entries = {(dir_ / "missing").string()};
    run(missing);
    EXPECT_EQ(missing.verifyStoredSize, 0u);  // never the size of an earlier file
    EXPECT_EQ(missing.resultId, 3023000);
}

}  // namespace
