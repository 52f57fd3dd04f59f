// Text forms of the arrays (waiting for the string type).
#include "col/_array/ArrayBase.h"

namespace s::col::_array {

void ArrayBase::appendElementText(StrBuffer*, const void*) const {}
void ArrayBase::appendElementHex(StrBuffer*, const void*) const {}
ICollection::StrBuffer* ArrayBase::describe(StrBuffer* text, bool) const {
    return text;
}
ICollection::StrBuffer* ArrayBase::toXml(StrBuffer* text, bool) const {
    return text;
}
ICollection::StrBuffer* ArrayBase::toHex(StrBuffer* text, bool) const {
    return text;
}
ICollection::StrBuffer* ArrayBase::digestInto(digest::IDigester*, StrBuffer* text, bool) const {
    return text;
}

}  // namespace s::col::_array
