// File streams: block reads, the 64 KiB output buffer, seeks, truncation, failures.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "file/win/FileInputStream.h"
#include "file/win/FileOutputStream.h"
#include "file/win/TempFolder.h"

namespace {

using s::file::win::FileInputStream;
using s::file::win::FileOutputStream;
using testing_files::TempFolder;

std::string pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
    return bytes;
}

TEST(FileInputStream, ReadsBlocksUntilTheEnd) {
    TempFolder folder;
    const std::string content = pattern(40000);
    folder.write("data.bin", content);
    FileInputStream* in = FileInputStream::create();
    ASSERT_TRUE(in->open(folder.text("data.bin").c_str()));
    std::vector<std::uint8_t> block(16384);
    std::vector<std::uint32_t> sizes;
    std::string seen;
    std::uint32_t got = 99;
    while (in->read(block.data(), 16384, &got)) {
        sizes.push_back(got);
        seen.append(reinterpret_cast<const char*>(block.data()), got);
    }
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(sizes, (std::vector<std::uint32_t>{16384, 16384, 7232}));
    EXPECT_EQ(seen, content);
    EXPECT_EQ(in->position(), 40000);
    in->release();
}

// The size the open found ends the reading at a short read that reaches it, without asking the
// system again; a file that changed size before that read is read as it is.
TEST(FileInputStream, AShortReadAtTheOpenedSizeIsTheEnd) {
    struct Case {
        const char* what;
        std::size_t grownBefore, grownAfter;  // bytes appended before the first read, after it
        bool truncated;                       // cut to 3 bytes before the first read
        std::size_t expected;
    } cases[] = {
        {"unchanged", 0, 0, false, 10},
        {"grew before the read: read as it is", 5, 0, false, 15},
        {"grew after the read reached the size", 0, 5, false, 10},
        {"shrank before the read", 0, 0, true, 3},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        folder.write("f", "0123456789");
        FileInputStream* in = FileInputStream::create();
        ASSERT_TRUE(in->open(folder.text("f").c_str()));
        const std::string path = folder.file("f");
        if (c.grownBefore) folder.write("f", "0123456789" + std::string(c.grownBefore, 'x'));
        if (c.truncated) {
            ASSERT_EQ(::truncate(path.c_str(), 3), 0);
        }
        char block[64];
        std::uint32_t got = 0;
        std::size_t total = 0;
        bool first = true;
        while (in->read(block, sizeof block, &got)) {
            total += got;
            if (first && c.grownAfter) {
                folder.write("f", "0123456789" + std::string(c.grownAfter, 'x'));
            }
            first = false;
        }
        EXPECT_EQ(total, c.expected) << c.what;
        EXPECT_EQ(in->failureReason(), nullptr) << c.what;
        // A move starts reading again.
        ASSERT_TRUE(in->rewind());
        EXPECT_TRUE(in->read(block, sizeof block, &got)) << c.what;
        in->release();
    }
}

TEST(FileInputStream, SeeksMoveThePosition) {
    TempFolder folder;
    folder.write("abc", "0123456789");
    FileInputStream* in = FileInputStream::create();
    ASSERT_TRUE(in->open(folder.text("abc").c_str()));
    char c = 0;
    std::uint32_t got = 0;
    struct Step {
        bool (*move)(FileInputStream*);
        std::int64_t position;
        char next;
    };
    const Step steps[] = {
        {[](FileInputStream* s) { return s->seek(4); }, 4, '4'},
        {[](FileInputStream* s) { return s->skip(2); }, 7, '7'},
        {[](FileInputStream* s) { return s->back(3); }, 5, '5'},
        {[](FileInputStream* s) { return s->seekFromEnd(1); }, 9, '9'},
        {[](FileInputStream* s) { return s->rewind(); }, 0, '0'},
    };
    for (const Step& step : steps) {
        ASSERT_TRUE(step.move(in));
        EXPECT_EQ(in->position(), step.position);
        ASSERT_TRUE(in->read(&c, 1, &got));
        EXPECT_EQ(c, step.next);
    }
    ASSERT_TRUE(in->seekToEnd());
    EXPECT_EQ(in->position(), 10);
    EXPECT_FALSE(in->read(&c, 1, &got));
    // Recycling closes the file and forgets the position.
    in->release();
    FileInputStream* again = FileInputStream::create();
    EXPECT_FALSE(again->isOpen());
    EXPECT_EQ(again->position(), 0);
    again->release();
}

