// GOST R 34.11-94 hash with the test parameter set of the standard's worked example.
#include "digest/gost/Gost.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "digest/Bytes.h"

namespace s::digest::gost {

namespace {

// S-boxes S1..S8 of the test parameter set; S1 acts on the least significant four bits.
constexpr std::uint8_t kSbox[8][16] = {{4, 10, 9, 2, 13, 8, 0, 14, 6, 11, 1, 12, 7, 15, 5, 3},
                                       {14, 11, 4, 12, 6, 13, 15, 10, 2, 3, 8, 1, 0, 7, 5, 9},
                                       {5, 8, 1, 13, 10, 3, 4, 2, 14, 15, 12, 7, 6, 0, 9, 11},
                                       {7, 13, 10, 1, 0, 8, 9, 15, 14, 4, 6, 12, 11, 2, 5, 3},
                                       {6, 12, 7, 1, 5, 15, 13, 8, 4, 10, 9, 14, 0, 3, 11, 2},
                                       {4, 11, 10, 0, 7, 2, 1, 13, 3, 6, 8, 5, 9, 12, 15, 14},
                                       {13, 11, 4, 1, 3, 15, 5, 9, 0, 10, 14, 7, 6, 8, 2, 12},
                                       {1, 15, 13, 0, 5, 7, 10, 4, 9, 2, 3, 14, 6, 11, 8, 12}};

// Entry a * 16 + b of table k is the output of the two S-boxes of byte k of the half-block
// (high nibble a, low nibble b), already rotated left by 11 as the round function asks.
using Tables = std::array<std::array<std::uint32_t, 256>, 4>;
constexpr Tables makeTables() {
    Tables t{};
    for (std::uint32_t a = 0; a < 16; ++a) {
        for (std::uint32_t b = 0; b < 16; ++b) {
            const std::uint32_t i = a * 16 + b;
            t[0][i] = std::uint32_t{kSbox[1][a]} << 15 | std::uint32_t{kSbox[0][b]} << 11;
            t[1][i] = std::uint32_t{kSbox[3][a]} << 23 | std::uint32_t{kSbox[2][b]} << 19;
            t[2][i] = bytes::rotr(kSbox[5][a], 1) | std::uint32_t{kSbox[4][b]} << 27;
            t[3][i] = std::uint32_t{kSbox[7][a]} << 7 | std::uint32_t{kSbox[6][b]} << 3;
        }
    }
    return t;
}
constexpr Tables kTables = makeTables();

[[gnu::always_inline]] inline std::uint32_t cipherRound(std::uint32_t x) {
    return kTables[0][x & 0xff] ^ kTables[1][(x >> 8) & 0xff] ^ kTables[2][(x >> 16) & 0xff] ^
           kTables[3][x >> 24];
}

// Subkey of round R: k0..k7 three times, then k7..k0.
constexpr int subkey(int r) {
    return r < 24 ? r % 8 : 7 - r % 8;
}

// One round on all four 64-bit parts at once: the four encryptions are independent, so their
// table look-ups overlap instead of waiting on each other.
template <int R>
[[gnu::always_inline]] inline void rounds4(std::uint32_t (&key)[4][8], std::uint32_t* lo,
                                           std::uint32_t* hi) {
    for (int i = 0; i < 4; ++i) {
        if constexpr (R % 2 == 0) {
            hi[i] ^= cipherRound(lo[i] + key[i][subkey(R)]);
        } else {
            lo[i] ^= cipherRound(hi[i] + key[i][subkey(R)]);
        }
    }
}

template <std::size_t... R>
[[gnu::always_inline]] inline void encrypt4(std::uint32_t (&key)[4][8], std::uint32_t* lo,
                                            std::uint32_t* hi, std::index_sequence<R...>) {
    (rounds4<static_cast<int>(R)>(key, lo, hi), ...);
}

// C3 of the key generation, least significant word first (C2 and C4 are zero).
constexpr std::uint32_t kC3[8] = {0xff00ff00, 0xff00ff00, 0x00ff00ff, 0x00ff00ff,
                                  0x00ffff00, 0xff0000ff, 0x000000ff, 0xff00ffff};

// A(Y) for Y = y4 | y3 | y2 | y1 (64-bit parts, y1 least significant): (y1 ^ y2) | y4 | y3 | y2.
inline void transformA(std::uint32_t* y) {
    const std::uint32_t x0 = y[0] ^ y[2], x1 = y[1] ^ y[3];
    std::memmove(y, y + 2, 6 * sizeof *y);
    y[6] = x0;
    y[7] = x1;
}

// P: byte i + 4k of the key is byte 8i + k of W (k = 0..7, i = 0..3).
inline void transformP(const std::uint32_t* w, std::uint32_t* key) {
    for (int k = 0; k < 8; ++k) {
        const int word = k / 4, shift = 8 * (k % 4);
        key[k] = ((w[word] >> shift) & 0xff) | ((w[word + 2] >> shift) & 0xff) << 8 |
                 ((w[word + 4] >> shift) & 0xff) << 16 | ((w[word + 6] >> shift) & 0xff) << 24;
    }
}

// The output shuffle psi(Y) = (y1 ^ y2 ^ y3 ^ y4 ^ y13 ^ y16) | y16 | ... | y2 on sixteen 16-bit
// words is linear, so its powers are fixed sums: each word of psi^12 and psi^61 below is the xor
// of the input words found by applying psi to symbolic inputs that many times.
void psi12(const std::uint16_t* y, std::uint16_t* out) {
    out[0] = static_cast<std::uint16_t>(y[12]);
    out[1] = static_cast<std::uint16_t>(y[13]);
    out[2] = static_cast<std::uint16_t>(y[14]);
    out[3] = static_cast<std::uint16_t>(y[15]);
    out[4] = static_cast<std::uint16_t>(y[0] ^ y[1] ^ y[2] ^ y[3] ^ y[12] ^ y[15]);
    out[5] = static_cast<std::uint16_t>(y[0] ^ y[4] ^ y[12] ^ y[13] ^ y[15]);
    out[6] = static_cast<std::uint16_t>(y[0] ^ y[2] ^ y[3] ^ y[5] ^ y[12] ^ y[13] ^ y[14] ^ y[15]);
    out[7] = static_cast<std::uint16_t>(y[0] ^ y[2] ^ y[4] ^ y[6] ^ y[12] ^ y[13] ^ y[14]);
    out[8] = static_cast<std::uint16_t>(y[1] ^ y[3] ^ y[5] ^ y[7] ^ y[13] ^ y[14] ^ y[15]);
    out[9] = static_cast<std::uint16_t>(y[0] ^ y[1] ^ y[3] ^ y[4] ^ y[6] ^ y[8] ^ y[12] ^ y[14]);
    out[10] = static_cast<std::uint16_t>(y[1] ^ y[2] ^ y[4] ^ y[5] ^ y[7] ^ y[9] ^ y[13] ^ y[15]);
    out[11] = static_cast<std::uint16_t>(y[0] ^ y[1] ^ y[5] ^ y[6] ^ y[8] ^ y[10] ^ y[12] ^ y[14] ^
                                         y[15]);
    out[12] = static_cast<std::uint16_t>(y[0] ^ y[3] ^ y[6] ^ y[7] ^ y[9] ^ y[11] ^ y[12] ^ y[13]);
    out[13] = static_cast<std::uint16_t>(y[1] ^ y[4] ^ y[7] ^ y[8] ^ y[10] ^ y[12] ^ y[13] ^ y[14]);
    out[14] = static_cast<std::uint16_t>(y[2] ^ y[5] ^ y[8] ^ y[9] ^ y[11] ^ y[13] ^ y[14] ^ y[15]);
    out[15] = static_cast<std::uint16_t>(y[0] ^ y[1] ^ y[2] ^ y[6] ^ y[9] ^ y[10] ^ y[14]);
}

void psi61(const std::uint16_t* y, std::uint16_t* out) {
    out[0] = static_cast<std::uint16_t>(y[1] ^ y[3] ^ y[7] ^ y[10] ^ y[11] ^ y[13] ^ y[14] ^ y[15]);
    out[1] = static_cast<std::uint16_t>(y[0] ^ y[1] ^ y[3] ^ y[4] ^ y[8] ^ y[11] ^ y[14]);
    out[2] = static_cast<std::uint16_t>(y[1] ^ y[2] ^ y[4] ^ y[5] ^ y[9] ^ y[12] ^ y[15]);
    out[3] = static_cast<std::uint16_t>(y[0] ^ y[1] ^ y[5] ^ y[6] ^ y[10] ^ y[12] ^ y[13] ^ y[15]);
    out[4] = static_cast<std::uint16_t>(y[0] ^ y[3] ^ y[6] ^ y[7] ^ y[11] ^ y[12] ^ y[13] ^ y[14] ^
                                        y[15]);
    out[5] = static_cast<std::uint16_t>(y[0] ^ y[2] ^ y[3] ^ y[4] ^ y[7] ^ y[8] ^ y[13] ^ y[14]);
    out[6] = static_cast<std::uint16_t>(y[1] ^ y[3] ^ y[4] ^ y[5] ^ y[8] ^ y[9] ^ y[14] ^ y[15]);
    out[7] =
        static_cast<std::uint16_t>(y[0] ^ y[1] ^ y[3] ^ y[4] ^ y[5] ^ y[6] ^ y[9] ^ y[10] ^ y[12]);
    out[8] =
        static_cast<std::uint16_t>(y[1] ^ y[2] ^ y[4] ^ y[5] ^ y[6] ^ y[7] ^ y[10] ^ y[11] ^ y[13]);
    out[9] =
        static_cast<std::uint16_t>(y[2] ^ y[3] ^ y[5] ^ y[6] ^ y[7] ^ y[8] ^ y[11] ^ y[12] ^ y[14]);
    out[10] =
        static_cast<std::uint16_t>(y[3] ^ y[4] ^ y[6] ^ y[7] ^ y[8] ^ y[9] ^ y[12] ^ y[13] ^ y[15]);
    out[11] = static_cast<std::uint16_t>(y[0] ^ y[1] ^ y[2] ^ y[3] ^ y[4] ^ y[5] ^ y[7] ^ y[8] ^
                                         y[9] ^ y[10] ^ y[12] ^ y[13] ^ y[14] ^ y[15]);
    out[12] = static_cast<std::uint16_t>(y[0] ^ y[4] ^ y[5] ^ y[6] ^ y[8] ^ y[9] ^ y[10] ^ y[11] ^
                                         y[12] ^ y[13] ^ y[14]);
    out[13] = static_cast<std::uint16_t>(y[1] ^ y[5] ^ y[6] ^ y[7] ^ y[9] ^ y[10] ^ y[11] ^ y[12] ^
                                         y[13] ^ y[14] ^ y[15]);
    out[14] = static_cast<std::uint16_t>(y[0] ^ y[1] ^ y[3] ^ y[6] ^ y[7] ^ y[8] ^ y[10] ^ y[11] ^
                                         y[13] ^ y[14]);
    out[15] = static_cast<std::uint16_t>(y[1] ^ y[2] ^ y[4] ^ y[7] ^ y[8] ^ y[9] ^ y[11] ^ y[12] ^
                                         y[14] ^ y[15]);
}

void psi1(std::uint16_t* y) {
    const std::uint16_t top = y[0] ^ y[1] ^ y[2] ^ y[3] ^ y[12] ^ y[15];
    std::memmove(y, y + 1, 15 * sizeof *y);
    y[15] = top;
}

// The step function f(H, M): key generation, four encryptions of the parts of H, and the
// output shuffle psi^61(H ^ psi(M ^ psi^12(S))).
void stepFunction(std::uint32_t* h, const std::uint32_t* m) {
    std::uint32_t key[4][8];
    std::uint32_t u[8], v[8], w[8];
    std::memcpy(u, h, sizeof u);
    std::memcpy(v, m, sizeof v);
    for (int j = 0; j < 4; ++j) {
        if (j > 0) {
            transformA(u);
            if (j == 2) {
                for (int i = 0; i < 8; ++i) u[i] ^= kC3[i];
            }
            transformA(v);
            transformA(v);
        }
        for (int i = 0; i < 8; ++i) w[i] = u[i] ^ v[i];
        transformP(w, key[j]);
    }
    // Part j of H is h[2j] (low half) and h[2j + 1]; each is encrypted with key j.
    std::uint32_t lo[4], hi[4];
    for (int j = 0; j < 4; ++j) {
        lo[j] = h[2 * j];
        hi[j] = h[2 * j + 1];
    }
    encrypt4(key, lo, hi, std::make_index_sequence<32>());
    std::uint32_t s[8];
    for (int j = 0; j < 4; ++j) {  // the cipher ends without the last swap
        s[2 * j] = hi[j];
        s[2 * j + 1] = lo[j];
    }

    std::uint16_t s16[16], t16[16], m16[16], h16[16];
    std::memcpy(s16, s, sizeof s16);
    std::memcpy(m16, m, sizeof m16);
    std::memcpy(h16, h, sizeof h16);
    psi12(s16, t16);
    for (int i = 0; i < 16; ++i) t16[i] ^= m16[i];
    psi1(t16);
    for (int i = 0; i < 16; ++i) t16[i] ^= h16[i];
    psi61(t16, s16);
    std::memcpy(h, s16, 32);
}

}  // namespace

Gost::Gost() {
    reset();
}

Gost* Gost::prototype() {
    static Gost instance;
    return &instance;
}

void Gost::reset() {
    std::memset(sum_, 0, sizeof sum_);
    std::memset(hash_, 0, sizeof hash_);
    std::memset(length_, 0, sizeof length_);
    std::memset(partial_, 0, sizeof partial_);
    partialCount_ = 0;
}

void Gost::blockStep(const std::uint8_t* block, std::uint32_t bits) {
    std::uint32_t m[8];
    std::uint64_t carry = 0;
    for (int i = 0; i < 8; ++i) {
        m[i] = bytes::loadLe32(block + 4 * i);
        carry += std::uint64_t{sum_[i]} + m[i];
        sum_[i] = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    stepFunction(hash_, m);
    const std::uint64_t count = (std::uint64_t{length_[1]} << 32 | length_[0]) + bits;
    length_[0] = static_cast<std::uint32_t>(count);
    length_[1] = static_cast<std::uint32_t>(count >> 32);
}

void Gost::update(const void* data, std::uint32_t length) {
    if (length == 0) return;
    const auto* p = static_cast<const std::uint8_t*>(data);
    // 1. Fill the partial block.
    const std::uint32_t take = std::min<std::uint32_t>(32 - partialCount_, length);
    std::memcpy(partial_ + partialCount_, p, take);
    partialCount_ += static_cast<std::int32_t>(take);
    p += take;
    length -= take;
    if (length == 0) return;
    // 2. A full partial block with more input behind it is a message block; so is every
    // further 32-byte run while more than 32 bytes remain.
    blockStep(partial_, 256);
    for (; length > 32; length -= 32, p += 32) blockStep(p, 256);
    // 3. Keep the rest (1 to 32 bytes): a last full block waits for more input or finish.
    std::memcpy(partial_, p, length);
    partialCount_ = static_cast<std::int32_t>(length);
}

void Gost::finish(void* out) {
    if (partialCount_) {
        std::memset(partial_ + partialCount_, 0, 32 - partialCount_);
        blockStep(partial_, 8 * static_cast<std::uint32_t>(partialCount_));
        partialCount_ = 0;
    }
    stepFunction(hash_, length_);
    stepFunction(hash_, sum_);
    std::uint8_t* target = result_.target(out);
    for (int i = 0; i < 8; ++i) bytes::storeLe32(target + 4 * i, hash_[i]);
}

}  // namespace s::digest::gost
