// The twelve digester classes as data for the digest tests, and small helpers to feed them.
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "digest/IDigester.h"
#include "digest/adler32/Adler32.h"
#include "digest/crc32/Crc32.h"
#include "digest/gost/Gost.h"
#include "digest/md5/Md2.h"
#include "digest/md5/Md4.h"
#include "digest/md5/Md5.h"
#include "digest/ripemd/Ripemd128.h"
#include "digest/ripemd/Ripemd160.h"
#include "digest/sha/Sha160.h"
#include "digest/sha/Sha256.h"
#include "digest/sha/Sha384.h"
#include "digest/sha/Sha512.h"
#include "str/strbuffer/StrBuffer.h"

namespace digesttest {

using s::digest::IDigester;

struct Algorithm {
    std::string name;  // class name, also the section name of the vector files
    IDigester* prototype;
    const char16_t* typeName;
    int digestSize;
    int blockSize;  // input block of the algorithm (1 for the checksums)
};

inline const std::vector<Algorithm>& algorithms() {
    using namespace s::digest;
    static const std::vector<Algorithm> all = {
        {"Crc32", crc32::Crc32::prototype(), u"s_digest_crc32_Crc32", 4, 1},
        {"Adler32", adler32::Adler32::prototype(), u"s_digest_adler32_Adler32", 4, 1},
        {"Md2", md5::Md2::prototype(), u"s_digest_md5_Md2", 16, 16},
        {"Md4", md5::Md4::prototype(), u"s_digest_md5_Md4", 16, 64},
        {"Md5", md5::Md5::prototype(), u"s_digest_md5_Md5", 16, 64},
        {"Sha160", sha::Sha160::prototype(), u"s_digest_sha_Sha160", 20, 64},
        {"Sha256", sha::Sha256::prototype(), u"s_digest_sha_Sha256", 32, 64},
        {"Sha384", sha::Sha384::prototype(), u"s_digest_sha_Sha384", 48, 128},
        {"Sha512", sha::Sha512::prototype(), u"s_digest_sha_Sha512", 64, 128},
        {"Ripemd128", ripemd::Ripemd128::prototype(), u"s_digest_ripemd_Ripemd128", 16, 64},
        {"Ripemd160", ripemd::Ripemd160::prototype(), u"s_digest_ripemd_Ripemd160", 20, 64},
        {"Gost", gost::Gost::prototype(), u"s_digest_gost_Gost", 32, 32},
    };
    return all;
}

inline const Algorithm& algorithm(const std::string& name) {
    for (const Algorithm& a : algorithms()) {
        if (a.name == name) return a;
    }
    throw std::runtime_error("no digester " + name);
}

inline IDigester* make(const Algorithm& a) {
    return static_cast<IDigester*>(a.prototype->newInstance());
}

inline std::string narrow(const s::str::strbuffer::StrBuffer* text) {
    std::string out;
    for (std::uint32_t i = 0; i < text->length(); ++i) out += static_cast<char>(text->charAt(i));
    return out;
}

// finish(), then the digest text.
inline std::string finishText(IDigester* d) {
    d->finish();
    auto* text = d->toText();
    std::string out = narrow(text);
    text->release();
    return out;
}

// Feeds data in pieces whose lengths come from next() (zero allowed) until all is fed.
inline void feedPieces(IDigester* d, const std::uint8_t* data, std::size_t size,
                       const std::function<std::size_t()>& next) {
    std::size_t at = 0;
    while (at < size) {
        const std::size_t n = std::min(next(), size - at);
        d->update(data + at, static_cast<std::uint32_t>(n));
        at += n;
    }
}

// Lengths 0..limit, with zero-length calls fairly often.
inline std::function<std::size_t()> randomPieces(std::mt19937& rng, std::size_t limit) {
    return [&rng, limit] {
        const std::size_t r = rng() % 8;
        return r == 0 ? 0 : r < 4 ? rng() % 8 : rng() % (limit + 1);
    };
}

// Runs f once per compression the algorithm has on this processor: the SHA family also on
// each lower acceleration level (SHA instructions or AVX2/AVX-512 down to portable code).
inline void forEachImplementation(const std::string& name,
                                  const std::function<void(const char*)>& f) {
    using s::digest::sha::ShaBase;
    const bool sha = name.rfind("Sha", 0) == 0;
    if (!sha || ShaBase::bestAcceleration() == ShaBase::kPortable) {
        f("");
        return;
    }
    static const char* const names[] = {"portable", "vector", "wide"};
    const ShaBase::Acceleration best = ShaBase::bestAcceleration();
    for (int level = best; level >= ShaBase::kPortable; --level) {
        ShaBase::useAcceleration(static_cast<ShaBase::Acceleration>(level));
        f(names[level]);
    }
    ShaBase::useAcceleration(best);
}

inline std::string hex(const std::uint8_t* p, std::size_t n) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
        out += digits[p[i] >> 4];
        out += digits[p[i] & 15];
    }
    return out;
}

}  // namespace digesttest
