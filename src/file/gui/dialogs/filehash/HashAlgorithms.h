// The twelve algorithms of the hash job: feeding order, row keys, label ids, digester classes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "digest/IDigester.h"
#include "str/strbuffer/StrBuffer.h"

namespace s::file::gui::dialogs::filehash {

struct HashAlgorithm {
    const char16_t* key;   // row key, settings key and match-type key, e.g. u"Sha2_256"
    std::int32_t labelId;  // language-pack id of the row's label, e.g. 1207000 "SHA-256:"
    digest::IDigester* (*prototype)();  // the class's shared instance (never fed)
    const char* commonName;             // the usual lower-case name, e.g. "sha256"
    int hexDigits;                      // length of the code's text
};

class HashAlgorithms {
public:
    static constexpr int kCount = 12;

    // Feeding order: Crc32, Md2, Md4, Md5, Sha2_160, Sha2_256, Sha2_384, Sha2_512, Ripemd_128,
    // Ripemd_160, Adler32, Gost.
    static const HashAlgorithm& at(int index);
    // Index in feeding order of the item at position i of the match-type selector (Adler32,
    // Crc32, Gost, Md2, Md4, Md5, Ripemd_128, Ripemd_160, Sha2_160 ... Sha2_512).
    static int matchTypeAt(int position);
    // Feeding-order index of the algorithm whose key equals key ignoring case; -1 when none.
    static int indexOfKey(const str::strbuffer::StrBuffer* key);
    static int indexOfKey(const char16_t* key);
    // Feeding-order index of the algorithm whose digesters report typeName; -1 when none.
    static int indexOfTypeName(const char16_t* typeName);
    // The algorithms whose code has this many hex digits, in the order Auto tries them (CRC32
    // before Adler32; MD2, MD4, MD5, RIPEMD-128; SHA-1, RIPEMD-160; SHA-256, GOST); returns the
    // count written to out (at most kCount).
    static int withHexDigits(std::size_t digits, int* out);
    // Rank of the algorithm's strength against collisions: the higher the stronger.
    static int strength(int index);
    // A new digester of the algorithm, from its class pool (the caller releases it).
    static digest::IDigester* newDigester(int index);
};

}  // namespace s::file::gui::dialogs::filehash
