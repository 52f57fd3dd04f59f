// RIPEMD-128 and RIPEMD-160 (Dobbertin, Bosselaers, Preneel; ISO/IEC 10118-3): shared
// buffering, padding and the two-line compression of both variants.
#pragma once

#include <cstdint>

#include "digest/DigestResult.h"
#include "digest/IDigester.h"

namespace s::digest::ripemd {

class RipemdBase : public IDigester {
public:
    const char16_t* typeName() const override { return u"s_digest_ripemd_RipemdBase"; }
    void update(const void* data, std::uint32_t length) override;
    void finish(void* out = nullptr) override;
    str::strbuffer::StrBuffer* toText(str::strbuffer::StrBuffer* text = nullptr,
                                      bool append = false) override {
        return result_.toText(text, append);
    }

protected:
    // variant 0: RIPEMD-128, 1: RIPEMD-160.
    RipemdBase(std::int32_t variant, std::uint32_t size);
    void resetState();

public:
    // For the tests of the length counter: goes on as if bits (high:low, a whole number of
    // blocks) had been fed before, keeping the current chaining state.
    void assumeFed(std::uint64_t bits) {
        count_[0] = static_cast<std::uint32_t>(bits);
        count_[1] = static_cast<std::uint32_t>(bits >> 32);
    }

private:
    void compress(const std::uint8_t* data, std::size_t blocks);

    ByteResult result_;
    const std::int32_t variant_;
    std::uint32_t state_[5];  // RIPEMD-128 uses the first four
    std::uint32_t count_[2];  // bits fed, low word first
    std::uint8_t buffer_[64];
};

}  // namespace s::digest::ripemd
