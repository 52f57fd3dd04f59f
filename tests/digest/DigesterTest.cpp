// The digester contract shared by the twelve classes: class facts, text output, pooling,
// checksum re-finishing, and no allocation while a pooled digester is fed.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "digest/Digesters.h"

namespace {
std::atomic<long> allocations{0};
}

// Counts every allocation of the test program (the no-allocation test reads the difference).
// Never inlined: the compiler would otherwise pair the callers' new with the free below and
// warn about a mismatch.
[[gnu::noinline]] void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace digesttest {
namespace {

using s::str::strbuffer::StrBuffer;

TEST(Digester, ClassFacts) {
    for (const Algorithm& a : algorithms()) {
        SCOPED_TRACE(a.name);
        IDigester* d = make(a);
        EXPECT_EQ(std::u16string(d->typeName()), a.typeName);
        EXPECT_EQ(std::u16string(a.prototype->typeName()), a.typeName);
        EXPECT_EQ(d->digestSize(), a.digestSize);
        EXPECT_NE(d, a.prototype);
        d->release();
    }
    using namespace s::digest;
    EXPECT_EQ(md5::Md5::prototype(), md5::Md5::prototype());
    sha::Sha256* sha = sha::Sha256::create();
    EXPECT_EQ(std::u16string(sha->sha::ShaBase::typeName()), u"s_digest_sha_ShaBase");
    sha->release();
    ripemd::Ripemd160* rmd = ripemd::Ripemd160::create();
    EXPECT_EQ(std::u16string(rmd->ripemd::RipemdBase::typeName()), u"s_digest_ripemd_RipemdBase");
    rmd->release();
}

TEST(Digester, TextIsNewReplacedOrAppended) {
    for (const Algorithm& a : algorithms()) {
        SCOPED_TRACE(a.name);
        IDigester* d = make(a);
        d->update("abc", 3);
        d->finish();
        StrBuffer* fresh = d->toText();
        const std::string digits = narrow(fresh);
        EXPECT_EQ(digits.size(), 2u * a.digestSize);
        EXPECT_EQ(digits.find_first_not_of("0123456789abcdef"), std::string::npos) << digits;

        StrBuffer* text = StrBuffer::create();
        text->appendText(u"code: ");
        EXPECT_EQ(d->toText(text, true), text);
        EXPECT_EQ(narrow(text), "code: " + digits);
        EXPECT_EQ(d->toText(text, false), text);
        EXPECT_EQ(narrow(text), digits);
        text->release();
        fresh->release();
        d->release();
    }
}

TEST(Digester, ChecksumsKeepTheirRunningValueAfterFinish) {
    for (const char* name : {"Crc32", "Adler32"}) {
        SCOPED_TRACE(name);
        const Algorithm& a = algorithm(name);
        IDigester* whole = make(a);
        whole->update("abcdef", 6);
        const std::string expected = finishText(whole);
        whole->release();

        IDigester* d = make(a);
        d->update("abc", 3);
        const std::string first = finishText(d);
        EXPECT_EQ(finishText(d), first);
        d->update("def", 3);
        EXPECT_EQ(finishText(d), expected);
        d->release();
    }
}

TEST(Digester, PoolKeepsAThousandIdleAndDestroysTheRest) {
    using s::digest::md5::Md4;
    std::vector<Md4*> taken;
    for (int i = 0; i < 1001; ++i) taken.push_back(Md4::create());
    EXPECT_EQ(Md4::pool().idleCount(), 0u);
    for (Md4* d : taken) d->release();
    EXPECT_EQ(Md4::pool().idleCount(), 1000u);
}

TEST(Digester, FeedingAWarmPooledDigesterAllocatesNothing) {
    std::vector<std::uint8_t> block(16384, 0x5a);
    for (const Algorithm& a : algorithms()) {
        SCOPED_TRACE(a.name);
        make(a)->release();  // warm the class pool
        const long before = allocations.load();
        IDigester* d = make(a);
        for (int i = 0; i < 8; ++i) d->update(block.data() + i, 16384 - 8);
        d->finish();
        d->release();
        EXPECT_EQ(allocations.load() - before, 0);
    }
}

}  // namespace
}  // namespace digesttest
