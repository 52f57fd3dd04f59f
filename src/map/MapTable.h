// A chained hash table from key objects to value objects. Keys bring their own hash and
// equality (hashValue/equals, or the ignore-case pair for a table that ignores case); the
// caller computes the hash and passes the same value to findSlot and insert.
#pragma once

#include <cstdint>

#include "base/IDestructor.h"
#include "base/IObject.h"
#include "col/_array/ArrayP.h"
#include "map/ChainTable.h"
#include "thread/ObjLocker.h"
#include "thread/Pooled.h"

namespace s::map {

class MapTable : public base::IObject, public thread::Pooled<MapTable> {
public:
    struct Entry {
        std::uint32_t hash;  // the key's hash as given at insertion
        base::IObject* key;
        base::IObject* value;
        Entry* next;  // the next entry of the same chain
    };
    static constexpr std::uint32_t kEntryPoolCapacity = 10000;

    MapTable() = default;
    explicit MapTable(base::IDestructor* keyDestructor, std::uint32_t initialSizeClass = 0,
                      base::IDestructor* valueDestructor = nullptr) {
        construct(keyDestructor, initialSizeClass, valueDestructor);
    }
    // Applies the table's own destructors to every key and value.
    ~MapTable() override;

    const char16_t* typeName() const override { return u"s_map_MapTable"; }
    base::IObject* newInstance() const override { return create(); }
    // Gives every entry back through the table's own destructors; no buckets remain.
    void recycle() override;

    // Sets the destructors and the initial size class; no buckets are allocated yet.
    void construct(base::IDestructor* keyDestructor, std::uint32_t initialSizeClass = 0,
                   base::IDestructor* valueDestructor = nullptr);
    void setIgnoreCase(bool ignoreCase) { table_.setup(table_.sizeClass(), ignoreCase); }
    bool ignoreCase() const { return table_.ignoreCase(); }

    // Adds (key, value) unless an equal key is present: false then, and nothing changes.
    bool insert(base::IObject* key, std::uint32_t hash, base::IObject* value);
    // The slot of the matching entry, or the null slot ending its chain (null before the first
    // insertion).
    Entry** findSlot(const base::IObject* key, std::uint32_t hash) const {
        return table_.findSlot(key, hash);
    }
    // The value stored for key, null when absent.
    base::IObject* find(const base::IObject* key, std::uint32_t hash) const;
    // Every entry pointer, bucket by bucket; the caller releases the array.
    col::_array::ArrayP* entries() const { return table_.entries(); }
    // Hands keys and values to the given destructors (either may be null) and empties the
    // table; the bucket array keeps its size.
    void clear(base::IDestructor* keyDestructor, base::IDestructor* valueDestructor);

    std::uint32_t count() const { return table_.count(); }
    std::uint32_t bucketCount() const { return table_.bucketCount(); }
    // Not taken by the operations: callers that share the table hold it around them.
    thread::ObjLocker& lock() { return lock_; }

private:
    thread::ObjLocker lock_;
    ChainTable<Entry, kEntryPoolCapacity> table_;
    base::IDestructor* keyDestructor_ = nullptr;
    base::IDestructor* valueDestructor_ = nullptr;
};

}  // namespace s::map
