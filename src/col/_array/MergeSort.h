// The shared stable sort of pointer elements.
#pragma once

#include <cstdint>

namespace s::col::_array {

// Orders two elements (the pointer values themselves); context is the caller's value.
// Negative, 0 or positive.
using CompareFunction = int (*)(const void* a, const void* b, void* context);

// Stable merge sort: the elements are copied to a scratch block and each half is sorted
// recursively between the two blocks; runs shorter than 7 are sorted by insertion; halves
// already in order are copied without merging; equal elements keep their order.
void mergeSort(void** elements, std::uint32_t count, CompareFunction compare, void* context);

}  // namespace s::col::_array
