// The reading thread and the ring of pieces between it and the caller.
#include "file/gui/dialogs/filehash/ReadAhead.h"

#include <system_error>

#include "io/IInputStream.h"
#include "platform/Processors.h"

namespace s::file::gui::dialogs::filehash {

namespace {

// The reused buffer of the calling thread, made on its first use.
std::uint8_t* directBuffer() {
    thread_local PageBuffer buffer;
    if (!buffer) buffer = PageBuffer(ReadAhead::kDirectPiece);
    return buffer.get();
}

}  // namespace

bool ReadAhead::isCoreFree(int jobThreads) {
    return jobThreads < platform::usableCores();
}

ReadAhead::ReadAhead(io::IInputStream* input, std::uint64_t expectedSize, bool coreFree)
    : input_(input) {
    if (expectedSize >= kAheadFrom && coreFree) {
        ring_.reset(new Slot[kSlots]);
        for (int i = 0; i < kSlots; ++i) ring_[i].bytes = PageBuffer(kAheadPiece);
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
    std::unique_lock<std::mutex> lock(mutex_);
    if (holding_) {
        // The piece taken before is done with: its slot is the reader's again.
        freed_ = taken_;
        holding_ = false;
        // A waiting reader has a full ring; it waits on until half of it is free.
        if (readerWaits_ && kSlots - (filled_ - freed_) >= kWakeAfter) changed_.notify_one();
    }
    while (filled_ == taken_) {
        takerWaits_ = true;
        changed_.wait(lock);
        takerWaits_ = false;
    }
    lock.unlock();
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
    {
        std::lock_guard<std::mutex> hold(mutex_);
        stopping_ = true;
        changed_.notify_one();
    }
    reader_.join();
}

void ReadAhead::readLoop() {
    for (std::uint64_t piece = 0;; ++piece) {
        {
            // Wait until the slot of this piece has been given back.
            std::unique_lock<std::mutex> lock(mutex_);
            while (!stopping_ && piece - freed_ >= kSlots) {
                readerWaits_ = true;
                changed_.wait(lock);
                readerWaits_ = false;
            }
            if (stopping_) return;
        }
        Slot& slot = ring_[piece % kSlots];
        std::uint32_t count = 0;
        // The end of the data and a failed read both end the ring; the input keeps the reason.
        if (!input_->read(slot.bytes.get(), kAheadPiece, &count)) count = 0;
        std::lock_guard<std::mutex> hold(mutex_);
        slot.count = count;
        filled_ = piece + 1;
        // A waiting caller has taken every piece; it waits on until half the ring is filled,
        // or the data ended.
        if (takerWaits_ && (count == 0 || filled_ - taken_ >= kWakeAfter)) changed_.notify_one();
        if (count == 0) return;
    }
}

}  // namespace s::file::gui::dialogs::filehash
