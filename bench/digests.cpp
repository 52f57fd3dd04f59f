// Throughput of every digester in process, fed 16 KiB updates as the hash job feeds them, next
// to zlib's checksums and the portable SHA-1/SHA-256 code. Read the MB/s column.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "digest/IDigester.h"
#include "digest/adler32/Adler32.h"
#include "digest/crc32/Crc32.h"
#include "digest/gost/Gost.h"
#include "digest/md5/Md2.h"
#include "digest/md5/Md4.h"
#include "digest/md5/Md5.h"
#include "digest/ripemd/Ripemd128.h"
#include "digest/ripemd/Ripemd160.h"
#include "digest/sha/Sha160.h"
#include "digest/sha/Sha256.h"
#include "digest/sha/Sha384.h"
#include "digest/sha/Sha512.h"

namespace {

constexpr std::size_t kBlock = 16384;

const std::vector<unsigned char>& block() {
    static const std::vector<unsigned char> data = [] {
        std::vector<unsigned char> d(kBlock);
        for (std::size_t i = 0; i < d.size(); ++i) d[i] = static_cast<unsigned char>(i * 131 + 7);
        return d;
    }();
    return data;
}

void countBytes(benchmark::State& state) {
    const double bytes = static_cast<double>(state.iterations()) * kBlock;
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    state.counters["MB/s"] = benchmark::Counter(bytes / 1e6, benchmark::Counter::kIsRate);
}

void digester(benchmark::State& state, s::digest::IDigester* prototype,
              s::digest::sha::ShaBase::Acceleration level) {
    using s::digest::sha::ShaBase;
    const ShaBase::Acceleration saved = ShaBase::useAcceleration(level);
    auto* d = static_cast<s::digest::IDigester*>(prototype->newInstance());
    const auto& data = block();
    for (auto _ : state) d->update(data.data(), kBlock);
    d->finish();
    d->release();
    ShaBase::useAcceleration(saved);
    countBytes(state);
}

void zlibCrc32(benchmark::State& state) {
    uLong v = 0;
    for (auto _ : state) benchmark::DoNotOptimize(v = ::crc32(v, block().data(), kBlock));
    countBytes(state);
}

void zlibAdler32(benchmark::State& state) {
    uLong v = 1;
    for (auto _ : state) benchmark::DoNotOptimize(v = ::adler32(v, block().data(), kBlock));
    countBytes(state);
}

const bool registered = [] {
    using namespace s::digest;
    const std::pair<const char*, IDigester*> all[] = {{"Crc32", crc32::Crc32::prototype()},
                                                      {"Adler32", adler32::Adler32::prototype()},
                                                      {"Md2", md5::Md2::prototype()},
                                                      {"Md4", md5::Md4::prototype()},
                                                      {"Md5", md5::Md5::prototype()},
                                                      {"Sha160", sha::Sha160::prototype()},
                                                      {"Sha256", sha::Sha256::prototype()},
                                                      {"Sha384", sha::Sha384::prototype()},
                                                      {"Sha512", sha::Sha512::prototype()},
                                                      {"Ripemd128", ripemd::Ripemd128::prototype()},
                                                      {"Ripemd160", ripemd::Ripemd160::prototype()},
                                                      {"Gost", gost::Gost::prototype()}};
    const auto best = sha::ShaBase::bestAcceleration();
    for (const auto& [name, prototype] : all) {
        benchmark::RegisterBenchmark(name, digester, prototype, best);
    }
    const std::pair<const char*, IDigester*> portable[] = {{"Sha160", sha::Sha160::prototype()},
                                                           {"Sha256", sha::Sha256::prototype()},
                                                           {"Sha512", sha::Sha512::prototype()}};
    for (const auto& [name, prototype] : portable) {
        benchmark::RegisterBenchmark((std::string(name) + "/portable").c_str(), digester, prototype,
                                     sha::ShaBase::kPortable);
    }
    benchmark::RegisterBenchmark("Sha512/avx2", digester, sha::Sha512::prototype(),
                                 sha::ShaBase::kVector);
    benchmark::RegisterBenchmark("zlib/crc32", zlibCrc32);
    benchmark::RegisterBenchmark("zlib/adler32", zlibAdler32);
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
