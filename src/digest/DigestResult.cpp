// Result arrays and their hexadecimal text.
#include "digest/DigestResult.h"

#include <cstring>

#include "col/_array/ArrayU08.h"
#include "col/_array/ArrayU32.h"
#include "str/strbuffer/StrBuffer.h"

namespace s::digest {

using col::_array::ArrayU08;
using col::_array::ArrayU32;
using str::strbuffer::StrBuffer;

namespace {

StrBuffer* prepare(StrBuffer* text, bool append) {
    if (!text) return StrBuffer::create();
    if (!append) text->clear();
    return text;
}

}  // namespace

ByteResult::ByteResult(std::uint32_t size) : array_(ArrayU08::create()) {
    array_->setLength(size);
}

ByteResult::~ByteResult() {
    array_->release();
}

std::uint8_t* ByteResult::target(void* out) {
    return out ? static_cast<std::uint8_t*>(out) : array_->data();
}

StrBuffer* ByteResult::toText(StrBuffer* text, bool append) const {
    text = prepare(text, append);
    if (text) text->appendHexBytes(array_->data(), array_->length());
    return text;
}

WordResult::WordResult() : array_(ArrayU32::create()) {
    array_->setLength(1);
}

WordResult::~WordResult() {
    array_->release();
}

void WordResult::store(void* out, std::uint32_t value) {
    if (out) {
        std::memcpy(out, &value, sizeof value);
    } else {
        array_->data()[0] = value;
    }
}

StrBuffer* WordResult::toText(StrBuffer* text, bool append) const {
    text = prepare(text, append);
    if (text) text->appendHex32(array_->data(), array_->length());
    return text;
}

}  // namespace s::digest
