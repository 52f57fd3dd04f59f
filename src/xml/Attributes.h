// The ordered attribute records of one element, in insertion order (the writer keeps it).
// The records are owned: removing one gives it back to the attribute pool.
#pragma once

#include <cstdint>

#include "base/IObject.h"
#include "col/_array/ArrayP.h"
#include "xml/Attr.h"

namespace s::xml {

class Attributes final : public base::IObject {
public:
    Attributes();
    Attributes(const Attributes&) = delete;
    Attributes& operator=(const Attributes&) = delete;
    ~Attributes() override;

    const char16_t* typeName() const override { return u"s_xml_Attributes"; }
    base::IObject* newInstance() const override { return nullptr; }  // held by value in nodes

    std::uint32_t count() const { return records_->length(); }
    Attr* at(std::uint32_t i) const { return static_cast<Attr*>(records_->get(i)); }
    // Appends a record with copies of name and value (count -1: up to the terminator).
    Attr* add(const char16_t* name, std::int32_t nameLength, const char16_t* value,
              std::int32_t valueLength);
    // Index of the first record whose name equals name ignoring ASCII case; an empty name
    // finds the first text record. -1 when there is none.
    std::int32_t indexOf(const char16_t* name) const;
    Attr* find(const char16_t* name) const {
        const std::int32_t i = indexOf(name);
        return i < 0 ? nullptr : at(static_cast<std::uint32_t>(i));
    }
    // The first text record (empty name), or null.
    Attr* text() const { return find(u""); }
    void removeAt(std::uint32_t i) { records_->removeAt(i); }
    // Removes the first record named name (ignoring ASCII case); false when there is none.
    bool remove(const char16_t* name);
    void clear() { records_->clear(); }

private:
    col::_array::ArrayP* records_;
};

// Length of a zero-terminated text, or count when count is not -1.
std::uint32_t textLength(const char16_t* text, std::int32_t count = -1);
// ASCII case-insensitive equality of two zero-terminated texts.
bool equalsIgnoreAsciiCase(const char16_t* a, const char16_t* b);

}  // namespace s::xml
