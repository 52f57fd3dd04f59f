// SHA-256 (FIPS 180-2): 32-byte digest.
#pragma once

#include "digest/sha/ShaBase.h"
#include "thread/Pooled.h"

namespace s::digest::sha {

class Sha256 final : public ShaBase, public thread::ClassPool<Sha256> {
public:
    // The process-wide instance whose typeName() identifies the class; never fed.
    static Sha256* prototype();

    const char16_t* typeName() const override { return u"s_digest_sha_Sha256"; }
    base::IObject* newInstance() const override { return create(); }
    std::int32_t digestSize() const override { return 32; }
    void reset() override;
    void release() override { pool().giveBack(this); }
    void recycle() override { reset(); }

private:
    friend class thread::ClassPool<Sha256>;
    Sha256();
};

}  // namespace s::digest::sha
