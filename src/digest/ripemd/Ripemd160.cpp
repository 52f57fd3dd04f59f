// RIPEMD-160: the class's prototype; RipemdBase does the work.
#include "digest/ripemd/Ripemd160.h"

namespace s::digest::ripemd {

Ripemd160* Ripemd160::prototype() {
    static Ripemd160 instance;
    return &instance;
}

}  // namespace s::digest::ripemd
