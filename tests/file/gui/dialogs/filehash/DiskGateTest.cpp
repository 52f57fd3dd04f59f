// The gates of spinning disks and of everything else, over a made-up device tree.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "file/gui/dialogs/filehash/DiskGate.h"
#include "file/gui/dialogs/filehash/GatedFile.h"
#include "file/win/FileInputStream.h"
#include "platform/File.h"

namespace {

using s::file::gui::dialogs::filehash::DiskGate;
using s::file::gui::dialogs::filehash::GatedFile;
using s::file::win::FileInputStream;
namespace fs = std::filesystem;

// A device tree laid out as the system's: /dev/block/MAJOR:MINOR links to the device's folder,
// a partition's folder lies inside its disk's folder, and only disks have a queue.
class DiskGateTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("diskgate-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(root_ / "dev/block");
        disk("sda", "8:0", "1\n");
        partition("sda", "sda1", "8:1");
        disk("nvme0n1", "259:0", "0\n");
        partition("nvme0n1", "nvme0n1p1", "259:1");
        disk("dm-0", "253:0", "1\n");  // a mapped device has a queue of its own
        fs::create_directories(root_ / "devices/virtual/block/loop0");  // no queue at all
        fs::create_directory_symlink(root_ / "devices/virtual/block/loop0",
                                     root_ / "dev/block/7:0");
        DiskGate::setSysfsRoot(root_.string());
    }
    void TearDown() override {
        DiskGate::setSysfsRoot("/sys");
        fs::remove_all(root_);
    }
    void disk(const std::string& name, const std::string& number, const std::string& rotational) {
        fs::path folder = root_ / "devices" / name;
        fs::create_directories(folder / "queue");
        std::ofstream(folder / "queue/rotational") << rotational;
        fs::create_directory_symlink(folder, root_ / "dev/block" / number);
    }
    void partition(const std::string& disk, const std::string& name, const std::string& number) {
        fs::path folder = root_ / "devices" / disk / name;
        fs::create_directories(folder);
        fs::create_directory_symlink(folder, root_ / "dev/block" / number);
    }
    fs::path root_;
};

// Thread tests run under the thread sanitizer by their suite name.
using DiskGateThread = DiskGateTest;

TEST_F(DiskGateTest, RotationalFromTheQueueOfTheDiskOrItsPartitionsDisk) {
    struct Case {
        std::uint32_t major, minor;
        bool rotational;
    } cases[] = {
        {8, 0, true},    {8, 1, true},     // a disk and its partition
        {259, 0, false}, {259, 1, false},  // solid state
        {253, 0, true},                    // mapped device
        {7, 0, false},                     // no queue: cannot be told
        {0, 45, false},                    // no device entry (a network or virtual file system)
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::isRotationalDevice(c.major, c.minor, root_.string()), c.rotational)
            << c.major << ":" << c.minor;
        EXPECT_EQ(DiskGate::pass(c.major, c.minor).isHeld(), c.rotational)
            << c.major << ":" << c.minor;
    }
}

TEST_F(DiskGateThread, ReadersOfASpinningDiskTakeTurns) {
    std::atomic<int> inside{0}, most{0};
    std::atomic<bool> go{false};
    auto reader = [&](std::uint32_t minor) {  // the disk and its partition: one gate
        while (!go.load()) std::this_thread::yield();
        for (int i = 0; i < 200; ++i) {
            auto gate = DiskGate::pass(8, minor);
            const int now = ++inside;
            int seen = most.load();
            while (now > seen && !most.compare_exchange_weak(seen, now)) {
            }
            std::this_thread::yield();  // room for the other reader to come in, if it could
            --inside;
        }
    };
    std::thread a(reader, 0), b(reader, 1);
    go = true;
    a.join();
    b.join();
    EXPECT_EQ(most.load(), 1);
}

// A file of a pattern on a device made rotational in the fake tree, read through its gate.
class GatedFileTest : public DiskGateTest {
protected:
    void SetUp() override {
        DiskGateTest::SetUp();
        bytes_.resize(300 * 1024);
        for (std::size_t i = 0; i < bytes_.size(); ++i)
            bytes_[i] = static_cast<char>(i * 7 + i / 4096);
        std::ofstream(root_ / "data", std::ios::binary).write(bytes_.data(), bytes_.size());
        FileInputStream* file = open();
        const fs::path link = root_ / "dev/block" /
                              (std::to_string(file->status().deviceMajor) + ":" +
                               std::to_string(file->status().deviceMinor));
        file->release();
        fs::remove(link);
        fs::create_directories(root_ / "devices/spinning/queue");
        std::ofstream(root_ / "devices/spinning/queue/rotational") << "1\n";
        fs::create_directory_symlink(root_ / "devices/spinning", link);
        DiskGate::setSysfsRoot(root_.string());
    }
    // Reads the file through a gate in 64 KiB pieces; checks the bytes and calls seen(gated)
    // after each piece.
    template <typename Seen>
    void readAll(FileInputStream* file, Seen seen) {
        GatedFile gated(file);
        std::vector<char> got, piece(64 * 1024);
        std::uint32_t count = 0;
        while (gated.read(piece.data(), static_cast<std::uint32_t>(piece.size()), &count)) {
            got.insert(got.end(), piece.begin(), piece.begin() + count);
            seen(gated);
        }
        EXPECT_EQ(gated.failureReason(), nullptr);
        EXPECT_FALSE(gated.holdsTurn()) << "the end gives the turn back";
        EXPECT_TRUE(got == bytes_);
    }
    bool firstPageInMemory() {
        const int fd = ::open((root_ / "data").c_str(), O_RDONLY);
        void* map = ::mmap(nullptr, 4096, PROT_READ, MAP_SHARED, fd, 0);
        unsigned char resident = 1;
        if (map != MAP_FAILED) {
            ::mincore(map, 4096, &resident);
            ::munmap(map, 4096);
        }
        ::close(fd);
        return resident & 1;
    }
    FileInputStream* open() {
        FileInputStream* file = FileInputStream::create();
        const int folder = platform::openFolder(root_.string());
        EXPECT_TRUE(file->openAt(folder, "data"));
        platform::closeFile(folder);
        return file;
    }
    std::vector<char> bytes_;
};

TEST_F(GatedFileTest, BytesInMemoryNeedNoTurn) {
    FileInputStream* file = open();
    readAll(file, [](const GatedFile& gated) { EXPECT_FALSE(gated.holdsTurn()); });
    file->release();
}

TEST_F(GatedFileTest, AReadFromTheDeviceTakesTheTurnToTheEnd) {
    // Out of the page cache, where the file system lets a clean file go.
    const int fd = ::open((root_ / "data").c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ::fdatasync(fd);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
    if (firstPageInMemory()) GTEST_SKIP() << "this file system keeps the file in memory";
    FileInputStream* file = open();
    int pieces = 0;
    readAll(file, [&](const GatedFile& gated) {
        EXPECT_TRUE(gated.holdsTurn()) << "held to the end, piece " << ++pieces;
    });
    file->release();
}

}  // namespace
