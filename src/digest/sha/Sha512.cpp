// SHA-512 (FIPS 180-2): the variant's initial hash value; ShaBase does the rest.
#include "digest/sha/Sha512.h"

namespace s::digest::sha {

namespace {

// Initial hash value, FIPS 180-2 section 5.3.4: the first 64 bits of the fractional parts of the
// square roots of the first eight primes.
constexpr std::uint64_t kInitial[8] = {0x6a09e667f3bcc908, 0xbb67ae8584caa73b, 0x3c6ef372fe94f82b,
                                       0xa54ff53a5f1d36f1, 0x510e527fade682d1, 0x9b05688c2b3e6c1f,
                                       0x1f83d9abfb41bd6b, 0x5be0cd19137e2179};

}  // namespace

Sha512::Sha512() : ShaBase(kSha512, 64) {
    reset();
}

Sha512* Sha512::prototype() {
    static Sha512 instance;
    return &instance;
}

void Sha512::reset() {
    resetState(kInitial);
}

}  // namespace s::digest::sha
