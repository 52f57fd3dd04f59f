// The attribute record pool.
#include "xml/AttrFactory.h"

#include <cstring>

namespace s::xml {

AttrFactory& AttrFactory::instance() {
    static AttrFactory* const factory = new AttrFactory();  // lives for the whole process
    return *factory;
}

AttrFactory::~AttrFactory() {
    clearIdle();
}

namespace {
// Every empty name and value shares this text (element texts have empty names): one
// allocation fewer per record.
char16_t kEmpty[1] = {0};
}  // namespace

char16_t* AttrFactory::copyText(const char16_t* text, std::uint32_t count) {
    if (count == 0) return kEmpty;
    char16_t* copy = new char16_t[count + 1];
    std::memcpy(copy, text, count * sizeof(char16_t));
    copy[count] = 0;
    return copy;
}

void AttrFactory::freeText(char16_t* text) {
    if (text != kEmpty) delete[] text;
}

Attr* AttrFactory::makeRecord(const char16_t* name, std::uint32_t nameLength, const char16_t* value,
                              std::uint32_t valueLength) {
    Attr* record = takeRecord();
    record->nameLength = nameLength;
    record->name = copyText(name, nameLength);
    record->valueLength = valueLength;
    record->value = copyText(value, valueLength);
    return record;
}

base::IObject* AttrFactory::generate() {
    return toObject(new Attr{});
}

void AttrFactory::recycle(base::IObject* object) {
    Attr* record = fromObject(object);
    freeText(record->name);
    freeText(record->value);
    *record = Attr{};
}

void AttrFactory::destroy(base::IObject* object) {
    recycle(object);
    delete fromObject(object);
}

}  // namespace s::xml
