// The scroll-bar drawer: the bar's geometry (arrows, page areas, thumb), hit test, thumb drags
// and painting. Scroll bars ask it for all of these so that input follows what is painted.
#pragma once

#include <cstdint>

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer::scrollbar {

// Orientations.
enum Orientation : std::int32_t { kHorizontal = 0, kVertical = 1 };

// The parts of a bar in the coordinates of the bar rectangle given; empty when absent.
struct Geometry {
    enum Part : std::int32_t {
        kNone = -1,
        kFirstArrow = 0,
        kPageBefore = 1,
        kThumb = 2,
        kPageAfter = 3,
        kSecondArrow = 4
    };
    platform::window::Rect parts[5];

    // The first part holding the point (left and top edges inside, right and bottom outside).
    std::int32_t hitTest(platform::window::Point p) const {
        for (std::int32_t part = kFirstArrow; part <= kSecondArrow; ++part) {
            if (parts[part].contains(p)) return part;
        }
        return kNone;
    }
};

class IThin : public IDrawer {
public:
    // Part states of paint: 0 normal, 1 hovered, 2 pressed. pageColour kDrawerColour: the
    // drawer's page-area colour.
    virtual void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom, std::int32_t orientation, std::int32_t content,
                       std::int32_t page, std::int32_t position, bool otherShown,
                       std::int32_t firstArrowState, std::int32_t thumbState,
                       std::int32_t secondArrowState, Colour pageColour = kDrawerColour) = 0;
    virtual Geometry geometry(std::int32_t left, std::int32_t top, std::int32_t right,
                              std::int32_t bottom, std::int32_t orientation, std::int32_t content,
                              std::int32_t page, std::int32_t position, bool otherShown) const = 0;
    // The part under the point, or Geometry::kNone.
    virtual std::int32_t hitTest(platform::window::Point point, std::int32_t left, std::int32_t top,
                                 std::int32_t right, std::int32_t bottom, std::int32_t orientation,
                                 std::int32_t content, std::int32_t page, std::int32_t position,
                                 bool otherShown) const = 0;
    // The position a thumb drag gives for the pointer distance along the axis since the press
    // at startPosition.
    virtual std::int32_t dragPosition(std::int32_t distance, std::int32_t startPosition,
                                      std::int32_t left, std::int32_t top, std::int32_t right,
                                      std::int32_t bottom, std::int32_t orientation,
                                      std::int32_t content, std::int32_t page,
                                      bool otherShown) const = 0;

    virtual std::int32_t getThickness() const = 0;
    virtual void setThickness(std::int32_t thickness) = 0;
    // Also the line colour of the arrows and the thumb.
    virtual void setLineColour(Colour colour) = 0;
    virtual Colour getLineColour() const = 0;
    virtual void setPageColour(Colour colour) = 0;
    virtual Colour getPageColour() const = 0;
    // 0 no frame, 1 a frame with corner kind 1, 2 with corner kind 2.
    virtual void setBackgroundMode(std::int32_t mode) = 0;
    virtual std::int32_t getBackgroundMode() const = 0;
};

}  // namespace s::gui::drawer::scrollbar
