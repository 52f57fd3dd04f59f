// SHA-384 (FIPS 180-2): 48-byte digest.
#pragma once

#include "digest/sha/ShaBase.h"
#include "thread/Pooled.h"

namespace s::digest::sha {

class Sha384 final : public ShaBase, public thread::ClassPool<Sha384> {
public:
    // The process-wide instance whose typeName() identifies the class; never fed.
    static Sha384* prototype();

    const char16_t* typeName() const override { return u"s_digest_sha_Sha384"; }
    base::IObject* newInstance() const override { return create(); }
    std::int32_t digestSize() const override { return 48; }
    void reset() override;
    void release() override { pool().giveBack(this); }
    void recycle() override { reset(); }

private:
    friend class thread::ClassPool<Sha384>;
    Sha384();
};

}  // namespace s::digest::sha
