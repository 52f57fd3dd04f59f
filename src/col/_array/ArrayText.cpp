// Text forms of the arrays: element texts, describe, XML and hexadecimal.
#include <cstdint>

#include "base/IObject.h"
#include "col/_array/ArrayBase.h"
#include "str/strbuffer/StrBuffer.h"

namespace s::col::_array {

namespace {

using str::strbuffer::StrBuffer;

// The string an operation writes into: a new pooled one, or the given one emptied unless
// appending.
StrBuffer* target(StrBuffer* text, bool append) {
    if (!text) return StrBuffer::create();
    if (!append) text->clear();
    return text;
}

void appendAddress(StrBuffer* text, std::uintptr_t value) {
    char16_t digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n > 0) text->appendChar(digits[--n]);
}

}  // namespace

void ArrayBase::appendElementText(StrBuffer* text, const void* element) const {
    switch (kind_) {
        case Kind::U08:
            text->appendUInt32(*static_cast<const std::uint8_t*>(element));
            break;
        case Kind::S08:
            text->appendInt32(*static_cast<const std::int8_t*>(element));
            break;
        case Kind::U32:
            text->appendUInt32(*static_cast<const std::uint32_t*>(element));
            break;
        case Kind::S32:
            text->appendInt32(*static_cast<const std::int32_t*>(element));
            break;
        case Kind::Pointer: {
            // The element's type name, then its address: "s_col__array_ArrayU08(140234)".
            auto* object = *static_cast<base::IObject* const*>(element);
            text->appendText(object ? object->typeName() : u"null");
            text->appendChar(u'(');
            appendAddress(text, reinterpret_cast<std::uintptr_t>(object));
            text->appendChar(u')');
            break;
        }
    }
}

void ArrayBase::appendElementHex(StrBuffer* text, const void* element) const {
    switch (kind_) {
        case Kind::U08:
        case Kind::S08:
            text->appendHexBytes(static_cast<const std::uint8_t*>(element), 1);
            break;
        case Kind::U32:
        case Kind::S32:
            text->appendHex32(static_cast<const std::uint32_t*>(element), 1);
            break;
        case Kind::Pointer:
            break;  // pointers have no hexadecimal form
    }
}

StrBuffer* ArrayBase::describe(StrBuffer* text, bool append) const {
    StrBuffer* out = target(text, append);
    out->appendText(typeName());
    out->appendText(u" [");
    for (std::uint32_t i = 0; i < length_; ++i) {
        if (i != 0) out->appendChar(u' ');
        appendElementText(out, elementAt(i));
    }
    out->appendChar(u']');
    return out;
}

StrBuffer* ArrayBase::toXml(StrBuffer* text, bool append) const {
    StrBuffer* out = target(text, append);
    out->appendChar(u'<');
    out->appendText(typeName());
    out->appendText(u" length=\"");
    out->appendUInt32(length_);
    out->appendText(u"\">");
    toHex(out, true);
    out->appendText(u"</");
    out->appendText(typeName());
    out->appendChar(u'>');
    return out;
}

StrBuffer* ArrayBase::toHex(StrBuffer* text, bool append) const {
    StrBuffer* out = target(text, append);
    switch (kind_) {
        case Kind::U08:
        case Kind::S08:
            out->appendHexBytes(storage_, length_);
            break;
        case Kind::U32:
        case Kind::S32:
            out->appendHex32(reinterpret_cast<const std::uint32_t*>(storage_), length_);
            break;
        case Kind::Pointer:
            break;
    }
    return out;
}

}  // namespace s::col::_array
