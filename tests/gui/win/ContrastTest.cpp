// Text stays readable in every theme of both skin families: each text-bearing widget is painted
// on the window's own background and on grounds the skin did not choose (a white pile and the
// frame's grey), and its text pixels must stand out from the ground behind them.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "gui/HeadlessWindow.h"
#include "gui/combobox/ComboBoxItem.h"
#include "gui/drawer/Contrast.h"
#include "gui/drawer/Skinner.h"
#include "gui/menuitem/MenuItem.h"
#include "gui/win/Box.h"
#include "gui/win/Button.h"
#include "gui/win/CheckBox.h"
#include "gui/win/ComboBox.h"
#include "gui/win/GroupBox.h"
#include "gui/win/Label.h"
#include "gui/win/MenuEx.h"
#include "gui/win/PopupMenu.h"
#include "gui/win/RadioButton.h"
#include "gui/win/TextField.h"
#include "platform/window/Input.h"
#include "platform/window/Window.h"

namespace {

namespace pw = platform::window;
namespace sd = s::gui::drawer;
namespace sw = s::gui::win;

struct ContrastTheme {
    const char16_t* family;
    std::u16string name;
};

std::string asciiOf(const std::u16string& s);

void PrintTo(const ContrastTheme& theme, std::ostream* out) {
    *out << asciiOf(theme.family) << " " << asciiOf(theme.name);
}

std::vector<ContrastTheme> allContrastThemes() {
    std::vector<ContrastTheme> all;
    for (const char16_t* family : {sd::Skinner::kThinWindow, sd::Skinner::kThin}) {
        sd::Skinner* skinner = sd::Skinner::create();
        skinner->build(family);
        for (std::int32_t i = 0; i < skinner->getSkinCount(); ++i)
            all.push_back({family, skinner->getSkinName(i)});
        skinner->release();
    }
    return all;
}

std::string asciiOf(const std::u16string& s) {
    std::string out;
    for (char16_t c : s) out += std::isalnum(static_cast<int>(c)) ? static_cast<char>(c) : '_';
    return out;
}

// Where a widget's text lies, inside the widget (its frame and mark left out).
struct TextArea {
    std::int32_t left, top, right, bottom;  // insets from the widget's edges
};

// What a region of pixels shows: the ground (its most frequent colour) and how many pixels
// stand out from it by the readable contrast.
struct Ink {
    pw::Colour ground = 0;
    int strong = 0;
    double best = 1.0;
};

Ink inkOf(const std::vector<pw::Colour>& pixels) {
    std::map<pw::Colour, int> counts;
    for (pw::Colour c : pixels) ++counts[c];
    Ink ink;
    int most = 0;
    for (auto [c, n] : counts) {
        if (n > most) most = n, ink.ground = c;
    }
    for (pw::Colour c : pixels) {
        double r = sd::Contrast::ratio(c, ink.ground);
        ink.best = std::max(ink.best, r);
        ink.strong += r >= sd::Contrast::kMinimum;
    }
    return ink;
}

// A glyph-rich text draws well over this many full-strength pixels.
constexpr int kEnoughInk = 8;

class ContrastInEveryTheme : public s::gui::testing::HeadlessWindow,
                             public ::testing::WithParamInterface<ContrastTheme> {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        skinner = sd::Skinner::create();
        skinner->build(GetParam().family);
        skinner->selectSkin(GetParam().name);
        ASSERT_EQ(skinner->getCurrentSkin()->getName(), GetParam().name);
        window->setSkinner(skinner);
        window->setSize(520, 200);
    }
    void TearDown() override {
        HeadlessWindow::TearDown();
        skinner->release();
    }

    // The pixels of the text area of a widget as last painted, read on the window's thread.
    std::vector<pw::Colour> textPixels(s::gui::IComponent* widget, TextArea a) {
        pw::update(top());
        return onOwner([&] {
            std::vector<pw::Colour> all;
            pw::Handle native = widget->getNativeWindow();
            for (std::int32_t y = a.top; y < widget->getHeight() - a.bottom; ++y) {
                for (std::int32_t x = a.left; x < widget->getWidth() - a.right; ++x) {
                    pw::Colour c = 0;
                    if (pw::pixelAt(native, {x, y}, &c)) all.push_back(c & 0xFFFFFF);
                }
            }
            return all;
        });
    }

    sd::Skinner* skinner = nullptr;
};

struct Placed {
    const char* name;
    s::gui::IComponent* widget;
    TextArea area;
};

