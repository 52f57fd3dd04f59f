// Attribute records of an element.
#include "xml/Attributes.h"

#include "xml/AttrFactory.h"

namespace s::xml {

std::uint32_t textLength(const char16_t* text, std::int32_t count) {
    if (count >= 0) return static_cast<std::uint32_t>(count);
    std::uint32_t n = 0;
    if (text) {
        while (text[n]) ++n;
    }
    return n;
}

namespace {
char16_t foldAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}
}  // namespace

bool equalsIgnoreAsciiCase(const char16_t* a, const char16_t* b) {
    if (!a) a = u"";
    if (!b) b = u"";
    for (; *a && *b; ++a, ++b) {
        if (foldAscii(*a) != foldAscii(*b)) return false;
    }
    return *a == *b;
}

Attributes::Attributes() : records_(col::_array::ArrayP::newArrayP(&AttrFactory::instance())) {}

Attributes::~Attributes() {
    records_->release();
}

Attr* Attributes::add(const char16_t* name, std::int32_t nameLength, const char16_t* value,
                      std::int32_t valueLength) {
    Attr* record = AttrFactory::instance().makeRecord(name, textLength(name, nameLength), value,
                                                      textLength(value, valueLength));
    records_->add(record);
    return record;
}

std::int32_t Attributes::indexOf(const char16_t* name) const {
    const std::uint32_t n = count();
    for (std::uint32_t i = 0; i < n; ++i) {
        if (equalsIgnoreAsciiCase(at(i)->name, name)) return static_cast<std::int32_t>(i);
    }
    return -1;
}

bool Attributes::remove(const char16_t* name) {
    const std::int32_t i = indexOf(name);
    if (i < 0) return false;
    removeAt(static_cast<std::uint32_t>(i));
    return true;
}

}  // namespace s::xml
