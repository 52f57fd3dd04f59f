// SHA-512 compression with a vector message schedule, included by Sha512Avx2.cpp and
// Sha512Avx512.cpp after each has set its instruction set with #pragma GCC target and defined
// kWideRotates. The schedule runs sixteen words ahead of the rounds, two words every two rounds,
// so the vector unit works beside the scalar rounds instead of before them.
#pragma once

#include <immintrin.h>

#include <bit>
#include <cstddef>
#include <cstdint>

#include "digest/sha/Sha512Constants.h"

namespace s::digest::sha::blocks {
namespace {

template <int N>
[[gnu::always_inline]] inline __m128i rotateRight(__m128i x) {
    if constexpr (kWideRotates) {
        return _mm_ror_epi64(x, N);
    } else {
        return _mm_or_si128(_mm_srli_epi64(x, N), _mm_slli_epi64(x, 64 - N));
    }
}

[[gnu::always_inline]] inline __m128i xor3(__m128i a, __m128i b, __m128i c) {
    if constexpr (kWideRotates) {
        return _mm_ternarylogic_epi64(a, b, c, 0x96);
    } else {
        return _mm_xor_si128(_mm_xor_si128(a, b), c);
    }
}

// Schedule step on ring slot S: x[S] holds W[j-16], W[j-15] and becomes W[j], W[j+1]
// (W[j] = sigma1(W[j-2]) + W[j-7] + sigma0(W[j-15]) + W[j-16]); wk receives W + K.
template <int S>
[[gnu::always_inline]] inline void schedulePair(__m128i* x, std::uint64_t* wk,
                                                const std::uint64_t* k) {
    const __m128i w15 = _mm_alignr_epi8(x[(S + 1) % 8], x[S], 8);
    const __m128i w7 = _mm_alignr_epi8(x[(S + 5) % 8], x[(S + 4) % 8], 8);
    const __m128i w2 = x[(S + 7) % 8];
    const __m128i s0 = xor3(rotateRight<1>(w15), rotateRight<8>(w15), _mm_srli_epi64(w15, 7));
    const __m128i s1 = xor3(rotateRight<19>(w2), rotateRight<61>(w2), _mm_srli_epi64(w2, 6));
    x[S] = _mm_add_epi64(_mm_add_epi64(x[S], s0), _mm_add_epi64(w7, s1));
    _mm_store_si128(reinterpret_cast<__m128i*>(wk),
                    _mm_add_epi64(x[S], _mm_load_si128(reinterpret_cast<const __m128i*>(k))));
}

// One round; the caller rotates the roles of the eight variables. Ch(e, f, g) is added as
// (e & f) + (~e & g), two disjoint halves, which keeps the chain through e short. The two Sigma
// values are formed first and added last: h + wk and Ch are then summed while the rotations
// run, and only one or two additions follow each Sigma (about 7% faster than adding Sigma1
// into the sum before Maj and Sigma0 were started).
[[gnu::always_inline]] inline void sha512Round(std::uint64_t a, std::uint64_t b, std::uint64_t c,
                                               std::uint64_t& d, std::uint64_t e, std::uint64_t f,
                                               std::uint64_t g, std::uint64_t& h,
                                               std::uint64_t wk) {
    using std::rotr;
    const std::uint64_t s1 = rotr(e, 14) ^ rotr(e, 18) ^ rotr(e, 41);
    const std::uint64_t s0 = rotr(a, 28) ^ rotr(a, 34) ^ rotr(a, 39);
    std::uint64_t t = h + wk;
    t += e & f;
    t += ~e & g;
    const std::uint64_t maj = (a & (b | c)) | (b & c);
    d += t;
    d += s1;
    h = t + s1 + maj + s0;
}

[[gnu::always_inline]] inline void eightRounds(std::uint64_t* v, const std::uint64_t* wk) {
    std::uint64_t &a = v[0], &b = v[1], &c = v[2], &d = v[3], &e = v[4], &f = v[5], &g = v[6],
                  &h = v[7];
    sha512Round(a, b, c, d, e, f, g, h, wk[0]);
    sha512Round(h, a, b, c, d, e, f, g, wk[1]);
    sha512Round(g, h, a, b, c, d, e, f, wk[2]);
    sha512Round(f, g, h, a, b, c, d, e, wk[3]);
    sha512Round(e, f, g, h, a, b, c, d, wk[4]);
    sha512Round(d, e, f, g, h, a, b, c, wk[5]);
    sha512Round(c, d, e, f, g, h, a, b, wk[6]);
    sha512Round(b, c, d, e, f, g, h, a, wk[7]);
}

[[gnu::always_inline]] inline void sha512Vector(std::uint64_t* state, const std::uint8_t* data,
                                                std::size_t count) {
    const __m128i byteSwap = _mm_set_epi64x(0x08090a0b0c0d0e0fLL, 0x0001020304050607LL);
    for (; count; --count, data += 128) {
        alignas(16) std::uint64_t wk[80];
        __m128i x[8];
        for (int j = 0; j < 8; ++j) {
            x[j] = _mm_shuffle_epi8(
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * j)), byteSwap);
            _mm_store_si128(
                reinterpret_cast<__m128i*>(wk + 2 * j),
                _mm_add_epi64(x[j],
                              _mm_load_si128(reinterpret_cast<const __m128i*>(kK512 + 2 * j))));
        }
        std::uint64_t a = state[0], b = state[1], c = state[2], d = state[3], e = state[4],
                      f = state[5], g = state[6], h = state[7];
        // Rounds 0..63, each pair of rounds followed by the schedule step for sixteen words on.
        for (int i = 0; i < 64; i += 16) {
            std::uint64_t* out = wk + i + 16;
            const std::uint64_t* k = kK512 + i + 16;
            sha512Round(a, b, c, d, e, f, g, h, wk[i]);
            sha512Round(h, a, b, c, d, e, f, g, wk[i + 1]);
            schedulePair<0>(x, out, k);
            sha512Round(g, h, a, b, c, d, e, f, wk[i + 2]);
            sha512Round(f, g, h, a, b, c, d, e, wk[i + 3]);
            schedulePair<1>(x, out + 2, k + 2);
            sha512Round(e, f, g, h, a, b, c, d, wk[i + 4]);
            sha512Round(d, e, f, g, h, a, b, c, wk[i + 5]);
            schedulePair<2>(x, out + 4, k + 4);
            sha512Round(c, d, e, f, g, h, a, b, wk[i + 6]);
            sha512Round(b, c, d, e, f, g, h, a, wk[i + 7]);
            schedulePair<3>(x, out + 6, k + 6);
            sha512Round(a, b, c, d, e, f, g, h, wk[i + 8]);
            sha512Round(h, a, b, c, d, e, f, g, wk[i + 9]);
            schedulePair<4>(x, out + 8, k + 8);
            sha512Round(g, h, a, b, c, d, e, f, wk[i + 10]);
            sha512Round(f, g, h, a, b, c, d, e, wk[i + 11]);
            schedulePair<5>(x, out + 10, k + 10);
            sha512Round(e, f, g, h, a, b, c, d, wk[i + 12]);
            sha512Round(d, e, f, g, h, a, b, c, wk[i + 13]);
            schedulePair<6>(x, out + 12, k + 12);
            sha512Round(c, d, e, f, g, h, a, b, wk[i + 14]);
            sha512Round(b, c, d, e, f, g, h, a, wk[i + 15]);
            schedulePair<7>(x, out + 14, k + 14);
        }
        std::uint64_t v[8] = {a, b, c, d, e, f, g, h};
        eightRounds(v, wk + 64);
        eightRounds(v, wk + 72);
        for (int j = 0; j < 8; ++j) state[j] += v[j];
    }
}

}  // namespace
}  // namespace s::digest::sha::blocks
