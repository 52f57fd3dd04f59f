// Foundation costs: taking an object from its class pool and giving it back (uncontended),
// and appending 10^6 characters one by one to a string, with std::u16string as reference.
#include <benchmark/benchmark.h>

#include <string>

#include "col/_array/ArrayU08.h"
#include "str/strbuffer/StrBuffer.h"

using s::col::_array::ArrayU08;
using s::str::strbuffer::StrBuffer;

namespace {

constexpr int kCharacters = 1'000'000;

void StrBufferTakeGiveBack(benchmark::State& state) {
    StrBuffer::create()->release();  // the pool exists and holds one idle string
    for (auto _ : state) {
        StrBuffer* s = StrBuffer::create();
        benchmark::DoNotOptimize(s);
        s->release();
    }
}
BENCHMARK(StrBufferTakeGiveBack);

void ArrayU08TakeGiveBack(benchmark::State& state) {
    ArrayU08::create()->release();
    for (auto _ : state) {
        ArrayU08* a = ArrayU08::create();
        benchmark::DoNotOptimize(a);
        a->release();
    }
}
BENCHMARK(ArrayU08TakeGiveBack);

// Reference for the two above: a plain heap object of the same class.
void StrBufferNewDelete(benchmark::State& state) {
    for (auto _ : state) {
        auto* s = new StrBuffer();
        benchmark::DoNotOptimize(s);
        delete s;
    }
}
BENCHMARK(StrBufferNewDelete);

void StrBufferAppendChars(benchmark::State& state) {
    for (auto _ : state) {
        StrBuffer* s = StrBuffer::create();
        for (int i = 0; i < kCharacters; ++i) s->appendChar(static_cast<char16_t>(u'a' + (i & 15)));
        benchmark::DoNotOptimize(s->data());
        s->release();
    }
    state.SetItemsProcessed(state.iterations() * kCharacters);
}
BENCHMARK(StrBufferAppendChars)->Unit(benchmark::kMillisecond);

void U16StringAppendChars(benchmark::State& state) {
    for (auto _ : state) {
        std::u16string s;
        for (int i = 0; i < kCharacters; ++i) s.push_back(static_cast<char16_t>(u'a' + (i & 15)));
        benchmark::DoNotOptimize(s.data());
    }
    state.SetItemsProcessed(state.iterations() * kCharacters);
}
BENCHMARK(U16StringAppendChars)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
