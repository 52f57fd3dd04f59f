// Digest of an array's element bytes.
#include <algorithm>
#include <cstdint>

#include "col/_array/ArrayBase.h"
#include "digest/IDigester.h"

namespace s::col::_array {

ICollection::StrBuffer* ArrayBase::digestInto(digest::IDigester* digester, StrBuffer* text,
                                              bool append) const {
    // Fed in pieces that fit the digester's 32-bit length.
    const std::uint64_t total = byteSize();
    for (std::uint64_t done = 0; done < total;) {
        auto piece = static_cast<std::uint32_t>(std::min<std::uint64_t>(total - done, 1u << 30));
        digester->update(storage_ + done, piece);
        done += piece;
    }
    digester->finish();
    return digester->toText(text, append);
}

}  // namespace s::col::_array
