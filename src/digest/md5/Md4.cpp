// MD4 (RFC 1320). The 48 steps are generated at compile time from the RFC's tables, so the
// transform is straight-line code with every constant, rotation and word index folded in.
#include "digest/md5/Md4.h"

#include <utility>

#include "digest/BlockFeed.h"
#include "digest/Bytes.h"

namespace s::digest::md5 {

namespace {

using bytes::rotl;

constexpr int kShift[3][4] = {{3, 7, 11, 19}, {3, 5, 9, 13}, {3, 9, 11, 15}};
// Message word order of rounds 2 and 3 (round 1 takes the words in order).
constexpr int kOrder2[16] = {0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15};
constexpr int kOrder3[16] = {0, 8, 4, 12, 2, 10, 6, 14, 1, 9, 5, 13, 3, 11, 7, 15};

constexpr int wordIndex(int i) {
    return i < 16 ? i : i < 32 ? kOrder2[i - 16] : kOrder3[i - 32];
}

// a = (a + f(b, c, d) + X[k] + K) <<< s, then (a, b, c, d) <- (d, a, b, c).
template <int I>
[[gnu::always_inline]] inline void step(std::uint32_t& a, std::uint32_t& b, std::uint32_t& c,
                                        std::uint32_t& d, const std::uint32_t* x) {
    // Only the terms with b, the word just computed, are added last; majority is written as
    // the sum of its two disjoint parts (c & d) and (b & (c ^ d)).
    std::uint32_t t = a + x[wordIndex(I)];
    if constexpr (I < 16) {
        t += d ^ (b & (c ^ d));
    } else if constexpr (I < 32) {
        t += 0x5a827999u + (c & d);
        t += b & (c ^ d);
    } else {
        t += 0x6ed9eba1u;
        t += b ^ (c ^ d);
    }
    const std::uint32_t next = rotl(t, kShift[I / 16][I % 4]);
    a = d;
    d = c;
    c = b;
    b = next;
}

template <std::size_t... I>
[[gnu::always_inline]] inline void steps(std::uint32_t& a, std::uint32_t& b, std::uint32_t& c,
                                         std::uint32_t& d, const std::uint32_t* x,
                                         std::index_sequence<I...>) {
    (step<I>(a, b, c, d, x), ...);
}

void transform(std::uint32_t* state, const std::uint8_t* p, std::size_t blocks) {
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (; blocks; --blocks, p += 64) {
        std::uint32_t x[16];
        for (int j = 0; j < 16; ++j) x[j] = bytes::loadLe32(p + 4 * j);
        const std::uint32_t a0 = a, b0 = b, c0 = c, d0 = d;
        steps(a, b, c, d, x, std::make_index_sequence<48>());
        a += a0;
        b += b0;
        c += c0;
        d += d0;
    }
    state[0] = a;
    state[1] = b;
    state[2] = c;
    state[3] = d;
}

}  // namespace

Md4::Md4() {
    reset();
}

Md4* Md4::prototype() {
    static Md4 instance;
    return &instance;
}

void Md4::reset() {
    state_[0] = 0x67452301;
    state_[1] = 0xefcdab89;
    state_[2] = 0x98badcfe;
    state_[3] = 0x10325476;
    count_[0] = count_[1] = 0;
}

void Md4::update(const void* data, std::uint32_t length) {
    blockfeed::feed(count_, buffer_, static_cast<const std::uint8_t*>(data), length,
                    [this](const std::uint8_t* p, std::size_t n) { transform(state_, p, n); });
}

void Md4::finish(void* out) {
    blockfeed::pad(count_, buffer_, false,
                   [this](const std::uint8_t* p, std::size_t n) { transform(state_, p, n); });
    std::uint8_t* target = result_.target(out);
    for (int j = 0; j < 4; ++j) bytes::storeLe32(target + 4 * j, state_[j]);
}

}  // namespace s::digest::md5
