// Map: the key-only face of the chained table.
#include "map/Map.h"

namespace s::map {

Map::~Map() {
    clear(keyDestructor_);
}

void Map::construct(base::IDestructor* keyDestructor, std::uint32_t initialSizeClass) {
    keyDestructor_ = keyDestructor;
    table_.setup(initialSizeClass, table_.ignoreCase());
}

void Map::recycle() {
    clear(keyDestructor_);
    table_.reset();
    keyDestructor_ = nullptr;
}

void Map::clear(base::IDestructor* keyDestructor) {
    table_.clearWith([&](Entry* e) {
        if (keyDestructor) keyDestructor->destroy(reinterpret_cast<void**>(&e->key));
    });
}

}  // namespace s::map
