// CRC-32 of ISO 3309 / ITU-T V.42 (the CRC of zlib, PNG and Ethernet): one 32-bit checksum.
#pragma once

#include <cstdint>

#include "digest/DigestResult.h"
#include "digest/IDigester.h"
#include "thread/Pooled.h"

namespace s::digest::crc32 {

class Crc32 final : public IDigester, public thread::ClassPool<Crc32> {
public:
    // The process-wide instance whose typeName() identifies the class; never fed.
    static Crc32* prototype();

    const char16_t* typeName() const override { return u"s_digest_crc32_Crc32"; }
    base::IObject* newInstance() const override { return create(); }
    std::int32_t digestSize() const override { return 4; }
    void update(const void* data, std::uint32_t length) override;
    // Stores the running value, which stays valid: finishing again gives the same digest.
    void finish(void* out = nullptr) override { result_.store(out, value_); }
    void reset() override { value_ = 0; }
    str::strbuffer::StrBuffer* toText(str::strbuffer::StrBuffer* text = nullptr,
                                      bool append = false) override {
        return result_.toText(text, append);
    }
    void release() override { pool().giveBack(this); }
    void recycle() override { reset(); }

private:
    friend class thread::ClassPool<Crc32>;
    Crc32() { reset(); }

    WordResult result_;
    std::uint32_t value_;  // the finished CRC of everything fed so far
};

}  // namespace s::digest::crc32
