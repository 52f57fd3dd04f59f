// Reads an input in pieces for the digests. A large file is read on a thread of its own a few
// pieces ahead of the caller, so that copying the data out of the page cache runs beside the
// digests instead of before each block; anything smaller is read on the caller's thread into
// one reused buffer. Pieces come in input order; the end of the data and a failed read both
// end the pieces, and the input tells which it was once finish() has returned.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "file/gui/dialogs/filehash/PageBuffer.h"

namespace s::io {
class IInputStream;
}

namespace s::file::gui::dialogs::filehash {

class ReadAhead {
public:
    // The caller's own piece: from 1 MiB on, a read from the page cache costs little more than
    // the copy (a 128 KiB read costs a third more). The reading thread's pieces are half that,
    // eight in the ring (4 MiB): of the sizes tried (256 KiB to 2 MiB, four or eight slots)
    // the shortest runs.
    static constexpr std::uint32_t kDirectPiece = 1024 * 1024;
    static constexpr std::uint32_t kAheadPiece = 512 * 1024;
    static constexpr int kSlots = 8;
    // A side that waits is woken when half the ring is ready for it (or the data ended), not
    // at every piece: one wake-up per four pieces instead of one per piece.
    static constexpr std::uint64_t kWakeAfter = kSlots / 2;
    // From this expected size on a thread reads ahead, when a core is free for it.
    static constexpr std::uint64_t kAheadFrom = 4 * 1024 * 1024;

    // The input stays the caller's; it is read only through this object until finish().
    // A reading thread is used when coreFree and the expected size (0: unknown) is large
    // enough.
    ReadAhead(io::IInputStream* input, std::uint64_t expectedSize, bool coreFree);
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // Whether a core is left for a reading thread beside jobThreads threads that compute for
    // the job (the caller's own, its digest helper and the other files' workers). A fixed rule:
    // the system's load changes from one moment to the next, and a reading thread that has to
    // share a core with the job makes both wait for each other's turns.
    static bool isCoreFree(int jobThreads);

    // The next piece, valid until the next call; false at the end of the data or after a read
    // failed.
    bool next(const std::uint8_t** data, std::uint32_t* count);
    // Stops reading (early when the caller stops taking pieces) and returns when no thread
    // reads the input any more.
    void finish();

    bool isAhead() const { return reader_.joinable(); }

private:
    void readLoop();

    io::IInputStream* input_;
    std::uint8_t* direct_ = nullptr;  // the calling thread's buffer
    bool ended_ = false;

    struct Slot {
        PageBuffer bytes;
        std::uint32_t count = 0;  // 0: the data ended here
    };
    std::unique_ptr<Slot[]> ring_;
    // The hand-off: a side that waits is woken, and only then (no system call otherwise), once
    // kWakeAfter pieces are ready for it.
    std::mutex mutex_;
    std::condition_variable changed_;
    std::uint64_t filled_ = 0;  // pieces the reader has put into the ring
    std::uint64_t freed_ = 0;   // pieces the caller has given back
    bool stopping_ = false;
    bool readerWaits_ = false;
    bool takerWaits_ = false;
    std::uint64_t taken_ = 0;  // pieces the caller has taken (the caller's own)
    bool holding_ = false;     // the caller still uses piece taken_ - 1
    std::thread reader_;
};

}  // namespace s::file::gui::dialogs::filehash
