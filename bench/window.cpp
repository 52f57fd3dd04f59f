// Window layer: a synchronous send from a worker thread to a window of a user-interface thread
// and back (the hand-off the toolkit makes for every widget call from another thread), and one
// full repaint of a 600 x 550 window holding 60 text windows (back buffer only, headless).
#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>

#include "platform/window/Backend.h"
#include "platform/window/Picture.h"
#include "platform/window/Text.h"
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

pw::Result label(pw::Handle w, std::uint32_t m, pw::WParam wp, pw::LParam lp) {
    if (m != pw::msg::kPaint) return pw::defaultHandler(w, m, wp, lp);
    pw::Canvas& c = *pw::paintEventOf(wp)->canvas;
    pw::Rect r = pw::windowRect(w);
    c.fillRect({0, 0, r.width, r.height}, pw::rgb(240, 240, 240));
    static const pw::Font font;
    c.drawText({0, 0, r.width, r.height}, u"SHA-256: e3b0c44298fc1c149afbf4c8996fb924", font,
               pw::rgb(0, 0, 0), pw::kTextMiddle | pw::kTextEllipsis);
    return 0;
}

void BM_RepaintSixtyLabels(benchmark::State& state) {
    pw::startBackend(pw::BackendKind::kHeadless);
    pw::registerClass("BenchLabel", label);
    pw::CreateParams p;
    p.className = "BenchLabel";
    p.rect = {0, 0, 600, 550};
    p.style = pw::kStyleVisible;
    pw::Handle top = pw::create(p);
    for (int i = 0; i < 60; ++i) {
        pw::CreateParams c = p;
        c.parent = top;
        c.rect = {(i % 2) * 300 + 4, (i / 2) * 18 + 4, 292, 16};
        pw::create(c);
    }
    pw::update(top);
    for (auto _ : state) {
        pw::invalidate(top);
        pw::update(top);
    }
    pw::destroy(top);
}
BENCHMARK(BM_RepaintSixtyLabels)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
