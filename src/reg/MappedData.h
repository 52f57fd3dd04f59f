// The settings store the application uses: every section is a registry key below a base key,
// every value a registry value (numbers up to 32 bits as REG_DWORD, 64-bit numbers and floating
// values as REG_BINARY, texts as REG_SZ / REG_EXPAND_SZ). Writes reach the store at once.
#pragma once

#include <cstdint>

#include "map/IMappedData.h"
#include "reg/win/RegDir.h"
#include "str/strbuffer/StrBuffer.h"
#include "thread/Pooled.h"

namespace s::reg {

using str::strbuffer::StrBuffer;

class MappedData final : public map::IMappedData, public thread::Pooled<MappedData> {
public:
    MappedData();
    ~MappedData() override;

    // A store from the pool whose sections lie below (root, basePath); the section name is
    // empty and current is a key object at the base path.
    static MappedData* open(std::uint32_t root, const char16_t* basePath);

    const char16_t* typeName() const override { return u"s_reg_MappedData"; }
    base::IObject* newInstance() const override { return create(); }
    void recycle() override;

    bool flush() override { return true; }  // every write is already in the store
    bool selectForWrite(const char16_t* section) override;
    void removeSection(const char16_t* section) override;
    bool selectForRead(const char16_t* section) override;
    bool hasValue(const char16_t* section, const char16_t* key) override;

    std::uint8_t getU8(const char16_t* section, const char16_t* key, std::uint8_t def) override;
    std::uint16_t getU16(const char16_t* section, const char16_t* key, std::uint16_t def) override;
    std::uint32_t getU32(const char16_t* section, const char16_t* key, std::uint32_t def) override;
    std::uint64_t getU64(const char16_t* section, const char16_t* key, std::uint64_t def) override;
    std::int8_t getS8(const char16_t* section, const char16_t* key, std::int8_t def) override;
    std::int16_t getS16(const char16_t* section, const char16_t* key, std::int16_t def) override;
    std::int32_t getS32(const char16_t* section, const char16_t* key, std::int32_t def) override;
    std::int64_t getS64(const char16_t* section, const char16_t* key, std::int64_t def) override;
    float getFloat(const char16_t* section, const char16_t* key, float def) override;
    double getDouble(const char16_t* section, const char16_t* key, double def) override;
    bool getBool(const char16_t* section, const char16_t* key, bool def) override;
    const char16_t* getText(const char16_t* section, const char16_t* key, const char16_t* def,
                            bool* expandable = nullptr, bool expand = true) override;
    TextList* getTextList(const char16_t*, const char16_t*) override { return nullptr; }
    // A missing section returns bytes unchanged; a missing value in an existing section null.
    ArrayU08* getBytes(const char16_t* section, const char16_t* key,
                       ArrayU08* bytes = nullptr) override;
    void removeValue(const char16_t* section, const char16_t* key) override;

    void setU8(const char16_t* section, const char16_t* key, std::uint8_t value) override;
    void setU16(const char16_t* section, const char16_t* key, std::uint16_t value) override;
    void setU32(const char16_t* section, const char16_t* key, std::uint32_t value) override;
    void setU64(const char16_t* section, const char16_t* key, std::uint64_t value) override;
    void setS8(const char16_t* section, const char16_t* key, std::int8_t value) override;
    void setS16(const char16_t* section, const char16_t* key, std::int16_t value) override;
    void setS32(const char16_t* section, const char16_t* key, std::int32_t value) override;
    void setS64(const char16_t* section, const char16_t* key, std::int64_t value) override;
    void setFloat(const char16_t* section, const char16_t* key, float value) override;
    void setDouble(const char16_t* section, const char16_t* key, double value) override;
    void setBool(const char16_t* section, const char16_t* key, bool value) override;
    void setText(const char16_t* section, const char16_t* key, const char16_t* text) override;
    void setExpandableText(const char16_t* section, const char16_t* key,
                           const char16_t* text) override;
    void setTextList(const char16_t*, const char16_t*, const TextList*) override { flush(); }
    void setBytes(const char16_t* section, const char16_t* key, const ArrayU08* bytes) override;

    bool autoFlush() const override { return autoFlush_; }
    void setAutoFlush(bool on) override { autoFlush_ = on; }

    const win::RegDir* base() const { return base_; }
    // The key object of the last selected section; null right after removeSection.
    win::RegDir* current() const { return current_; }

private:
    // Gives back current and opens the key of section (the base key for the empty section).
    void openSection(const char16_t* section);
    // The key to read from, or null when section does not exist.
    win::RegDir* readKey(const char16_t* section) {
        return selectForRead(section) ? current_ : nullptr;
    }
    // The key to write to, or null when it could not be created.
    win::RegDir* writeKey(const char16_t* section) {
        return selectForWrite(section) ? current_ : nullptr;
    }

    template <class T>
    void store(const char16_t* section, const char16_t* key,
               bool (win::RegDir::*setter)(const char16_t*, T), T value);

    StrBuffer* pathBuffer_;
    StrBuffer* sectionName_;
    win::RegDir* base_;
    win::RegDir* current_ = nullptr;
    bool autoFlush_ = false;
};

}  // namespace s::reg
