// Window layer: one key typed into a text field until the repaint is presented: the typed
// text is queued as input, turned into a character message for the focused field, edited,
// painted into the back buffer of a 600 x 550 window and presented (headless backend).
#include <benchmark/benchmark.h>

#include <string>

#include "platform/window/Edit.h"
#include "platform/window/Headless.h"
#include "platform/window/Input.h"
#include "platform/window/Window.h"

namespace pw = platform::window;

namespace {

pw::Result face(pw::Handle w, std::uint32_t m, pw::WParam wp, pw::LParam lp) {
    if (m != pw::msg::kPaint) return pw::defaultHandler(w, m, wp, lp);
    pw::Rect r = pw::windowRect(w);
    pw::paintEventOf(wp)->canvas->fillRect({0, 0, r.width, r.height}, pw::rgb(240, 240, 240));
    return 0;
}

void BM_KeyToPresentedRepaint(benchmark::State& state) {
    pw::startBackend(pw::BackendKind::kHeadless);
    pw::registerClass("BenchFace", face);
    pw::CreateParams p;
    p.className = "BenchFace";
    p.rect = {0, 0, 600, 550};
    p.style = pw::kStyleVisible;
    pw::Handle top = pw::create(p);
    pw::Handle field = pw::createEdit(top, {20, 20, 540, 24}, pw::kStyleVisible);
    const std::u16string code = u"e3b0c44298fc1c149afbf4c8996fb924";
    pw::setEditText(field, code);
    pw::setFocus(field);
    pw::processPending();
    int presents = pw::headless()->presentCount(top);
    int typed = 0;
    for (auto _ : state) {
        pw::input::text(top, u"7");
        pw::processPending();  // translate, edit, paint, present
        if (++typed == 32) {
            state.PauseTiming();
            pw::setEditText(field, code);
            pw::processPending();
            typed = 0;
            state.ResumeTiming();
        }
    }
    if (pw::headless()->presentCount(top) <= presents) state.SkipWithError("nothing presented");
    pw::destroy(top);
    pw::processPending();
}
BENCHMARK(BM_KeyToPresentedRepaint)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
