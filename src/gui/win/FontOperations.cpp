// Each font operation as one change of the widget's fonts.
#include "gui/win/FontOperations.h"

namespace s::gui::win {

void FontOperations::setSizeCode(std::int32_t code) {
    applyFontChange([&](Font* f) { f->setSizeCode(code); }, true);
}

void FontOperations::setFace(const std::u16string& name) {
    applyFontChange([&](Font* f) { f->setFace(name); }, false);
}

void FontOperations::setTextColour(std::int32_t red, std::int32_t green, std::int32_t blue) {
    applyFontChange([&](Font* f) { f->setTextColour(red, green, blue); }, false);
}

void FontOperations::setSecondColour(std::int32_t red, std::int32_t green, std::int32_t blue) {
    applyFontChange([&](Font* f) { f->setSecondColour(red, green, blue); }, false);
}

void FontOperations::setThirdColour(std::int32_t red, std::int32_t green, std::int32_t blue) {
    applyFontChange([&](Font* f) { f->setThirdColour(red, green, blue); }, false);
}

void FontOperations::setPointSize(std::int32_t points) {
    applyFontChange([&](Font* f) { f->setPointSize(points); }, false);
}

void FontOperations::setCellHeight(std::int32_t h) {
    applyFontChange([&](Font* f) { f->setCellHeight(h); }, false);
}

void FontOperations::setCellWidth(std::int32_t w) {
    applyFontChange([&](Font* f) { f->setCellWidth(w); }, false);
}

void FontOperations::setBold(bool on) {
    applyFontChange([&](Font* f) { f->setBold(on); }, true);
}

void FontOperations::setItalic(bool on) {
    applyFontChange([&](Font* f) { f->setItalic(on); }, false);
}

void FontOperations::setUnderline(bool on) {
    applyFontChange([&](Font* f) { f->setUnderline(on); }, false);
}

void FontOperations::setStrikeOut(bool on) {
    applyFontChange([&](Font* f) { f->setStrikeOut(on); }, false);
}

void FontOperations::setWeight(std::int32_t weight) {
    applyFontChange([&](Font* f) { f->setWeight(weight); }, false);
}

void FontOperations::setWrap(bool on) {
    applyFontChange([&](Font* f) { f->setWrap(on); }, false);
}

void FontOperations::setEllipsis(bool on) {
    applyFontChange([&](Font* f) { f->setEllipsis(on); }, false);
}

void FontOperations::setSmooth(bool on) {
    applyFontChange([&](Font* f) { f->setSmooth(on); }, false);
}

void FontOperations::inheritFrom(const IFont* font) {
    if (font) applyFontChange([&](Font* f) { f->inheritFrom(font); }, false);
}

void FontOperations::inheritFrom(const IFontSetting* setting) {
    if (setting) applyFontChange([&](Font* f) { f->inheritFrom(setting); }, false);
}

}  // namespace s::gui::win
