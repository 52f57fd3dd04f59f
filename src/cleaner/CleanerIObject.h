// Destroys a framework object through its virtual destructor.
#pragma once

#include "base/IDestructor.h"
#include "base/IObject.h"

namespace s::cleaner {

class CleanerIObject final : public base::IDestructor {
public:
    // Stateless; one shared instance serves every owner.
    static CleanerIObject* instance() {
        static CleanerIObject* const shared = new CleanerIObject();
        return shared;
    }

    // The slot must hold a base::IObject* (or null).
    void destroy(void** slot) override {
        if (!slot || !*slot) return;
        delete static_cast<base::IObject*>(*slot);
        *slot = nullptr;
    }
};

}  // namespace s::cleaner
