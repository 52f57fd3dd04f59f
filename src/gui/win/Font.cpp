// Font properties and the native font description made from them.
#include "gui/win/Font.h"

#include "gui/win/FontSetting.h"

namespace pw = platform::window;

namespace s::gui::win {

using P = IFontSetting::Property;

namespace {
std::u16string defaultFace() {
    std::string face = pw::defaultFontFace();
    return std::u16string(face.begin(), face.end());  // an ASCII family name
}
}  // namespace

void Font::resetFont() {
    props_ = FontProps{};
    props_.face = defaultFace();
    effect_ = 0;
    centred_ = false;
    remake();
}

void Font::remake() {
    native_.face = pw::toUtf8(props_.face);
    native_.height = props_.cellHeight;
    native_.weight = props_.weight;
    native_.italic = props_.italic;
    native_.underline = props_.underline;
    native_.strikeOut = props_.strikeOut;
    native_.smooth = props_.quality == 5;
}

std::int32_t Font::measureLineHeight() const {
    return pw::lineHeight(native_);
}

void Font::setSizeCode(std::int32_t code) {
    if (props_.applySizeCode(code)) remake();
}

void Font::setFace(const std::u16string& name) {
    props_.setFace(name);
    remake();
}

void Font::setTextColour(std::int32_t red, std::int32_t green, std::int32_t blue) {
    props_.textColour = makeColour(red, green, blue);
    props_.set |= P::kTextColour;
}

void Font::setSecondColour(std::int32_t red, std::int32_t green, std::int32_t blue) {
    props_.secondColour = makeColour(red, green, blue);
    props_.set |= P::kSecondColour;
}

void Font::setThirdColour(std::int32_t red, std::int32_t green, std::int32_t blue) {
    props_.thirdColour = makeColour(red, green, blue);
    props_.set |= P::kThirdColour;
}

void Font::setPointSize(std::int32_t points) {
    props_.setPointSize(points);
    remake();
}

void Font::setCellHeight(std::int32_t h) {
    props_.cellHeight = h;
    props_.set |= P::kCellHeight;
    remake();
}

void Font::setCellWidth(std::int32_t w) {
    props_.cellWidth = w;
    props_.set |= P::kCellWidth;
    remake();
}

void Font::setItalic(bool on) {
    props_.italic = on;
    props_.set |= P::kItalic;
    remake();
}

void Font::setUnderline(bool on) {
    props_.underline = on;
    props_.set |= P::kUnderline;
    remake();
}

void Font::setStrikeOut(bool on) {
    props_.strikeOut = on;
    props_.set |= P::kStrikeOut;
    remake();
}

void Font::setWeight(std::int32_t weight) {
    props_.weight = weight;
    props_.set |= P::kWeight;
    remake();
}

void Font::setWrap(bool on) {
    props_.wrap = on;
    props_.set |= P::kWrap;
}

void Font::setEllipsis(bool on) {
    props_.ellipsis = on;
    props_.set |= P::kEllipsis;
}

void Font::setSmooth(bool on) {
    props_.quality = on ? 5 : 3;
    props_.set |= P::kQuality;
    remake();
}

void Font::inheritFrom(const IFont* font) {
    if (!font) return;
    if (const auto* other = dynamic_cast<const Font*>(font)) {
        props_.inherit(other->props_, true);
        remake();
    }
}

void Font::inheritFrom(const IFontSetting* setting) {
    if (const auto* other = dynamic_cast<const FontSetting*>(setting)) {
        props_.inherit(other->props(), false);
        remake();
    }
}

void Font::apply(const FontProps& props) {
    FontProps merged = props;
    merged.inherit(props_, true);  // what the setting leaves unset stays as it is here
    merged.set = props_.set | props.set;
    props_ = merged;
    remake();
}

void Font::copyFrom(const IFont* font) {
    const auto* other = dynamic_cast<const Font*>(font);
    if (!other || other == this) return;
    props_ = other->props_;
    effect_ = other->effect_;
    centred_ = other->centred_;
    remake();
}

Font* newFont() {
    return Font::create();
}

}  // namespace s::gui::win
