// The SHA family (FIPS 180-2): one update, finish and compression for the four variants.
#pragma once

#include <cstdint>

#include "digest/DigestResult.h"
#include "digest/IDigester.h"

namespace s::digest::sha {

class ShaBase : public IDigester {
public:
    enum Variant : std::uint32_t { kSha1 = 0, kSha256 = 1, kSha384 = 2, kSha512 = 3 };

    const char16_t* typeName() const override { return u"s_digest_sha_ShaBase"; }
    void update(const void* data, std::uint32_t length) override;
    void finish(void* out = nullptr) override;
    str::strbuffer::StrBuffer* toText(str::strbuffer::StrBuffer* text = nullptr,
                                      bool append = false) override {
        return result_.toText(text, append);
    }

    // Which processor extensions the compressions use. kVector: the SHA instructions for SHA-1
    // and SHA-256, AVX2 for SHA-384/512; kWide: also AVX-512VL for SHA-384/512. Each variant
    // takes the best the processor has up to the chosen level; the default is the highest.
    enum Acceleration { kPortable = 0, kVector = 1, kWide = 2 };
    // The highest level that changes anything on this processor.
    static Acceleration bestAcceleration();
    // Chooses the level (the tests and benchmarks step down to check the other code); returns
    // the previous one.
    static Acceleration useAcceleration(Acceleration level);

    // For the tests of the length counter: goes on as if bits (high:low, a whole number of
    // blocks) had been fed before, keeping the current chaining state.
    void assumeFed(std::uint64_t low, std::uint64_t high = 0) {
        std::uint32_t* count = variant_ >= kSha384 ? area_.w64.count : area_.w32.count;
        count[0] = static_cast<std::uint32_t>(low);
        count[1] = static_cast<std::uint32_t>(low >> 32);
        if (variant_ >= kSha384) {
            count[2] = static_cast<std::uint32_t>(high);
            count[3] = static_cast<std::uint32_t>(high >> 32);
        }
    }

protected:
    ShaBase(Variant variant, std::uint32_t size);

    void resetState(const std::uint32_t* initial32);
    void resetState(const std::uint64_t* initial64);

private:
    void compress(const std::uint8_t* data, std::size_t blocks);
    std::uint32_t blockSize() const { return variant_ >= kSha384 ? 128 : 64; }

    ByteResult result_;
    const std::uint32_t variant_;
    union Area {
        struct {
            std::uint32_t h[8];      // SHA-1 uses the first five
            std::uint32_t count[2];  // bits fed, low word first
            std::uint8_t buffer[64];
        } w32;
        struct {
            std::uint8_t buffer[128];
            std::uint64_t h[8];
            std::uint32_t count[4];  // 128-bit bit count, least significant word first
        } w64;
    } area_;
};

}  // namespace s::digest::sha
