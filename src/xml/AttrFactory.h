// The process-wide pool of attribute records: a record taken from it has all fields zero; a
// record given back has its name and value freed. Idle records are kept up to the pooler's
// limit (1000); each counts 16 as its cost.
#pragma once

#include <cstdint>

#include "thread/PoolerBase.h"
#include "xml/Attr.h"

namespace s::xml {

class AttrFactory final : public thread::Factory {
public:
    static constexpr std::int32_t kRecordCost = 16;

    static AttrFactory& instance();

    const char16_t* typeName() const override { return u"s_xml_AttrFactory"; }
    base::IObject* newInstance() const override { return nullptr; }  // one factory per process

    Attr* takeRecord() { return fromObject(take()); }
    void giveBackRecord(Attr* record) { giveBack(toObject(record), kRecordCost); }

    // A record holding copies of (name, nameLength) and (value, valueLength).
    Attr* makeRecord(const char16_t* name, std::uint32_t nameLength, const char16_t* value,
                     std::uint32_t valueLength);
    // An owned, zero-terminated copy of count characters.
    static char16_t* copyText(const char16_t* text, std::uint32_t count);
    static void freeText(char16_t* text);

    std::int32_t sizeOf(base::IObject*) override { return kRecordCost; }
    base::IObject* generate() override;
    void recycle(base::IObject* object) override;
    void destroy(base::IObject* object) override;
    using thread::PoolerBase::destroy;  // the IDestructor face used by attribute arrays

    // Records travel through the pooler's object slots; they are never used as objects.
    static base::IObject* toObject(Attr* record) {
        return static_cast<base::IObject*>(static_cast<void*>(record));
    }
    static Attr* fromObject(base::IObject* object) {
        return static_cast<Attr*>(static_cast<void*>(object));
    }

private:
    AttrFactory() = default;
    ~AttrFactory() override;
};

}  // namespace s::xml
