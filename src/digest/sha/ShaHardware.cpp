// SHA-1 and SHA-256 compressions with the x86 SHA extensions. Compiled for those instructions
// only in these functions; ShaBase calls them after shaInstructionsAvailable() said yes.
#include "digest/sha/ShaBlocks.h"

#if defined(__x86_64__) || defined(__i386__)

#include <cpuid.h>
#include <immintrin.h>

#include <utility>

namespace s::digest::sha::blocks {

namespace {

#define SHA_TARGET __attribute__((target("sha,sse4.1,ssse3")))

alignas(16) constexpr std::uint32_t kK256[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

// SHA-1: twenty groups of four rounds. Group g uses message vector m[g mod 4]; the schedule for
// later groups is built alongside with sha1msg1 (from group 1), an xor (from group 2) and
// sha1msg2 (from group 3), each on the vector the group after next needs.
template <int G>
[[gnu::always_inline]] SHA_TARGET inline void sha1Group(__m128i& abcd, __m128i& e0, __m128i& e1,
                                                        __m128i* m) {
    __m128i& eIn = (G % 2 == 0) ? e0 : e1;
    __m128i& eOut = (G % 2 == 0) ? e1 : e0;
    if constexpr (G == 0) {
        eIn = _mm_add_epi32(eIn, m[0]);
    } else {
        eIn = _mm_sha1nexte_epu32(eIn, m[G % 4]);
    }
    eOut = abcd;
    if constexpr (G >= 3 && G <= 18) m[(G + 1) % 4] = _mm_sha1msg2_epu32(m[(G + 1) % 4], m[G % 4]);
    abcd = _mm_sha1rnds4_epu32(abcd, eIn, G / 5);
    if constexpr (G >= 1 && G <= 16) m[(G + 3) % 4] = _mm_sha1msg1_epu32(m[(G + 3) % 4], m[G % 4]);
    if constexpr (G >= 2 && G <= 17) m[(G + 2) % 4] = _mm_xor_si128(m[(G + 2) % 4], m[G % 4]);
}

template <std::size_t... G>
[[gnu::always_inline]] SHA_TARGET inline void sha1Groups(__m128i& abcd, __m128i& e0, __m128i& e1,
                                                         __m128i* m, std::index_sequence<G...>) {
    (sha1Group<static_cast<int>(G)>(abcd, e0, e1, m), ...);
}

// SHA-256: sixteen groups of four rounds (two sha256rnds2 each) on the state halves ABEF and
// CDGH; the schedule runs with sha256msg1 (groups 1..12) and alignr + add + sha256msg2
// (groups 3..14).
template <int G>
[[gnu::always_inline]] SHA_TARGET inline void sha256Group(__m128i& s0, __m128i& s1, __m128i* m) {
    __m128i msg =
        _mm_add_epi32(m[G % 4], _mm_load_si128(reinterpret_cast<const __m128i*>(kK256 + 4 * G)));
    s1 = _mm_sha256rnds2_epu32(s1, s0, msg);
    if constexpr (G >= 3 && G <= 14) {
        const __m128i t = _mm_alignr_epi8(m[G % 4], m[(G + 3) % 4], 4);
        m[(G + 1) % 4] = _mm_sha256msg2_epu32(_mm_add_epi32(m[(G + 1) % 4], t), m[G % 4]);
    }
    msg = _mm_shuffle_epi32(msg, 0x0e);
    s0 = _mm_sha256rnds2_epu32(s0, s1, msg);
    if constexpr (G >= 1 && G <= 12)
        m[(G + 3) % 4] = _mm_sha256msg1_epu32(m[(G + 3) % 4], m[G % 4]);
}

template <std::size_t... G>
[[gnu::always_inline]] SHA_TARGET inline void sha256Groups(__m128i& s0, __m128i& s1, __m128i* m,
                                                           std::index_sequence<G...>) {
    (sha256Group<static_cast<int>(G)>(s0, s1, m), ...);
}

}  // namespace

bool shaInstructionsAvailable() {
    unsigned a, b, c, d;
    if (!__get_cpuid(1, &a, &b, &c, &d)) return false;
    const bool ssse3 = c & bit_SSSE3, sse41 = c & bit_SSE4_1;
    if (!__get_cpuid_count(7, 0, &a, &b, &c, &d)) return false;
    return ssse3 && sse41 && (b & bit_SHA);
}

bool avx2Available() {
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
           __builtin_cpu_supports("bmi2");
}

bool avx512Available() {
    return avx2Available() && __builtin_cpu_supports("avx512f") &&
           __builtin_cpu_supports("avx512vl");
}

SHA_TARGET void sha1Hardware(std::uint32_t* state, const std::uint8_t* data, std::size_t count) {
    // Words are big-endian in the block and A sits in the top lane of abcd.
    const __m128i byteSwap = _mm_set_epi64x(0x0001020304050607LL, 0x08090a0b0c0d0e0fLL);
    __m128i abcd =
        _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0x1b);
    __m128i e0 = _mm_set_epi32(static_cast<int>(state[4]), 0, 0, 0);
    __m128i e1;
    for (; count; --count, data += 64) {
        const __m128i abcdSaved = abcd, eSaved = e0;
        __m128i m[4];
        for (int j = 0; j < 4; ++j) {
            m[j] = _mm_shuffle_epi8(
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * j)), byteSwap);
        }
        sha1Groups(abcd, e0, e1, m, std::make_index_sequence<20>());
        e0 = _mm_sha1nexte_epu32(e0, eSaved);
        abcd = _mm_add_epi32(abcd, abcdSaved);
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_shuffle_epi32(abcd, 0x1b));
    state[4] = static_cast<std::uint32_t>(_mm_extract_epi32(e0, 3));
}

SHA_TARGET void sha256Hardware(std::uint32_t* state, const std::uint8_t* data, std::size_t count) {
    const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bLL, 0x0405060700010203LL);
    // Rearrange A..H into the ABEF / CDGH halves the instructions work on.
    __m128i t = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0xb1);
    __m128i s1 =
        _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state + 4)), 0x1b);
    __m128i s0 = _mm_alignr_epi8(t, s1, 8);
    s1 = _mm_blend_epi16(s1, t, 0xf0);
    for (; count; --count, data += 64) {
        const __m128i s0Saved = s0, s1Saved = s1;
        __m128i m[4];
        for (int j = 0; j < 4; ++j) {
            m[j] = _mm_shuffle_epi8(
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * j)), byteSwap);
        }
        sha256Groups(s0, s1, m, std::make_index_sequence<16>());
        s0 = _mm_add_epi32(s0, s0Saved);
        s1 = _mm_add_epi32(s1, s1Saved);
    }
    t = _mm_shuffle_epi32(s0, 0x1b);
    s1 = _mm_shuffle_epi32(s1, 0xb1);
    s0 = _mm_blend_epi16(t, s1, 0xf0);
    s1 = _mm_alignr_epi8(s1, t, 8);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), s0);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state + 4), s1);
}

}  // namespace s::digest::sha::blocks

#else

namespace s::digest::sha::blocks {

bool shaInstructionsAvailable() {
    return false;
}
void sha1Hardware(std::uint32_t* state, const std::uint8_t* data, std::size_t count) {
    sha1Portable(state, data, count);
}
void sha256Hardware(std::uint32_t* state, const std::uint8_t* data, std::size_t count) {
    sha256Portable(state, data, count);
}

}  // namespace s::digest::sha::blocks

#endif
