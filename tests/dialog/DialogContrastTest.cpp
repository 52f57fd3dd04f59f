// Every text of the dialog stands out from what is behind it in every theme: labels, check
// boxes, buttons, fields and drop-down lists, read back from the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "DialogWindow.h"
#include "ScreenShot.h"
#include "gui/win/Button.h"
#include "gui/win/CheckBox.h"
#include "gui/win/ComboBox.h"
#include "gui/win/EditBase.h"
#include "gui/win/Label.h"
#include "gui/win/ScrollBox.h"
#include "gui/win/TextField.h"
#include "gui/win/Window.h"
#include "platform/window/Window.h"

namespace dialog_testing {
namespace {

// Relative luminance of a 0x00BBGGRR pixel.
double contrastLuminance(std::uint32_t c) {
    auto channel = [](std::uint32_t v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c & 0xFF) + 0.7152 * channel((c >> 8) & 0xFF) +
           0.0722 * channel((c >> 16) & 0xFF);
}

// 1 is no contrast, 21 black on white.
double contrastRatio(std::uint32_t a, std::uint32_t b) {
    double la = contrastLuminance(a), lb = contrastLuminance(b);
    if (la < lb) std::swap(la, lb);
    return (la + 0.05) / (lb + 0.05);
}

// A widget with text and where its text lies (insets from its edges: frame and mark left out).
struct ContrastWidget {
    std::string name;
    s::gui::IComponent* widget;
    int left, top, right, bottom;
};

// Pixels of a readable text: a glyph-rich text draws well over this many at full strength.
constexpr int kContrastInk = 8;
constexpr double kReadable = 3.0;

class DialogContrast : public DialogWindow {
protected:
    int checked = 0;  // widgets looked at
    std::vector<ContrastWidget> calculateWidgets() {
        std::vector<ContrastWidget> out;
        for (int i = 0; i < s::file::gui::dialogs::filehash::kRowCount; ++i) {
            const Row row = static_cast<Row>(i);
            if (!dialog->rowBox(row)->isChecked()) continue;
            const std::string n = "row " + std::to_string(i);
            out.push_back({n + " check box", dialog->rowBox(row), 16, 2, 0, 2});
            out.push_back({n + " Copy", dialog->rowCopy(row), 6, 4, 6, 4});
            if (!dialog->rowField(row)->getText().empty() && row != Row::Summary)
                out.push_back({n + " field", dialog->rowField(row), 3, 3, 3, 3});
        }
        out.push_back({"Comma", dialog->sizeCommaBox(), 16, 2, 0, 2});
        out.push_back({"size type", dialog->sizeTypeSelector(), 3, 3, 20, 3});
        return out;
    }
    std::vector<ContrastWidget> verifyWidgets() {
        return {{"Paste", dialog->pasteButton(), 6, 4, 6, 4},
                {"match type", dialog->matchTypeSelector(), 3, 3, 20, 3},
                {"entered code", dialog->enteredField(), 3, 3, 3, 3},
                {"result line", dialog->resultLine(), 0, 0, 0, 0}};
    }

    // Checks the widgets that lie wholly in the visible part of the page; failures are
    // collected in `bad`.
    void checkShown(const std::vector<ContrastWidget>& widgets, const std::string& theme,
                    std::vector<std::string>* bad) {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        platform::window::Rect r = platform::window::screenRect(frame->window()->getNativeWindow());
        const Shot shot = grabScreen(r.x, r.y, r.width, r.height);
        for (const ContrastWidget& w : widgets) {
            int x0 = 0, y0 = 0, x1 = 0, y1 = 0, top = 0, bottom = 0;
            frame->handOff([&] {
                s::gui::win::ScrollBox* page = dialog->page(frame->selectedAction());
                top = page->getScreenY() - r.y;
                bottom = top + page->getHeight() - 16;  // above a horizontal bar
                x0 = w.widget->getScreenX() - r.x + w.left;
                y0 = w.widget->getScreenY() - r.y + w.top;
                x1 = w.widget->getScreenX() - r.x + w.widget->getWidth() - w.right;
                y1 = w.widget->getScreenY() - r.y + w.widget->getHeight() - w.bottom;
            });
            // Only what the page shows now (the rest is checked scrolled into view).
            if (x0 < 0 || y0 < top || x1 > shot.width || y1 > bottom || x1 <= x0 || y1 <= y0)
                continue;
            ++checked;
            std::map<std::uint32_t, int> counts;
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x) ++counts[shot.at(x, y)];
            std::uint32_t ground = 0;
            int most = 0;
            for (auto [c, n] : counts)
                if (n > most) most = n, ground = c;
            int strong = 0;
            for (auto [c, n] : counts)
                if (contrastRatio(c, ground) >= kReadable) strong += n;
            if (strong < kContrastInk) {
                std::ostringstream line;
                line << theme << ": " << w.name << " (ground " << std::hex << ground << ")";
                bad->push_back(line.str());
            }
        }
    }
};

TEST_F(DialogContrast, EveryTextStandsOutInEveryTheme) {
    const fs::path file = dir / "contrast.txt";
    writeFile(file, "contrast");
    drop(file);
    frame->handOff([&] { dialog->enteredField()->setText(u"0123456789abcdef", false); });
    std::vector<std::string> bad;
    ASSERT_GE(frame->themeCount(), 16u);
    for (std::uint32_t i = 0; i < frame->themeCount(); ++i) {
        const std::string theme = utf8(frame->themeName(i));
        frame->handOff([&] { dialog->switchTheme(i); });
        selectAction(0);
        frame->handOff([&] { dialog->page(0)->resetScroll(); });
        checkShown(calculateWidgets(), theme, &bad);
        frame->handOff([&] { dialog->page(0)->scrollBy(0, 2000); });
        checkShown(calculateWidgets(), theme, &bad);
        selectAction(1);
        checkShown(verifyWidgets(), theme, &bad);
    }
    // Every widget was on screen in one of the views: none went unchecked.
    EXPECT_GE(checked, static_cast<int>(frame->themeCount()) * 26);
    std::string all;
    for (const std::string& b : bad) all += b + "\n";
    EXPECT_TRUE(bad.empty()) << all;
}

}  // namespace
}  // namespace dialog_testing
