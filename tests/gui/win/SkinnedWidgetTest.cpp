// Widgets paint through the window's current skin and repaint when the theme changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "gui/HeadlessWindow.h"
#include "gui/drawer/SkinColours.h"
#include "gui/drawer/Skinner.h"
#include "gui/win/Button.h"
#include "gui/win/CheckBox.h"
#include "gui/win/GroupBox.h"
#include "gui/win/Label.h"
#include "gui/win/MessageBoxW.h"
#include "gui/win/ProgressBar.h"
#include "gui/win/RadioButton.h"
#include "gui/win/Slider.h"
#include "gui/win/TextField.h"
#include "platform/window/Headless.h"

namespace pw = platform::window;
using s::gui::testing::HeadlessWindow;
using namespace s::gui::win;

namespace {

struct Kind {
    const char* name;
    std::function<s::gui::IComponent*()> make;
};

const Kind kKinds[] = {
    {"Label", [] { return newLabel(u"Hash"); }},
    {"Button", [] { return newButton(u"Hash", 60, 24); }},
    {"CheckBox", [] { return newCheckBoxText(u"Hash", true, true, -1, -1); }},
    {"RadioButton", [] { return newRadioButton(u"Hash", true); }},
    {"GroupBox", [] { return newGroupBoxTitled(u"Hash", -1, -1, -1, 0); }},
    {"ProgressBar",
     [] {
         ProgressBar* bar = newProgressBar();
         bar->setPosition(50);
         return bar;
     }},
    {"Slider",
     [] {
         Slider* slider = newSlider(0, 100, 80);
         slider->setPosition(50);
         return slider;
     }},
};

std::int32_t luminance(pw::Colour c) {
    return static_cast<std::int32_t>((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF)) / 3;
}

class SkinnedWidgets : public HeadlessWindow {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        skinner = s::gui::drawer::newSkinner();
        skinner->selectSkin(u"White");
        window->setSkinner(skinner);
    }
    void TearDown() override {
        HeadlessWindow::TearDown();
        skinner->release();
    }

    // Every pixel of the widget as last painted.
    std::vector<pw::Colour> pixelsOf(s::gui::IComponent* widget) {
        pw::update(top());
        std::vector<pw::Colour> all;
        pw::Handle native = widget->getNativeWindow();
        for (std::int32_t y = 0; y < widget->getHeight(); ++y) {
            for (std::int32_t x = 0; x < widget->getWidth(); ++x) {
                pw::Colour c = 0;
                pw::pixelAt(native, {x, y}, &c);
                all.push_back(c & 0xFFFFFF);
            }
        }
        return all;
    }

    s::gui::drawer::Skinner* skinner = nullptr;
};

class SkinnedWidget : public SkinnedWidgets, public ::testing::WithParamInterface<Kind> {};

// A theme switched while the window is shown repaints the widget in the new skin, and
// switching back gives the first picture again.
TEST_P(SkinnedWidget, ThemeSwitchWhileShownRepaints) {
    s::gui::IComponent* widget = GetParam().make();
    window->add(widget);
    window->setVisible(true, false);
    ASSERT_GT(widget->getWidth() * widget->getHeight(), 0);
    std::vector<pw::Colour> white = pixelsOf(widget);
    skinner->selectSkin(u"Black");
    std::vector<pw::Colour> black = pixelsOf(widget);
    EXPECT_NE(white, black);
    skinner->selectSkin(u"White");
    EXPECT_EQ(pixelsOf(widget), white);
}

INSTANTIATE_TEST_SUITE_P(Widgets, SkinnedWidget, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.name); });

