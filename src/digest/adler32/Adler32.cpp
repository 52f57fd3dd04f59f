// Adler-32: on processors with AVX2 a vector loop of its own (about three times ISA-L's speed,
// so that the sums cost little beside reading the file), else ISA-L's vectorised sums; both equal
// zlib's adler32() for any split of the input.
#include "digest/adler32/Adler32.h"

#include <immintrin.h>
#include <isa-l/igzip_lib.h>

namespace s::digest::adler32 {

namespace {

constexpr std::uint32_t kBase = 65521;
// The most bytes between reductions whose sums stay below 2^32 (zlib's NMAX), in whole
// 32-byte strides.
constexpr std::uint32_t kRun = 5536;

#if defined(__x86_64__)
// Per-function target: no header's inline code is compiled for AVX2 in this file.
__attribute__((target("avx2"))) std::uint32_t adlerAvx2(std::uint32_t adler, const std::uint8_t* p,
                                                        std::uint32_t length) {
    std::uint32_t s1 = adler & 0xFFFF;
    std::uint32_t s2 = adler >> 16;
    const __m256i weights =
        _mm256_setr_epi8(32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18, 17, 16, 15, 14,
                         13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1);
    const __m256i ones = _mm256_set1_epi16(1);
    const __m256i zero = _mm256_setzero_si256();
    while (length >= 32) {
        const std::uint32_t run = length < kRun ? length & ~31u : kRun;
        length -= run;
        // Lane sums: s1 in sums, the weighted bytes in weighted, and the s1 before each stride
        // in before (each stride adds 32 times it to s2).
        __m256i sums = _mm256_setr_epi32(static_cast<int>(s1), 0, 0, 0, 0, 0, 0, 0);
        __m256i weighted = _mm256_setr_epi32(static_cast<int>(s2), 0, 0, 0, 0, 0, 0, 0);
        __m256i before = zero;
        for (const std::uint8_t* end = p + run; p < end; p += 32) {
            const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
            before = _mm256_add_epi32(before, sums);
            sums = _mm256_add_epi32(sums, _mm256_sad_epu8(bytes, zero));
            weighted = _mm256_add_epi32(
                weighted, _mm256_madd_epi16(_mm256_maddubs_epi16(bytes, weights), ones));
        }
        weighted = _mm256_add_epi32(weighted, _mm256_slli_epi32(before, 5));
        alignas(32) std::uint32_t a[8], b[8];
        _mm256_store_si256(reinterpret_cast<__m256i*>(a), sums);
        _mm256_store_si256(reinterpret_cast<__m256i*>(b), weighted);
        std::uint64_t t1 = 0, t2 = 0;
        for (int i = 0; i < 8; ++i) t1 += a[i], t2 += b[i];
        s1 = static_cast<std::uint32_t>(t1 % kBase);
        s2 = static_cast<std::uint32_t>(t2 % kBase);
    }
    for (; length; --length) {
        s1 += *p++;
        s2 += s1;
    }
    return (s2 % kBase) << 16 | (s1 % kBase);
}

bool hasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif

}  // namespace

Adler32* Adler32::prototype() {
    static Adler32 instance;
    return &instance;
}

void Adler32::update(const void* data, std::uint32_t length) {
    if (length == 0) return;
    const auto* bytes = static_cast<const unsigned char*>(data);
#if defined(__x86_64__)
    if (hasAvx2()) {
        value_ = adlerAvx2(value_, bytes, length);
        return;
    }
#endif
    value_ = isal_adler32(value_, bytes, length);
}

}  // namespace s::digest::adler32
