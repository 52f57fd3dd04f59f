// One full layout and repaint of a 600 x 550 window holding 60 labels (20 rows of 3), and of
// one holding 60 mixed widgets (labels, buttons, check boxes, text fields, group boxes and a
// drop-down list), on the headless backend. The window is resized by one pixel each time so
// every box lays out again.
#include <benchmark/benchmark.h>

#include <string>

#include "gui/combobox/ComboBoxItem.h"
#include "gui/win/Box.h"
#include "gui/win/Button.h"
#include "gui/win/CheckBox.h"
#include "gui/win/ComboBox.h"
#include "gui/win/GroupBox.h"
#include "gui/win/Label.h"
#include "gui/win/TextField.h"
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

namespace {

std::u16string numbered(const std::u16string& text, int n) {
    return text + u" " + std::u16string(1, static_cast<char16_t>(u'A' + n));
}

// A group box of `rows` rows, each made by `row` into a row box.
GroupBox* groupOf(const std::u16string& title, int rows, void (*row)(Box*, int)) {
    GroupBox* group = newGroupBoxTitled(title, 6, 4, 100, s::gui::layout::kColumn);
    s::gui::IBox* content = group->getContentBox();
    for (int r = 0; r < rows; ++r) {
        Box* line = newBox(100, -1, 0, 1, 8, -1, -1, -1, 0);
        row(line, r);
        content->add(line);
    }
    return group;
}

}  // namespace

// 60 widgets: three group boxes holding 18, 18 and 20 widgets, and a drop-down list.
static void LayoutAndRepaint60MixedWidgets(benchmark::State& state) {
    pw::startBackend(pw::BackendKind::kHeadless);
    Window* window = newWindow(0, 0, 600, 550);
    Box* column = newBox(100, 100, 0, 0, -1, 6, 8, 8, 1);
    ComboBox* combo = newComboBox(160, true);
    for (int i = 0; i < 12; ++i) {
        combo->addItem(s::gui::combobox::newComboBoxItem(numbered(u"Algorithm", i), nullptr));
    }
    combo->select(0, false);
    column->add(combo);
    column->add(groupOf(u"File", 6, [](Box* line, int r) {
        line->add(newLabel(numbered(u"Field", r)));
        line->add(newTextField(60));
        line->add(newButton(u"Copy", 60, 22));
    }));
    column->add(groupOf(u"Hash codes", 6, [](Box* line, int r) {
        line->add(newCheckBoxText(numbered(u"Code", r), r % 2 == 0, true, 110, 20));
        line->add(newTextField(60));
        line->add(newButton(u"Copy", 60, 22));
    }));
    column->add(groupOf(u"Options", 5, [](Box* line, int r) {
        line->add(newLabel(numbered(u"Option", r)));
        line->add(newCheckBoxText(u"On", true, true, 60, 20));
        line->add(newButton(u"Reset", 60, 22));
        line->add(newTextField(40));
    }));
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
BENCHMARK(LayoutAndRepaint60MixedWidgets)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

BENCHMARK_MAIN();
