// Element ownership, search and removal of the pointer array.
#include "col/_array/ArrayP.h"

#include <algorithm>

namespace s::col::_array {

ArrayP::~ArrayP() {
    dispose(0, length());
}

ArrayP* ArrayP::newArrayP(base::IDestructor* elementDestructor) {
    ArrayP* array = create();
    array->elementDestructor_ = elementDestructor;
    return array;
}

void ArrayP::dispose(std::uint32_t from, std::uint32_t to) {
    if (!elementDestructor_) return;
    void** elements = data();
    for (std::uint32_t i = from; i < to; ++i) elementDestructor_->destroy(&elements[i]);
}

std::int32_t ArrayP::indexOf(const void* element) const {
    void** elements = data();
    for (std::uint32_t i = 0; i < length(); ++i) {
        if (elements[i] == element) return static_cast<std::int32_t>(i);
    }
    return -1;
}

void* ArrayP::removeValue(const void* element) {
    std::int32_t i = indexOf(element);
    if (i < 0) return nullptr;
    void* found = get(static_cast<std::uint32_t>(i));
    ArrayBase::remove(static_cast<std::uint32_t>(i), 1);
    return found;
}

void* ArrayP::removeAt(std::uint32_t i) {
    void* element = get(i);
    remove(i, 1);
    return elementDestructor_ ? nullptr : element;
}

void ArrayP::sort(CompareFunction compare, void* context) {
    mergeSort(data(), length(), compare, context);
}

bool ArrayP::setLength(std::uint32_t n) {
    if (n < length()) dispose(n, length());
    return ArrayBase::setLength(n);
}

void ArrayP::dropLast(std::uint32_t n) {
    n = std::min(n, length());
    dispose(length() - n, length());
    ArrayBase::dropLast(n);
}

void ArrayP::remove(std::uint32_t at, std::uint32_t count) {
    dispose(at, at + count);
    ArrayBase::remove(at, count);
}

void ArrayP::clear() {
    dispose(0, length());
    ArrayBase::clear();
}

void ArrayP::free() {
    dispose(0, length());
    ArrayBase::free();
}

}  // namespace s::col::_array
