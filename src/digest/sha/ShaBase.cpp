// Buffering, padding and compression dispatch of the SHA family.
#include "digest/sha/ShaBase.h"

#include <atomic>
#include <cstring>

#include "digest/BlockFeed.h"
#include "digest/Bytes.h"
#include "digest/sha/ShaBlocks.h"

namespace s::digest::sha {

namespace {

const bool hardware = blocks::shaInstructionsAvailable();
std::atomic<bool> hardwareOn{hardware};

}  // namespace

bool ShaBase::hardwareAvailable() {
    return hardware;
}

bool ShaBase::useHardware(bool on) {
    return hardwareOn.exchange(on && hardware);
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
    const bool fast = hardwareOn.load(std::memory_order_relaxed);
    switch (variant_) {
        case kSha1:
            (fast ? blocks::sha1Hardware : blocks::sha1Portable)(area_.w32.h, data, blocks);
            break;
        case kSha256:
            (fast ? blocks::sha256Hardware : blocks::sha256Portable)(area_.w32.h, data, blocks);
            break;
        default:
            blocks::sha512(area_.w64.h, data, blocks);
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
