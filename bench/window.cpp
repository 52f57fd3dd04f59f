// Window layer: a synchronous send from a worker thread to a window of a user-interface thread
// and back (the hand-off the toolkit makes for every widget call from another thread).
#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>

#include "platform/window/Backend.h"
#include "platform/window/Window.h"

namespace pw = platform::window;

namespace {

pw::Result echo(pw::Handle w, std::uint32_t m, pw::WParam wp, pw::LParam lp) {
    if (m == pw::msg::kUser) return static_cast<pw::Result>(wp + 1);
    return pw::defaultHandler(w, m, wp, lp);
}

void BM_SendRoundTrip(benchmark::State& state) {
    pw::startBackend(pw::BackendKind::kHeadless);
    pw::registerClass("BenchEcho", echo);
    std::atomic<pw::Handle> window{pw::kNoWindow};
    std::atomic<pw::ThreadId> ui{0};
    std::thread owner([&] {
        pw::CreateParams p;
        p.className = "BenchEcho";
        p.style = pw::kStyleMessageOnly;
        ui = pw::currentThread();
        window = pw::create(p);
        pw::runMessageLoop();
        pw::destroy(window);
    });
    while (!window.load()) std::this_thread::yield();
    pw::WParam n = 0;
    for (auto _ : state) {
        n = static_cast<pw::WParam>(pw::send(window, pw::msg::kUser, n));
    }
    benchmark::DoNotOptimize(n);
    pw::postQuit(ui);
    owner.join();
}
BENCHMARK(BM_SendRoundTrip)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
