// Reading ahead on a thread of its own: the pieces, the end, a failed read and an early stop.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <limits>
#include <thread>
#include <vector>

#include "file/gui/dialogs/filehash/ReadAhead.h"
#include "io/ForwardInputStream.h"
#include "platform/Processors.h"

namespace {

using s::file::gui::dialogs::filehash::ReadAhead;

constexpr std::uint64_t kNever = std::numeric_limits<std::uint64_t>::max();

std::uint8_t byteAt(std::uint64_t at) {
    return static_cast<std::uint8_t>(at * 131 + (at >> 16));
}

// size bytes of a pattern; the read that reaches failAt fails.
class PatternInput : public s::io::ForwardInputStream {
public:
    PatternInput(std::uint64_t size, std::uint64_t failAt = kNever)
        : size_(size), failAt_(failAt) {}

    bool read(void* buffer, std::uint32_t maxBytes, std::uint32_t* count) override {
        *count = 0;
        ++reads;
        if (position_ >= failAt_) {
            failed_ = true;
            return false;
        }
        const std::uint64_t n =
            std::min<std::uint64_t>({maxBytes, size_ - position_, failAt_ - position_});
        auto* bytes = static_cast<std::uint8_t*>(buffer);
        for (std::uint64_t i = 0; i < n; ++i) bytes[i] = byteAt(position_ + i);
        position_ += n;
        *count = static_cast<std::uint32_t>(n);
        return n > 0;
    }
    const char* failureReason() override { return failed_ ? "Input/output error" : nullptr; }
    void release() override {}
    void recycle() override {}
    void close() override {}
    std::int64_t position() override { return static_cast<std::int64_t>(position_); }
    void closeAndRelease() override {}

    int reads = 0;

private:
    std::uint64_t size_;
    std::uint64_t failAt_;
    std::uint64_t position_ = 0;
    bool failed_ = false;
};

// Takes every piece (pausing after each when slow, so that the reader fills the ring and
// waits); returns the bytes and checks them against the pattern.
std::uint64_t takeAll(ReadAhead& reader, bool slow = false) {
    std::uint64_t total = 0;
    const std::uint8_t* data = nullptr;
    std::uint32_t count = 0;
    while (reader.next(&data, &count)) {
        if (slow) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        EXPECT_GT(count, 0u);
        for (std::uint32_t i = 0; i < count; ++i) {
            if (data[i] != byteAt(total + i)) {
                ADD_FAILURE() << "byte " << total + i;
                return total;
            }
        }
        total += count;
    }
    EXPECT_FALSE(reader.next(&data, &count)) << "an ended reader stays ended";
    return total;
}

TEST(ReadAheadThread, PiecesCarryTheWholeInputInOrder) {
    constexpr std::uint64_t kFrom = ReadAhead::kAheadFrom;
    constexpr std::uint64_t kRing = ReadAhead::kSlots * ReadAhead::kAheadPiece;
    struct Case {
        std::uint64_t expected, actual;
        bool ahead;
        bool slowTaker = false;
    } cases[] = {
        {0, 300000, false},             // unknown size: read here
        {kFrom - 1, kFrom - 1, false},  // small: read here
        {kFrom, kFrom, true},           // exactly whole pieces
        {kFrom + 12345, kFrom + 12345, true},
        {3 * kFrom, kFrom / 2 + 1, true},  // shrank after its size was taken
        {kFrom, 2 * kFrom + 5, true},      // grew after its size was taken
        // The reader waits for half the ring, again and again; the end falls mid-batch.
        {3 * kRing + 777, 3 * kRing + 777, true, true},
    };
    for (const Case& c : cases) {
        PatternInput input(c.actual);
        ReadAhead reader(&input, c.expected, true);
        EXPECT_EQ(reader.isAhead(), c.ahead) << c.expected;
        EXPECT_EQ(takeAll(reader, c.slowTaker), c.actual) << c.expected;
        reader.finish();
        EXPECT_EQ(input.failureReason(), nullptr);
    }
}

TEST(ReadAheadThread, AReadingThreadOnlyWhereTheJobLeavesACore) {
    const int cores = platform::usableCores();
    ASSERT_GE(cores, 1);
    EXPECT_EQ(ReadAhead::isCoreFree(1), cores > 1) << "one thread: a second core is free";
    EXPECT_FALSE(ReadAhead::isCoreFree(cores)) << "every core computes";
    EXPECT_FALSE(ReadAhead::isCoreFree(cores + 1));
}

TEST(ReadAheadThread, NoFreeCoreReadsOnTheCallersThread) {
    PatternInput input(2 * ReadAhead::kAheadFrom);
    ReadAhead reader(&input, 2 * ReadAhead::kAheadFrom, false);
    EXPECT_FALSE(reader.isAhead());
    EXPECT_EQ(takeAll(reader), 2 * ReadAhead::kAheadFrom);
}

TEST(ReadAheadThread, AFailedReadEndsThePiecesAndTheInputKeepsWhy) {
    for (std::uint64_t expected : {std::uint64_t{0}, 2 * ReadAhead::kAheadFrom}) {
        const std::uint64_t failAt = ReadAhead::kAheadFrom + 100;
        PatternInput input(2 * ReadAhead::kAheadFrom, failAt);
        ReadAhead reader(&input, expected, true);
        EXPECT_EQ(takeAll(reader), failAt) << "every byte before the failure arrives";
        reader.finish();
        ASSERT_NE(input.failureReason(), nullptr) << expected;
    }
}

TEST(ReadAheadThread, FinishStopsAReaderThatIsAhead) {
    const std::uint64_t size = 64 * ReadAhead::kAheadFrom;
    PatternInput input(size);
    {
        ReadAhead reader(&input, size, true);
        const std::uint8_t* data = nullptr;
        std::uint32_t count = 0;
        ASSERT_TRUE(reader.next(&data, &count));
        reader.finish();  // the reader waits for a free slot, or is about to
        EXPECT_FALSE(reader.next(&data, &count));
    }
    EXPECT_LE(input.reads, ReadAhead::kSlots + 2) << "the reader stopped at the full ring";
    PatternInput untouched(size);
    { ReadAhead dropped(&untouched, size, true); }  // never asked for a piece: ends on its own
}

}  // namespace