TEST_P(ContrastInEveryTheme, WidgetTextsStandOutFromTheGroundBehindThem) {
    // One row of widgets in a box whose ground changes below.
    sw::Box* row = sw::newBox(100, 100, -1, -1, 6, 6, 4, 4, s::gui::layout::kFlow);
    sw::MenuEx* bar = sw::newMenuEx();
    bar->addItem(s::gui::menuitem::newMenuItemText(u"File", 1, false));
    bar->addItem(s::gui::menuitem::newMenuItemText(u"View", 2, false));
    window->add(bar);
    window->add(row);
    sw::TextField* field = sw::newTextField(-1);
    field->setComponentFixedWidth(90);
    field->setText(u"MMMM", false);
    sw::ComboBox* combo = sw::newComboBox(100, true);
    combo->addItem(s::gui::combobox::newComboBoxItem(u"MMMM", nullptr));
    combo->select(0, false);
    sw::GroupBox* group = sw::newGroupBoxTitled(u"MMMM", -1, -1, -1, 0);
    group->setComponentFixedWidth(100);
    group->setComponentFixedHeight(40);
    const std::int32_t box = sw::CheckBox::kBoxSide;
    const Placed placed[] = {
        {"label", sw::newLabel(u"MMMM"), {0, 0, 0, 0}},
        {"check box", sw::newCheckBoxText(u"MMMM", true, true, -1, -1), {box + 2, 0, 0, 0}},
        {"disabled check box",
         sw::newCheckBoxText(u"MMMM", false, false, -1, -1),
         {box + 2, 0, 0, 0}},
        {"radio button", sw::newRadioButton(u"MMMM", true), {box + 2, 0, 0, 0}},
        {"button", sw::newButton(u"MMMM", 70, 24), {3, 3, 3, 3}},
        {"text field", field, {3, 3, 3, 3}},
        {"drop-down list", combo, {4, 3, 16, 3}},
        {"group box title", group, {9, 2, 12, 40 - 15}},
    };
    for (const Placed& p : placed) row->add(p.widget);
    window->setVisible(true, false);

    struct Ground {
        const char* name;
        std::function<void()> apply;
    };
    const Ground grounds[] = {
        {"window background", [&] { row->setBackgroundTransparent(true); }},
        {"white pile", [&] { row->setOwnBackground(255, 255, 255); }},
        {"grey pile", [&] { row->setOwnBackground(145, 155, 156); }},
    };
    for (const Ground& g : grounds) {
        g.apply();
        for (const Placed& p : placed) {
            ASSERT_GT(p.widget->getWidth() * p.widget->getHeight(), 0) << p.name;
            Ink ink = inkOf(textPixels(p.widget, p.area));
            // A disabled text is dimmed on purpose: visible, but not full strength.
            bool dim = std::string(p.name).rfind("disabled", 0) == 0;
            double wanted = dim ? 1.5 : sd::Contrast::kMinimum;
            EXPECT_GE(ink.best, wanted)
                << p.name << " on the " << g.name << ", ground " << std::hex << ink.ground;
            if (!dim) {
                EXPECT_GE(ink.strong, kEnoughInk)
                    << p.name << " on the " << g.name << ", ground " << std::hex << ink.ground;
            }
        }
    }
    // The menu bar stands on the window's own background.
    Ink barInk = inkOf(textPixels(bar, {0, 0, 0, 0}));
    EXPECT_GE(barInk.strong, kEnoughInk) << "menu bar, ground " << std::hex << barInk.ground;
    window->remove(bar, true);  // the bar releases its items with it
}

// A popup menu paints its own face; its items must stand out from it, the hovered one from
// the highlight.
TEST_P(ContrastInEveryTheme, PopupMenuItemsStandOutFromItsFace) {
    window->setVisible(true, false);
    sw::PopupMenu* menu = sw::newPopupMenu(-1, nullptr);
    menu->addItem(s::gui::menuitem::newMenuItemText(u"MMMM MMMM", 1, false));
    menu->addItem(s::gui::menuitem::newMenuItemText(u"MMMM MMMM", 2, false));
    std::thread shower([&] { menu->showAt(10, 10, top()); });
    pw::Handle popup = pw::kNoWindow;
    eventually([&] {
        for (pw::Handle h : pw::topLevelWindows())
            if (pw::className(h) == "KavrelPopupMenu") popup = h;
        return popup != pw::kNoWindow;
    });
    ASSERT_NE(popup, pw::kNoWindow);
    pw::Rect r = pw::windowRect(popup);
    // Each pixel is asked of the popup's own thread: only the middle rows of an item, which
    // cross every stroke of "M", are read.
    auto rowInk = [&](std::int32_t top, std::int32_t bottom) {
        pw::update(popup);
        std::vector<pw::Colour> all;
        const std::int32_t middle = (top + bottom) / 2;
        for (std::int32_t y = middle - 2; y <= middle + 2; ++y)
            for (std::int32_t x = 4; x < r.width - 4; ++x) {
                pw::Colour c = 0;
                if (pw::pixelAt(popup, {x, y}, &c)) all.push_back(c & 0xFFFFFF);
            }
        return inkOf(all);
    };
    const std::int32_t half = r.height / 2;
    Ink plain = rowInk(3, half);
    EXPECT_GE(plain.strong, kEnoughInk) << "ground " << std::hex << plain.ground;
    // Hover the second item: its row takes the highlight as its ground.
    pw::input::mouseMove(popup, {r.width / 2, half + half / 2});
    Ink hovered;
    EXPECT_TRUE(eventually([&] {
        hovered = rowInk(half + 1, r.height - 3);
        return hovered.ground != plain.ground;
    }));
    EXPECT_GE(hovered.strong, kEnoughInk) << "ground " << std::hex << hovered.ground;
    pw::input::key(popup, pw::vk::kEscape, true);
    pw::input::key(popup, pw::vk::kEscape, false);
    shower.join();
    menu->release();
}

