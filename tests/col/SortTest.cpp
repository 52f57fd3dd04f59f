// The shared stable merge sort of pointer arrays.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "col/_array/ArrayP.h"

namespace {

using s::col::_array::ArrayP;

struct Item {
    int key;
    int order;  // position before sorting, to check stability
};

int byKey(const void* a, const void* b, void* calls) {
    ++*static_cast<int*>(calls);
    int x = static_cast<const Item*>(a)->key, y = static_cast<const Item*>(b)->key;
    return x < y ? -1 : (x > y ? 1 : 0);
}

TEST(MergeSort, StableAgainstReference) {
    struct Case {
        int count, distinctKeys;
        bool presorted;
    } cases[] = {{0, 1, false},   {1, 1, false},  {6, 3, false},   {7, 3, false},
                 {8, 2, false},   {13, 4, false}, {100, 5, false}, {1000, 1000, false},
                 {1000, 3, true}, {257, 1, false}};
    std::mt19937 random(7);
    for (const Case& c : cases) {
        std::vector<Item> items(c.count);
        for (int i = 0; i < c.count; ++i) items[i] = {int(random() % c.distinctKeys), i};
        if (c.presorted) {
            std::stable_sort(items.begin(), items.end(),
                             [](const Item& a, const Item& b) { return a.key < b.key; });
            for (int i = 0; i < c.count; ++i) items[i].order = i;
        }
        ArrayP* a = ArrayP::newArrayP(nullptr);
        for (auto& item : items) a->add(&item);
        int calls = 0;
        a->sort(&byKey, &calls);

        std::vector<Item> expected = items;
        std::stable_sort(expected.begin(), expected.end(),
                         [](const Item& x, const Item& y) { return x.key < y.key; });
        ASSERT_EQ(a->length(), unsigned(c.count));
        for (int i = 0; i < c.count; ++i) {
            const auto* got = static_cast<const Item*>(a->get(i));
            ASSERT_EQ(got->key, expected[i].key) << c.count << " at " << i;
            ASSERT_EQ(got->order, expected[i].order) << c.count << " at " << i;
        }
        // Ordered input skips merging: one comparison per split on top of the insertion runs.
        if (c.presorted) {
            EXPECT_LT(calls, c.count * 2) << c.count;
        }
        a->release();
    }
}

}  // namespace
