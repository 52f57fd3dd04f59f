// The chained tables: bucket allocation and growth, refusal of equal keys, ignore-case keys,
// lookups after growth, clear and the destructors.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "map/Map.h"
#include "map/MapTable.h"

namespace {

using s::map::Map;
using s::map::MapTable;

// A key with a chosen hash, so tests can force collisions.
class Key : public s::base::IObject {
public:
    Key(std::string text, std::uint32_t hash) : text_(std::move(text)), hash_(hash) {}
    const char16_t* typeName() const override { return u"test_Key"; }
    IObject* newInstance() const override { return nullptr; }
    bool equals(const IComparable* other, const s::base::IComparator* = nullptr) const override {
        return text_ == static_cast<const Key*>(other)->text_;
    }
    bool equalsIgnoreCase(const IComparable* other,
                          const s::base::IComparator* = nullptr) const override {
        return lower(text_) == lower(static_cast<const Key*>(other)->text_);
    }
    std::uint32_t hashValue() const override { return hash_; }

private:
    static std::string lower(std::string s) {
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    }
    std::string text_;
    std::uint32_t hash_;
};

// Counts and deletes what it is given.
class Deleter : public s::base::IDestructor {
public:
    void destroy(void** slot) override {
        ++count;
        delete static_cast<s::base::IObject*>(*slot);
        *slot = nullptr;
    }
    int count = 0;
};

TEST(MapTable, AllocatesOnFirstInsertAndGrowsAtHalfLoad) {
    Deleter keys;
    MapTable table(&keys);
    EXPECT_EQ(table.bucketCount(), 0u);
    std::vector<Key*> inserted;
    for (std::uint32_t i = 0; i < 106; ++i) {
        auto* k = new Key(std::string("k").append(std::to_string(i)), i * 7919u);
        ASSERT_TRUE(table.insert(k, k->hashValue(), nullptr));
        inserted.push_back(k);
        // Insertion 106 meets count 105 >= 211 / 2 and grows first.
        EXPECT_EQ(table.bucketCount(), i < 105 ? 211u : 431u) << "insertion " << i + 1;
    }
    for (Key* k : inserted) {
        MapTable::Entry** slot = table.findSlot(k, k->hashValue());
        ASSERT_NE(*slot, nullptr);
        EXPECT_EQ((*slot)->key, k);
    }
    EXPECT_EQ(table.count(), 106u);
}

TEST(MapTable, RefusesEqualKeyAndFindsThroughCollisions) {
    MapTable table;
    Key a("a", 5), b("b", 5 + 211), a2("a", 5), upperA("A", 5);
    Key va("va", 0), vb("vb", 0);
    ASSERT_TRUE(table.insert(&a, 5, &va));
    ASSERT_TRUE(table.insert(&b, 5 + 211, &vb));  // same bucket, different hash
    EXPECT_FALSE(table.insert(&a2, 5, &vb));
    EXPECT_EQ(table.count(), 2u);
    EXPECT_EQ(table.find(&a2, 5), &va);
    EXPECT_EQ(table.find(&b, 5 + 211), &vb);
    EXPECT_EQ(table.find(&upperA, 5), nullptr);
    // The empty slot at the chain's end is where the entry would go.
    MapTable::Entry** slot = table.findSlot(&upperA, 5);
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(*slot, nullptr);
}

TEST(MapTable, IgnoreCaseTableRefusesKeyDifferingInCase) {
    MapTable table;
    table.setIgnoreCase(true);
    Key lower("width", 9), upper("WIDTH", 9);
    ASSERT_TRUE(table.insert(&lower, 9, nullptr));
    EXPECT_FALSE(table.insert(&upper, 9, nullptr));
    EXPECT_EQ(table.count(), 1u);
}

TEST(MapTable, ClearHandsKeysAndValuesToGivenDestructorsAndKeepsBuckets) {
    Deleter own, keys, values;
    MapTable table(&own, 1, &own);
    for (int i = 0; i < 300; ++i) {
        ASSERT_TRUE(table.insert(new Key(std::to_string(i), i), i, new Key("v", 0)));
    }
    const std::uint32_t buckets = table.bucketCount();
    EXPECT_EQ(buckets, 863u);  // class 1 (431) grew once at 215 entries
    s::col::_array::ArrayP* all = table.entries();
    EXPECT_EQ(all->length(), 300u);
    all->release();
    table.clear(&keys, &values);
    EXPECT_EQ(keys.count, 300);
    EXPECT_EQ(values.count, 300);
    EXPECT_EQ(own.count, 0);
    EXPECT_EQ(table.count(), 0u);
    EXPECT_EQ(table.bucketCount(), buckets);
}

TEST(MapTable, DestructionAppliesOwnDestructors) {
    Deleter keys;
    {
        MapTable table(&keys);
        table.insert(new Key("x", 1), 1, nullptr);
        table.insert(new Key("y", 2), 2, nullptr);
    }
    EXPECT_EQ(keys.count, 2);
}

TEST(Map, KeepsOneOfEqualKeysAcrossGrowth) {
    Deleter keys;
    Map set(&keys);
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 500; ++i) {
            auto* k = new Key(std::to_string(i), i * 2654435761u);
            if (!set.insert(k, k->hashValue())) delete k;
        }
    }
    EXPECT_EQ(set.count(), 500u);
    EXPECT_EQ(set.bucketCount(), 1733u);
    Key probe("123", 123 * 2654435761u);
    EXPECT_TRUE(set.contains(&probe, probe.hashValue()));
}

// Setting a table up again once it has buckets must not change how its entries are found.
TEST(Map, SetupOfATableWithBucketsKeepsItsEntries) {
    Deleter keys;
    Map set(&keys);
    std::vector<Key*> inserted;
    for (int i = 0; i < 50; ++i) {
        inserted.push_back(new Key(std::to_string(i), i * 2654435761u));
        ASSERT_TRUE(set.insert(inserted.back(), inserted.back()->hashValue()));
    }
    set.construct(&keys, 4);
    set.setIgnoreCase(true);
    EXPECT_EQ(set.bucketCount(), 211u);
    for (Key* k : inserted) EXPECT_TRUE(set.contains(k, k->hashValue()));
    // The new size class applies once the table is emptied.
    set.recycle();
    set.construct(&keys, 4);
    auto* k = new Key("x", 1);
    ASSERT_TRUE(set.insert(k, 1));
    EXPECT_GT(set.bucketCount(), 211u);
}

}  // namespace
