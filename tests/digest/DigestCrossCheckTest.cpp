// Compares every digester with an independent implementation on a few hundred random inputs
// whose lengths sit around the block sizes, each fed in random pieces: libcrypto for the MD and
// SHA families and RIPEMD-160, zlib for the checksums, and, when the benchmark peers are
// installed, nettle (MD2, GOST) and libmhash (RIPEMD-128).
#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <openssl/provider.h>
#include <zlib.h>

#include <random>
#include <string>
#include <vector>

#include "digest/Digesters.h"

#ifdef VERITOME_DIGEST_PEERS
#include <mhash.h>
#include <nettle/gosthash94.h>
#include <nettle/md2.h>
#endif

namespace digesttest {
namespace {

using Reference = std::function<std::string(const std::vector<std::uint8_t>&)>;

std::string checksumText(std::uint32_t value) {
    char text[9];
    std::snprintf(text, sizeof text, "%08x", value);
    return text;
}

// MD4 and RIPEMD-160 live in OpenSSL 3's legacy provider; loaded on first use and unloaded at
// exit, so that listing the tests touches no library state.
struct Providers {
    OSSL_PROVIDER* legacy = OSSL_PROVIDER_load(nullptr, "legacy");
    OSSL_PROVIDER* standard = OSSL_PROVIDER_load(nullptr, "default");
    ~Providers() {
        if (legacy) OSSL_PROVIDER_unload(legacy);
        if (standard) OSSL_PROVIDER_unload(standard);
    }
};

Reference libcrypto(const char* name) {
    return [name](const std::vector<std::uint8_t>& in) {
        static Providers providers;
        EVP_MD* md = EVP_MD_fetch(nullptr, name, nullptr);
        if (!md) return std::string("no ") + name + " in libcrypto";
        std::uint8_t out[EVP_MAX_MD_SIZE];
        unsigned size = 0;
        EVP_Digest(in.data(), in.size(), out, &size, md, nullptr);
        EVP_MD_free(md);
        return hex(out, size);
    };
}

std::vector<std::pair<std::string, Reference>> references() {
    std::vector<std::pair<std::string, Reference>> all = {
        {"Crc32", [](const auto& in) { return checksumText(::crc32(0, in.data(), in.size())); }},
        {"Adler32",
         [](const auto& in) { return checksumText(::adler32(1, in.data(), in.size())); }},
        {"Md4", libcrypto("MD4")},
        {"Md5", libcrypto("MD5")},
        {"Sha160", libcrypto("SHA1")},
        {"Sha256", libcrypto("SHA256")},
        {"Sha384", libcrypto("SHA384")},
        {"Sha512", libcrypto("SHA512")},
        {"Ripemd160", libcrypto("RIPEMD160")},
    };
#ifdef VERITOME_DIGEST_PEERS
    all.push_back({"Md2", [](const auto& in) {
                       md2_ctx c;
                       md2_init(&c);
                       md2_update(&c, in.size(), in.data());
                       std::uint8_t out[16];
                       md2_digest(&c, sizeof out, out);
                       return hex(out, sizeof out);
                   }});
    all.push_back({"Gost", [](const auto& in) {
                       gosthash94_ctx c;
                       gosthash94_init(&c);
                       gosthash94_update(&c, in.size(), in.data());
                       std::uint8_t out[32];
                       gosthash94_digest(&c, sizeof out, out);
                       return hex(out, sizeof out);
                   }});
    all.push_back({"Ripemd128", [](const auto& in) {
                       MHASH h = mhash_init(MHASH_RIPEMD128);
                       mhash(h, in.data(), in.size());
                       std::uint8_t out[16];
                       mhash_deinit(h, out);
                       return hex(out, sizeof out);
                   }});
#endif
    return all;
}

// Lengths within two bytes of one to four blocks, short ones, and some longer than a read.
std::size_t randomLength(std::mt19937& rng, int block) {
    switch (rng() % 4) {
        case 0:
            return rng() % 40;
        case 1:
            return static_cast<std::size_t>(block) * (1 + rng() % 4) + rng() % 5 - 2;
        case 2:
            return static_cast<std::size_t>(block) * (1 + rng() % 4) - 9 + rng() % 3;
        default:
            return rng() % 40000;
    }
}

class DigestCrossCheck : public ::testing::TestWithParam<std::size_t> {};

TEST_P(DigestCrossCheck, AgreesWithIndependentImplementation) {
    const auto [name, reference] = references()[GetParam()];
    const Algorithm& a = algorithm(name);
    // The checksums' vector code works on 16- to 256-byte strides, not on the block size.
    const int block = a.blockSize == 1 ? 64 : a.blockSize;
    forEachImplementation(name, [&](const char* implementation) {
        SCOPED_TRACE(implementation);
        std::mt19937 rng(1234 + static_cast<unsigned>(GetParam()));
        IDigester* d = make(a);
        for (int round = 0; round < 300; ++round) {
            std::vector<std::uint8_t> in(randomLength(rng, block));
            for (auto& b : in) b = static_cast<std::uint8_t>(rng());
            d->reset();
            feedPieces(d, in.data(), in.size(), randomPieces(rng, 3 * block));
            ASSERT_EQ(finishText(d), reference(in)) << name << ", " << in.size() << " bytes";
        }
        d->release();
    });
}

// All-ones bytes give the largest sums between two reductions of the checksums' vector loops.
TEST(DigestCrossCheckWorstCase, ChecksumsOfLongRunsOfFf) {
    std::vector<std::uint8_t> in(200000, 0xFF);
    for (std::size_t size :
         {std::size_t{5535}, std::size_t{5536}, std::size_t{5537}, std::size_t{65536}, in.size()}) {
        for (const auto& [name, reference] : references()) {
            if (name != "Adler32" && name != "Crc32") continue;
            IDigester* d = make(algorithm(name));
            d->update(in.data(), static_cast<std::uint32_t>(size));
            EXPECT_EQ(finishText(d),
                      reference(std::vector<std::uint8_t>(in.begin(), in.begin() + size)))
                << name << ", " << size;
            d->release();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(All, DigestCrossCheck,
                         ::testing::Range<std::size_t>(0, references().size()),
                         [](const auto& info) { return references()[info.param].first; });

}  // namespace
}  // namespace digesttest
