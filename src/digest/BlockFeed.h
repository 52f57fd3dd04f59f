// Buffering and padding shared by the 64-byte-block digests that keep their message length as
// a 64-bit bit count in two 32-bit words, low word first (MD4, MD5, RIPEMD, SHA-1, SHA-256).
#pragma once

#include <cstdint>
#include <cstring>

#include "digest/Bytes.h"

namespace s::digest::blockfeed {

constexpr std::uint32_t kBlock = 64;

// Adds length bytes to the bit count and runs blocks(pointer, count) over every whole block:
// first the completed buffer, then the input's own blocks in place; the rest stays buffered.
// The buffered count is (bit count / 8) mod 64.
template <class Blocks>
inline void feed(std::uint32_t count[2], std::uint8_t* buffer, const std::uint8_t* data,
                 std::uint32_t length, Blocks&& blocks) {
    if (length == 0) return;
    const std::uint32_t used = (count[0] >> 3) & (kBlock - 1);
    const std::uint32_t low = count[0] + (length << 3);
    count[1] += (length >> 29) + (low < count[0] ? 1 : 0);
    count[0] = low;
    if (used) {
        const std::uint32_t room = kBlock - used;
        if (length < room) {
            std::memcpy(buffer + used, data, length);
            return;
        }
        std::memcpy(buffer + used, data, room);
        blocks(buffer, 1);
        data += room;
        length -= room;
    }
    if (const std::uint32_t whole = length / kBlock) {
        blocks(data, whole);
        data += whole * kBlock;
        length -= whole * kBlock;
    }
    if (length) std::memcpy(buffer, data, length);
}

// Appends 0x80, zeros up to byte 56 of a block and the bit count as it stood before padding
// (little- or big-endian), running the last one or two blocks.
template <class Blocks>
inline void pad(const std::uint32_t count[2], std::uint8_t* buffer, bool bigEndian,
                Blocks&& blocks) {
    std::uint32_t used = (count[0] >> 3) & (kBlock - 1);
    buffer[used++] = 0x80;
    if (used > kBlock - 8) {
        std::memset(buffer + used, 0, kBlock - used);
        blocks(buffer, 1);
        used = 0;
    }
    std::memset(buffer + used, 0, kBlock - 8 - used);
    if (bigEndian) {
        bytes::storeBe32(buffer + 56, count[1]);
        bytes::storeBe32(buffer + 60, count[0]);
    } else {
        bytes::storeLe32(buffer + 56, count[0]);
        bytes::storeLe32(buffer + 60, count[1]);
    }
    blocks(buffer, 1);
}

}  // namespace s::digest::blockfeed
