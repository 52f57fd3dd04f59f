// The language pack reader and the localizer: fallbacks, keyed entries, the system language,
// selection, listeners and the saved "Language" setting; and the checks of the embedded pack.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "lang/Localizer.h"
#include "platform/Resources.h"
#include "platform/UiLanguage.h"
#include "xml/MappedData.h"
#include "xml/Node.h"

namespace {

using s::lang::LangPack;
using s::lang::Localizer;
using s::str::strbuffer::StrBuffer;

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

Localizer* fromFile(const char* name, const char16_t* systemName) {
    const std::string bytes = slurp(std::string(VERITOME_TEST_DATA) + "/lang/" + name);
    return Localizer::createFromBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                      static_cast<std::uint32_t>(bytes.size()), systemName);
}

std::u16string textOf(const LangPack* pack, std::int32_t id) {
    const StrBuffer* t = pack->findText(id);
    return t ? std::u16string(t->text()) : u"<none>";
}

class SmallPack : public ::testing::Test {
protected:
    void SetUp() override { localizer_ = fromFile("small_pack.xml", u"Afrikaans"); }
    void TearDown() override { localizer_->release(); }
    LangPack* byTag(const char16_t* tag) {
        for (std::uint32_t i = 0; i < localizer_->languageCount(); ++i) {
            if (localizer_->language(i)->tagName()->equalsText(tag)) return localizer_->language(i);
        }
        return nullptr;
    }
    Localizer* localizer_ = nullptr;
};

TEST_F(SmallPack, ReadsLanguagesAndFallsBackToTheFirstTranslation) {
    ASSERT_EQ(localizer_->languageCount(), 8u);
    EXPECT_EQ(std::u16string(localizer_->language(2)->trueName()->text()), u"日本語");
    // No language matches "Afrikaans": the first one.
    EXPECT_EQ(localizer_->currentLanguage(), localizer_->language(0));

    LangPack* deu = byTag(u"deu");
    LangPack* jpn = byTag(u"jpn");
    EXPECT_EQ(textOf(jpn, 609450), u"Ready");
    EXPECT_EQ(textOf(deu, 1200000), u"Dateiname: ");  // tag matched ignoring case; &#160; kept
    EXPECT_EQ(textOf(jpn, 1200000), u"File Name: ");
    EXPECT_EQ(textOf(jpn, 700000), u"言語");  // the first of two entries with one id
    // The duplicate entry adds a second pair where it has a text; lookups find the first.
    EXPECT_EQ(byTag(u"eng")->textCount(), 5u);
    EXPECT_EQ(textOf(byTag(u"eng"), 700000), u"Language");
    EXPECT_EQ(deu->textCount(), 4u);
    // An entry whose first element is no language: the fallback is empty, not the previous
    // entry's text.
    EXPECT_EQ(textOf(deu, 700001), u"Übersetzen?");
    EXPECT_EQ(textOf(jpn, 700001), u"");

    // Text keys, the entry without id included, stay out of the numeric lookups.
    StrBuffer* key = StrBuffer::create();
    key->assignText(u"abc");
    ASSERT_NE(jpn->findKeyedText(key), nullptr);
    EXPECT_EQ(std::u16string(jpn->findKeyedText(key)->text()), u"keyed");
    EXPECT_EQ(std::u16string(deu->findKeyedText(key)->text()), u"verschlüsselt");
    key->assignText(u"");
    EXPECT_EQ(std::u16string(deu->findKeyedText(key)->text()), u"no id");
    key->release();
    EXPECT_EQ(textOf(deu, 0), u"<none>");
}

