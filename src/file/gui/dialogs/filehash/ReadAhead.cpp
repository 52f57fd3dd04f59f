// The reading thread and the ring of pieces between it and the caller.
#include "file/gui/dialogs/filehash/ReadAhead.h"

#include <system_error>

#include "io/IInputStream.h"
#include "platform/Processors.h"

namespace s::file::gui::dialogs::filehash {

namespace {

// The reused buffer of the calling thread, made on its first use.
std::uint8_t* directBuffer() {
    thread_local std::unique_ptr<std::uint8_t[]> buffer;
    if (!buffer) buffer.reset(new std::uint8_t[ReadAhead::kDirectPiece]);
    return buffer.get();
}

// Asked once: the answer comes from reading a system file.
int cores() {
    static const int n = static_cast<int>(std::thread::hardware_concurrency());
    return n;
}

}  // namespace

bool ReadAhead::isCoreFree() {
    if (cores() < 2) return false;
    const int runnable = platform::runnableThreads();  // this thread included
    return runnable < cores();
}

ReadAhead::ReadAhead(io::IInputStream* input, std::uint64_t expectedSize)
    : ReadAhead(input, expectedSize, expectedSize >= kAheadFrom && isCoreFree()) {}

ReadAhead::ReadAhead(io::IInputStream* input, std::uint64_t expectedSize, bool coreFree)
    : input_(input) {
    if (expectedSize >= kAheadFrom && coreFree) {
        ring_.reset(new Slot[kSlots]);
        for (int i = 0; i < kSlots; ++i) ring_[i].bytes.reset(new std::uint8_t[kAheadPiece]);
        try {
            reader_ = std::thread(&ReadAhead::readLoop, this);
            return;
        } catch (const std::system_error&) {
            ring_.reset();  // out of threads: read here
        }
    }
    direct_ = directBuffer();
}

ReadAhead::~ReadAhead() {
    finish();
}

bool ReadAhead::next(const std::uint8_t** data, std::uint32_t* count) {
    *count = 0;
    if (ended_) return false;
    if (!isAhead()) {
        if (input_->read(direct_, kDirectPiece, count)) {
            *data = direct_;
            return true;
        }
        ended_ = true;
        return false;
    }
    if (holding_) {
        // The piece taken before is done with: its slot is the reader's again.
        freed_.store(taken_, std::memory_order_release);
        freed_.notify_one();
        holding_ = false;
    }
    std::uint64_t filled;
    while ((filled = filled_.load(std::memory_order_acquire)) == taken_) {
        filled_.wait(filled, std::memory_order_acquire);
    }
    const Slot& slot = ring_[taken_ % kSlots];
    ++taken_;
    if (slot.count == 0) {
        ended_ = true;
        return false;
    }
    holding_ = true;
    *data = slot.bytes.get();
    *count = slot.count;
    return true;
}

void ReadAhead::finish() {
    ended_ = true;
    if (!isAhead()) return;
    stopping_.store(true);
    freed_.fetch_add(1);  // wakes a reader that waits for a free slot
    freed_.notify_one();
    reader_.join();
}

void ReadAhead::readLoop() {
    for (std::uint64_t piece = 0;; ++piece) {
        // Wait until the slot of this piece has been given back.
        for (;;) {
            const std::uint64_t freed = freed_.load(std::memory_order_acquire);
            if (stopping_.load()) return;
            if (piece - freed < kSlots) break;
            freed_.wait(freed, std::memory_order_acquire);
        }
        Slot& slot = ring_[piece % kSlots];
        std::uint32_t count = 0;
        // The end of the data and a failed read both end the ring; the input keeps the reason.
        if (!input_->read(slot.bytes.get(), kAheadPiece, &count)) count = 0;
        slot.count = count;
        filled_.store(piece + 1, std::memory_order_release);
        filled_.notify_one();
        if (count == 0) return;
    }
}

}  // namespace s::file::gui::dialogs::filehash
