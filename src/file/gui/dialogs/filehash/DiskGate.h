// One reader at a time on a spinning disk. Several threads reading different files of one
// rotational disk make its head jump between them and cut its throughput several-fold, while
// solid-state devices serve several readers best. A reader passes the gate of its file's device
// before reading from the device: the gate of a rotational device lets one reader through at a
// time, any other gate lets everyone through. A device that cannot be told counts as solid
// state.
#pragma once

#include <cstdint>
#include <semaphore>
#include <string>

namespace s::file::gui::dialogs::filehash {

class DiskGate {
public:
    // A reader's turn on one device; given back when it ends. Any thread may give it back (a
    // file read ahead takes the turn on the reading thread).
    class Turn {
    public:
        Turn() = default;
        ~Turn() { give(); }
        Turn(Turn&& other) noexcept;
        Turn& operator=(Turn&& other) noexcept;

        // The device takes turns (it is rotational).
        bool isGated() const { return gate_ != nullptr; }
        bool isHeld() const { return held_; }
        // Waits for the turn; nothing when it is held or the device takes no turns.
        void take();
        void give();

    private:
        friend class DiskGate;
        explicit Turn(std::binary_semaphore* gate) : gate_(gate) {}
        std::binary_semaphore* gate_ = nullptr;
        bool held_ = false;
    };

    // The turn of the device (major, minor), not taken yet.
    static Turn turnOf(std::uint32_t major, std::uint32_t minor);
    // Passes the gate: the device's turn, taken.
    static Turn pass(std::uint32_t major, std::uint32_t minor);

    // Where the devices' queue facts are read (default "/sys"); forgets what was learnt.
    static void setSysfsRoot(const std::string& root);
};

}  // namespace s::file::gui::dialogs::filehash
