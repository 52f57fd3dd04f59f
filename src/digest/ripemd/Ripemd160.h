// RIPEMD-160: 20-byte digest.
#pragma once

#include "digest/ripemd/RipemdBase.h"
#include "thread/Pooled.h"

namespace s::digest::ripemd {

class Ripemd160 final : public RipemdBase, public thread::ClassPool<Ripemd160> {
public:
    // The process-wide instance whose typeName() identifies the class; never fed.
    static Ripemd160* prototype();

    const char16_t* typeName() const override { return u"s_digest_ripemd_Ripemd160"; }
    base::IObject* newInstance() const override { return create(); }
    std::int32_t digestSize() const override { return 20; }
    void reset() override { resetState(); }
    void release() override { pool().giveBack(this); }
    void recycle() override { reset(); }

private:
    friend class thread::ClassPool<Ripemd160>;
    Ripemd160() : RipemdBase(1, 20) { reset(); }
};

}  // namespace s::digest::ripemd
