// The bit counters kept in 32-bit words, across their carries: each digester starts as if a
// large number of blocks had been fed (the counter alone; the chaining state is the initial
// one) and must end like a reference whose counter starts at the same number.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <gtest/gtest.h>
#include <openssl/md4.h>
#include <openssl/md5.h>
#include <openssl/ripemd.h>
#include <openssl/sha.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#ifdef VERITOME_DIGEST_PEERS
#include <nettle/gosthash94.h>
#endif

#include "Digesters.h"

namespace {

using namespace s::digest;
using s::str::strbuffer::StrBuffer;

std::string hexOf(const unsigned char* bytes, std::size_t size) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < size; ++i) {
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 15];
    }
    return out;
}

std::string codeOf(IDigester* d, const std::vector<std::uint8_t>& tail) {
    d->update(tail.data(), static_cast<std::uint32_t>(tail.size()));
    d->finish(nullptr);
    StrBuffer* text = d->toText(nullptr, false);
    std::string out(text->data(), text->data() + text->length());
    text->release();
    d->release();
    return out;
}

// OpenSSL's counters: bits in Nl and Nh.
template <class Ctx>
std::string reference(int (*init)(Ctx*), int (*update)(Ctx*, const void*, std::size_t),
                      int (*final)(unsigned char*, Ctx*), std::size_t size, std::uint64_t low,
                      std::uint64_t high, const std::vector<std::uint8_t>& tail) {
    Ctx c;
    init(&c);
    c.Nl = static_cast<decltype(c.Nl)>(low);
    c.Nh = static_cast<decltype(c.Nh)>(sizeof(c.Nl) == 4 ? low >> 32 : high);
    update(&c, tail.data(), tail.size());
    unsigned char out[64];
    final(out, &c);
    return hexOf(out, size);
}

TEST(LengthCarry, EveryWordCounterCarriesLikeTheReference) {
    std::vector<std::uint8_t> tail(300);
    for (std::size_t i = 0; i < tail.size(); ++i) tail[i] = static_cast<std::uint8_t>(i * 7 + 1);
    // Just below each word boundary, a whole number of 1024-bit blocks.
    const std::uint64_t kLows[] = {(std::uint64_t{1} << 32) - 1024, ~std::uint64_t{0} - 1023};
    for (std::uint64_t low : kLows) {
        SCOPED_TRACE(low);
        auto* md4 = md5::Md4::create();
        md4->assumeFed(low);
        EXPECT_EQ(codeOf(md4, tail), reference(MD4_Init, MD4_Update, MD4_Final, 16, low, 0, tail));
        auto* md5 = md5::Md5::create();
        md5->assumeFed(low);
        EXPECT_EQ(codeOf(md5, tail), reference(MD5_Init, MD5_Update, MD5_Final, 16, low, 0, tail));
        auto* sha1 = sha::Sha160::create();
        sha1->assumeFed(low);
        EXPECT_EQ(codeOf(sha1, tail),
                  reference(SHA1_Init, SHA1_Update, SHA1_Final, 20, low, 0, tail));
        auto* sha256 = sha::Sha256::create();
        sha256->assumeFed(low);
        EXPECT_EQ(codeOf(sha256, tail),
                  reference(SHA256_Init, SHA256_Update, SHA256_Final, 32, low, 0, tail));
        auto* rmd = ripemd::Ripemd160::create();
        rmd->assumeFed(low);
        EXPECT_EQ(codeOf(rmd, tail),
                  reference(RIPEMD160_Init, RIPEMD160_Update, RIPEMD160_Final, 20, low, 0, tail));
        // The 128-bit counters, also into their top words.
        for (std::uint64_t high : {std::uint64_t{0}, std::uint64_t{0xFFFFFFFF}}) {
            auto* sha384 = sha::Sha384::create();
            sha384->assumeFed(low, high);
            EXPECT_EQ(codeOf(sha384, tail),
                      reference(SHA384_Init, SHA384_Update, SHA384_Final, 48, low, high, tail));
            auto* sha512 = sha::Sha512::create();
            sha512->assumeFed(low, high);
            EXPECT_EQ(codeOf(sha512, tail),
                      reference(SHA512_Init, SHA512_Update, SHA512_Final, 64, low, high, tail));
        }
#ifdef VERITOME_DIGEST_PEERS
        // nettle counts whole 256-bit blocks and keeps 64 bits of the length, as we do.
        if (low % 256 == 0 && low >> 63 == 0) {
            auto* gost = gost::Gost::create();
            gost->assumeFed(low);
            gosthash94_ctx c;
            gosthash94_init(&c);
            c.count = low / 256;
            gosthash94_update(&c, tail.size(), tail.data());
            std::uint8_t out[32];
            gosthash94_digest(&c, sizeof out, out);
            EXPECT_EQ(codeOf(gost, tail), hexOf(out, 32));
        }
#endif
    }
}

}  // namespace
