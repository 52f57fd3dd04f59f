// Adler-32 through ISA-L's vectorised sums (chosen at run time for the processor); its results
// equal zlib's adler32() for any split of the input.
#include "digest/adler32/Adler32.h"

#include <isa-l/igzip_lib.h>

namespace s::digest::adler32 {

Adler32* Adler32::prototype() {
    static Adler32 instance;
    return &instance;
}

void Adler32::update(const void* data, std::uint32_t length) {
    if (length == 0) return;
    value_ = isal_adler32(value_, static_cast<const unsigned char*>(data), length);
}

}  // namespace s::digest::adler32
