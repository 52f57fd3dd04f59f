// Reads an input in pieces for the digests. A large file is read on a thread of its own a few
// pieces ahead of the caller, so that copying the data out of the page cache runs beside the
// digests instead of before each block; anything smaller is read on the caller's thread into
// one reused buffer. Pieces come in input order; the end of the data and a failed read both
// end the pieces, and the input tells which it was once finish() has returned.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>

namespace s::io {
class IInputStream;
}

namespace s::file::gui::dialogs::filehash {

class ReadAhead {
public:
    // Pieces read on the caller's thread: small enough to stay in the second-level cache while
    // the digests read them.
    static constexpr std::uint32_t kDirectPiece = 128 * 1024;
    // Pieces of the reading thread: large enough that the hand-offs cost next to nothing.
    static constexpr std::uint32_t kAheadPiece = 256 * 1024;
    static constexpr int kSlots = 4;
    // From this expected size on a thread reads ahead, when a core is free for it: on a busy
    // machine the two threads wait for each other's turns and read slower than one.
    static constexpr std::uint64_t kAheadFrom = 4 * 1024 * 1024;

    // The input stays the caller's; it is read only through this object until finish().
    // expectedSize 0 (unknown) reads on the caller's thread.
    ReadAhead(io::IInputStream* input, std::uint64_t expectedSize);
    // The same, with the choice made by the caller (ahead when the size allows).
    ReadAhead(io::IInputStream* input, std::uint64_t expectedSize, bool coreFree);

    // Whether a core is free for a reading thread now: several cores, and fewer threads that
    // want one than cores.
    static bool isCoreFree();
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

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
        std::unique_ptr<std::uint8_t[]> bytes;
        std::uint32_t count = 0;  // 0: the data ended here
    };
    std::unique_ptr<Slot[]> ring_;
    std::atomic<std::uint64_t> filled_{0};  // pieces the reader has put into the ring
    std::atomic<std::uint64_t> freed_{0};   // pieces the caller has given back
    std::atomic<bool> stopping_{false};
    std::uint64_t taken_ = 0;  // pieces the caller has taken
    bool holding_ = false;     // the caller still uses piece taken_ - 1
    std::thread reader_;
};

}  // namespace s::file::gui::dialogs::filehash
