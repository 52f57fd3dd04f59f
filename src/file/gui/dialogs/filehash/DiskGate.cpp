// The gates by device number, learnt once per device from the system's device facts.
#include "file/gui/dialogs/filehash/DiskGate.h"

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

#include "platform/File.h"

namespace s::file::gui::dialogs::filehash {

namespace {

// One gate per request queue: the partitions of a disk share their disk's gate.
struct Gates {
    std::mutex mutex;
    // Counts the forgettings: a thread's remembered answer holds while it is unchanged.
    std::atomic<std::uint64_t> generation{0};
    std::string sysfsRoot = "/sys";
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::binary_semaphore*>
        byDevice;  // null: not rotational
    std::map<std::string, std::unique_ptr<std::binary_semaphore>> byQueue;
};

std::binary_semaphore* learn(Gates& all, std::uint32_t major, std::uint32_t minor) {
    std::string queue;
    if (!platform::isRotationalDevice(major, minor, all.sysfsRoot, &queue)) return nullptr;
    std::unique_ptr<std::binary_semaphore>& gate = all.byQueue[queue];
    if (!gate) gate = std::make_unique<std::binary_semaphore>(1);
    return gate.get();
}

Gates& gates() {
    static Gates* all = new Gates;  // used until the last reader ends, never destroyed
    return *all;
}

}  // namespace

DiskGate::Turn::Turn(Turn&& other) noexcept : gate_(other.gate_), held_(other.held_) {
    other.held_ = false;
}

DiskGate::Turn& DiskGate::Turn::operator=(Turn&& other) noexcept {
    if (this != &other) {
        give();
        gate_ = other.gate_;
        held_ = other.held_;
        other.held_ = false;
    }
    return *this;
}

void DiskGate::Turn::take() {
    if (!gate_ || held_) return;
    gate_->acquire();
    held_ = true;
}

void DiskGate::Turn::give() {
    if (!held_) return;
    held_ = false;
    gate_->release();
}

DiskGate::Turn DiskGate::turnOf(std::uint32_t major, std::uint32_t minor) {
    Gates& all = gates();
    // The files of a run mostly share one device: each thread keeps the last answer, so that
    // the threads do not queue for the table once per file.
    struct Last {
        std::uint64_t generation = ~std::uint64_t{0};
        std::uint32_t major = 0, minor = 0;
        std::binary_semaphore* gate = nullptr;
    };
    thread_local Last last;
    if (last.generation != all.generation.load(std::memory_order_acquire) ||
        last.major != major || last.minor != minor) {
        std::lock_guard lock(all.mutex);
        auto known = all.byDevice.find({major, minor});
        if (known == all.byDevice.end()) {
            known = all.byDevice.emplace(std::pair{major, minor}, learn(all, major, minor)).first;
        }
        last = {all.generation.load(std::memory_order_relaxed), major, minor, known->second};
    }
    return Turn(last.gate);
}

DiskGate::Turn DiskGate::pass(std::uint32_t major, std::uint32_t minor) {
    Turn turn = turnOf(major, minor);
    turn.take();
    return turn;
}

void DiskGate::setSysfsRoot(const std::string& root) {
    Gates& all = gates();
    std::lock_guard lock(all.mutex);
    all.sysfsRoot = root;
    // A gate may be held right now: the gates stay, the devices are learnt anew.
    all.byDevice.clear();
    all.generation.fetch_add(1, std::memory_order_release);
}

}  // namespace s::file::gui::dialogs::filehash
