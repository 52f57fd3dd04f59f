// RIPEMD-128: 16-byte digest.
#pragma once

#include "digest/ripemd/RipemdBase.h"
#include "thread/Pooled.h"

namespace s::digest::ripemd {

class Ripemd128 final : public RipemdBase, public thread::ClassPool<Ripemd128> {
public:
    // The process-wide instance whose typeName() identifies the class; never fed.
    static Ripemd128* prototype();

    const char16_t* typeName() const override { return u"s_digest_ripemd_Ripemd128"; }
    base::IObject* newInstance() const override { return create(); }
    std::int32_t digestSize() const override { return 16; }
    void reset() override { resetState(); }
    void release() override { pool().giveBack(this); }
    void recycle() override { reset(); }

private:
    friend class thread::ClassPool<Ripemd128>;
    Ripemd128() : RipemdBase(0, 16) { reset(); }
};

}  // namespace s::digest::ripemd
