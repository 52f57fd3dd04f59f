// Sliders follow the user's drag; pictures are scaled into their widget.
#include <gtest/gtest.h>

#include "gui/HeadlessWindow.h"
#include "gui/Recorder.h"
#include "gui/win/Image.h"
#include "gui/win/Slider.h"
#include "platform/window/Input.h"

namespace pw = platform::window;
using s::gui::testing::HeadlessWindow;
using s::gui::testing::Recorder;
using namespace s::gui::win;

namespace {

using SliderWidget = HeadlessWindow;

TEST_F(SliderWidget, DragSetsThePositionAndTellsListenersProgramDoesNot) {
    Slider* slider = newSlider(0, 10, 100);
    Recorder changes;
    slider->addChangeListener(&changes);
    window->add(slider);
    window->setVisible(true, false);
    slider->setPosition(42);  // clamped, silent
    EXPECT_EQ(slider->getPosition(), 10);
    pw::input::mouseButton(top(), {1, 10}, pw::MouseButton::kLeft, true);
    pw::input::mouseButton(top(), {1, 10}, pw::MouseButton::kLeft, false);
    ASSERT_TRUE(changes.waitFor(1));
    EXPECT_LT(slider->getPosition(), 5);
}

using ImageWidget = HeadlessWindow;

TEST_F(ImageWidget, IconScalesItsPicture) {
    pw::Picture red(4, 4);
    red.canvas().fillRect({0, 0, 4, 4}, pw::rgb(255, 0, 0));
    Image* icon = newIcon(&red);
    window->add(icon);
    window->setVisible(true, false);
    EXPECT_EQ(icon->getWidth(), 16);
    EXPECT_EQ(pixel(8, 8), pw::rgb(255, 0, 0));
    EXPECT_NE(pixel(20, 20), pw::rgb(255, 0, 0));
}

}  // namespace
