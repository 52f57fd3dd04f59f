// Cached reads first; the turn at the first read that needs the device.
#include "file/gui/dialogs/filehash/GatedFile.h"

#include "file/win/FileInputStream.h"

namespace s::file::gui::dialogs::filehash {

GatedFile::GatedFile(win::FileInputStream* file)
    : file_(file),
      turn_(DiskGate::turnOf(file->status().deviceMajor, file->status().deviceMinor)) {}

bool GatedFile::read(void* buffer, std::uint32_t maxBytes, std::uint32_t* count) {
    if (turn_.isGated() && !turn_.isHeld()) {
        bool waits = false;
        if (file_->readCached(buffer, maxBytes, count, &waits) || !waits) {
            return *count > 0;  // bytes from memory, the end or a failure
        }
        turn_.take();
    }
    const bool got = file_->read(buffer, maxBytes, count);
    if (!got) turn_.give();  // the end or a failure: the next reader's turn
    return got;
}

const char* GatedFile::failureReason() {
    return file_->failureReason();
}

std::int64_t GatedFile::position() {
    return file_->position();
}

}  // namespace s::file::gui::dialogs::filehash
