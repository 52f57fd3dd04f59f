// SHA-1 (FIPS 180-2): the variant's initial hash value; ShaBase does the rest.
#include "digest/sha/Sha160.h"

namespace s::digest::sha {

namespace {

// Initial hash value, FIPS 180-2 section 5.3.1 (the last three words are unused).
constexpr std::uint32_t kInitial[8] = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476,
                                       0xc3d2e1f0, 0,          0,          0};

}  // namespace

Sha160::Sha160() : ShaBase(kSha1, 20) {
    reset();
}

Sha160* Sha160::prototype() {
    static Sha160 instance;
    return &instance;
}

void Sha160::reset() {
    resetState(kInitial);
}

}  // namespace s::digest::sha