// The widget with the keyboard focus shows a ring along its edges that stands out from the
// widget's own ground (the colour most of it shows without the ring) by 3:1 on every side.
TEST_P(ContrastInEveryTheme, FocusRingStandsOutFromItsWidgetsGround) {
    sw::Box* row = sw::newBox(100, 100, -1, -1, 6, 6, 4, 4, s::gui::layout::kFlow);
    window->add(row);
    sw::TextField* field = sw::newTextField(-1);
    field->setComponentFixedWidth(90);
    sw::ComboBox* combo = sw::newComboBox(100, true);
    combo->addItem(s::gui::combobox::newComboBoxItem(u"MMMM", nullptr));
    combo->select(0, false);
    sw::Label* link = sw::newLabel(u"MMMM");
    link->setStateFonts(true);
    struct Ringed {
        const char* name;
        sw::Component* widget;
        std::int32_t inset;  // where the ring lies inside the widget's edges
    };
    const Ringed ringed[] = {
        {"button", sw::newButton(u"MMMM", 70, 24), 2},
        {"check box", sw::newCheckBoxText(u"MMMM", true, true, -1, -1), 0},
        {"radio button", sw::newRadioButton(u"MMMM", true), 0},
        {"link", link, 0},
        {"drop-down list", combo, 2},
        {"text field", field, 1},  // the ring's inner line: its outer one is the frame's place
    };
    for (const Ringed& r : ringed) row->add(r.widget);
    window->setVisible(true, false);
    for (const Ringed& r : ringed) {
        SCOPED_TRACE(r.name);
        const std::int32_t w = r.widget->getWidth(), h = r.widget->getHeight();
        ASSERT_GT(w * h, 0);
        // The middle of each side of the ring.
        const pw::Point sides[] = {
            {r.inset, h / 2}, {w - 1 - r.inset, h / 2}, {w / 2, r.inset}, {w / 2, h - 1 - r.inset}};
        auto sample = [&] {
            pw::update(top());
            return onOwner([&] {
                std::vector<pw::Colour> at;
                for (pw::Point p : sides) {
                    pw::Colour c = 0;
                    pw::pixelAt(r.widget->getNativeWindow(), p, &c);
                    at.push_back(c & 0xFFFFFF);
                }
                return at;
            });
        };
        onOwner([] {
            pw::setFocus(pw::kNoWindow);
            return 0;
        });
        const pw::Colour ground = inkOf(textPixels(r.widget, {0, 0, 0, 0})).ground;
        const std::vector<pw::Colour> before = sample();
        onOwner([&] {
            r.widget->giveFocus();
            return 0;
        });
        const std::vector<pw::Colour> ring = sample();
        for (std::size_t i = 0; i < ring.size(); ++i) {
            EXPECT_NE(ring[i], before[i]) << "side " << i << " shows no ring";
            EXPECT_GE(sd::Contrast::ratio(ring[i], ground), sd::Contrast::kMinimum)
                << "side " << i << ": ring " << std::hex << ring[i] << " on " << ground;
        }
    }
}

// A colour too faint for its ground moves towards black or white only as far as a comfortable
// ratio needs: the
// verdict's green stays green on white, a dark red turns lighter on black, and a colour that
// already stands out is kept.
TEST(ContrastColour, FaintColoursKeepTheirHueAndBecomeReadable) {
    const pw::Colour white = pw::rgb(255, 255, 255), black = pw::rgb(0, 0, 0);
    struct Case {
        pw::Colour wanted, ground;
    };
    for (Case c : {Case{pw::rgb(0, 187, 0), white}, Case{pw::rgb(255, 255, 0), white},
                   Case{pw::rgb(120, 0, 0), black}, Case{pw::rgb(0, 0, 160), black}}) {
        pw::Colour got = sd::Contrast::readable(c.wanted, c.ground);
        EXPECT_GE(sd::Contrast::ratio(got, c.ground), sd::Contrast::kAdjusted) << std::hex << got;
        EXPECT_NE(got, black);
        EXPECT_NE(got, white);
        // Each channel moved the same way, towards the same end: the hue is kept.
        const bool darker = c.ground == white;
        for (auto channel : {pw::red, pw::green, pw::blue}) {
            EXPECT_TRUE(darker ? channel(got) <= channel(c.wanted)
                               : channel(got) >= channel(c.wanted))
                << std::hex << got;
        }
    }
    EXPECT_EQ(sd::Contrast::readable(pw::rgb(0, 187, 0), black), pw::rgb(0, 187, 0));
}

INSTANTIATE_TEST_SUITE_P(Themes, ContrastInEveryTheme, ::testing::ValuesIn(allContrastThemes()),
                         [](const auto& info) {
                             std::string family = info.param.family == std::u16string(u"Thin")
                                                      ? "Thin_"
                                                      : "ThinWindow_";
                             return family + asciiOf(info.param.name);
                         });

}  // namespace
