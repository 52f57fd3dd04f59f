// MapTable: the key-value face of the chained table.
#include "map/MapTable.h"

namespace s::map {

MapTable::~MapTable() {
    clear(keyDestructor_, valueDestructor_);
}

void MapTable::construct(base::IDestructor* keyDestructor, std::uint32_t initialSizeClass,
                         base::IDestructor* valueDestructor) {
    keyDestructor_ = keyDestructor;
    valueDestructor_ = valueDestructor;
    table_.setup(initialSizeClass, table_.ignoreCase());
}

void MapTable::recycle() {
    clear(keyDestructor_, valueDestructor_);
    table_.reset();
    keyDestructor_ = nullptr;
    valueDestructor_ = nullptr;
}

bool MapTable::insert(base::IObject* key, std::uint32_t hash, base::IObject* value) {
    Entry* e = table_.insertEntry(key, hash);
    if (!e) return false;
    e->value = value;
    return true;
}

base::IObject* MapTable::find(const base::IObject* key, std::uint32_t hash) const {
    Entry** slot = findSlot(key, hash);
    return slot && *slot ? (*slot)->value : nullptr;
}

void MapTable::clear(base::IDestructor* keyDestructor, base::IDestructor* valueDestructor) {
    table_.clearWith([&](Entry* e) {
        if (keyDestructor) keyDestructor->destroy(reinterpret_cast<void**>(&e->key));
        if (valueDestructor) valueDestructor->destroy(reinterpret_cast<void**>(&e->value));
    });
}

}  // namespace s::map