TEST_F(SmallPack, FindsLanguagesByNameWithPreferences) {
    const struct {
        const char16_t* name;
        const char16_t* tag;  // null: none
    } cases[] = {
        {u"japanese", u"jpn"},
        {u"Chinese_simplified", u"zhs"},
        {u"Chinese_traditional", u"zht"},
        {u"Chinese", u"zhs"},
        {u"Portuguese_portugal", u"bra"},
        {u"Serbian", u"cpn"},
        {u"Serbian_latin", u"srp"},
        {u"Afrikaans", nullptr},
        {u"Unknown", nullptr},
    };
    for (const auto& c : cases) {
        LangPack* pack = localizer_->findLanguage(c.name);
        EXPECT_EQ(pack, c.tag ? byTag(c.tag) : nullptr) << (&c - cases);
    }
}

TEST_F(SmallPack, SelectionTellsListenersOnlyOnChange) {
    struct Counter : s::gui::events::IEventListener {
        void onEvent(void* source, std::int32_t code) override {
            sources.push_back(source);
            codes.push_back(code);
        }
        std::vector<void*> sources;
        std::vector<std::int32_t> codes;
    } counter;
    localizer_->addListener(&counter);
    localizer_->selectByName(u"english");  // already current
    localizer_->selectByIndex(1);
    localizer_->selectByIndex(1);
    localizer_->selectByIndex(99);
    EXPECT_EQ(std::u16string(localizer_->text(700000)), u"Sprache");
    localizer_->selectByName(u"Klingon");  // no such language: English
    EXPECT_EQ(std::u16string(localizer_->text(700000)), u"Language");
    EXPECT_EQ(std::u16string(localizer_->text(123)), u"");
    ASSERT_EQ(counter.sources.size(), 2u);
    EXPECT_EQ(counter.sources[0], localizer_);
    EXPECT_EQ(counter.codes[1], 0);
    localizer_->removeListener(&counter);
    localizer_->selectByIndex(2);
    EXPECT_EQ(counter.sources.size(), 2u);
    EXPECT_FALSE(localizer_->hasOutputFolderText());
}

TEST_F(SmallPack, SavedLanguageAtStartUp) {
    const auto file = std::filesystem::path(::testing::TempDir()) /
                      ("lang_saved_" + std::to_string(::getpid()) + ".xml");
    std::filesystem::remove(file);
    const struct {
        const char16_t* saved;  // null: nothing saved
        const char16_t* chosen;
        const char16_t* stored;  // the setting afterwards (null: still nothing)
    } cases[] = {
        {u"german", u"German", u"german"},  // other letter case: nothing written back
        {u"Klingon", u"English", u"English"},
        {nullptr, u"English", nullptr},
    };
    for (const auto& c : cases) {
        s::xml::MappedData* store = s::xml::MappedData::open(file.u16string().c_str());
        if (c.saved) store->setText(u"Language", u"", c.saved);
        localizer_->selectByIndex(0);
        localizer_->applySavedLanguage(store);
        EXPECT_EQ(std::u16string(localizer_->currentLanguage()->engName()->text()), c.chosen);
        if (c.stored) {
            EXPECT_EQ(std::u16string(store->getText(u"Language", u"", u"")), c.stored);
        } else {
            EXPECT_FALSE(store->hasValue(u"Language", u""));
        }
        store->release();
    }
}

TEST(SystemLanguage, IdentifiersToNames) {
    const struct {
        std::uint16_t id;
        const char16_t* name;
    } cases[] = {
        {0x0411, u"Japanese"},
        {0x1004, u"Chinese_simplified"},
        {0x0C04, u"Chinese_traditional"},
        {0x0816, u"Portuguese_portugal"},
        {0x0416, u"Portuguese_brazilian"},
        {0x7C1A, u"Serbian"},
        {0x241A, u"Serbian"},
        {0x041A, u"Croatian"},
        {0x0436, u"Afrikaans"},
        {0x0409, u"English"},
        {0x082E, u"Lower_sorbian"},
        {0x0000, u"Unknown"},
    };
    for (const auto& c : cases) {
        StrBuffer* name = Localizer::languageNameOf(c.id);
        EXPECT_EQ(std::u16string(name->text()), c.name) << std::hex << c.id;
        name->release();
    }
}

