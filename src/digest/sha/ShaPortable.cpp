// Portable SHA-1, SHA-256 and SHA-512 compressions (FIPS 180-2, sections 6.1 to 6.3). The rounds
// are generated at compile time over a rolling 16-word message schedule, so each compression is
// straight-line code; SHA-384/512 use native 64-bit words.
#include <utility>

#include "digest/Bytes.h"
#include "digest/sha/Sha512Constants.h"
#include "digest/sha/ShaBlocks.h"

namespace s::digest::sha::blocks {

namespace {

using bytes::rotl;
using bytes::rotr;
using bytes::rotr64;

// ---- SHA-1 ----

// Round i: T = (a <<< 5) + f(b, c, d) + e + K + W[i]; (a, b, c, d, e) <- (T, a, b <<< 30, c, d).
// From round 16 on, W[i] = (W[i-3] ^ W[i-8] ^ W[i-14] ^ W[i-16]) <<< 1, kept in w[i mod 16].
template <int I>
[[gnu::always_inline]] inline void sha1Round(std::uint32_t& a, std::uint32_t& b, std::uint32_t& c,
                                             std::uint32_t& d, std::uint32_t& e, std::uint32_t* w) {
    if constexpr (I >= 16) {
        w[I & 15] = rotl(w[(I - 3) & 15] ^ w[(I - 8) & 15] ^ w[(I - 14) & 15] ^ w[I & 15], 1);
    }
    std::uint32_t t = e + w[I & 15];
    if constexpr (I < 20) {
        t += 0x5a827999u + (d ^ (b & (c ^ d)));  // Ch
    } else if constexpr (I < 40) {
        t += 0x6ed9eba1u + (b ^ c ^ d);  // Parity
    } else if constexpr (I < 60) {
        t += 0x8f1bbcdcu + ((b & c) | (d & (b | c)));  // Maj
    } else {
        t += 0xca62c1d6u + (b ^ c ^ d);  // Parity
    }
    t += rotl(a, 5);
    e = d;
    d = c;
    c = rotl(b, 30);
    b = a;
    a = t;
}

template <std::size_t... I>
[[gnu::always_inline]] inline void sha1Rounds(std::uint32_t* v, std::uint32_t* w,
                                              std::index_sequence<I...>) {
    std::uint32_t a = v[0], b = v[1], c = v[2], d = v[3], e = v[4];
    (sha1Round<I>(a, b, c, d, e, w), ...);
    v[0] = a;
    v[1] = b;
    v[2] = c;
    v[3] = d;
    v[4] = e;
}

// ---- SHA-256 ----

constexpr std::uint32_t kK256[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

// The state is rotated by renaming: v[(k - I) mod 8] is the k-th working variable (a..h) of
// round I, so only d and h are written per round.
template <int I, class Word, int Rounds, class Schedule, class Sigma>
[[gnu::always_inline]] inline void sha2Round(Word* v, Word* w, const Word* k, Schedule schedule,
                                             Sigma sigma) {
    constexpr int a = (0 - I) & 7, b = (1 - I) & 7, c = (2 - I) & 7, d = (3 - I) & 7;
    constexpr int e = (4 - I) & 7, f = (5 - I) & 7, g = (6 - I) & 7, h = (7 - I) & 7;
    if constexpr (I >= 16) {
        w[I & 15] += schedule(w[(I - 2) & 15], w[(I - 15) & 15]) + w[(I - 7) & 15];
    }
    const Word t1 = v[h] + sigma.big1(v[e]) + (v[g] ^ (v[e] & (v[f] ^ v[g]))) + k[I] + w[I & 15];
    const Word t2 = sigma.big0(v[a]) + ((v[a] & v[b]) | (v[c] & (v[a] | v[b])));
    v[d] += t1;
    v[h] = t1 + t2;
}

struct Sigma256 {
    static std::uint32_t big0(std::uint32_t x) { return rotr(x, 2) ^ rotr(x, 13) ^ rotr(x, 22); }
    static std::uint32_t big1(std::uint32_t x) { return rotr(x, 6) ^ rotr(x, 11) ^ rotr(x, 25); }
};
struct Sigma512 {
    static std::uint64_t big0(std::uint64_t x) {
        return rotr64(x, 28) ^ rotr64(x, 34) ^ rotr64(x, 39);
    }
    static std::uint64_t big1(std::uint64_t x) {
        return rotr64(x, 14) ^ rotr64(x, 18) ^ rotr64(x, 41);
    }
};

// sigma1(W[i-2]) + sigma0(W[i-15]); the caller adds W[i-7] and W[i-16] (already in the slot).
inline std::uint32_t schedule256(std::uint32_t w2, std::uint32_t w15) {
    return (rotr(w2, 17) ^ rotr(w2, 19) ^ (w2 >> 10)) + (rotr(w15, 7) ^ rotr(w15, 18) ^ (w15 >> 3));
}
inline std::uint64_t schedule512(std::uint64_t w2, std::uint64_t w15) {
    return (rotr64(w2, 19) ^ rotr64(w2, 61) ^ (w2 >> 6)) +
           (rotr64(w15, 1) ^ rotr64(w15, 8) ^ (w15 >> 7));
}

template <class Word, class Sigma, class Schedule, std::size_t... I>
[[gnu::always_inline]] inline void sha2Rounds(Word* v, Word* w, const Word* k, Schedule schedule,
                                              std::index_sequence<I...>) {
    (sha2Round<static_cast<int>(I), Word, sizeof...(I)>(v, w, k, schedule, Sigma{}), ...);
}

}  // namespace

void sha1Portable(std::uint32_t* state, const std::uint8_t* data, std::size_t count) {
    for (; count; --count, data += 64) {
        std::uint32_t w[16];
        for (int j = 0; j < 16; ++j) w[j] = bytes::loadBe32(data + 4 * j);
        std::uint32_t v[5] = {state[0], state[1], state[2], state[3], state[4]};
        sha1Rounds(v, w, std::make_index_sequence<80>());
        for (int j = 0; j < 5; ++j) state[j] += v[j];
    }
}

void sha256Portable(std::uint32_t* state, const std::uint8_t* data, std::size_t count) {
    for (; count; --count, data += 64) {
        std::uint32_t w[16];
        for (int j = 0; j < 16; ++j) w[j] = bytes::loadBe32(data + 4 * j);
        std::uint32_t v[8];
        for (int j = 0; j < 8; ++j) v[j] = state[j];
        sha2Rounds<std::uint32_t, Sigma256>(v, w, kK256, schedule256,
                                            std::make_index_sequence<64>());
        for (int j = 0; j < 8; ++j) state[j] += v[j];
    }
}

void sha512(std::uint64_t* state, const std::uint8_t* data, std::size_t count) {
    for (; count; --count, data += 128) {
        std::uint64_t w[16];
        for (int j = 0; j < 16; ++j) w[j] = bytes::loadBe64(data + 8 * j);
        std::uint64_t v[8];
        for (int j = 0; j < 8; ++j) v[j] = state[j];
        sha2Rounds<std::uint64_t, Sigma512>(v, w, kK512, schedule512,
                                            std::make_index_sequence<80>());
        for (int j = 0; j < 8; ++j) state[j] += v[j];
    }
}

}  // namespace s::digest::sha::blocks
