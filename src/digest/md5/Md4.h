// MD4 (RFC 1320): 16-byte digest.
#pragma once

#include <cstdint>

#include "digest/DigestResult.h"
#include "digest/IDigester.h"
#include "thread/Pooled.h"

namespace s::digest::md5 {

class Md4 final : public IDigester, public thread::ClassPool<Md4> {
public:
    // The process-wide instance whose typeName() identifies the class; never fed.
    static Md4* prototype();

    ~Md4() override = default;

    const char16_t* typeName() const override { return u"s_digest_md5_Md4"; }
    base::IObject* newInstance() const override { return create(); }
    std::int32_t digestSize() const override { return 16; }
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
        count_[0] = static_cast<std::uint32_t>(bits);
        count_[1] = static_cast<std::uint32_t>(bits >> 32);
    }

private:
    friend class thread::ClassPool<Md4>;
    Md4();

    ByteResult result_{16};
    std::uint32_t state_[4];  // A, B, C, D
    std::uint32_t count_[2];  // bits fed, low word first
    std::uint8_t buffer_[64];
};

}  // namespace s::digest::md5
