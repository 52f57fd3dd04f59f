// The settings store kept in an XML file: one nested element per section segment, named values
// as attributes, the empty key as the element's text. The file is read once when the store is
// opened and written whole by flush (atomically: a crash leaves the old or the new file).
#pragma once

#include <cstdint>

#include "map/IMappedData.h"
#include "str/strbuffer/StrBuffer.h"
#include "thread/Pooled.h"
#include "xml/Node.h"

namespace s::xml {

class MappedData final : public map::IMappedData, public thread::Pooled<MappedData> {
public:
    MappedData();
    ~MappedData() override;

    // A store from the pool for the file at path: its document when the file exists, else an
    // empty "savedata" document that the first flush writes. When the file exists but cannot
    // be read the store works on an empty document and flush leaves the file alone.
    static MappedData* open(const char16_t* path);

    const char16_t* typeName() const override { return u"s_xml_MappedData"; }
    base::IObject* newInstance() const override { return create(); }
    void recycle() override;

    bool flush() override;
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
    // A missing section returns bytes unchanged; a missing key returns it emptied.
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
                           const char16_t* text) override {
        setText(section, key, text);
    }
    void setTextList(const char16_t*, const char16_t*, const TextList*) override { autoFlushNow(); }
    void setBytes(const char16_t* section, const char16_t* key, const ArrayU08* bytes) override;

    bool autoFlush() const override { return autoFlush_; }
    void setAutoFlush(bool on) override { autoFlush_ = on; }

    // The document, for tests and diagnostics.
    Node* root() const { return root_; }
    const char16_t* filePath() const { return file_->text(); }

private:
    // The raw stored value of key in section, or null when the section or key is missing.
    const char16_t* find(const char16_t* section, const char16_t* key);
    // Selects section for writing and removes the first attribute named key.
    Node* prepareWrite(const char16_t* section, const char16_t* key);
    void autoFlushNow() {
        if (autoFlush_) flush();
    }
    bool select(const char16_t* section, bool create);

    StrBuffer* file_;
    StrBuffer* text_;
    StrBuffer* sectionName_;
    Node* root_ = nullptr;
    Node* current_ = nullptr;
    bool autoFlush_ = false;
    bool keepFile_ = false;  // the file exists but could not be read: flush never replaces it
};

}  // namespace s::xml