TEST(FileInputStream, MissingFileOrFolderDoesNotOpen) {
    TempFolder folder;
    FileInputStream* in = FileInputStream::create();
    for (const std::u16string& path : {folder.text("missing"), folder.text(), std::u16string()}) {
        EXPECT_FALSE(in->open(path.c_str()));
        std::uint32_t got = 5;
        char c;
        EXPECT_FALSE(in->read(&c, 1, &got));
        EXPECT_EQ(got, 0u);
    }
    in->release();
}

// A pipe or a device is refused by its status, before any open (opening a device can act on
// it): a watch on the pipe sees no open at all.
TEST(FileInputStream, APipeIsRefusedWithoutBeingOpened) {
    TempFolder folder;
    const std::string fifo = folder.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, fifo.c_str(), IN_OPEN), 0);
    FileInputStream* in = FileInputStream::create();
    EXPECT_FALSE(in->open(folder.text("pipe").c_str()));
    ASSERT_NE(in->failureReason(), nullptr);
    EXPECT_STREQ(in->failureReason(), "Not a regular file");
    in->release();
    alignas(inotify_event) char events[4096];
    EXPECT_LT(::read(watch, events, sizeof events), 0) << "the pipe was opened";
    ::close(watch);
}

TEST(FileOutputStream, KeepsTheTailOfA64KiBBufferUntilFlush) {
    TempFolder folder;
    const std::string content = pattern(70000);
    const std::string path = folder.file("out.bin");
    FileOutputStream* out = FileOutputStream::create();
    ASSERT_TRUE(out->open(folder.text("out.bin").c_str(), false));
    std::uint32_t written = 0;
    ASSERT_TRUE(out->write(content.data(), 70000, &written));
    EXPECT_EQ(written, 70000u);
    EXPECT_EQ(out->position(), 70000);
    EXPECT_EQ(out->buffered(), 4464u);
    EXPECT_EQ(std::filesystem::file_size(path), 65536u);
    ASSERT_TRUE(out->flush());
    EXPECT_EQ(std::filesystem::file_size(path), 70000u);
    // Exactly one buffer's worth stays in the buffer: nothing is written yet.
    ASSERT_TRUE(out->write(content.data(), 65536 - 0, &written));
    EXPECT_EQ(out->buffered(), 65536u);
    EXPECT_EQ(std::filesystem::file_size(path), 70000u);
    out->release();  // recycling writes the rest out
    EXPECT_EQ(TempFolder::read(path), content + content.substr(0, 65536));
}

TEST(FileOutputStream, SeeksWriteOutFirstAndTruncateCutsAtThePosition) {
    TempFolder folder;
    const std::string path = folder.file("t.txt");
    FileOutputStream* out = FileOutputStream::create();
    ASSERT_TRUE(out->open(folder.text("t.txt").c_str(), false));
    std::uint32_t n;
    ASSERT_TRUE(out->write("hello world", 11, &n));
    ASSERT_TRUE(out->seek(6));
    EXPECT_EQ(out->buffered(), 0u);
    ASSERT_TRUE(out->write("W", 1, &n));
    // The input face reads on from the position.
    char rest[8] = {};
    std::uint32_t got = 0;
    ASSERT_TRUE(out->read(rest, sizeof rest, &got));
    EXPECT_EQ(std::string(rest, got), "orld");
    ASSERT_TRUE(out->seek(5));
    ASSERT_TRUE(out->truncate());
    out->close();
    EXPECT_EQ(TempFolder::read(path), "hello");
    // Append keeps the content and starts at its end.
    ASSERT_TRUE(out->open(folder.text("t.txt").c_str(), true));
    EXPECT_EQ(out->position(), 5);
    ASSERT_TRUE(out->write("!", 1, &n));
    out->closeAndRelease();
    EXPECT_EQ(TempFolder::read(path), "hello!");
}

TEST(FileOutputStream, FailuresAreReported) {
    TempFolder folder;
    FileOutputStream* out = FileOutputStream::create();
    std::uint32_t n = 7;
    EXPECT_FALSE(out->open(folder.text("no/such/folder/x").c_str(), false));
    EXPECT_FALSE(out->write("x", 1, &n));
    EXPECT_EQ(n, 7u);
    EXPECT_FALSE(out->flush());
    EXPECT_FALSE(out->seek(0));
    // A device that refuses every byte: the flush fails and the bytes stay in the buffer.
    if (std::filesystem::exists("/dev/full")) {
        ASSERT_TRUE(out->open(u"/dev/full", false));
        ASSERT_TRUE(out->write("abc", 3, &n));
        EXPECT_FALSE(out->flush());
        EXPECT_EQ(out->buffered(), 3u);
        EXPECT_FALSE(out->seek(0));
        EXPECT_FALSE(out->closeChecked());  // the last bytes never reached the device
        EXPECT_TRUE(out->closeChecked());   // nothing open any more
    }
    out->release();
}

}  // namespace
