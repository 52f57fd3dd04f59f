// The gates by device number, learnt once per device from the system's device facts.
#include "file/gui/dialogs/filehash/DiskGate.h"

#include <map>
#include <memory>
#include <utility>

#include "platform/File.h"

namespace s::file::gui::dialogs::filehash {

namespace {

// One gate per request queue: the partitions of a disk share their disk's gate.
struct Gates {
    std::mutex mutex;
    std::string sysfsRoot = "/sys";
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::mutex*>
        byDevice;  // null: not rotational
    std::map<std::string, std::unique_ptr<std::mutex>> byQueue;
};

std::mutex* learn(Gates& all, std::uint32_t major, std::uint32_t minor) {
    std::string queue;
    if (!platform::isRotationalDevice(major, minor, all.sysfsRoot, &queue)) return nullptr;
    std::unique_ptr<std::mutex>& turn = all.byQueue[queue];
    if (!turn) turn = std::make_unique<std::mutex>();
    return turn.get();
}

Gates& gates() {
    static Gates* all = new Gates;  // used until the last reader ends, never destroyed
    return *all;
}

}  // namespace

std::unique_lock<std::mutex> DiskGate::pass(std::uint32_t major, std::uint32_t minor) {
    Gates& all = gates();
    std::mutex* turn;
    {
        std::lock_guard lock(all.mutex);
        auto known = all.byDevice.find({major, minor});
        if (known == all.byDevice.end()) {
            known = all.byDevice.emplace(std::pair{major, minor}, learn(all, major, minor)).first;
        }
        turn = known->second;
    }
    if (!turn) return {};
    return std::unique_lock(*turn);
}

void DiskGate::setSysfsRoot(const std::string& root) {
    Gates& all = gates();
    std::lock_guard lock(all.mutex);
    all.sysfsRoot = root;
    // A gate may be held right now: the gates stay, the devices are learnt anew.
    all.byDevice.clear();
}

}  // namespace s::file::gui::dialogs::filehash
