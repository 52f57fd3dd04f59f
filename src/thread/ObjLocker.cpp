// Disposal of the locker's owned object.
#include "thread/ObjLocker.h"

namespace s::thread {

ObjLocker::~ObjLocker() {
    if (!owned_) return;
    if (disposal_) {
        disposal_(owned_);
    } else if (disposer_) {
        disposer_->destroy(&owned_);
    } else {
        // Plain delete of an object known only by address: it must be a framework object.
        delete static_cast<base::IObject*>(owned_);
    }
    owned_ = nullptr;
}

}  // namespace s::thread
