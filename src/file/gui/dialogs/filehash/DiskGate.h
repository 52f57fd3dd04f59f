// One reader at a time on a spinning disk. Several threads reading different files of one
// rotational disk make its head jump between them and cut its throughput several-fold, while
// solid-state devices serve several readers best. A reader passes the gate of its file's device
// before reading: the gate of a rotational device lets one reader through at a time, any other
// gate lets everyone through. A device that cannot be told counts as solid state.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>

namespace s::file::gui::dialogs::filehash {

class DiskGate {
public:
    // Passes the gate of the device (major, minor); the returned lock holds it while it lives
    // (an empty lock for a device that is not rotational).
    static std::unique_lock<std::mutex> pass(std::uint32_t major, std::uint32_t minor);

    // Where the devices' queue facts are read (default "/sys"); forgets what was learnt.
    static void setSysfsRoot(const std::string& root);
};

}  // namespace s::file::gui::dialogs::filehash
