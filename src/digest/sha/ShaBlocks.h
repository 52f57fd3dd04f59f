// Block compressions of the SHA family, over whole blocks in place. Internal to the digest
// library; the SHA-1 and SHA-256 ones exist twice (portable and with the processor's SHA
// instructions) and ShaBase picks one at run time.
#pragma once

#include <cstddef>
#include <cstdint>

namespace s::digest::sha::blocks {

using Blocks32 = void (*)(std::uint32_t* state, const std::uint8_t* data, std::size_t count);

void sha1Portable(std::uint32_t* state, const std::uint8_t* data, std::size_t count);
void sha256Portable(std::uint32_t* state, const std::uint8_t* data, std::size_t count);
void sha512(std::uint64_t* state, const std::uint8_t* data, std::size_t count);

// True when the processor has the SHA extensions (and the SSSE3/SSE4.1 they are used with).
bool shaInstructionsAvailable();
// Only call these when shaInstructionsAvailable().
void sha1Hardware(std::uint32_t* state, const std::uint8_t* data, std::size_t count);
void sha256Hardware(std::uint32_t* state, const std::uint8_t* data, std::size_t count);

// SHA-512 with a vector message schedule: AVX2 + BMI1/2, and the same with AVX-512VL.
bool avx2Available();
bool avx512Available();
void sha512Avx2(std::uint64_t* state, const std::uint8_t* data, std::size_t count);
void sha512Avx512(std::uint64_t* state, const std::uint8_t* data, std::size_t count);

}  // namespace s::digest::sha::blocks
