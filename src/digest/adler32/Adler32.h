// Adler-32 of RFC 1950 (zlib): one 32-bit checksum, B * 65536 + A.
#pragma once

#include <cstdint>

#include "digest/DigestResult.h"
#include "digest/IDigester.h"
#include "thread/Pooled.h"

namespace s::digest::adler32 {

class Adler32 final : public IDigester, public thread::ClassPool<Adler32> {
public:
    // The process-wide instance whose typeName() identifies the class; never fed.
    static Adler32* prototype();

    const char16_t* typeName() const override { return u"s_digest_adler32_Adler32"; }
    base::IObject* newInstance() const override { return create(); }
    std::int32_t digestSize() const override { return 4; }
    void update(const void* data, std::uint32_t length) override;
    // Stores the running value, which stays valid: finishing again gives the same digest.
    void finish(void* out = nullptr) override { result_.store(out, value_); }
    void reset() override { value_ = 1; }
    str::strbuffer::StrBuffer* toText(str::strbuffer::StrBuffer* text = nullptr,
                                      bool append = false) override {
        return result_.toText(text, append);
    }
    void release() override { pool().giveBack(this); }
    void recycle() override { reset(); }

private:
    friend class thread::ClassPool<Adler32>;
    Adler32() { reset(); }

    WordResult result_;
    std::uint32_t value_;  // B * 65536 + A of everything fed so far
};

}  // namespace s::digest::adler32
