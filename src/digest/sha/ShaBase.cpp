// Buffering, padding and compression dispatch of the SHA family.
#include "digest/sha/ShaBase.h"

#include <atomic>
#include <cstring>

#include "digest/BlockFeed.h"
#include "digest/Bytes.h"
#include "digest/sha/ShaBlocks.h"

namespace s::digest::sha {

namespace {

using Blocks32 = void (*)(std::uint32_t*, const std::uint8_t*, std::size_t);
using Blocks64 = void (*)(std::uint64_t*, const std::uint8_t*, std::size_t);

// The compressions in use, chosen by level from what the processor has.
struct Choice {
    Blocks32 sha1;
    Blocks32 sha256;
    Blocks64 sha512;
};

Choice choose(ShaBase::Acceleration level) {
    const bool sha = level >= ShaBase::kVector && blocks::shaInstructionsAvailable();
    Blocks64 sha512 = blocks::sha512;
    if (level >= ShaBase::kWide && blocks::avx512Available()) {
        sha512 = blocks::sha512Avx512;
    } else if (level >= ShaBase::kVector && blocks::avx2Available()) {
        sha512 = blocks::sha512Avx2;
    }
    return {sha ? blocks::sha1Hardware : blocks::sha1Portable,
            sha ? blocks::sha256Hardware : blocks::sha256Portable, sha512};
}

ShaBase::Acceleration best() {
    if (blocks::avx512Available()) return ShaBase::kWide;
    if (blocks::shaInstructionsAvailable() || blocks::avx2Available()) return ShaBase::kVector;
    return ShaBase::kPortable;
}

std::atomic<int> level{best()};
std::atomic<Blocks32> sha1Blocks{choose(best()).sha1};
std::atomic<Blocks32> sha256Blocks{choose(best()).sha256};
std::atomic<Blocks64> sha512Blocks{choose(best()).sha512};

}  // namespace

ShaBase::Acceleration ShaBase::bestAcceleration() {
    return best();
}

ShaBase::Acceleration ShaBase::useAcceleration(Acceleration wanted) {
    const Choice c = choose(wanted);
    sha1Blocks.store(c.sha1);
    sha256Blocks.store(c.sha256);
    sha512Blocks.store(c.sha512);
    return static_cast<Acceleration>(level.exchange(wanted));
}

ShaBase::ShaBase(Variant variant, std::uint32_t size) : result_(size), variant_(variant) {}

void ShaBase::resetState(const std::uint32_t* initial32) {
    std::memcpy(area_.w32.h, initial32, sizeof area_.w32.h);
    area_.w32.count[0] = area_.w32.count[1] = 0;
}

void ShaBase::resetState(const std::uint64_t* initial64) {
    std::memcpy(area_.w64.h, initial64, sizeof area_.w64.h);
    std::memset(area_.w64.count, 0, sizeof area_.w64.count);
}

void ShaBase::compress(const std::uint8_t* data, std::size_t blocks) {
    switch (variant_) {
        case kSha1:
            sha1Blocks.load(std::memory_order_relaxed)(area_.w32.h, data, blocks);
            break;
        case kSha256:
            sha256Blocks.load(std::memory_order_relaxed)(area_.w32.h, data, blocks);
            break;
        default:
            sha512Blocks.load(std::memory_order_relaxed)(area_.w64.h, data, blocks);
            break;
    }
}

void ShaBase::update(const void* data, std::uint32_t length) {
    auto run = [this](const std::uint8_t* p, std::size_t n) { compress(p, n); };
    const auto* p = static_cast<const std::uint8_t*>(data);
    if (variant_ < kSha384) {
        blockfeed::feed(area_.w32.count, area_.w32.buffer, p, length, run);
        return;
    }
    if (length == 0) return;
    // 128-byte blocks and a 128-bit bit count, carried through all four words.
    std::uint32_t* count = area_.w64.count;
    const std::uint32_t used = (count[0] >> 3) & 127;
    std::uint64_t sum = std::uint64_t{count[0]} + (std::uint64_t{length} << 3);
    count[0] = static_cast<std::uint32_t>(sum);
    for (int j = 1; j < 4 && (sum >>= 32); ++j) {
        sum += count[j];
        count[j] = static_cast<std::uint32_t>(sum);
    }
    if (used) {
        const std::uint32_t room = 128 - used;
        if (length < room) {
            std::memcpy(area_.w64.buffer + used, p, length);
            return;
        }
        std::memcpy(area_.w64.buffer + used, p, room);
        compress(area_.w64.buffer, 1);
        p += room;
        length -= room;
    }
    if (const std::uint32_t whole = length / 128) {
        compress(p, whole);
        p += whole * 128;
        length -= whole * 128;
    }
    if (length) std::memcpy(area_.w64.buffer, p, length);
}

void ShaBase::finish(void* out) {
    std::uint8_t* target = result_.target(out);
    if (variant_ < kSha384) {
        blockfeed::pad(area_.w32.count, area_.w32.buffer, true,
                       [this](const std::uint8_t* p, std::size_t n) { compress(p, n); });
        const int words = variant_ == kSha1 ? 5 : 8;
        for (int j = 0; j < words; ++j) bytes::storeBe32(target + 4 * j, area_.w32.h[j]);
        return;
    }
    std::uint8_t* buffer = area_.w64.buffer;
    const std::uint32_t* count = area_.w64.count;
    std::uint32_t used = (count[0] >> 3) & 127;
    buffer[used++] = 0x80;
    if (used > 112) {
        std::memset(buffer + used, 0, 128 - used);
        compress(buffer, 1);
        used = 0;
    }
    std::memset(buffer + used, 0, 112 - used);
    for (int j = 0; j < 4; ++j) bytes::storeBe32(buffer + 112 + 4 * j, count[3 - j]);
    compress(buffer, 1);
    const int words = variant_ == kSha384 ? 6 : 8;
    for (int j = 0; j < words; ++j) bytes::storeBe64(target + 8 * j, area_.w64.h[j]);
}

}  // namespace s::digest::sha
