// Text painting with effects and the measuring rules of wrapped, cut and plain text.
#include "gui/drawer/text/win/Basic.h"

#include <vector>

#include "gui/drawer/Contrast.h"
#include "platform/window/Scale.h"

namespace pw = platform::window;

namespace s::gui::drawer::text::win {

namespace {

constexpr Colour kBlack = pw::rgb(0, 0, 0);
constexpr Colour kWhite = pw::rgb(255, 255, 255);

struct Copy {
    std::int32_t dx, dy;
    Colour colour;  // kDrawerColour: the text colour
};

// Offset copies drawn before the text itself, for each effect, with offsets in pixels of a
// 96-dpi screen.
std::vector<Copy> copiesAt96Dpi(std::int32_t effect, Colour textColour) {
    switch (effect) {
        case 1:  // thin outline: black on the four sides
            return {{-1, 0, kBlack}, {1, 0, kBlack}, {0, -1, kBlack}, {0, 1, kBlack}};
        case 2:  // shadow one pixel right and down; a lighter one under black text
            return {{1, 1, textColour == kBlack ? pw::rgb(238, 238, 238) : pw::rgb(119, 119, 119)}};
        case 3:  // embossed: black two pixels right and down, white in place, then the text
            return {{2, 2, kBlack}, {0, 0, kWhite}, {1, 1, kDrawerColour}};
        case 4:  // engraved: white in place, black two pixels lower, then the text one lower
            return {{0, 0, kWhite}, {0, 2, kBlack}, {0, 1, kDrawerColour}};
        case 5:  // white outline
            return {{-1, 0, kWhite}, {1, 0, kWhite}, {0, -1, kWhite}, {0, 1, kWhite}};
        case 6:  // black outline on all eight neighbours
        case 8:  // white outline on all eight neighbours
        {
            Colour c = effect == 6 ? kBlack : kWhite;
            std::vector<Copy> v;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (dx || dy) v.push_back({dx, dy, c});
            return v;
        }
        case 7:  // black outline with a shadow
            return {
                {-1, 0, kBlack}, {1, 0, kBlack}, {0, -1, kBlack}, {0, 1, kBlack}, {2, 2, kBlack}};
        default:
            return {};
    }
}

// The copies with their offsets at the scale factor, so that an outline or a shadow keeps its
// weight beside the larger text.
std::vector<Copy> copiesOf(std::int32_t effect, Colour textColour) {
    std::vector<Copy> copies = copiesAt96Dpi(effect, textColour);
    for (Copy& c : copies) {
        c.dx = pw::scaled(c.dx);
        c.dy = pw::scaled(c.dy);
    }
    return copies;
}

}  // namespace

void Basic::reset() {
    colours_[0] = kBlack;
    colours_[1] = kBlack;
    colours_[2] = kBlack;
    colours_[3] = pw::rgb(68, 68, 68);
    second_ = kWhite;
    third_ = pw::rgb(238, 238, 238);
}

void Basic::setFontColours(Colour text, Colour second, Colour third) {
    colours_[0] = text;
    second_ = second;
    third_ = third;
}

void Basic::setStateColours(Colour hovered, Colour pressed, Colour fourth) {
    colours_[1] = hovered;
    colours_[2] = pressed;
    colours_[3] = fourth;
}

Colour Basic::getStateColour(std::int32_t state) const {
    return state >= 0 && state < 4 ? colours_[state] : colours_[0];
}

void Basic::paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                  std::int32_t bottom, std::u16string_view text, const IFont* font,
                  const TextFormat& format, Colour colour) {
    if (emptyArea(left, top, right, bottom) || text.empty()) return;
    if (colour == kDrawerColour) {
        colour = font && font->isTextColourSet() ? font->getTextColour() : colours_[0];
    }
    std::uint32_t flags = pw::kTextLeft;
    if (format.centred) {
        flags = pw::kTextCentre | pw::kTextMiddle | pw::kTextEllipsis;
    } else if (format.wrap) {
        flags = pw::kTextWrap;
    } else if (format.ellipsis) {
        flags = pw::kTextEllipsis;
    }
    const pw::Font& f = nativeFontOf(font);
    pw::Rect area{left, top, right - left, bottom - top};
    if (Colour ground = 0; Contrast::groundOf(picture, area, &ground)) {
        colour = Contrast::readable(colour, ground);
        if (format.dimmed) colour = Contrast::dimmed(colour, ground);
    }
    for (const Copy& c : copiesOf(format.effect, colour)) {
        picture.drawText(area.offset(c.dx, c.dy), text, f,
                         c.colour == kDrawerColour ? colour : c.colour, flags);
    }
    picture.drawText(area, text, f, colour, flags);
}

void Basic::measure(std::u16string_view text, const IFont* font, const TextFormat& format,
                    std::int32_t* minimumWidth, std::int32_t* minimumHeight,
                    std::int32_t* naturalWidth, std::int32_t* naturalHeight) {
    const pw::Font& f = nativeFontOf(font);
    pw::Size line = pw::measureText(f, text);
    std::int32_t minW = line.width, minH = line.height;
    std::int32_t natW = line.width, natH = line.height;
    // 1. Wrapped text can be as narrow as its longest word.
    if (format.wrap) {
        minW = pw::measureLongestWord(f, text);
        // 2. Text cut with an ellipsis can be laid out one pixel wide.
    } else if (format.ellipsis) {
        minW = 1;
    }
    // 3. Effects take room for their offset copies (offsets at the scale factor).
    if (format.effect != 0) {
        minH += pw::scaled(1);
        natH += pw::scaled(1);
    }
    std::int32_t extra = pw::scaled(format.effect == 2 ? 1 : (format.effect % 2 == 1 ? 2 : 0));
    minW += extra;
    natW += extra;
    if (minimumWidth) *minimumWidth = minW;
    if (minimumHeight) *minimumHeight = minH;
    if (naturalWidth) *naturalWidth = natW;
    if (naturalHeight) *naturalHeight = natH;
}

}  // namespace s::gui::drawer::text::win
