// RIPEMD-128/160 compression. Both lines' steps are generated at compile time from the
// authors' tables (message word order, rotation amounts, functions, constants), so each
// compression is straight-line code.
#include "digest/ripemd/RipemdBase.h"

#include <utility>

#include "digest/BlockFeed.h"
#include "digest/Bytes.h"

namespace s::digest::ripemd {

namespace {

using bytes::rotl;

// Message word order of the left (r) and right (r') lines, five rounds of sixteen.
constexpr int kR[80] = {0,  1, 2,  3, 4,  5,  6, 7,  8, 9,  10, 11, 12, 13, 14, 15, 7,  4,  13, 1,
                        10, 6, 15, 3, 12, 0,  9, 5,  2, 14, 11, 8,  3,  10, 14, 4,  9,  15, 8,  1,
                        2,  7, 0,  6, 13, 11, 5, 12, 1, 9,  11, 10, 0,  8,  12, 4,  13, 3,  7,  15,
                        14, 5, 6,  2, 4,  0,  5, 9,  7, 12, 2,  10, 14, 1,  3,  8,  11, 6,  15, 13};
constexpr int kRr[80] = {5,  14, 7,  0, 9, 2,  11, 4,  13, 6,  15, 8,  1,  10, 3,  12,
                         6,  11, 3,  7, 0, 13, 5,  10, 14, 15, 8,  12, 4,  9,  1,  2,
                         15, 5,  1,  3, 7, 14, 6,  9,  11, 8,  12, 2,  10, 0,  4,  13,
                         8,  6,  4,  1, 3, 11, 15, 0,  5,  12, 2,  13, 9,  7,  10, 14,
                         12, 15, 10, 4, 1, 5,  8,  7,  6,  2,  13, 14, 0,  3,  9,  11};
// Rotation amounts of the left (s) and right (s') lines.
constexpr int kS[80] = {11, 14, 15, 12, 5,  8,  7,  9,  11, 13, 14, 15, 6,  7,  9,  8,
                        7,  6,  8,  13, 11, 9,  7,  15, 7,  12, 15, 9,  11, 7,  13, 12,
                        11, 13, 6,  7,  14, 9,  13, 15, 14, 8,  13, 6,  5,  12, 7,  5,
                        11, 12, 14, 15, 14, 15, 9,  8,  9,  14, 5,  6,  8,  6,  5,  12,
                        9,  15, 5,  11, 6,  8,  13, 12, 5,  12, 13, 14, 11, 8,  5,  6};
constexpr int kSr[80] = {8,  9,  9,  11, 13, 15, 15, 5,  7,  7,  8,  11, 14, 14, 12, 6,
                         9,  13, 15, 7,  12, 8,  9,  11, 7,  7,  12, 7,  6,  15, 13, 11,
                         9,  7,  15, 11, 8,  6,  6,  14, 12, 13, 5,  14, 13, 13, 7,  5,
                         15, 5,  8,  11, 14, 14, 6,  14, 6,  9,  12, 9,  12, 5,  15, 8,
                         8,  5,  12, 9,  12, 5,  14, 6,  8,  13, 6,  5,  15, 13, 11, 11};

// The five boolean functions f1..f5, each written so that x (the word computed by the step
// before) enters as late as possible: f4 is the sum of its two disjoint halves.
template <int F>
[[gnu::always_inline]] inline std::uint32_t f(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    if constexpr (F == 1) return x ^ (y ^ z);
    if constexpr (F == 2) return z ^ (x & (y ^ z));
    if constexpr (F == 3) return (x | ~y) ^ z;
    if constexpr (F == 4) return (x & z) + (y & ~z);
    if constexpr (F == 5) return x ^ (y | ~z);
}

// Constants per round: left line, then right line (RIPEMD-160; RIPEMD-128 uses rounds 1-4 of
// the left constants and ends its right line with 0 in round 4).
constexpr std::uint32_t kKl[5] = {0x00000000, 0x5a827999, 0x6ed9eba1, 0x8f1bbcdc, 0xa953fd4e};
constexpr std::uint32_t kKr160[5] = {0x50a28be6, 0x5c4dd124, 0x6d703ef3, 0x7a6d76e9, 0x00000000};
constexpr std::uint32_t kKr128[4] = {0x50a28be6, 0x5c4dd124, 0x6d703ef3, 0x00000000};

// RIPEMD-160 step J of both lines: A = ((A + f + X + K) <<< s) + E, C = C <<< 10,
// then (A, B, C, D, E) <- (E, A', B, C, D). The left line uses f1..f5, the right f5..f1.
template <int J>
[[gnu::always_inline]] inline void step160(std::uint32_t* l, std::uint32_t* r,
                                           const std::uint32_t* x) {
    constexpr int round = J / 16;
    {
        const std::uint32_t t =
            rotl(l[0] + x[kR[J]] + kKl[round] + f<round + 1>(l[1], l[2], l[3]), kS[J]) + l[4];
        l[0] = l[4];
        l[4] = l[3];
        l[3] = rotl(l[2], 10);
        l[2] = l[1];
        l[1] = t;
    }
    {
        const std::uint32_t t =
            rotl(r[0] + x[kRr[J]] + kKr160[round] + f<5 - round>(r[1], r[2], r[3]), kSr[J]) + r[4];
        r[0] = r[4];
        r[4] = r[3];
        r[3] = rotl(r[2], 10);
        r[2] = r[1];
        r[1] = t;
    }
}

// RIPEMD-128 step J: A = (A + f + X + K) <<< s, then (A, B, C, D) <- (D, A', B, C). The left
// line uses f1..f4, the right f4..f1.
template <int J>
[[gnu::always_inline]] inline void step128(std::uint32_t* l, std::uint32_t* r,
                                           const std::uint32_t* x) {
    constexpr int round = J / 16;
    {
        const std::uint32_t t =
            rotl(l[0] + x[kR[J]] + kKl[round] + f<round + 1>(l[1], l[2], l[3]), kS[J]);
        l[0] = l[3];
        l[3] = l[2];
        l[2] = l[1];
        l[1] = t;
    }
    {
        const std::uint32_t t =
            rotl(r[0] + x[kRr[J]] + kKr128[round] + f<4 - round>(r[1], r[2], r[3]), kSr[J]);
        r[0] = r[3];
        r[3] = r[2];
        r[2] = r[1];
        r[1] = t;
    }
}

template <std::size_t... J>
[[gnu::always_inline]] inline void steps160(std::uint32_t* l, std::uint32_t* r,
                                            const std::uint32_t* x, std::index_sequence<J...>) {
    (step160<static_cast<int>(J)>(l, r, x), ...);
}
template <std::size_t... J>
[[gnu::always_inline]] inline void steps128(std::uint32_t* l, std::uint32_t* r,
                                            const std::uint32_t* x, std::index_sequence<J...>) {
    (step128<static_cast<int>(J)>(l, r, x), ...);
}

void blocks160(std::uint32_t* h, const std::uint8_t* p, std::size_t count) {
    for (; count; --count, p += 64) {
        std::uint32_t x[16];
        for (int j = 0; j < 16; ++j) x[j] = bytes::loadLe32(p + 4 * j);
        std::uint32_t l[5] = {h[0], h[1], h[2], h[3], h[4]};
        std::uint32_t r[5] = {h[0], h[1], h[2], h[3], h[4]};
        steps160(l, r, x, std::make_index_sequence<80>());
        const std::uint32_t t = h[1] + l[2] + r[3];
        h[1] = h[2] + l[3] + r[4];
        h[2] = h[3] + l[4] + r[0];
        h[3] = h[4] + l[0] + r[1];
        h[4] = h[0] + l[1] + r[2];
        h[0] = t;
    }
}

void blocks128(std::uint32_t* h, const std::uint8_t* p, std::size_t count) {
    for (; count; --count, p += 64) {
        std::uint32_t x[16];
        for (int j = 0; j < 16; ++j) x[j] = bytes::loadLe32(p + 4 * j);
        std::uint32_t l[4] = {h[0], h[1], h[2], h[3]};
        std::uint32_t r[4] = {h[0], h[1], h[2], h[3]};
        steps128(l, r, x, std::make_index_sequence<64>());
        const std::uint32_t t = h[1] + l[2] + r[3];
        h[1] = h[2] + l[3] + r[0];
        h[2] = h[3] + l[0] + r[1];
        h[3] = h[0] + l[1] + r[2];
        h[0] = t;
    }
}

}  // namespace

RipemdBase::RipemdBase(std::int32_t variant, std::uint32_t size)
    : result_(size), variant_(variant) {}

void RipemdBase::resetState() {
    state_[0] = 0x67452301;
    state_[1] = 0xefcdab89;
    state_[2] = 0x98badcfe;
    state_[3] = 0x10325476;
    state_[4] = 0xc3d2e1f0;
    count_[0] = count_[1] = 0;
}

void RipemdBase::compress(const std::uint8_t* data, std::size_t blocks) {
    (variant_ == 0 ? blocks128 : blocks160)(state_, data, blocks);
}

void RipemdBase::update(const void* data, std::uint32_t length) {
    blockfeed::feed(count_, buffer_, static_cast<const std::uint8_t*>(data), length,
                    [this](const std::uint8_t* p, std::size_t n) { compress(p, n); });
}

void RipemdBase::finish(void* out) {
    blockfeed::pad(count_, buffer_, false,
                   [this](const std::uint8_t* p, std::size_t n) { compress(p, n); });
    std::uint8_t* target = result_.target(out);
    const int words = variant_ == 0 ? 4 : 5;
    for (int j = 0; j < words; ++j) bytes::storeLe32(target + 4 * j, state_[j]);
}

}  // namespace s::digest::ripemd
