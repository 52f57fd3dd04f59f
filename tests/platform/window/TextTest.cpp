#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/window/Picture.h"
#include "platform/window/Text.h"

namespace pw = platform::window;

namespace {

TEST(WindowTextTest, Utf8ConversionKeepsEveryByte) {
    struct Case {
        std::string bytes;
        std::u16string text;
    };
    const Case cases[] = {
        {"plain", u"plain"},
        {"\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80", u"é中😀"},
        {"bad\xFF\xC3", u"bad\xDCFF\xDCC3"},      // invalid and truncated bytes
        {"\xC0\xAF", u"\xDCC0\xDCAF"},            // overlong form
        {"\xED\xA0\x80", u"\xDCED\xDCA0\xDC80"},  // an encoded surrogate is not UTF-8
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pw::fromUtf8(c.bytes), c.text) << c.bytes;
        EXPECT_EQ(pw::toUtf8(c.text), c.bytes) << c.bytes;
    }
    EXPECT_EQ(pw::toUtf8(u"\xD800x"), "\xEF\xBF\xBDx");  // a lone high surrogate has no bytes
}

TEST(WindowTextTest, MeasuringFollowsFontAndWrapping) {
    pw::Font f;
    pw::Size one = pw::measureText(f, u"Perfect Match!");
    EXPECT_GT(one.width, 50);
    EXPECT_EQ(one.height, pw::lineHeight(f));
    pw::Font big = f;
    big.height = 26;
    EXPECT_GT(pw::measureText(big, u"Perfect Match!").width, one.width);
    pw::Font bold = f;
    bold.weight = 700;
    EXPECT_GT(pw::measureText(bold, u"Perfect Match!").width, one.width);

    pw::Size wrapped = pw::measureText(f, u"Perfect Match!", one.width - 1);
    EXPECT_LT(wrapped.width, one.width);
    EXPECT_EQ(wrapped.height, 2 * one.height);
    EXPECT_EQ(pw::measureText(f, u"a\nb").height, 2 * one.height);

    std::int32_t word = pw::measureLongestWord(f, u"a Perfect b");
    EXPECT_EQ(word, pw::measureText(f, u"Perfect").width);
}

TEST(WindowTextTest, DrawingStaysInsideItsRectangle) {
    pw::Picture pic(120, 40);
    auto canvas = pic.canvas();
    canvas.fillRect({0, 0, 120, 40}, pw::rgb(255, 255, 255));
    pw::Font f;
    f.smooth = false;
    pw::Rect box{10, 10, 40, 20};
    canvas.drawText(box, u"WWWWWWWWWWWW", f, pw::rgb(0, 0, 0), pw::kTextMiddle);
    int inside = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 120; ++x) {
            bool black = pic.colourAt(x, y) == pw::rgb(0, 0, 0);
            if (!box.contains({x, y})) {
                ASSERT_FALSE(black) << x << "," << y;
            } else if (black) {
                ++inside;
            }
        }
    }
    EXPECT_GT(inside, 20);

    // With an ellipsis the text ends inside the rectangle.
    pw::Picture pic2(120, 40);
    auto c2 = pic2.canvas();
    c2.fillRect({0, 0, 120, 40}, pw::rgb(255, 255, 255));
    pw::Size used = c2.drawText(box, u"WWWWWWWWWWWW", f, pw::rgb(0, 0, 0), pw::kTextEllipsis);
    EXPECT_LE(used.width, box.width);
}

// The windows are laid out left to right: a right-to-left text (a language's own name in the
// Language menu) keeps the alignment it was asked for, wrapped, cut or free.
TEST(WindowTextTest, RightToLeftTextKeepsTheAskedAlignment) {
    constexpr int kWidth = 300, kHeight = 30;
    // The pixels of a text drawn black on white, row by row.
    auto drawn = [](std::u16string_view text, std::uint32_t flags) {
        pw::Picture pic(kWidth, kHeight);
        auto canvas = pic.canvas();
        canvas.fillRect({0, 0, kWidth, kHeight}, pw::rgb(255, 255, 255));
        canvas.drawText({0, 0, kWidth, kHeight}, text, pw::Font{}, pw::rgb(0, 0, 0), flags);
        std::vector<pw::Colour> all;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) all.push_back(pic.colourAt(x, y));
        return all;
    };
    const std::u16string name = u"\u0639\u0631\u0628\u064A (Partial)";
    for (std::uint32_t flags :
         {0u, std::uint32_t(pw::kTextEllipsis), std::uint32_t(pw::kTextWrap)}) {
        const std::vector<pw::Colour> pixels = drawn(name, flags);
        int leftmost = kWidth;
        for (std::size_t i = 0; i < pixels.size(); ++i)
            if (pixels[i] != pw::rgb(255, 255, 255))
                leftmost = std::min(leftmost, static_cast<int>(i % kWidth));
        EXPECT_LT(leftmost, 10) << "flags " << flags;
    }
    // The line runs left to right: the same as with a left-to-right mark in front.
    EXPECT_TRUE(drawn(name, 0) == drawn(u"\u200E" + name, 0));
}