// A label with no colour of its own takes the skin's text colour: dark text in White, light
// text in Black, on the window's own background either way.
TEST_F(SkinnedWidgets, LabelTextStaysReadableInDarkThemes) {
    Label* label = newLabel(u"MMMM");
    window->add(label);
    window->setVisible(true, false);
    auto extremes = [&] {
        std::vector<pw::Colour> all = pixelsOf(label);
        std::int32_t lo = 255, hi = 0;
        for (pw::Colour c : all) lo = std::min(lo, luminance(c)), hi = std::max(hi, luminance(c));
        return std::pair{lo, hi};
    };
    auto [whiteLo, whiteHi] = extremes();
    EXPECT_LT(whiteLo, 80);   // dark ink
    EXPECT_GT(whiteHi, 180);  // on a light ground
    skinner->selectSkin(u"Black");
    auto [blackLo, blackHi] = extremes();
    EXPECT_GT(blackHi, 180);  // light ink
    EXPECT_LT(blackLo, 80);   // on a dark ground
    // Removed widgets stop listening: a later switch reaches only the window.
    std::int32_t listeners = skinner->getListenerCount();
    window->remove(label, true);
    EXPECT_EQ(skinner->getListenerCount(), listeners - 1);
}

// Text-field frames and message boxes, painted without a drawer, take the theme's colours:
// a light box and a grey frame in White, a dark box in Black.
TEST_F(SkinnedWidgets, FieldFramesAndMessageBoxesFollowTheTheme) {
    TextField* field = newTextField(100);
    window->add(field);
    window->setVisible(true, false);
    auto frameAndBox = [&] {
        window->takeFocus();  // the field's plain frame: no focus ring over it
        pw::update(top());
        pw::Colour frame = 0;
        pw::pixelAt(top(), {field->getX(), field->getY() + field->getHeight() / 2}, &frame);
        informBox(top(), u"Done");
        pw::MessageBoxRequest shown = pw::headless()->shownMessageBoxes().back();
        return std::pair{frame & 0xFFFFFF, shown.colours};
    };
    auto [whiteFrame, whiteBox] = frameAndBox();
    auto white = s::gui::drawer::SkinColours::of(skinner->getCurrentSkin());
    EXPECT_EQ(whiteFrame, white.frame);
    EXPECT_GT(luminance(whiteBox.face), 180);
    EXPECT_LT(luminance(whiteBox.text), 80);

    skinner->selectSkin(u"Black");
    auto [blackFrame, blackBox] = frameAndBox();
    auto black = s::gui::drawer::SkinColours::of(skinner->getCurrentSkin());
    EXPECT_EQ(blackFrame, black.frame);
    EXPECT_NE(blackFrame, whiteFrame);
    EXPECT_LT(luminance(blackBox.face), 80);
    EXPECT_GT(luminance(blackBox.text), 180);
    EXPECT_EQ(blackBox.button, black.buttonFace);
}

// A box with no themed owner (none at all, or a window that could not be made and has no skin
// yet) takes the application's theme.
TEST_F(SkinnedWidgets, BoxesWithoutAThemedOwnerTakeTheApplicationsTheme) {
    skinner->selectSkin(u"Black");
    const auto black = s::gui::drawer::SkinColours::of(skinner->getCurrentSkin());
    MessageBoxW::setApplication(u"", nullptr, skinner);
    informBox(pw::kNoWindow, u"Done");
    const pw::BoxColours ownerless = pw::headless()->shownMessageBoxes().back().colours;
    pw::headless()->setFailSurfaces(true);
    Window* failed = Window::create();
    pw::headless()->setFailSurfaces(false);
    const pw::MessageBoxRequest failure = pw::headless()->shownMessageBoxes().back();
    failed->release();
    MessageBoxW::setApplication(u"", nullptr);
    EXPECT_EQ(failure.text, u"Window Creation Failed!");
    for (const pw::BoxColours& c : {ownerless, failure.colours}) {
        EXPECT_EQ(c.face, black.face);
        EXPECT_EQ(c.text, black.text);
        EXPECT_EQ(c.button, black.buttonFace);
        EXPECT_EQ(c.defaultFrame, black.focusFrame);
    }
    EXPECT_LT(luminance(failure.colours.face), 80);
}

}  // namespace
