// A file system that hangs: one regular file, "stuck.bin", whose reading never answers (as a
// hung network or FUSE mount does). Served by a thread of the test through the kernel's FUSE
// device; needs the right to mount (root).
#pragma once

#include <atomic>
#include <filesystem>
#include <thread>

namespace program_testing {

class HungMount {
public:
    // Mounts at folder (made when missing); mounted() tells whether that worked.
    explicit HungMount(const std::filesystem::path& folder);
    ~HungMount() { unmount(); }
    // Unmounts and ends the connection: the reads still waiting fail.
    void unmount();
    HungMount(const HungMount&) = delete;
    HungMount& operator=(const HungMount&) = delete;

    bool mounted() const { return fd_ >= 0; }
    std::filesystem::path file() const { return folder_ / "stuck.bin"; }
    // How many reads of the file arrived (and were left without an answer).
    int readsWaiting() const { return reads_.load(); }

private:
    void serve();

    std::filesystem::path folder_;
    int fd_ = -1;
    int wake_[2] = {-1, -1};  // ends serve()
    std::atomic<int> reads_{0};
    std::thread thread_;
};

}  // namespace program_testing