// Three lowercase letters at `at` (a language tag).
bool isLanguageTag(const std::string& s, std::size_t at) {
    if (at + 3 > s.size()) return false;
    for (std::size_t i = at; i < at + 3; ++i)
        if (s[i] < 'a' || s[i] > 'z') return false;
    return true;
}

// Texts of resources/lang/pack.xml, by language tag.
std::vector<std::pair<std::string, std::string>> packTexts(const std::string& xml) {
    std::vector<std::pair<std::string, std::string>> out;
    // Entries: <tag>text</tag> with a three-letter tag and no markup inside.
    auto entries = xml.find("<entries>");
    for (std::size_t at = entries == std::string::npos ? 0 : entries;
         (at = xml.find('<', at)) != std::string::npos;) {
        std::size_t text = at + 5;
        std::size_t close = xml.find('<', std::min(text, xml.size()));
        if (!isLanguageTag(xml, at + 1) || xml.compare(at + 4, 1, ">") != 0 ||
            close == std::string::npos ||
            xml.compare(close, 6, "</" + xml.substr(at + 1, 3) + ">") != 0) {
            ++at;
            continue;
        }
        out.emplace_back(xml.substr(at + 1, 3), xml.substr(text, close - text));
        at = close + 6;
    }
    // Language heads: tagName="tag" ... trueName="name" inside one element.
    const std::string tagKey = "tagName=\"", nameKey = "trueName=\"";
    for (std::size_t at = 0; (at = xml.find(tagKey, at)) != std::string::npos;) {
        std::size_t tag = at + tagKey.size();
        std::size_t endOfElement = xml.find('>', tag);
        std::size_t name = xml.rfind(nameKey, endOfElement);
        if (!isLanguageTag(xml, tag) || xml.compare(tag + 3, 1, "\"") != 0 ||
            name == std::string::npos || name < tag + 4) {
            ++at;
            continue;
        }
        std::size_t value = name + nameKey.size();
        std::size_t quote = xml.find('"', value);
        if (quote == std::string::npos) {
            ++at;
            continue;
        }
        out.emplace_back(xml.substr(tag, 3), xml.substr(value, quote - value));
        at = quote + 1;
    }
    return out;
}

std::string decodeEntities(std::string s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            out.push_back(s[i]);
            continue;
        }
        auto end = s.find(';', i);
        std::string name = s.substr(i + 1, end - i - 1);
        if (name == "amp")
            out += '&';
        else if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "quot")
            out += '"';
        else if (name == "apos")
            out += '\'';
        else if (!name.empty() && name[0] == '#') {
            unsigned long c = name[1] == 'x' ? std::stoul(name.substr(2), nullptr, 16)
                                             : std::stoul(name.substr(1));
            out += pw::toUtf8(std::u16string(1, static_cast<char16_t>(c)));
        }
        i = end;
    }
    return out;
}

TEST(WindowTextTest, EveryTextOfEveryLanguageHasItsGlyphs) {
    std::ifstream in(VERITOME_TEST_DATA "/../../resources/lang/pack.xml", std::ios::binary);
    if (!in) GTEST_SKIP() << "no language pack yet";
    std::stringstream ss;
    ss << in.rdbuf();
    auto texts = packTexts(ss.str());
    ASSERT_GT(texts.size(), 100u);
    std::set<std::string> languages;
    pw::Font fonts[2];
    fonts[1].weight = 700;
    for (const auto& [tag, raw] : texts) {
        languages.insert(tag);
        std::u16string text = pw::fromUtf8(decodeEntities(raw));
        for (const pw::Font& f : fonts) {
            EXPECT_EQ(pw::unknownGlyphs(f, text), 0) << tag << ": " << raw;
        }
    }
    EXPECT_GE(languages.size(), 34u);
}

}  // namespace
