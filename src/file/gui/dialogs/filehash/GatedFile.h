// A file read through its device's gate (DiskGate), taking the turn only when a read would
// wait for the device: bytes in the page cache come from memory whatever the disk does, so
// readers of cached files run side by side, and a reader takes its turn at the first read that
// has to go to the disk and keeps it to the end of the file.
#pragma once

#include "file/gui/dialogs/filehash/DiskGate.h"
#include "io/ForwardInputStream.h"

namespace s::file::win {
class FileInputStream;
}

namespace s::file::gui::dialogs::filehash {

class GatedFile : public io::ForwardInputStream {
public:
    // The file stays the caller's and open; it is read through this object.
    explicit GatedFile(win::FileInputStream* file);

    bool read(void* buffer, std::uint32_t maxBytes, std::uint32_t* count) override;
    const char* failureReason() override;
    std::int64_t position() override;
    // Gives the turn back; the file stays open.
    void close() override { turn_.give(); }
    void release() override {}
    void recycle() override {}
    void closeAndRelease() override { close(); }

    bool holdsTurn() const { return turn_.isHeld(); }

private:
    win::FileInputStream* file_;
    DiskGate::Turn turn_;
};

}  // namespace s::file::gui::dialogs::filehash
