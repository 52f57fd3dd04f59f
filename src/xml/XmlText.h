// The escaping and decoding rules of the XML model, and the C-library style number readers
// that the typed getters and the XML settings store share.
#pragma once

#include <cstdint>

#include "str/strbuffer/StrBuffer.h"

namespace s::xml {

using str::strbuffer::StrBuffer;

// Element text: & < > become entity references; every space, CR and LF becomes a numeric
// reference (so that a trailing space survives decoding).
void escapeText(StrBuffer* out, const char16_t* text, std::uint32_t count);
// Attribute value: LF, CR, double quote, & and < become references.
void escapeAttribute(StrBuffer* out, const char16_t* text, std::uint32_t count);
// Element text: leading blanks skipped, references replaced (&#160; becomes a plain space),
// trailing blanks removed except those produced by a numeric reference.
void decodeText(StrBuffer* out, const char16_t* text, std::uint32_t count);
// Attribute value: &amp; &lt; &quot; &#13; &#10; replaced, everything else copied; no trimming.
void decodeAttribute(StrBuffer* out, const char16_t* text, std::uint32_t count);

// Leading blanks, optional sign, decimal digits up to the first other character; 0 without a
// number. The 32-bit form saturates at the int32 range, the 64-bit one at int64.
std::int32_t parseInt32(const char16_t* text);
std::int64_t parseInt64(const char16_t* text);
// wcstoul base 10 with a 32-bit unsigned long: a negative number wraps ("-5" is 4294967291),
// a magnitude above 2^32 - 1 gives 4294967295.
std::uint32_t parseUInt32(const char16_t* text);
// wcstod: leading blanks, optional sign, decimal digits with a point and an exponent, "inf",
// "nan"; 0 when there is no number.
double parseDouble(const char16_t* text);
// True when text begins with "1" or with "true" (lower case).
bool parseBool(const char16_t* text);

}  // namespace s::xml
