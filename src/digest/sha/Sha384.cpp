// SHA-384 (FIPS 180-2): the variant's initial hash value; ShaBase does the rest.
#include "digest/sha/Sha384.h"

namespace s::digest::sha {

namespace {

// Initial hash value, FIPS 180-2 section 5.3.3: the second 64 bits of the fractional parts of the
// square roots of the ninth to sixteenth primes.
constexpr std::uint64_t kInitial[8] = {0xcbbb9d5dc1059ed8, 0x629a292a367cd507, 0x9159015a3070dd17,
                                       0x152fecd8f70e5939, 0x67332667ffc00b31, 0x8eb44a8768581511,
                                       0xdb0c2e0d64f98fa7, 0x47b5481dbefa4fa4};

}  // namespace

Sha384::Sha384() : ShaBase(kSha384, 48) {
    reset();
}

Sha384* Sha384::prototype() {
    static Sha384 instance;
    return &instance;
}

void Sha384::reset() {
    resetState(kInitial);
}

}  // namespace s::digest::sha
