// GOST R 34.11-94 with the test parameter S-boxes and a zero start value: 32-byte digest,
// written least significant byte first.
#pragma once

#include <cstdint>

#include "digest/DigestResult.h"
#include "digest/IDigester.h"
#include "thread/Pooled.h"

namespace s::digest::gost {

class Gost final : public IDigester, public thread::ClassPool<Gost> {
public:
    // The process-wide instance whose typeName() identifies the class; never fed.
    static Gost* prototype();

    const char16_t* typeName() const override { return u"s_digest_gost_Gost"; }
    base::IObject* newInstance() const override { return create(); }
    std::int32_t digestSize() const override { return 32; }
    void update(const void* data, std::uint32_t length) override;
    void finish(void* out = nullptr) override;
    void reset() override;
    str::strbuffer::StrBuffer* toText(str::strbuffer::StrBuffer* text = nullptr,
                                      bool append = false) override {
        return result_.toText(text, append);
    }
    void release() override { pool().giveBack(this); }
    void recycle() override { reset(); }
    // For the tests of the length counter: goes on as if bits (high:low, a whole number of
    // blocks) had been fed before, keeping the current chaining state.
    void assumeFed(std::uint64_t bits) {
        length_[0] = static_cast<std::uint32_t>(bits);
        length_[1] = static_cast<std::uint32_t>(bits >> 32);
    }

private:
    friend class thread::ClassPool<Gost>;
    Gost();

    // Adds the block to the sum, runs the step function and counts bits more message bits.
    void blockStep(const std::uint8_t* block, std::uint32_t bits);

    ByteResult result_{32};
    std::uint32_t sum_[8];     // sum of all message blocks mod 2^256, least significant first
    std::uint32_t hash_[8];    // H, least significant word first
    std::uint32_t length_[8];  // message bits; only the low 64 bits ever change
    std::uint8_t partial_[32];
    std::int32_t partialCount_;  // 0 to 32
};

}  // namespace s::digest::gost
