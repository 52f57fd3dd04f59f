// One full layout and repaint of a 600 x 550 window holding 60 labels (20 rows of 3), on the
// headless backend. The window is resized by one pixel each time so every box lays out again.
#include <benchmark/benchmark.h>

#include <string>

#include "gui/win/Box.h"
#include "gui/win/Label.h"
#include "gui/win/Window.h"
#include "platform/window/Backend.h"
#include "platform/window/Window.h"

namespace pw = platform::window;
using namespace s::gui::win;

static void LayoutAndRepaint60Labels(benchmark::State& state) {
    pw::startBackend(pw::BackendKind::kHeadless);
    Window* window = newWindow(0, 0, 600, 550);
    window->setBackgroundColour(255, 255, 255, false);
    Box* column = newBox(100, 100, 0, 0, -1, 4, 8, 8, 1);
    for (int row = 0; row < 20; ++row) {
        Box* line = newBox(100, -1, 0, 1, 10, -1, -1, -1, 0);
        for (int i = 0; i < 3; ++i) {
            line->add(newLabel(u"Label " + std::u16string(1, u'A' + row) +
                               std::u16string(1, u'0' + i) + u": some text"));
        }
        column->add(line);
    }
    window->add(column);
    window->setVisible(true, false);
    pw::Handle top = window->getNativeWindow();
    std::int32_t width = 600;
    for (auto _ : state) {
        width = width == 600 ? 599 : 600;
        window->setSize(width, 550);  // lays out the whole tree
        pw::invalidate(top);
        pw::update(top);
    }
    window->removeAll(true);
    window->release();
}
// CPU time is that of the whole process: the window thread does the layout and painting.
BENCHMARK(LayoutAndRepaint60Labels)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

BENCHMARK_MAIN();
