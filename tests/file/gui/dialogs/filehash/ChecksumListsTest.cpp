// Checking whole checksum lists and making them: the list forms, hostile lines, a tree with a
// changed, a missing and an unreadable file, and lists made for a folder that check again and
// equal what the system's checksum tools write.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "file/gui/dialogs/filehash/ChecksumCheck.h"
#include "file/gui/dialogs/filehash/ChecksumCreate.h"
#include "file/gui/dialogs/filehash/FileCodes.h"
#include "file/win/TempFolder.h"

namespace s::file::gui::dialogs::filehash {
namespace {

using testing_files::TempFolder;

const std::string kListSha256 = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
const std::string kListMd5 = "900150983cd24fb0d6963f7d28e17f72";
const std::string kListSha1 = "a9993e364706816aba3e25717850c26c9cd0d89d";
const std::string kListCrc = "352441c2";

std::vector<std::string> filesUnder(const std::string& folder) {
    std::vector<std::string> all;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
        all.push_back(e.path().string());
    }
    std::sort(all.begin(), all.end());
    return all;
}

CheckCounts checkList(const TempFolder& folder, const std::string& list,
                      std::vector<CheckedFile>* results = nullptr) {
    folder.write("list", list);
    ChecksumCheck check;
    std::string reason;
    EXPECT_TRUE(check.readList(folder.file("list"), &reason)) << reason;
    CheckCounts counts = check.run(nullptr, nullptr, nullptr);
    if (results) *results = check.results();
    return counts;
}

struct ListForm {
    const char* what;
    std::string list;
    std::size_t ok, failed, missing, malformed;
};

TEST(ChecksumCheckTest, ReadsEveryListForm) {
    TempFolder folder;
    folder.write("a.txt", "abc");
    folder.write("back\\slash", "abc");
    folder.write("with space", "abc");
    const std::vector<ListForm> forms = {
        {"text mode", kListSha256 + "  a.txt\n", 1, 0, 0, 0},
        {"binary mode, upper case",
         "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD *a.txt\n", 1, 0, 0, 0},
        {"tagged", "MD5 (a.txt) = " + kListMd5 + "\nSHA1 (with space) = " + kListSha1 + "\n", 2, 0, 0,
         0},
        {"sfv with comment", "; made by hand\na.txt " + kListCrc + "\n", 1, 0, 0, 0},
        {"crlf and blank lines", "\r\n" + kListSha256 + "  a.txt\r\n# note\r\n", 1, 0, 0, 0},
        {"escaped name", "\\" + kListSha256 + "  back\\\\slash\n", 1, 0, 0, 0},
        {"clear-signed",
         "-----BEGIN PGP SIGNED MESSAGE-----\nHash: SHA256\n\n" + kListSha256 +
             "  a.txt\n-----BEGIN PGP SIGNATURE-----\n\nabcd\n-----END PGP "
             "SIGNATURE-----\n",
         1, 0, 0, 0},
        {"wrong code, missing file, junk",
         kListMd5.substr(0, 31) + "0  a.txt\n" + kListMd5 + "  gone\nnot a checksum line\n", 0, 1, 1,
         1},
    };
    for (const ListForm& form : forms) {
        SCOPED_TRACE(form.what);
        CheckCounts counts = checkList(folder, form.list);
        EXPECT_EQ(counts.ok, form.ok);
        EXPECT_EQ(counts.failed, form.failed);
        EXPECT_EQ(counts.missing, form.missing);
        EXPECT_EQ(counts.malformed, form.malformed);
    }
}

// NUL bytes, a line of a megabyte, a stray escape, and names that leave the folder: each line
// is read as what it is and the named file is only looked for; nothing is written anywhere.
TEST(ChecksumCheckTest, HostileListsAreReadSafelyAndWriteNothing) {
    TempFolder outer;
    std::filesystem::create_directory(outer.file("sub"));
    outer.write("outside", "abc");
    outer.write("sub/a", "abc");
    const std::string nul = std::string(kListMd5) + "  a" + std::string(1, '\0') + "b\n";
    const std::string huge = kListMd5 + "  " + std::string(1 << 20, 'x') + "\n";
    const std::string list = nul + huge + std::string("\0\0\0\n", 4) + "\\" + kListMd5 +
                             "  \\q\\\n" + kListMd5 + "  ../outside\n" + kListMd5 + "  " +
                             outer.file("outside") + "\n" + kListMd5 + "  a\n";
    outer.write("sub/list", list);
    std::vector<std::string> before = filesUnder(outer.file(""));
    ChecksumCheck check;
    std::string reason;
    ASSERT_TRUE(check.readList(outer.file("sub/list"), &reason));
    CheckCounts counts = check.run(nullptr, nullptr, nullptr);
    EXPECT_EQ(counts.ok, 3u) << "../outside, the absolute name and a";
    EXPECT_EQ(counts.missing, 2u) << "the NUL name and the stray escape";
    EXPECT_EQ(counts.unreadable, 1u) << "the name of a megabyte is too long to open";
    EXPECT_EQ(counts.failed, 0u);
    EXPECT_EQ(counts.malformed, 1u);
    EXPECT_EQ(filesUnder(outer.file("")), before);
}

TEST(ChecksumCheckTest, ATreeWithAChangedAMissingAndAnUnreadableFile) {
    TempFolder folder;
    std::filesystem::create_directories(folder.file("d/e"));
    folder.write("one", "abc");
    folder.write("d/two", "abc");
    folder.write("d/e/changed", "abd");
    std::filesystem::create_directory(folder.file("unreadable"));  // a folder is not read
    std::vector<CheckedFile> results;
    CheckCounts counts =
        checkList(folder,
                  kListSha256 + "  one\n" + kListSha256 + "  d/two\n" + kListSha256 +
                      "  d/e/changed\n" + kListSha256 + "  gone\n" + kListSha256 + "  unreadable\n",
                  &results);
    EXPECT_EQ(counts.ok, 2u);
    EXPECT_EQ(counts.failed, 1u);
    EXPECT_EQ(counts.missing, 1u);
    EXPECT_EQ(counts.unreadable, 1u);
    EXPECT_EQ(ChecksumCheck::countLine(u"%1 OK, %2 FAILED, %3 missing", counts),
              u"2 OK, 2 FAILED, 1 missing");
    ASSERT_EQ(results.size(), 5u);
    EXPECT_EQ(results[3].status, CheckStatus::Missing);
    EXPECT_FALSE(results[3].reason.empty());
    EXPECT_EQ(results[4].status, CheckStatus::Unreadable);
    EXPECT_FALSE(results[4].reason.empty());
    EXPECT_LT(ChecksumCheck::rankOf(CheckStatus::Failed), ChecksumCheck::rankOf(CheckStatus::Ok));
    EXPECT_LT(ChecksumCheck::rankOf(CheckStatus::Missing), ChecksumCheck::rankOf(CheckStatus::Ok));
    EXPECT_EQ(ChecksumCheck::report(results),
              "one: OK\nd/two: OK\nd/e/changed: FAILED\ngone: FAILED open or read\n"
              "unreadable: FAILED open or read\n");
}

TEST(ChecksumCheckTest, BatchesCoverEveryFileAndCancelStopsTheRun) {
    TempFolder folder;
    std::string list;
    for (int i = 0; i < 200; ++i) {
        // Appended, not "f" + a temporary: that draws GCC 12's false -Wrestrict warning.
        const std::string name = std::string("f").append(std::to_string(i));
        folder.write(name, "abc");
        list.append(kListMd5).append("  ").append(name).append("\n");
    }
    folder.write("list", list);
    ChecksumCheck check;
    std::string reason;
    ASSERT_TRUE(check.readList(folder.file("list"), &reason));
    std::size_t seen = 0;
    std::uint64_t lastDone = 0, lastTotal = 0;
    CheckCounts counts = check.run(
        nullptr, [&](const std::vector<CheckedFile>& files) { seen += files.size(); },
        [&](std::uint64_t done, std::uint64_t total) {
            lastDone = done;
            lastTotal = total;
        });
    EXPECT_EQ(seen, 200u);
    EXPECT_EQ(counts.ok, 200u);
    EXPECT_EQ(lastDone, 600u);
    EXPECT_EQ(lastTotal, 600u);
    std::atomic<bool> cancel{true};
    counts = check.run(&cancel, nullptr, nullptr);
    EXPECT_TRUE(counts.cancelled);
    EXPECT_EQ(counts.ok, 0u);
    EXPECT_TRUE(check.results().empty());
    EXPECT_FALSE(check.readList(folder.file("nothing"), &reason));
    EXPECT_FALSE(reason.empty());
}

// The progress may wait for the window: it is told by one thread at a time, never backwards,
// and ends at the total while both threads read files of several pieces.
TEST(FileCodesThread, ProgressIsToldByOneThreadAtATimeAndEndsAtTheTotal) {
    TempFolder folder;
    std::vector<FileCodeJob> jobs;
    std::uint64_t size = 0;
    for (int i = 0; i < 60; ++i) {
        const std::string name = std::string("f").append(std::to_string(i));
        const std::string bytes(static_cast<std::size_t>(1000 + i * 9000), 'x');
        folder.write(name, bytes);
        jobs.push_back({folder.file(name), 5});
        size += bytes.size();
    }
    std::atomic<int> telling{0};
    std::uint64_t lastDone = 0, lastTotal = 0;
    bool backwards = false, together = false;
    std::vector<FileCode> codes = FileCodes::run(
        jobs, nullptr, nullptr, [&](std::uint64_t done, std::uint64_t total) {
            together = together || telling.fetch_add(1) != 0;
            backwards = backwards || done < lastDone;
            lastDone = done;
            lastTotal = total;
            std::this_thread::yield();
            telling.fetch_sub(1);
        });
    EXPECT_FALSE(together);
    EXPECT_FALSE(backwards);
    EXPECT_EQ(lastDone, size);
    EXPECT_EQ(lastTotal, size);
    for (const FileCode& code : codes) EXPECT_EQ(code.status, FileCode::Status::Done);
}

TEST(ChecksumCheckTest, KnowsTheUsualListNames) {
    for (const char* name : {"SHA256SUMS", "dir/MD5SUMS", "x.sha256", "X.SHA1", "a.md5", "b.sums",
                             "c.sfv"}) {
        EXPECT_TRUE(ChecksumCheck::isListName(name)) << name;
    }
    for (const char* name : {"sums", "notes.txt", "SHA256SUMS/readme", "archive.tar"}) {
        EXPECT_FALSE(ChecksumCheck::isListName(name)) << name;
    }
}

std::string runTool(const std::string& folder, const std::string& command) {
    std::string out;
    std::FILE* pipe = popen(("cd '" + folder + "' && " + command).c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
    pclose(pipe);
    return out;
}

struct MadeList {
    int algorithm;
    const char* listName;
    const char* tool;  // the system's tool writing the same lines, or null
};

// The folder holds a list from an earlier run (left out), a link to a folder (not followed),
// names with a space and a backslash, and files in sub-folders.
TEST(ChecksumCreateTest, MadeListsEqualTheSystemToolsAndCheckAgain) {
    const std::vector<MadeList> kinds = {
        {5, "SHA256SUMS", "sha256sum"}, {7, "SHA512SUMS", "sha512sum"}, {3, "MD5SUMS", "md5sum"},
        {4, "SHA1SUMS", "sha1sum"},     {6, "SHA384.sums", nullptr},    {0, "CRC32.sums", nullptr},
        {12 - 1, "GOST.sums", nullptr},
    };
    for (const MadeList& kind : kinds) {
        SCOPED_TRACE(kind.listName);
        TempFolder folder;
        std::filesystem::create_directories(folder.file("b/c"));
        folder.write("a file", "one");
        folder.write("b/c/deep", "two");
        folder.write("b/back\\slash", "three");
        folder.write("z", "");
        folder.write(kind.listName, "old list\n");
        std::filesystem::create_directory_symlink(folder.file("b"), folder.file("link"));
        ListPlan plan;
        std::string reason;
        ASSERT_TRUE(ChecksumCreate::plan({folder.file("")}, kind.algorithm, &plan, &reason));
        EXPECT_EQ(plan.listName, kind.listName);
        EXPECT_EQ(plan.names,
                  (std::vector<std::string>{"a file", "b/back\\slash", "b/c/deep", "z"}));
        std::string text;
        std::size_t failures = 0;
        ASSERT_TRUE(ChecksumCreate::make(plan, nullptr, nullptr, nullptr, &text, &failures));
        if (kind.tool) {
            EXPECT_EQ(text, runTool(folder.file(""), std::string(kind.tool) +
                                                         " 'a file' 'b/back\\slash' b/c/deep z"));
        }
        // Replacing is refused until allowed.
        EXPECT_EQ(ChecksumCreate::write(plan, text, false), ChecksumCreate::Written::Exists);
        EXPECT_EQ(TempFolder::read(plan.listPath()), "old list\n");
        EXPECT_EQ(ChecksumCreate::write(plan, text, true), ChecksumCreate::Written::Ok);
        EXPECT_EQ(TempFolder::read(plan.listPath()), text);
        ChecksumCheck check;
        ASSERT_TRUE(check.readList(plan.listPath(), &reason));
        CheckCounts counts = check.run(nullptr, nullptr, nullptr);
        EXPECT_EQ(counts.ok, 4u);
        EXPECT_EQ(counts.failed + counts.missing + counts.unreadable + counts.malformed, 0u);
    }
}

TEST(ChecksumCreateTest, SeveralFilesOfOneFolderAndFailuresWriteNothing) {
    TempFolder folder;
    std::filesystem::create_directories(folder.file("sub"));
    folder.write("x", "abc");
    folder.write("sub/y", "abc");
    folder.write("sub/SHA256SUMS", "kept\n");
    ListPlan plan;
    std::string reason;
    ASSERT_TRUE(ChecksumCreate::plan({folder.file("x"), folder.file("sub")}, 5, &plan, &reason));
    EXPECT_EQ(plan.folder + "/", folder.file(""));
    EXPECT_EQ(plan.names, (std::vector<std::string>{"x", "sub/SHA256SUMS", "sub/y"}));
    EXPECT_FALSE(ChecksumCreate::plan({folder.file("x"), folder.file("sub/y")}, 5, &plan, &reason))
        << "files of two folders";

    // A link to nothing fails: the list is not written.
    std::filesystem::create_symlink(folder.file("nowhere"), folder.file("sub/dangling"));
    ASSERT_TRUE(ChecksumCreate::plan({folder.file("sub")}, 5, &plan, &reason));
    std::string text;
    std::size_t failures = 0;
    std::vector<std::string> failed;
    EXPECT_FALSE(ChecksumCreate::make(
        plan, nullptr,
        [&](const std::vector<MadeEntry>& entries) {
            for (const MadeEntry& e : entries) {
                if (e.code.status != FileCode::Status::Done) failed.push_back(e.name);
            }
        },
        nullptr, &text, &failures));
    EXPECT_EQ(failures, 1u);
    EXPECT_EQ(failed, std::vector<std::string>{"dangling"});
    EXPECT_EQ(TempFolder::read(folder.file("sub/SHA256SUMS")), "kept\n");
}

}  // namespace
}  // namespace s::file::gui::dialogs::filehash
