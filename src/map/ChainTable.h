// The chained hash table shared by MapTable (key and value) and Map (key only): prime bucket
// counts by size class, growth at half load, hashes stored in the entries.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>

#include "base/IDestructor.h"
#include "base/IObject.h"
#include "col/_array/ArrayP.h"
#include "map/EntryPool.h"

namespace s::map {

// Bucket counts by size class: primes, each roughly twice the one before.
inline constexpr std::uint32_t kBucketCounts[] = {
    211,    431,    863,    1733,    3467,    6947,    13901,    27803,    55609,    111227,
    222461, 444929, 889871, 1779761, 3559537, 7119103, 14238221, 28476473, 56952947, 113905901};
inline constexpr std::uint32_t kLargestSizeClass = 19;

// Entry must have the fields hash, key and next; Capacity is the idle limit of its pool.
template <class Entry, std::uint32_t Capacity>
class ChainTable {
public:
    using Pool = EntryPool<Entry, Capacity>;

    ChainTable() = default;
    ChainTable(const ChainTable&) = delete;
    ChainTable& operator=(const ChainTable&) = delete;
    ~ChainTable() { dropEntries(); }

    // On a table that already has buckets the new size class applies from the next reset:
    // the buckets keep the count their entries were placed by.
    void setup(std::uint32_t initialSizeClass, bool ignoreCase) {
        initialSizeClass_ =
            initialSizeClass > kLargestSizeClass ? kLargestSizeClass : initialSizeClass;
        if (!buckets_) sizeClass_ = initialSizeClass_;
        ignoreCase_ = ignoreCase;
    }

    bool ignoreCase() const { return ignoreCase_; }
    std::uint32_t count() const { return count_; }
    // 0 until the first insertion allocates the buckets.
    std::uint32_t bucketCount() const { return buckets_ ? kBucketCounts[sizeClass_] : 0; }
    std::uint32_t sizeClass() const { return sizeClass_; }

    // The slot holding the entry whose key matches, or the null slot that ends the chain.
    // Null when no buckets exist yet.
    Entry** findSlot(const base::IObject* key, std::uint32_t hash) const {
        if (!buckets_) return nullptr;
        Entry** slot = &buckets_[hash % kBucketCounts[sizeClass_]];
        while (*slot) {
            const Entry* e = *slot;
            if (e->hash == hash && matches(e->key, key)) return slot;
            slot = &(*slot)->next;
        }
        return slot;
    }

    // A fresh zero-filled entry placed at the end of key's chain, or null when an equal key is
    // already present.
    Entry* insertEntry(base::IObject* key, std::uint32_t hash) {
        if (!buckets_) {
            allocate(kBucketCounts[sizeClass_]);
        } else if (count_ >= kBucketCounts[sizeClass_] / 2 && sizeClass_ < kLargestSizeClass) {
            grow();
        }
        Entry** slot = findSlot(key, hash);
        if (*slot) return nullptr;
        Entry* e = Pool::instance().take();
        e->hash = hash;
        e->key = key;
        *slot = e;
        ++count_;
        return e;
    }

    // Every entry, bucket by bucket, chain order within a bucket, into a pooled array.
    col::_array::ArrayP* entries() const {
        col::_array::ArrayP* all = col::_array::ArrayP::newArrayP(nullptr);
        forEach([all](Entry* e) { all->add(e); });
        return all;
    }

    template <class F>
    void forEach(F f) const {
        if (!buckets_) return;
        const std::uint32_t n = kBucketCounts[sizeClass_];
        for (std::uint32_t b = 0; b < n; ++b) {
            for (Entry* e = buckets_[b]; e;) {
                Entry* next = e->next;  // f may give e back
                f(e);
                e = next;
            }
        }
    }

    // Hands keys (and, through onEntry, values) to the destructors, gives every entry back and
    // empties the buckets, which keep their size.
    template <class OnEntry>
    void clearWith(OnEntry onEntry) {
        forEach([&](Entry* e) {
            onEntry(e);
            Pool::instance().giveBack(e);
        });
        if (buckets_) {
            std::fill_n(buckets_.get(), kBucketCounts[sizeClass_], nullptr);
        }
        count_ = 0;
    }

    // Back to the state of a fresh table: no buckets, the initial size class.
    void reset() {
        dropEntries();
        buckets_.reset();
        sizeClass_ = initialSizeClass_;
        ignoreCase_ = false;
    }

private:
    bool matches(const base::IObject* stored, const base::IObject* probe) const {
        return ignoreCase_ ? stored->equalsIgnoreCase(probe) : stored->equals(probe);
    }

    void allocate(std::uint32_t n) { buckets_ = std::make_unique<Entry*[]>(n); }

    // One size class up: every entry is relinked at the end of the chain of its stored hash,
    // in collection order; keys are not hashed again.
    void grow() {
        col::_array::ArrayP* all = entries();
        ++sizeClass_;
        const std::uint32_t n = kBucketCounts[sizeClass_];
        allocate(n);
        for (std::uint32_t i = 0; i < all->length(); ++i) {
            Entry* e = static_cast<Entry*>(all->get(i));
            e->next = nullptr;
            Entry** tail = &buckets_[e->hash % n];
            while (*tail) tail = &(*tail)->next;  // chains stay short at half load
            *tail = e;
        }
        all->release();
    }

    void dropEntries() {
        clearWith([](Entry*) {});
    }

    std::unique_ptr<Entry*[]> buckets_;
    std::uint32_t initialSizeClass_ = 0;
    bool ignoreCase_ = false;
    std::uint32_t sizeClass_ = 0;
    std::uint32_t count_ = 0;
};

}  // namespace s::map
