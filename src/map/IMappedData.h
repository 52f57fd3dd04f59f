// The settings store interface: values addressed by a section path (names joined by "\") and
// a key; the empty key is the section's unnamed value. Every read names its default, returned
// when the section or the key is missing. Setters select the section for writing, store the
// value and flush when auto-flush is on.
#pragma once

#include <cstdint>

#include "base/IObject.h"

namespace s::col::_array {
class ArrayP;
class ArrayU08;
}  // namespace s::col::_array

namespace s::map {

class IMappedData : public base::IObject {
public:
    using ArrayU08 = col::_array::ArrayU08;
    using TextList = col::_array::ArrayP;  // of str::strbuffer::StrBuffer*

    // Writes the store to its backing medium.
    virtual bool flush() = 0;
    // Makes the section current, creating every missing part.
    virtual bool selectForWrite(const char16_t* section) = 0;
    // Deletes the section with everything below it.
    virtual void removeSection(const char16_t* section) = 0;
    // True when the section exists; makes it current.
    virtual bool selectForRead(const char16_t* section) = 0;
    virtual bool hasValue(const char16_t* section, const char16_t* key) = 0;

    virtual std::uint8_t getU8(const char16_t* section, const char16_t* key, std::uint8_t def) = 0;
    virtual std::uint16_t getU16(const char16_t* section, const char16_t* key,
                                 std::uint16_t def) = 0;
    virtual std::uint32_t getU32(const char16_t* section, const char16_t* key,
                                 std::uint32_t def) = 0;
    virtual std::uint64_t getU64(const char16_t* section, const char16_t* key,
                                 std::uint64_t def) = 0;
    virtual std::int8_t getS8(const char16_t* section, const char16_t* key, std::int8_t def) = 0;
    virtual std::int16_t getS16(const char16_t* section, const char16_t* key, std::int16_t def) = 0;
    virtual std::int32_t getS32(const char16_t* section, const char16_t* key, std::int32_t def) = 0;
    virtual std::int64_t getS64(const char16_t* section, const char16_t* key, std::int64_t def) = 0;
    virtual float getFloat(const char16_t* section, const char16_t* key, float def) = 0;
    virtual double getDouble(const char16_t* section, const char16_t* key, double def) = 0;
    virtual bool getBool(const char16_t* section, const char16_t* key, bool def) = 0;
    // The stored text (valid until the next call on the store) or def. expandable (may be
    // null) tells whether the stored text was expandable; expand asks for environment
    // references to be expanded where the store supports it.
    virtual const char16_t* getText(const char16_t* section, const char16_t* key,
                                    const char16_t* def, bool* expandable = nullptr,
                                    bool expand = true) = 0;
    // Not supported by the stores: null.
    virtual TextList* getTextList(const char16_t* section, const char16_t* key) = 0;
    // The stored bytes in bytes (null: a new array); see each store for missing values.
    virtual ArrayU08* getBytes(const char16_t* section, const char16_t* key,
                               ArrayU08* bytes = nullptr) = 0;
    virtual void removeValue(const char16_t* section, const char16_t* key) = 0;

    virtual void setU8(const char16_t* section, const char16_t* key, std::uint8_t value) = 0;
    virtual void setU16(const char16_t* section, const char16_t* key, std::uint16_t value) = 0;
    virtual void setU32(const char16_t* section, const char16_t* key, std::uint32_t value) = 0;
    virtual void setU64(const char16_t* section, const char16_t* key, std::uint64_t value) = 0;
    virtual void setS8(const char16_t* section, const char16_t* key, std::int8_t value) = 0;
    virtual void setS16(const char16_t* section, const char16_t* key, std::int16_t value) = 0;
    virtual void setS32(const char16_t* section, const char16_t* key, std::int32_t value) = 0;
    virtual void setS64(const char16_t* section, const char16_t* key, std::int64_t value) = 0;
    virtual void setFloat(const char16_t* section, const char16_t* key, float value) = 0;
    virtual void setDouble(const char16_t* section, const char16_t* key, double value) = 0;
    virtual void setBool(const char16_t* section, const char16_t* key, bool value) = 0;
    virtual void setText(const char16_t* section, const char16_t* key, const char16_t* text) = 0;
    virtual void setExpandableText(const char16_t* section, const char16_t* key,
                                   const char16_t* text) = 0;
    // Stores nothing in either store; flushes when auto-flush is on.
    virtual void setTextList(const char16_t* section, const char16_t* key,
                             const TextList* list) = 0;
    virtual void setBytes(const char16_t* section, const char16_t* key, const ArrayU08* bytes) = 0;

    virtual bool autoFlush() const = 0;
    virtual void setAutoFlush(bool on) = 0;
};

}  // namespace s::map
