// SHA-512 (FIPS 180-2): 64-byte digest.
#pragma once

#include "digest/sha/ShaBase.h"
#include "thread/Pooled.h"

namespace s::digest::sha {

class Sha512 final : public ShaBase, public thread::ClassPool<Sha512> {
public:
    // The process-wide instance whose typeName() identifies the class; never fed.
    static Sha512* prototype();

    const char16_t* typeName() const override { return u"s_digest_sha_Sha512"; }
    base::IObject* newInstance() const override { return create(); }
    std::int32_t digestSize() const override { return 64; }
    void reset() override;
    void release() override { pool().giveBack(this); }
    void recycle() override { reset(); }

private:
    friend class thread::ClassPool<Sha512>;
    Sha512();
};

}  // namespace s::digest::sha
