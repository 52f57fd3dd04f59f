// SHA-512 compression for processors with AVX2 and BMI2.
#include "digest/sha/ShaBlocks.h"

#if defined(__x86_64__)

#pragma GCC target("avx2,bmi,bmi2")

namespace s::digest::sha::blocks {
namespace {
constexpr bool kWideRotates = false;
}  // namespace
}  // namespace s::digest::sha::blocks

#include "digest/sha/Sha512VectorBody.h"

namespace s::digest::sha::blocks {

void sha512Avx2(std::uint64_t* state, const std::uint8_t* data, std::size_t count) {
    sha512Vector(state, data, count);
}

}  // namespace s::digest::sha::blocks

#else

namespace s::digest::sha::blocks {

void sha512Avx2(std::uint64_t* state, const std::uint8_t* data, std::size_t count) {
    sha512(state, data, count);
}

}  // namespace s::digest::sha::blocks

#endif
