// The result arrays every digester owns: digestSize bytes, or one 32-bit word for the checksums.
#pragma once

#include <cstdint>

namespace s::col::_array {
class ArrayU08;
class ArrayU32;
}  // namespace s::col::_array
namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::digest {

class ByteResult {
public:
    explicit ByteResult(std::uint32_t size);
    ~ByteResult();
    ByteResult(const ByteResult&) = delete;
    ByteResult& operator=(const ByteResult&) = delete;

    // Where finish() writes: the caller's buffer, or the result array when out is null.
    std::uint8_t* target(void* out);
    // "%02x" per byte, in array order.
    str::strbuffer::StrBuffer* toText(str::strbuffer::StrBuffer* text, bool append) const;

private:
    col::_array::ArrayU08* array_;
};

class WordResult {
public:
    WordResult();
    ~WordResult();
    WordResult(const WordResult&) = delete;
    WordResult& operator=(const WordResult&) = delete;

    // Stores the value as one native word in out, or in the result array when out is null.
    void store(void* out, std::uint32_t value);
    // "%08x": the numeric value, most significant digit first.
    str::strbuffer::StrBuffer* toText(str::strbuffer::StrBuffer* text, bool append) const;

private:
    col::_array::ArrayU32* array_;
};

}  // namespace s::digest
