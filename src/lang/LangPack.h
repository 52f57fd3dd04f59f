// One language of the language pack: its tag, English and own names, the texts of numeric ids
// (position-paired arrays, searched linearly) and the texts of text-keyed entries (with a
// case-sensitive key table).
#pragma once

#include <cstdint>

#include "col/_array/ArrayS32.h"
#include "map/MapTable.h"
#include "str/strarray/StrArray.h"
#include "str/strbuffer/StrBuffer.h"
#include "thread/Pooled.h"

namespace s::xml {
class Node;
}

namespace s::lang {

class Localizer;
using str::strbuffer::StrBuffer;

class LangPack final : public base::IObject, public thread::Pooled<LangPack> {
public:
    LangPack();
    ~LangPack() override;

    const char16_t* typeName() const override { return u"s_lang_LangPack"; }
    base::IObject* newInstance() const override { return create(); }
    // Empties the arrays and the key table and clears the names.
    void recycle() override;

    // Reads the pack document under root into new languages appended to the localizer's list.
    static void loadPack(Localizer* localizer, const xml::Node* root);

    const StrBuffer* tagName() const { return tagName_; }
    const StrBuffer* engName() const { return engName_; }
    const StrBuffer* trueName() const { return trueName_; }
    StrBuffer* tagName() { return tagName_; }
    StrBuffer* engName() { return engName_; }
    StrBuffer* trueName() { return trueName_; }

    // Appends a numeric entry holding a copy of text.
    void addText(std::int32_t id, const StrBuffer* text);
    // Appends a keyed entry; the key table keeps the first text of a key.
    void addKeyedText(const StrBuffer* key, const StrBuffer* text);
    // The text of the first entry with id, or null.
    const StrBuffer* findText(std::int32_t id) const;
    // The text of key, or null.
    const StrBuffer* findKeyedText(const StrBuffer* key) const;
    std::uint32_t textCount() const { return ids_->length(); }

private:
    StrBuffer* tagName_;
    StrBuffer* engName_;
    StrBuffer* trueName_;
    col::_array::ArrayS32* ids_;
    str::strarray::StrArray* texts_;
    str::strarray::StrArray* textKeys_;
    str::strarray::StrArray* keyedTexts_;
    map::MapTable keyTable_;  // refers to the keyed arrays' strings; owns nothing
};

}  // namespace s::lang
