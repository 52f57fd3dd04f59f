// SHA-1 (FIPS 180-2): 20-byte digest.
#pragma once

#include "digest/sha/ShaBase.h"
#include "thread/Pooled.h"

namespace s::digest::sha {

class Sha160 final : public ShaBase, public thread::ClassPool<Sha160> {
public:
    // The process-wide instance whose typeName() identifies the class; never fed.
    static Sha160* prototype();

    const char16_t* typeName() const override { return u"s_digest_sha_Sha160"; }
    base::IObject* newInstance() const override { return create(); }
    std::int32_t digestSize() const override { return 20; }
    void reset() override;
    void release() override { pool().giveBack(this); }
    void recycle() override { reset(); }

private:
    friend class thread::ClassPool<Sha160>;
    Sha160();
};

}  // namespace s::digest::sha
