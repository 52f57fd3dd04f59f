// RIPEMD-128: the class's prototype; RipemdBase does the work.
#include "digest/ripemd/Ripemd128.h"

namespace s::digest::ripemd {

Ripemd128* Ripemd128::prototype() {
    static Ripemd128 instance;
    return &instance;
}

}  // namespace s::digest::ripemd
