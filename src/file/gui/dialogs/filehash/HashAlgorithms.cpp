// The algorithm table and look-ups by key and by run-time type name.
#include "file/gui/dialogs/filehash/HashAlgorithms.h"

#include <cstring>

#include "digest/adler32/Adler32.h"
#include "digest/crc32/Crc32.h"
#include "digest/gost/Gost.h"
#include "digest/md5/Md2.h"
#include "digest/md5/Md4.h"
#include "digest/md5/Md5.h"
#include "digest/ripemd/Ripemd128.h"
#include "digest/ripemd/Ripemd160.h"
#include "digest/sha/Sha160.h"
#include "digest/sha/Sha256.h"
#include "digest/sha/Sha384.h"
#include "digest/sha/Sha512.h"

namespace s::file::gui::dialogs::filehash {

namespace {

template <class T>
digest::IDigester* prototypeOf() {
    return T::prototype();
}

const HashAlgorithm kAlgorithms[HashAlgorithms::kCount] = {
    {u"Crc32", 1204000, &prototypeOf<digest::crc32::Crc32>, "crc32", 8},
    {u"Md2", 1205200, &prototypeOf<digest::md5::Md2>, "md2", 32},
    {u"Md4", 1205100, &prototypeOf<digest::md5::Md4>, "md4", 32},
    {u"Md5", 1205000, &prototypeOf<digest::md5::Md5>, "md5", 32},
    {u"Sha2_160", 1206000, &prototypeOf<digest::sha::Sha160>, "sha1", 40},
    {u"Sha2_256", 1207000, &prototypeOf<digest::sha::Sha256>, "sha256", 64},
    {u"Sha2_384", 1208000, &prototypeOf<digest::sha::Sha384>, "sha384", 96},
    {u"Sha2_512", 1209000, &prototypeOf<digest::sha::Sha512>, "sha512", 128},
    {u"Ripemd_128", 1210000, &prototypeOf<digest::ripemd::Ripemd128>, "ripemd128", 32},
    {u"Ripemd_160", 1211000, &prototypeOf<digest::ripemd::Ripemd160>, "ripemd160", 40},
    {u"Adler32", 1212000, &prototypeOf<digest::adler32::Adler32>, "adler32", 8},
    {u"Gost", 1213000, &prototypeOf<digest::gost::Gost>, "gost", 64},
};

// The match-type selector lists the algorithms by key in alphabetical order.
constexpr int kMatchTypeOrder[HashAlgorithms::kCount] = {10, 0, 11, 1, 2, 3, 8, 9, 4, 5, 6, 7};

// The order Auto tries the algorithms of one code length in, and their strength (weakest first).
constexpr int kAutoOrder[HashAlgorithms::kCount] = {0, 10, 1, 2, 3, 8, 4, 9, 5, 11, 6, 7};
constexpr int kStrengthOrder[HashAlgorithms::kCount] = {10, 0, 1, 2, 3, 8, 4, 9, 11, 5, 6, 7};

bool sameText(const char16_t* a, const char16_t* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

}  // namespace

const HashAlgorithm& HashAlgorithms::at(int index) {
    return kAlgorithms[index];
}

int HashAlgorithms::matchTypeAt(int position) {
    return kMatchTypeOrder[position];
}

int HashAlgorithms::indexOfKey(const str::strbuffer::StrBuffer* key) {
    if (!key) return -1;
    str::strbuffer::StrBuffer* candidate = str::strbuffer::StrBuffer::create();
    int found = -1;
    for (int i = 0; i < kCount && found < 0; ++i) {
        candidate->clear();
        candidate->appendText(kAlgorithms[i].key);
        if (candidate->equalsIgnoreCase(key)) found = i;
    }
    candidate->release();
    return found;
}

int HashAlgorithms::indexOfKey(const char16_t* key) {
    str::strbuffer::StrBuffer* text = str::strbuffer::StrBuffer::create();
    text->appendText(key);
    int found = indexOfKey(text);
    text->release();
    return found;
}

int HashAlgorithms::indexOfTypeName(const char16_t* typeName) {
    for (int i = 0; i < kCount; ++i) {
        if (sameText(kAlgorithms[i].prototype()->typeName(), typeName)) return i;
    }
    return -1;
}

int HashAlgorithms::withHexDigits(std::size_t digits, int* out) {
    int count = 0;
    for (int index : kAutoOrder) {
        if (static_cast<std::size_t>(kAlgorithms[index].hexDigits) == digits) out[count++] = index;
    }
    return count;
}

int HashAlgorithms::strength(int index) {
    for (int rank = 0; rank < kCount; ++rank) {
        if (kStrengthOrder[rank] == index) return rank;
    }
    return -1;
}

digest::IDigester* HashAlgorithms::newDigester(int index) {
    return static_cast<digest::IDigester*>(kAlgorithms[index].prototype()->newInstance());
}

}  // namespace s::file::gui::dialogs::filehash
