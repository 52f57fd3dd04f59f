// CRC-32 through ISA-L's carry-less-multiply folding, which picks the widest vector code the
// processor has at run time; its results equal zlib's crc32() for any split of the input.
#include "digest/crc32/Crc32.h"

#include <isa-l/crc.h>

namespace s::digest::crc32 {

Crc32* Crc32::prototype() {
    static Crc32 instance;
    return &instance;
}

void Crc32::update(const void* data, std::uint32_t length) {
    if (length == 0) return;
    // Like zlib, the routine complements the register before and after the bytes, so the
    // running value is always the finished CRC.
    value_ = crc32_gzip_refl(value_, static_cast<const unsigned char*>(data), length);
}

}  // namespace s::digest::crc32
