// Fonts and font settings: size codes, set flags, inheritance and the native description.
#include <gtest/gtest.h>

#include "gui/win/Font.h"
#include "gui/win/FontSetting.h"

namespace s::gui::win {
namespace {

struct SizeCase {
    std::int32_t code;
    std::int32_t pixels;  // character height; 0: the code is ignored
    std::int32_t weight;
};

class FontSizeCode : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FontSizeCode, GivesPointsAndWeightOrIsIgnored) {
    const SizeCase& c = GetParam();
    Font* font = newFont();
    font->setSizeCode(c.code);
    if (c.pixels == 0) {
        EXPECT_EQ(font->getCellHeight(), -13);
        EXPECT_EQ(font->getWeight(), 400);
        EXPECT_FALSE(font->isAnySet());
    } else {
        EXPECT_EQ(font->getSizeCode(), c.code);
        EXPECT_EQ(font->getCellHeight(), -c.pixels);
        EXPECT_EQ(font->nativeFont().height, -c.pixels);
        EXPECT_EQ(font->getWeight(), c.weight);
    }
    font->release();
}

// Pixels are points at 96 dpi: 12 pt = 16 px, 19 pt = 25 px, 8 pt = 11 px, 10 pt = 13 px.
INSTANTIATE_TEST_SUITE_P(Codes, FontSizeCode,
                         ::testing::Values(SizeCase{2, 16, 400}, SizeCase{105, 25, 700},
                                           SizeCase{100001, 11, 400}, SizeCase{0, 13, 400},
                                           SizeCase{-9, 1, 400}, SizeCase{-105, 12, 700},
                                           SizeCase{5000, 0, 0}, SizeCase{-10, 0, 0},
                                           SizeCase{-50, 0, 0}, SizeCase{-1000, 0, 0}));

TEST(Font, SizeCodeKeepsExplicitWeightAndCell) {
    Font* font = newFont();
    font->setBold(false);
    font->setCellHeight(-20);
    font->setSizeCode(105);
    EXPECT_EQ(font->getWeight(), 400);
    EXPECT_EQ(font->getCellHeight(), -20);
    EXPECT_EQ(font->getSizeCode(), 105);
    font->release();
}

TEST(Font, NewFontDefaultsAndTextColourUnset) {
    Font* font = newFont();
    EXPECT_FALSE(font->isAnySet());
    EXPECT_EQ(font->getTextColour(), 0xEEEEEEu);
    EXPECT_FALSE(font->isTextColourSet());
    EXPECT_TRUE(font->isSmooth());
    EXPECT_GT(font->measureLineHeight(), 10);
    font->setTextColour(255, 0, 0);
    EXPECT_TRUE(font->isTextColourSet());
    EXPECT_EQ(font->getTextColour(), 0x0000FFu);
    font->setFace(u"A face name that is longer than thirty-one characters");
    EXPECT_EQ(font->getFace().size(), 31u);
    font->release();
    // A recycled font is new again.
    Font* again = newFont();
    EXPECT_FALSE(again->isAnySet());
    again->release();
}

TEST(FontSetting, MakeFontAppliesOnlySetProperties) {
    FontSetting* setting = FontSetting::create();
    EXPECT_FALSE(setting->isAnySet());
    setting->setItalic(true);
    setting->setSizeCode(2);
    IFont* font = setting->makeFont();
    EXPECT_TRUE(font->isItalic());
    EXPECT_EQ(font->getCellHeight(), -16);
    EXPECT_FALSE(font->isBold());
    EXPECT_FALSE(font->isTextColourSet());
    EXPECT_EQ(font->nativeFont().face, platform::window::defaultFontFace());
    font->release();
    setting->release();
}

TEST(FontSetting, InheritFromFontFillsOnlyUnset) {
    Font* base = newFont();
    base->setTextColour(1, 2, 3);
    base->setUnderline(true);
    base->setCellHeight(-30);
    FontSetting* setting = FontSetting::create();
    setting->setUnderline(false);
    setting->setSizeCode(2);
    setting->inheritFrom(base);
    EXPECT_EQ(setting->getTextColour(), makeColour(1, 2, 3));
    EXPECT_FALSE(setting->isUnderline());
    EXPECT_EQ(setting->getCellHeight(), -16);  // the size code's, not the font's
    setting->release();
    base->release();
}

TEST(Font, InheritFromSettingTakesOnlyWhatItSets) {
    Font* font = newFont();
    font->setBold(true);
    FontSetting* setting = FontSetting::create();
    setting->setBold(false);
    setting->setStrikeOut(true);
    font->inheritFrom(static_cast<const IFontSetting*>(setting));
    EXPECT_TRUE(font->isBold());  // set on the font, kept
    EXPECT_TRUE(font->isStrikeOut());
    EXPECT_TRUE(font->nativeFont().strikeOut);
    setting->release();
    font->release();
}

}  // namespace
}  // namespace s::gui::win
