// Feeds every block to a list of digesters, each digester seeing every block in order.
// When the list holds enough work for two cores, the digesters are split into two groups of
// about equal cost and the second group is fed on a helper thread, which follows the caller
// through a small ring of block copies; the caller never waits unless the helper falls a whole
// ring behind. When no thread can be made, the caller feeds every digester itself.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "file/gui/dialogs/filehash/PageBuffer.h"

namespace s::digest {
class IDigester;
}

namespace s::file::gui::dialogs::filehash {

class DigestFeeder {
public:
    static constexpr int kRingSlots = 8;
    static constexpr std::uint32_t kMaxBlock = 128 * 1024;

    DigestFeeder(digest::IDigester** digesters, int count);
    ~DigestFeeder();
    DigestFeeder(const DigestFeeder&) = delete;
    DigestFeeder& operator=(const DigestFeeder&) = delete;

    // Gives count bytes (at most kMaxBlock) to every digester.
    void update(const std::uint8_t* data, std::uint32_t count);
    // Returns when every digester has taken every block given so far.
    void finishFeeding();

    bool isParallel() const { return helper_.joinable(); }

    // Relative cost in cycles per byte of the digester's algorithm (for the split).
    static double costOf(const digest::IDigester* digester);

private:
    void helperLoop();

    std::vector<digest::IDigester*> own_;     // fed by the caller
    std::vector<digest::IDigester*> helped_;  // fed by the helper thread

    struct Slot {
        PageBuffer bytes;  // kMaxBlock, left uninitialised
        std::uint32_t count = 0;
    };
    std::vector<Slot> ring_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::uint64_t produced_ = 0;  // blocks handed to the helper
    std::uint64_t consumed_ = 0;  // blocks the helper has finished
    bool closing_ = false;
    std::thread helper_;
};

}  // namespace s::file::gui::dialogs::filehash
