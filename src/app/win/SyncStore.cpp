// The serialising settings store.
#include "app/win/SyncStore.h"

#include <string>

#include "thread/IPoolable.h"

namespace s::app::win {

SyncStore* SyncStore::wrap(map::IMappedData* inner) {
    SyncStore* store = create();
    store->inner_ = inner;
    return store;
}

void SyncStore::recycle() {
    Guard g(mutex_);
    if (auto* pooled = dynamic_cast<thread::IPoolable*>(inner_)) {
        pooled->release();
    } else {
        delete inner_;
    }
    inner_ = nullptr;
}

const char16_t* SyncStore::getText(const char16_t* section, const char16_t* key,
                                   const char16_t* def, bool* expandable, bool expand) {
    thread_local std::u16string copy;
    Guard g(mutex_);
    const char16_t* text = inner_->getText(section, key, def, expandable, expand);
    if (text == def) return def;  // the caller's own text
    copy.assign(text ? text : u"");
    return copy.c_str();
}

}  // namespace s::app::win
