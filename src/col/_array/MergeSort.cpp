// Stable merge sort between an element block and a scratch copy of it.
#include "col/_array/MergeSort.h"

#include <cstring>
#include <vector>

namespace s::col::_array {

namespace {

// Below this many elements insertion sort beats further splitting.
constexpr std::uint32_t kInsertionLimit = 7;

struct Sorter {
    CompareFunction compare;
    void* context;

    int cmp(const void* a, const void* b) const { return compare(a, b, context); }

    // Sorts dest[low, high), using src[low, high) (same elements) as the other block.
    void sort(void** src, void** dest, std::uint32_t low, std::uint32_t high) const {
        const std::uint32_t count = high - low;
        if (count < kInsertionLimit) {
            for (std::uint32_t i = low + 1; i < high; ++i) {
                for (std::uint32_t j = i; j > low && cmp(dest[j - 1], dest[j]) > 0; --j) {
                    void* t = dest[j];
                    dest[j] = dest[j - 1];
                    dest[j - 1] = t;
                }
            }
            return;
        }
        const std::uint32_t mid = low + count / 2;
        // The halves are sorted into src, then merged back into dest.
        sort(dest, src, low, mid);
        sort(dest, src, mid, high);
        if (cmp(src[mid - 1], src[mid]) <= 0) {
            std::memcpy(dest + low, src + low, count * sizeof(void*));
            return;
        }
        for (std::uint32_t i = low, p = low, q = mid; i < high; ++i) {
            // Taking from the left on equality keeps the sort stable.
            if (q >= high || (p < mid && cmp(src[p], src[q]) <= 0)) {
                dest[i] = src[p++];
            } else {
                dest[i] = src[q++];
            }
        }
    }
};

}  // namespace

void mergeSort(void** elements, std::uint32_t count, CompareFunction compare, void* context) {
    if (count < 2 || !compare) return;
    std::vector<void*> scratch(elements, elements + count);
    Sorter{compare, context}.sort(scratch.data(), elements, 0, count);
}

}  // namespace s::col::_array
