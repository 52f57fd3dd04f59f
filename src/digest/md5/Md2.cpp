// MD2 (RFC 1319, with the checksum rule as corrected in its errata).
#include "digest/md5/Md2.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace s::digest::md5 {

namespace {

// A permutation of 0..255 made from the digits of pi (RFC 1319, section 3.2): starting from
// the identity, for i = 2..256 swap S[i - 1] with S[r], r a number below i drawn from the next
// one to three decimal digits of pi (draws that would bias the result are skipped).
constexpr std::uint8_t kS[256] = {
    41,  46,  67,  201, 162, 216, 124, 1,   61,  54,  84,  161, 236, 240, 6,   19,  98,  167, 5,
    243, 192, 199, 115, 140, 152, 147, 43,  217, 188, 76,  130, 202, 30,  155, 87,  60,  253, 212,
    224, 22,  103, 66,  111, 24,  138, 23,  229, 18,  190, 78,  196, 214, 218, 158, 222, 73,  160,
    251, 245, 142, 187, 47,  238, 122, 169, 104, 121, 145, 21,  178, 7,   63,  148, 194, 16,  137,
    11,  34,  95,  33,  128, 127, 93,  154, 90,  144, 50,  39,  53,  62,  204, 231, 191, 247, 151,
    3,   255, 25,  48,  179, 72,  165, 181, 209, 215, 94,  146, 42,  172, 86,  170, 198, 79,  184,
    56,  210, 150, 164, 125, 182, 118, 252, 107, 226, 156, 116, 4,   241, 69,  157, 112, 89,  100,
    113, 135, 32,  134, 91,  207, 101, 230, 45,  168, 2,   27,  96,  37,  173, 174, 176, 185, 246,
    28,  70,  97,  105, 52,  64,  126, 15,  85,  71,  163, 35,  221, 81,  175, 58,  195, 92,  249,
    206, 186, 197, 234, 38,  44,  83,  13,  110, 133, 40,  132, 9,   211, 223, 205, 244, 65,  129,
    77,  82,  106, 220, 55,  200, 108, 193, 171, 250, 36,  225, 123, 8,   12,  189, 177, 74,  120,
    136, 149, 139, 227, 99,  232, 109, 233, 203, 213, 254, 59,  0,   29,  57,  242, 239, 183, 14,
    102, 88,  208, 228, 166, 119, 114, 248, 235, 117, 75,  10,  49,  68,  80,  180, 143, 237, 31,
    26,  219, 153, 141, 51,  159, 17,  131, 20};

constexpr int kRounds = 18;

// The chain through t is the whole cost of MD2 (864 dependent steps per block), so each step
// is made one load and one xor. A byte x is carried as the address P(x) = base + 8x of its
// entry in a table of 8 * S[x], aligned so that P(x) = base | 8x; then
// P(X[k] ^ S[t]) = P(X[k]) ^ table[t], which is the value loaded from P(t) xored in.
using Entries = std::array<std::uint64_t, 256>;
alignas(2048) constexpr Entries kS8 = [] {
    Entries t{};
    for (int i = 0; i < 256; ++i) t[i] = std::uint64_t{kS[i]} << 3;
    return t;
}();
constexpr std::uintptr_t kAddressBits = 2047;

// One pass over the 48 state bytes in address form: X[k] ^= S[t], t = X[k]. Reads one array and
// writes the other, so t never goes through memory.
template <std::size_t... K>
[[gnu::always_inline]] inline std::uintptr_t pass(const std::uintptr_t* in, std::uintptr_t* out,
                                                  std::uintptr_t p, std::index_sequence<K...>) {
    ((p = in[K] ^ *reinterpret_cast<const std::uint64_t*>(p), out[K] = p), ...);
    return p;
}

}  // namespace

Md2::Md2() {
    reset();
}

Md2* Md2::prototype() {
    static Md2 instance;
    return &instance;
}

void Md2::reset() {
    std::memset(x_, 0, sizeof x_);
    std::memset(checksum_, 0, sizeof checksum_);
    std::memset(buffer_, 0, sizeof buffer_);
    buffered_ = 0;
}

void Md2::compress(const std::uint8_t* block) {
    // X[16..31] = M, X[32..47] = M xor X[0..15]; the checksum chains through its last byte.
    std::uint8_t last = checksum_[15];
    for (int j = 0; j < 16; ++j) {
        x_[16 + j] = block[j];
        x_[32 + j] = block[j] ^ x_[j];
        last = checksum_[j] ^= kS[block[j] ^ last];
    }
    const auto base = reinterpret_cast<std::uintptr_t>(kS8.data());
    std::uintptr_t a[48], b[48];
    for (int k = 0; k < 48; ++k) a[k] = base | std::uintptr_t{x_[k]} << 3;
    std::uintptr_t p = base;  // t = 0
    // 18 rounds; after round r, t = (t + r) mod 256.
    for (std::uintptr_t round = 0; round < kRounds; round += 2) {
        p = pass(a, b, p, std::make_index_sequence<48>());
        p = base | ((p + 8 * round) & kAddressBits);
        p = pass(b, a, p, std::make_index_sequence<48>());
        p = base | ((p + 8 * (round + 1)) & kAddressBits);
    }
    for (int k = 0; k < 48; ++k) x_[k] = static_cast<std::uint8_t>(a[k] >> 3);
}

void Md2::update(const void* data, std::uint32_t length) {
    if (length == 0) return;
    const auto* p = static_cast<const std::uint8_t*>(data);
    if (buffered_) {
        const std::uint32_t take = std::min<std::uint32_t>(16 - buffered_, length);
        std::memcpy(buffer_ + buffered_, p, take);
        buffered_ += take;
        p += take;
        length -= take;
        if (buffered_ < 16) return;
        compress(buffer_);
        buffered_ = 0;
    }
    for (; length >= 16; length -= 16, p += 16) compress(p);
    if (length) std::memcpy(buffer_, p, length);
    buffered_ = static_cast<std::int32_t>(length);
}

void Md2::finish(void* out) {
    // Pad with n bytes of value n (1 to 16), then append the checksum.
    const std::uint8_t n = static_cast<std::uint8_t>(16 - buffered_);
    std::memset(buffer_ + buffered_, n, n);
    compress(buffer_);
    std::uint8_t checksum[16];
    std::memcpy(checksum, checksum_, sizeof checksum);
    compress(checksum);
    buffered_ = 0;
    std::memcpy(result_.target(out), x_, 16);
}

}  // namespace s::digest::md5
