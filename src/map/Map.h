// A chained hash set of key objects: MapTable without values. Path lists use it to drop
// duplicates.
#pragma once

#include <cstdint>

#include "base/IDestructor.h"
#include "base/IObject.h"
#include "col/_array/ArrayP.h"
#include "map/ChainTable.h"
#include "thread/ObjLocker.h"
#include "thread/Pooled.h"

namespace s::map {

class Map : public base::IObject, public thread::Pooled<Map> {
public:
    struct Entry {
        std::uint32_t hash;
        base::IObject* key;
        Entry* next;
    };
    static constexpr std::uint32_t kEntryPoolCapacity = 10000;

    Map() = default;
    explicit Map(base::IDestructor* keyDestructor, std::uint32_t initialSizeClass = 0) {
        construct(keyDestructor, initialSizeClass);
    }
    ~Map() override;

    const char16_t* typeName() const override { return u"s_map_Map"; }
    base::IObject* newInstance() const override { return create(); }
    void recycle() override;

    void construct(base::IDestructor* keyDestructor, std::uint32_t initialSizeClass = 0);
    void setIgnoreCase(bool ignoreCase) { table_.setup(table_.sizeClass(), ignoreCase); }
    bool ignoreCase() const { return table_.ignoreCase(); }

    // Adds key unless an equal key is present: false then, and nothing changes.
    bool insert(base::IObject* key, std::uint32_t hash) { return table_.insertEntry(key, hash); }
    Entry** findSlot(const base::IObject* key, std::uint32_t hash) const {
        return table_.findSlot(key, hash);
    }
    bool contains(const base::IObject* key, std::uint32_t hash) const {
        Entry** slot = findSlot(key, hash);
        return slot && *slot;
    }
    col::_array::ArrayP* entries() const { return table_.entries(); }
    void clear(base::IDestructor* keyDestructor);

    std::uint32_t count() const { return table_.count(); }
    std::uint32_t bucketCount() const { return table_.bucketCount(); }
    thread::ObjLocker& lock() { return lock_; }

private:
    thread::ObjLocker lock_;
    ChainTable<Entry, kEntryPoolCapacity> table_;
    base::IDestructor* keyDestructor_ = nullptr;
};

}  // namespace s::map
