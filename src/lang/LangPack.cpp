// A language of the pack, and the reading of the pack document. (Texts of the language tagged
// "vec" are kept unchanged: the glyph substitution for systems before version 6 never applies
// on this platform.)
#include "lang/LangPack.h"

#include <vector>

#include "lang/Localizer.h"
#include "xml/Node.h"
#include "xml/XmlText.h"

namespace s::lang {

LangPack::LangPack()
    : tagName_(StrBuffer::create()),
      engName_(StrBuffer::create()),
      trueName_(StrBuffer::create()),
      ids_(col::_array::ArrayS32::create()),
      texts_(str::strarray::StrArray::create()),
      textKeys_(str::strarray::StrArray::create()),
      keyedTexts_(str::strarray::StrArray::create()) {}

LangPack::~LangPack() {
    keyTable_.clear(nullptr, nullptr);
    for (StrBuffer* s : {tagName_, engName_, trueName_}) s->release();
    ids_->release();
    texts_->release();
    textKeys_->release();
    keyedTexts_->release();
}

void LangPack::recycle() {
    keyTable_.clear(nullptr, nullptr);
    tagName_->clear();
    engName_->clear();
    trueName_->clear();
    ids_->clear();
    texts_->array()->clear();
    textKeys_->array()->clear();
    keyedTexts_->array()->clear();
}

void LangPack::addText(std::int32_t id, const StrBuffer* text) {
    ids_->appendOne(id);
    texts_->addText(text->text(), static_cast<std::int32_t>(text->length()));
}

void LangPack::addKeyedText(const StrBuffer* key, const StrBuffer* text) {
    StrBuffer* k = textKeys_->addText(key->text(), static_cast<std::int32_t>(key->length()));
    StrBuffer* t = keyedTexts_->addText(text->text(), static_cast<std::int32_t>(text->length()));
    if (k && t) keyTable_.insert(k, k->hashValue(), t);  // an equal key keeps its first text
}

const StrBuffer* LangPack::findText(std::int32_t id) const {
    const std::int32_t* ids = ids_->data();
    const std::uint32_t n = ids_->length();
    for (std::uint32_t i = 0; i < n; ++i) {
        if (ids[i] == id) return texts_->get(i);
    }
    return nullptr;
}

const StrBuffer* LangPack::findKeyedText(const StrBuffer* key) const {
    return static_cast<const StrBuffer*>(keyTable_.find(key, key->hashValue()));
}

void LangPack::loadPack(Localizer* localizer, const xml::Node* root) {
    if (!root) return;
    std::vector<LangPack*> languages;
    // Step 1: the languages, in pack order.
    if (const xml::Node* list = root->childByName(u"languages")) {
        for (std::uint32_t i = 0; i < list->childCount(); ++i) {
            const xml::Node* entry = list->child(i);
            if (!entry->nameEquals(u"entry")) continue;
            LangPack* pack = create();
            entry->getText(u"tagName", pack->tagName_);
            entry->getText(u"engName", pack->engName_);
            entry->getText(u"trueName", pack->trueName_);
            localizer->addLanguage(pack);
            languages.push_back(pack);
        }
    }
    // Step 2: the entries, with one scratch text for the fallback and one for each text.
    const xml::Node* entries = root->childByName(u"entries");
    if (!entries || languages.empty()) return;
    StrBuffer* fallback = StrBuffer::create();
    StrBuffer* text = StrBuffer::create();
    StrBuffer* key = StrBuffer::create();
    std::vector<bool> given(languages.size());
    // Translations are written in language order, so the language at the element's position
    // is tried first; it is the first match when no earlier language has the same tag.
    std::vector<const char16_t*> tags;
    for (LangPack* pack : languages) tags.push_back(pack->tagName_->text());
    std::vector<bool> firstWithTag(languages.size(), true);
    for (std::size_t l = 0; l < tags.size(); ++l) {
        for (std::size_t k = 0; k < l && firstWithTag[l]; ++k) {
            if (xml::equalsIgnoreAsciiCase(tags[k], tags[l])) firstWithTag[l] = false;
        }
    }
    const auto languageOf = [&](const xml::Node* element, std::size_t position) {
        if (position < tags.size() && firstWithTag[position] &&
            element->nameEquals(tags[position])) {
            return position;
        }
        std::size_t l = 0;
        while (l < tags.size() && !element->nameEquals(tags[l])) ++l;
        return l;
    };
    // Step 3: each entry.
    for (std::uint32_t e = 0; e < entries->childCount(); ++e) {
        const xml::Node* entry = entries->child(e);
        if (!entry->nameEquals(u"entry")) continue;
        // The fallback starts empty for every entry, so an entry whose first element is no
        // language never inherits the previous entry's text.
        fallback->clear();
        std::fill(given.begin(), given.end(), false);
        // 3.1: a numeric id starts with a decimal digit; any other id is a text key.
        const char16_t* rawId = entry->rawText(u"id", u"");
        const bool numeric = rawId[0] >= u'0' && rawId[0] <= u'9';
        const std::int32_t id = numeric ? xml::parseInt32(rawId) : 0;
        key->assignText(rawId);
        // 3.2: each translation goes to the first language with that tag.
        for (std::uint32_t c = 0; c < entry->childCount(); ++c) {
            const xml::Node* element = entry->child(c);
            const std::size_t l = languageOf(element, c);
            if (l == languages.size()) continue;
            element->getText(u"", text);
            if (numeric) {
                languages[l]->addText(id, text);
            } else {
                languages[l]->addKeyedText(key, text);
            }
            given[l] = true;
            if (c == 0) fallback->assign(text);
        }
        // 3.3: every language still without a text for this id gets the fallback.
        for (std::size_t l = 0; l < languages.size(); ++l) {
            if (given[l]) continue;
            LangPack* pack = languages[l];
            if (numeric && !pack->findText(id)) pack->addText(id, fallback);
            if (!numeric && !pack->findKeyedText(key)) pack->addKeyedText(key, fallback);
        }
    }
    // Step 4.
    key->release();
    text->release();
    fallback->release();
}

}  // namespace s::lang