TEST(SystemLanguage, LocaleNamesToIdentifiers) {
    const struct {
        const char* locale;
        std::uint16_t id;
    } cases[] = {
        {"pt_BR.UTF-8", 0x0416},
        {"pt_PT.UTF-8", 0x0816},
        {"ja_JP.UTF-8", 0x0411},
        {"zh_SG", 0x1004},
        {"zh_HK.UTF-8", 0x0C04},
        {"zh_CN.GB18030", 0x0804},
        {"sr_RS@latin", 0x081A},
        {"sr_RS.UTF-8", 0x0C1A},
        {"de", 0x0407},
        {"en_GB.UTF-8", 0x0809},
        {"C", 0x0409},
        {"C.UTF-8", 0x0409},
        {"xx_YY", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::languageIdOfLocale(c.locale), c.id) << c.locale;

    const char* saved[4];
    const char* names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    for (int i = 0; i < 4; ++i) saved[i] = std::getenv(names[i]);
    const struct {
        const char* values[4];
        std::uint16_t id;
    } orders[] = {
        {{"", "", "de_DE.UTF-8", "fr_FR.UTF-8"}, 0x0407},
        {{"ja:en", "ko_KR", "", ""}, 0x0411},
        {{nullptr, nullptr, nullptr, "pt_BR.UTF-8"}, 0x0416},
        {{nullptr, nullptr, nullptr, nullptr}, 0x0409},
    };
    for (const auto& o : orders) {
        for (int i = 0; i < 4; ++i) {
            if (o.values[i]) {
                ::setenv(names[i], o.values[i], 1);
            } else {
                ::unsetenv(names[i]);
            }
        }
        EXPECT_EQ(platform::userUiLanguage(), o.id) << (&o - orders);
    }
    for (int i = 0; i < 4; ++i) {
        if (saved[i])
            ::setenv(names[i], saved[i], 1);
        else
            ::unsetenv(names[i]);
    }
}

constexpr std::int32_t kPackIds[] = {
    100000,  101000,  105000,  106000,  107000,  108000,  108100,  108200,  108500,  300000,
    400010,  400020,  400030,  400050,  400080,  400100,  400110,  400120,  500000,  500001,
    500002,  500003,  500004,  500006,  500010,  500020,  500030,  500050,  500051,  500052,
    500089,  500090,  500100,  500101,  500102,  600000,  600010,  600020,  600030,  609000,
    609100,  609200,  609300,  609350,  609400,  609420,  609430,  609440,  609450,  609460,
    609500,  700000,  700001,  701000,  701100,  701200,  701300,  1000000, 1001000, 1002000,
    1003000, 1004000, 1005000, 1006000, 1006050, 1009000, 1009100, 1100000, 1100001, 1101000,
    1101001, 1200000, 1201000, 1201050, 1201100, 1202000, 1203000, 1203500, 1204000, 1205000,
    1205100, 1205200, 1206000, 1207000, 1208000, 1209000, 1210000, 1211000, 1212000, 1213000,
    2000000, 2001000, 2002000, 2002500, 2003000, 3001000, 3001010, 3001020, 3010000, 3020000, 3021000,
    3022000, 3023000, 3023010, 3030000, 3040000, 3040100, 3040200, 3040300, 3040400, 3040500,
    3100000, 3101000, 3102000, 3102100, 3102200,
    3103000, 3104000, 3104100, 3104200, 3105000, 3105100, 3105200, 3105300, 3105400, 3105500,
    3105600, 3105700,
    4100000, 4100100, 4100200, 4100300, 4700000};

class EmbeddedPack : public ::testing::Test {
protected:
    static void SetUpTestSuite() { localizer_ = Localizer::createLocalizer(); }
    static void TearDownTestSuite() { localizer_->release(); }
    static Localizer* localizer_;
};
Localizer* EmbeddedPack::localizer_ = nullptr;

TEST_F(EmbeddedPack, HasTheLanguagesInPackOrder) {
    const char16_t* tags[] = {u"eng", u"bel", u"zhs", u"cpn", u"deu", u"ell", u"fra",
                              u"ita", u"jpn", u"kor", u"hun", u"rus", u"srp", u"swe",
                              u"tur", u"ara", u"ind", u"bul", u"cze", u"zht", u"dan",
                              u"est", u"spa", u"hrv", u"nld", u"per", u"pol", u"bra",
                              u"rom", u"slk", u"fin", u"ukr", u"vec", u"vie"};
    ASSERT_TRUE(platform::findResource("IDR_XML", 130));
    ASSERT_EQ(localizer_->languageCount(), 34u);
    for (std::uint32_t i = 0; i < 34; ++i) {
        EXPECT_EQ(std::u16string(localizer_->language(i)->tagName()->text()), tags[i]);
    }
    EXPECT_EQ(localizer_->findLanguage(u"Portuguese_portugal"), localizer_->language(27));
}

// The pack document itself: the 99 ids in order, each entry with "eng" first and one element
// for every language (so no language lives on the load-time fallback).
TEST_F(EmbeddedPack, EveryEntryTranslatesEveryLanguage) {
    const platform::Resource pack = platform::findResource("IDR_XML", 130);
    s::xml::Node* root = s::xml::Node::create();
    root->parseBytes(pack.data, static_cast<std::uint32_t>(pack.size));
    const s::xml::Node* entries = root->childByName(u"entries");
    ASSERT_NE(entries, nullptr);
    ASSERT_EQ(entries->childCount(), std::size(kPackIds));
    for (std::uint32_t e = 0; e < 99; ++e) {
        const s::xml::Node* entry = entries->child(e);
        EXPECT_EQ(entry->getS32(u"id", -1), kPackIds[e]);
        ASSERT_GT(entry->childCount(), 0u);
        EXPECT_TRUE(entry->child(0)->nameEquals(u"eng")) << kPackIds[e];
        for (std::uint32_t l = 0; l < localizer_->languageCount(); ++l) {
            const char16_t* tag = localizer_->language(l)->tagName()->text();
            EXPECT_NE(entry->childByName(tag), nullptr)
                << "id " << kPackIds[e] << " lacks language " << l;
        }
    }
    root->release();
}

// Every label that ends in a colon keeps its no-break space in every language, and a text is
// empty exactly where the English one is.
TEST_F(EmbeddedPack, EveryLanguageHasEveryTextAndLabelsEndInNoBreakSpace) {
    const LangPack* eng = localizer_->language(0);
    for (std::uint32_t l = 0; l < localizer_->languageCount(); ++l) {
        const LangPack* pack = localizer_->language(l);
        EXPECT_EQ(pack->textCount(), std::size(kPackIds)) << "language " << l;
        for (std::int32_t id : kPackIds) {
            const StrBuffer* text = pack->findText(id);
            ASSERT_NE(text, nullptr) << "language " << l << " id " << id;
            const std::u16string t(text->text());
            const std::u16string e(eng->findText(id)->text());
            const bool label = e.size() >= 2 && e.substr(e.size() - 2) == u":\u00A0";
            EXPECT_FALSE(!t.empty() && (t.back() == u':' || t.back() == u'\uFF1A'))
                << "language " << l << " id " << id << ": colon without no-break space";
            if (label) {
                EXPECT_TRUE(!t.empty() && t.back() == u'\u00A0')
                    << "language " << l << " id " << id;
            }
            EXPECT_EQ(t.empty(), e.empty()) << "language " << l << " id " << id;
        }
    }
    EXPECT_EQ(std::u16string(eng->findText(300000)->text()), u"Zarnek Veritome");
    EXPECT_EQ(std::u16string(eng->findText(609450)->text()), u"Ready");
}

}  // namespace
