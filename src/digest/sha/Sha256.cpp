// SHA-256 (FIPS 180-2): the variant's initial hash value; ShaBase does the rest.
#include "digest/sha/Sha256.h"

namespace s::digest::sha {

namespace {

// Initial hash value, FIPS 180-2 section 5.3.2: the first 32 bits of the fractional parts of the
// square roots of the first eight primes.
constexpr std::uint32_t kInitial[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                       0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};

}  // namespace

Sha256::Sha256() : ShaBase(kSha256, 32) {
    reset();
}

Sha256* Sha256::prototype() {
    static Sha256 instance;
    return &instance;
}

void Sha256::reset() {
    resetState(kInitial);
}

}  // namespace s::digest::sha
