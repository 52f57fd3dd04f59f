// Frees a raw memory block without running any destructor.
#pragma once

#include <new>

#include "base/IDestructor.h"

namespace s::cleaner {

class CleanerRawObject final : public base::IDestructor {
public:
    static CleanerRawObject* instance() {
        static CleanerRawObject* const shared = new CleanerRawObject();
        return shared;
    }

    // The slot must hold a block from ::operator new (or null).
    void destroy(void** slot) override {
        if (!slot || !*slot) return;
        ::operator delete(*slot);
        *slot = nullptr;
    }
};

}  // namespace s::cleaner
