// Language selection and text lookup.
#include "lang/Localizer.h"

#include <mutex>

#include "map/IMappedData.h"
#include "platform/Resources.h"
#include "platform/UiLanguage.h"
#include "xml/Attributes.h"
#include "xml/Node.h"

namespace s::lang {
namespace {

using xml::equalsIgnoreAsciiCase;

// Names of the primary languages by their LANG_ constant (the low byte of an identifier).
struct Primary {
    std::uint8_t id;
    const char* name;
};
constexpr Primary kPrimaries[] = {
    {0x36, "AFRIKAANS"},  {0x1c, "ALBANIAN"},    {0x84, "ALSATIAN"},      {0x5e, "AMHARIC"},
    {0x01, "ARABIC"},     {0x2b, "ARMENIAN"},    {0x4d, "ASSAMESE"},      {0x2c, "AZERI"},
    {0x6d, "BASHKIR"},    {0x2d, "BASQUE"},      {0x23, "BELARUSIAN"},    {0x45, "BENGALI"},
    {0x7e, "BRETON"},     {0x02, "BULGARIAN"},   {0x03, "CATALAN"},       {0x04, "CHINESE"},
    {0x83, "CORSICAN"},   {0x05, "CZECH"},       {0x06, "DANISH"},        {0x8c, "DARI"},
    {0x65, "DIVEHI"},     {0x13, "DUTCH"},       {0x09, "ENGLISH"},       {0x25, "ESTONIAN"},
    {0x38, "FAEROESE"},   {0x64, "FILIPINO"},    {0x0b, "FINNISH"},       {0x0c, "FRENCH"},
    {0x62, "FRISIAN"},    {0x56, "GALICIAN"},    {0x37, "GEORGIAN"},      {0x07, "GERMAN"},
    {0x08, "GREEK"},      {0x6f, "GREENLANDIC"}, {0x47, "GUJARATI"},      {0x68, "HAUSA"},
    {0x0d, "HEBREW"},     {0x39, "HINDI"},       {0x0e, "HUNGARIAN"},     {0x0f, "ICELANDIC"},
    {0x70, "IGBO"},       {0x21, "INDONESIAN"},  {0x5d, "INUKTITUT"},     {0x3c, "IRISH"},
    {0x10, "ITALIAN"},    {0x11, "JAPANESE"},    {0x4b, "KANNADA"},       {0x60, "KASHMIRI"},
    {0x3f, "KAZAK"},      {0x53, "KHMER"},       {0x86, "KICHE"},         {0x87, "KINYARWANDA"},
    {0x57, "KONKANI"},    {0x12, "KOREAN"},      {0x40, "KYRGYZ"},        {0x54, "LAO"},
    {0x26, "LATVIAN"},    {0x27, "LITHUANIAN"},  {0x6e, "LUXEMBOURGISH"}, {0x2f, "MACEDONIAN"},
    {0x3e, "MALAY"},      {0x4c, "MALAYALAM"},   {0x3a, "MALTESE"},       {0x81, "MAORI"},
    {0x7a, "MAPUDUNGUN"}, {0x4e, "MARATHI"},     {0x7c, "MOHAWK"},        {0x50, "MONGOLIAN"},
    {0x61, "NEPALI"},     {0x14, "NORWEGIAN"},   {0x82, "OCCITAN"},       {0x48, "ORIYA"},
    {0x63, "PASHTO"},     {0x29, "PERSIAN"},     {0x15, "POLISH"},        {0x16, "PORTUGUESE"},
    {0x46, "PUNJABI"},    {0x6b, "QUECHUA"},     {0x18, "ROMANIAN"},      {0x17, "ROMANSH"},
    {0x19, "RUSSIAN"},    {0x3b, "SAMI"},        {0x4f, "SANSKRIT"},      {0x1a, "SERBIAN"},
    {0x6c, "SOTHO"},      {0x32, "TSWANA"},      {0x59, "SINDHI"},        {0x5b, "SINHALESE"},
    {0x1b, "SLOVAK"},     {0x24, "SLOVENIAN"},   {0x0a, "SPANISH"},       {0x41, "SWAHILI"},
    {0x1d, "SWEDISH"},    {0x5a, "SYRIAC"},      {0x28, "TAJIK"},         {0x5f, "TAMAZIGHT"},
    {0x49, "TAMIL"},      {0x44, "TATAR"},       {0x4a, "TELUGU"},        {0x1e, "THAI"},
    {0x51, "TIBETAN"},    {0x73, "TIGRIGNA"},    {0x1f, "TURKISH"},       {0x42, "TURKMEN"},
    {0x80, "UIGHUR"},     {0x22, "UKRAINIAN"},   {0x2e, "UPPER_SORBIAN"}, {0x20, "URDU"},
    {0x43, "UZBEK"},      {0x2a, "VIETNAMESE"},  {0x52, "WELSH"},         {0x88, "WOLOF"},
    {0x34, "XHOSA"},      {0x85, "YAKUT"},       {0x6a, "YORUBA"},        {0x35, "ZULU"},
};

// Full identifiers with names of their own.
struct Full {
    std::uint16_t id;
    const char* name;
};
constexpr Full kFullIds[] = {
    {0x0004, "CHINESE_SIMPLIFIED"},
    {0x0804, "CHINESE_SIMPLIFIED"},
    {0x1004, "CHINESE_SIMPLIFIED"},
    {0x0404, "CHINESE_TRADITIONAL"},
    {0x0C04, "CHINESE_TRADITIONAL"},
    {0x1404, "CHINESE_TRADITIONAL"},
    {0x7C04, "CHINESE_TRADITIONAL"},
    {0x0416, "PORTUGUESE_BRAZILIAN"},
    {0x0816, "PORTUGUESE_PORTUGAL"},
    {0x081A, "SERBIAN_LATIN"},
    {0x181A, "SERBIAN_LATIN"},
    {0x0C1A, "SERBIAN_CYRILLIC"},
    {0x1C1A, "SERBIAN_CYRILLIC"},
    {0x001A, "CROATIAN"},
    {0x041A, "CROATIAN"},
    {0x101A, "CROATIAN"},
    {0x201A, "BOSNIAN"},
    {0x042E, "UPPER_SORBIAN"},
    {0x082E, "LOWER_SORBIAN"},
};

bool startsWithIgnoreCase(const char16_t* text, const char16_t* prefix) {
    for (; *prefix; ++text, ++prefix) {
        char16_t a = *text, b = *prefix;
        if (a >= u'A' && a <= u'Z') a = char16_t(a + 32);
        if (b >= u'A' && b <= u'Z') b = char16_t(b + 32);
        if (a != b) return false;
    }
    return true;
}

}  // namespace

Localizer::Localizer()
    : languages_(col::_array::ArrayP::newArrayP(&LangPack::pool())),
      listeners_(col::_array::ArrayP::newArrayP(nullptr)) {}

Localizer::~Localizer() {
    languages_->release();
    listeners_->release();
}

void Localizer::recycle() {
    languages_->clear();
    listeners_->clear();
    current_ = nullptr;
}

StrBuffer* Localizer::languageNameOf(std::uint16_t languageId, StrBuffer* out) {
    if (!out) out = StrBuffer::create();
    out->clear();
    const char* name = "UNKNOWN";
    bool found = false;
    for (const Full& f : kFullIds) {
        if (f.id == languageId) {
            name = f.name;
            found = true;
            break;
        }
    }
    for (const Primary& p : kPrimaries) {
        if (found) break;
        if (p.id == (languageId & 0xFF)) {
            name = p.name;
            found = true;
        }
    }
    out->appendNarrowText(name)->capitalize();
    return out;
}

const char16_t* Localizer::systemLanguageName() {
    static StrBuffer* const name = languageNameOf(platform::userUiLanguage(), new StrBuffer());
    return name->text();
}

Localizer* Localizer::createFromBytes(const std::uint8_t* bytes, std::uint32_t count,
                                      const char16_t* systemName) {
    Localizer* localizer = create();
    xml::Node* root = xml::Node::create();
    root->parseBytes(bytes, count);
    LangPack::loadPack(localizer, root);
    root->release();
    localizer->selectByName(systemName ? systemName : systemLanguageName());
    return localizer;
}

Localizer* Localizer::createLocalizer() {
    const platform::Resource pack = platform::findResource(kPackType, kPackNumber);
    return createFromBytes(pack.data, static_cast<std::uint32_t>(pack.size));
}

LangPack* Localizer::findLanguage(const char16_t* name) const {
    if (!name) return nullptr;
    const auto byEnglishName = [this](const char16_t* n) -> LangPack* {
        for (std::uint32_t i = 0; i < languageCount(); ++i) {
            if (language(i)->engName()->equalsTextIgnoreCase(n)) return language(i);
        }
        return nullptr;
    };
    const auto preferred = [&](const char16_t* first, const char16_t* second) {
        LangPack* pack = byEnglishName(first);
        return pack ? pack : byEnglishName(second);
    };
    if (LangPack* exact = byEnglishName(name)) return exact;
    if (startsWithIgnoreCase(name, u"Chinese")) {
        return preferred(u"CHINESE_SIMPLIFIED", u"CHINESE_TRADITIONAL");
    }
    if (startsWithIgnoreCase(name, u"Portuguese")) {
        return preferred(u"PORTUGUESE_BRAZILIAN", u"PORTUGUESE_PORTUGAL");
    }
    if (startsWithIgnoreCase(name, u"Serbian")) {
        return preferred(u"SERBIAN_CYRILLIC", u"SERBIAN_LATIN");
    }
    return nullptr;
}

LangPack* Localizer::currentLanguage() {
    if (!current_) {
        current_ = findLanguage(systemLanguageName());
        if (!current_ && languageCount() > 0) current_ = language(0);
    }
    return current_;
}

void Localizer::makeCurrent(LangPack* pack) {
    if (!pack || pack == current_) return;
    current_ = pack;
    for (std::uint32_t i = 0; i < listeners_->length(); ++i) {
        static_cast<gui::events::IEventListener*>(listeners_->get(i))->onEvent(this, 0);
    }
}

void Localizer::selectByName(const char16_t* name) {
    LangPack* current = currentLanguage();
    if (!current || !name) return;
    if (current->engName()->equalsTextIgnoreCase(name)) return;
    LangPack* r = findLanguage(name);
    if (!r) r = findLanguage(u"English");
    if (!r) r = language(0);
    makeCurrent(r);
}

void Localizer::selectByIndex(std::uint32_t i) {
    if (i < languageCount()) makeCurrent(language(i));
}

const char16_t* Localizer::text(std::int32_t id) {
    LangPack* pack = currentLanguage();
    const StrBuffer* t = pack ? pack->findText(id) : nullptr;
    return t ? t->text() : u"";
}

bool Localizer::hasOutputFolderText() {
    return text(kOutputFolderText)[0] != 0;
}

const char16_t* Localizer::savedLanguage(map::IMappedData* store) {
    LangPack* pack = currentLanguage();
    const char16_t* def = pack ? pack->engName()->text() : u"";
    return store->getText(u"Language", u"", def, nullptr, true);
}

void Localizer::saveLanguage(map::IMappedData* store, const char16_t* name) {
    store->setText(u"Language", u"", name);
}

void Localizer::applySavedLanguage(map::IMappedData* store) {
    // The saved text lives in the store until its next call: keep a copy.
    StrBuffer* saved = StrBuffer::create();
    saved->assignText(savedLanguage(store));
    selectByName(saved->text());
    LangPack* pack = currentLanguage();
    if (pack && !pack->engName()->equalsTextIgnoreCase(saved->text())) {
        saveLanguage(store, pack->engName()->text());
    }
    saved->release();
}

}  // namespace s::lang
