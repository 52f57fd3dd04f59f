// Size codes and inheritance of font properties.
#include "gui/win/FontProps.h"

#include <cmath>

namespace s::gui::win {

using P = IFontSetting::Property;

bool sizeCodeToPoints(std::int32_t code, std::int32_t* points, std::int32_t* weight) {
    std::int32_t magnitude = code < 0 ? -code : code;
    std::int32_t p = 0;
    std::int32_t w = 400;
    if (code == 100001) {
        p = 8;
    } else if (magnitude < 100) {
        p = code + 10;
    } else if (magnitude < 1000) {
        p = code % 100 + 14;
        w = 700;
    } else {
        return false;
    }
    // A code below -9 (or -113 for the bold range) would give no visible text.
    if (p <= 0) return false;
    *points = p;
    *weight = w;
    return true;
}

std::int32_t pointsToPixels(std::int32_t points) {
    // Points are 1/72 inch on a screen of 96 pixels per inch, rounded to the nearest pixel; the
    // font is drawn at the scale factor in use.
    return static_cast<std::int32_t>(std::lround(points * 96.0 / 72.0));
}

void FontProps::setFace(const std::u16string& name) {
    face = name.substr(0, kMaxFace);
    set |= P::kFace;
}

void FontProps::setPointSize(std::int32_t points) {
    if (points <= 0) return;
    cellHeight = -pointsToPixels(points);
    set |= P::kCellHeight;
}

bool FontProps::applySizeCode(std::int32_t code) {
    std::int32_t points = 0;
    std::int32_t w = 0;
    if (!sizeCodeToPoints(code, &points, &w)) return false;
    sizeCode = code;
    set |= P::kSizeCode;
    if (!has(P::kWeight)) weight = w;
    if (!has(P::kCellHeight) && !has(P::kCellWidth)) cellHeight = -pointsToPixels(points);
    return true;
}

void FontProps::inherit(const FontProps& from, bool fromComplete) {
    auto take = [&](std::uint32_t property, auto& field, const auto& value) {
        if (has(property) || !(fromComplete || from.has(property))) return;
        field = value;
        set |= property;
    };
    take(P::kFace, face, from.face);
    take(P::kTextColour, textColour, from.textColour);
    take(P::kSecondColour, secondColour, from.secondColour);
    take(P::kThirdColour, thirdColour, from.thirdColour);
    take(P::kCellWidth, cellWidth, from.cellWidth);
    take(P::kItalic, italic, from.italic);
    take(P::kUnderline, underline, from.underline);
    take(P::kStrikeOut, strikeOut, from.strikeOut);
    take(P::kQuality, quality, from.quality);
    take(P::kWrap, wrap, from.wrap);
    take(P::kEllipsis, ellipsis, from.ellipsis);
    // A size code carries a size and a weight: one set here keeps them.
    if (has(P::kSizeCode)) return;
    if (from.has(P::kSizeCode)) {
        sizeCode = from.sizeCode;
        set |= P::kSizeCode;
    }
    take(P::kCellHeight, cellHeight, from.cellHeight);
    take(P::kWeight, weight, from.weight);
    if (from.has(P::kSizeCode) && !has(P::kCellHeight)) cellHeight = from.cellHeight;
    if (from.has(P::kSizeCode) && !has(P::kWeight)) weight = from.weight;
}

}  // namespace s::gui::win
