// MD2 (RFC 1319): 16-byte digest.
#pragma once

#include <cstdint>

#include "digest/DigestResult.h"
#include "digest/IDigester.h"
#include "thread/Pooled.h"

namespace s::digest::md5 {

class Md2 final : public IDigester, public thread::ClassPool<Md2> {
public:
    // The process-wide instance whose typeName() identifies the class; never fed.
    static Md2* prototype();

    ~Md2() override = default;

    const char16_t* typeName() const override { return u"s_digest_md5_Md2"; }
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

private:
    friend class thread::ClassPool<Md2>;
    Md2();

    ByteResult result_{16};
    void compress(const std::uint8_t* block);

    std::uint8_t x_[48];  // state X; its first 16 bytes are the digest
    std::uint8_t checksum_[16];
    std::uint8_t buffer_[16];
    std::int32_t buffered_;  // 0 to 15 between calls
};

}  // namespace s::digest::md5
