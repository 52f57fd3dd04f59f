// The window drawer: background, frame line and corner shape of a self-painted window.
#pragma once

#include <cstdint>
#include <vector>

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer::window {

// Corner styles of the top and the bottom edge.
enum CornerStyle : std::int32_t { kSquare = 0, kSmall = 1, kRound = 2 };

// The shape of a window: the union of these rectangles.
using Region = std::vector<platform::window::Rect>;

class IThin : public IDrawer {
public:
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom) = 0;
    // The shape to give the native window, in the coordinates of the rectangle given.
    virtual Region region(std::int32_t left, std::int32_t top, std::int32_t right,
                          std::int32_t bottom) const = 0;

    virtual void setFrameColour(Colour colour) = 0;
    virtual Colour getFrameColour() const = 0;
    virtual void setBackgroundColour(Colour colour) = 0;
    virtual Colour getBackgroundColour() const = 0;
    virtual void setCornerStyles(std::int32_t top, std::int32_t bottom) = 0;
    virtual std::int32_t getTopCornerStyle() const = 0;
    virtual std::int32_t getBottomCornerStyle() const = 0;
    // Transparent: the background is not filled.
    virtual void setTransparent(bool transparent) = 0;
    virtual bool isTransparent() const = 0;
};

}  // namespace s::gui::drawer::window
