// The gates of spinning disks and of everything else, over a made-up device tree.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "file/gui/dialogs/filehash/DiskGate.h"
#include "platform/File.h"

namespace {

using s::file::gui::dialogs::filehash::DiskGate;
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
        EXPECT_EQ(DiskGate::pass(c.major, c.minor).owns_lock(), c.rotational)
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

}  // namespace
