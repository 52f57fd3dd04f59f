// MD5 (RFC 1321). The 64 steps are generated at compile time from the RFC's tables, so the
// transform is straight-line code with every constant, rotation and word index folded in.
#include "digest/md5/Md5.h"

#include <utility>

#include "digest/BlockFeed.h"
#include "digest/Bytes.h"

namespace s::digest::md5 {

namespace {

using bytes::rotl;

// T[i] = floor(|sin(i + 1)| * 2^32), i in radians (RFC 1321, section 3.4).
constexpr std::uint32_t kT[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};
constexpr int kShift[4][4] = {{7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};

// Message word of step i: i, 5i + 1, 3i + 5, 7i (mod 16) in rounds 1 to 4.
constexpr int wordIndex(int i) {
    switch (i / 16) {
        case 0:
            return i;
        case 1:
            return (5 * i + 1) % 16;
        case 2:
            return (3 * i + 5) % 16;
        default:
            return (7 * i) % 16;
    }
}

// One step: a = b + ((a + f(b, c, d) + X[k] + T[i]) <<< s), then the roles rotate
// (a, b, c, d) <- (d, a, b, c). The boolean functions are written so that the term that depends
// on the newest word b comes last: G's two halves are disjoint, so it is a sum.
template <int I>
[[gnu::always_inline]] inline void step(std::uint32_t& a, std::uint32_t& b, std::uint32_t& c,
                                        std::uint32_t& d, const std::uint32_t* x) {
    std::uint32_t t = a + x[wordIndex(I)] + kT[I];
    if constexpr (I < 16) {
        t += d ^ (b & (c ^ d));
    } else if constexpr (I < 32) {
        t += (c & ~d);
        t += (b & d);
    } else if constexpr (I < 48) {
        t += b ^ (c ^ d);
    } else {
        t += c ^ (b | ~d);
    }
    const std::uint32_t next = b + rotl(t, kShift[I / 16][I % 4]);
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
        steps(a, b, c, d, x, std::make_index_sequence<64>());
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

Md5::Md5() {
    reset();
}

Md5* Md5::prototype() {
    static Md5 instance;
    return &instance;
}

void Md5::reset() {
    state_[0] = 0x67452301;
    state_[1] = 0xefcdab89;
    state_[2] = 0x98badcfe;
    state_[3] = 0x10325476;
    count_[0] = count_[1] = 0;
}

void Md5::update(const void* data, std::uint32_t length) {
    blockfeed::feed(count_, buffer_, static_cast<const std::uint8_t*>(data), length,
                    [this](const std::uint8_t* p, std::size_t n) { transform(state_, p, n); });
}

void Md5::finish(void* out) {
    blockfeed::pad(count_, buffer_, false,
                   [this](const std::uint8_t* p, std::size_t n) { transform(state_, p, n); });
    std::uint8_t* target = result_.target(out);
    for (int j = 0; j < 4; ++j) bytes::storeLe32(target + 4 * j, state_[j]);
}

}  // namespace s::digest::md5
