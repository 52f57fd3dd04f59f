// Start-up cost of the language pack: parsing the embedded pack and building its languages,
// and the cost of one text lookup in the current language.
#include <benchmark/benchmark.h>

#include <ctime>

#include "lang/Localizer.h"
#include "platform/Resources.h"
#include "xml/Node.h"

namespace {

using s::lang::Localizer;

void ParseEmbeddedPack(benchmark::State& state) {
    const platform::Resource pack = platform::findResource("IDR_XML", 130);
    if (!pack) {
        state.SkipWithError("the language pack is not embedded");
        return;
    }
    for (auto _ : state) {
        s::xml::Node* root = s::xml::Node::create();
        root->parseBytes(pack.data, static_cast<std::uint32_t>(pack.size));
        benchmark::DoNotOptimize(root->childCount());
        root->release();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * pack.size));
}
BENCHMARK(ParseEmbeddedPack)->Unit(benchmark::kMillisecond);

// The whole of createLocalizer: decode, parse, 34 languages with 99 texts each, selection.
// "first_cpu_ms" is the processor time of the first call in the process, as at start-up (empty
// pools, cold caches); processor time, because the wall time of a shared machine says little.
void CreateLocalizer(benchmark::State& state) {
    static const double first = [] {
        const std::clock_t start = std::clock();
        Localizer* localizer = Localizer::createLocalizer();
        const std::clock_t end = std::clock();
        localizer->release();
        return 1000.0 * static_cast<double>(end - start) / CLOCKS_PER_SEC;
    }();
    state.counters["first_cpu_ms"] = first;
    for (auto _ : state) {
        Localizer* localizer = Localizer::createLocalizer();
        benchmark::DoNotOptimize(localizer->languageCount());
        localizer->release();
    }
}
BENCHMARK(CreateLocalizer)->Unit(benchmark::kMillisecond);

// One lookup: a linear search of the current language's 99 ids (the last id is the worst case).
void TextLookup(benchmark::State& state) {
    Localizer* localizer = Localizer::createLocalizer();
    const std::int32_t id = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(localizer->text(id));
    localizer->release();
}
BENCHMARK(TextLookup)->Arg(100000)->Arg(3030000);

}  // namespace

BENCHMARK_MAIN();
