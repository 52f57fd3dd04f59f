// SHA-512 compression for processors with AVX-512VL (single-instruction rotates and three-way xor),
// AVX2 and BMI2.
#include "digest/sha/ShaBlocks.h"

#if defined(__x86_64__)

// Every header is read before the target is set: an inline function of a shared header
// compiled here with vector instructions could otherwise be the copy the linker keeps for the
// portable code too.
#include <immintrin.h>

#include <bit>
#include <cstddef>
#include <cstdint>

#include "digest/sha/Sha512Constants.h"

#pragma GCC push_options
#pragma GCC target("avx2,bmi,bmi2,avx512f,avx512vl")

namespace s::digest::sha::blocks {
namespace {
constexpr bool kWideRotates = true;
}  // namespace
}  // namespace s::digest::sha::blocks

#include "digest/sha/Sha512VectorBody.h"

namespace s::digest::sha::blocks {

void sha512Avx512(std::uint64_t* state, const std::uint8_t* data, std::size_t count) {
    sha512Vector(state, data, count);
}

}  // namespace s::digest::sha::blocks

#pragma GCC pop_options

#else

namespace s::digest::sha::blocks {

void sha512Avx512(std::uint64_t* state, const std::uint8_t* data, std::size_t count) {
    sha512(state, data, count);
}

}  // namespace s::digest::sha::blocks

#endif
