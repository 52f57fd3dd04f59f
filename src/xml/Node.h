// One XML element: a name, ordered attribute records (the element's text is a record with an
// empty name) and ordered children. Values are stored as written in the document and only
// converted by the typed getters. The parser accepts the small syntax the system writes: no
// declarations, CDATA or single-quoted values; "<!" starts a comment that ends at "-->".
#pragma once

#include <cstdint>
#include <string>

#include "col/_array/ArrayP.h"
#include "col/_array/ArrayU08.h"
#include "str/strbuffer/StrBuffer.h"
#include "thread/Pooled.h"
#include "xml/Attributes.h"
#include "xml/IXml.h"

namespace s::file {
class IPath;
}

namespace s::xml {

using str::strbuffer::StrBuffer;

class Node final : public IXml, public thread::Pooled<Node> {
public:
    // Elements nested deeper than this are not read: the parse stops there, as at the end of
    // the text, so hostile input cannot exhaust the stack.
    static constexpr std::uint32_t kMaxDepth = 256;

    Node();
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;
    ~Node() override;

    const char16_t* typeName() const override { return u"s_xml_Node"; }
    base::IObject* newInstance() const override { return create(); }
    void recycle() override { clear(); }

    // --- structure ------------------------------------------------------------------------------
    std::uint32_t childCount() const { return children_->length(); }
    // Frees the name and gives back every attribute record and child; the node stays usable.
    void clear();
    // Reserved diagnostic walk; no observable effect.
    void dump() const {}
    const char16_t* name() const { return name_; }
    std::uint32_t nameLength() const { return nameLength_; }
    void setName(const char16_t* text, std::int32_t length = -1);
    // length -1: the whole name compared ignoring ASCII case; a length n: the name is exactly
    // those n characters (case-sensitive). A nameless node never matches a counted comparison.
    bool nameEquals(const char16_t* text, std::int32_t length = -1) const;
    bool isComment() const { return name_ && name_[0] == u'!'; }
    // No bounds check: callers stay below childCount().
    Node* child(std::uint32_t i) const { return static_cast<Node*>(children_->get(i)); }
    Node* addChild(const char16_t* name, std::int32_t length = -1);
    // Ownership of node passes to this node.
    void appendChild(Node* node) { children_->add(node); }
    // Removes child i and gives it back to the pool.
    void removeChild(std::uint32_t i) { children_->removeAt(i); }
    bool findChild(const char16_t* name, std::int32_t length, std::uint32_t* index) const;
    Node* childByName(const char16_t* name, std::int32_t length = -1) const;
    Attributes& attributes() { return attributes_; }
    const Attributes& attributes() const { return attributes_; }

    // --- parsing --------------------------------------------------------------------------------
    // Parses one element from text (length -1: up to the terminating zero), appending to what
    // the node holds; returns the position after the element, or the end of the text when the
    // text ends first. Never reads past the end.
    const char16_t* parse(const char16_t* text, std::int32_t length = -1);
    // Decodes UTF-8 and parses the root element (a leading "<?...?>" declaration is skipped).
    void parseBytes(const std::uint8_t* bytes, std::uint32_t count);
    void parseBytes(const col::_array::ArrayU08* bytes);

    // --- typed setters: each appends a new record (an existing one is not replaced) -----------
    // An empty attribute name stores element text.
    void setInt64(const char16_t* name, std::int64_t value);
    void setU32(const char16_t* name, std::uint32_t value);
    void setU16(const char16_t* name, std::uint16_t value) { setU32(name, value); }
    void setU8(const char16_t* name, std::uint8_t value) { setU32(name, value); }
    void setU64(const char16_t* name, std::uint64_t value) {
        setInt64(name, static_cast<std::int64_t>(value));
    }
    void setS32(const char16_t* name, std::int32_t value) { setInt64(name, value); }
    void setS16(const char16_t* name, std::int16_t value) { setInt64(name, value); }
    void setS8(const char16_t* name, std::int8_t value) { setInt64(name, value); }
    void setFloat(const char16_t* name, float value) { setDouble(name, value); }
    void setDouble(const char16_t* name, double value);
    // Escaped as element text when name is empty, else as attribute value.
    void setText(const char16_t* name, const char16_t* text, std::int32_t length = -1);
    // Hexadecimal arrays: 16, 8, 4 and 2 lower-case digits per element.
    void setWords64(const char16_t* name, const std::uint64_t* values, std::uint32_t count);
    void setWords32(const char16_t* name, const std::uint32_t* values, std::uint32_t count);
    void setWords16(const char16_t* name, const std::uint16_t* values, std::uint32_t count);
    void setBytes(const char16_t* name, const std::uint8_t* bytes, std::uint32_t count);
    // Each 64-bit value as two "%08x" words, low word first.
    void setDwordPairs(const char16_t* name, const std::uint64_t* values, std::uint32_t count);

    // --- typed getters: the first record whose name matches ignoring ASCII case ---------------
    // The stored (escaped) value, or def.
    const char16_t* rawText(const char16_t* name, const char16_t* def = nullptr) const;
    bool getBool(const char16_t* name, bool def) const;
    std::int8_t getS8(const char16_t* name, std::int8_t def) const;
    std::int16_t getS16(const char16_t* name, std::int16_t def) const;
    std::int32_t getS32(const char16_t* name, std::int32_t def) const;
    std::int64_t getInt64(const char16_t* name, std::int64_t def) const;
    std::uint8_t getU8(const char16_t* name, std::uint8_t def) const;
    std::uint16_t getU16(const char16_t* name, std::uint16_t def) const;
    std::uint32_t getU32(const char16_t* name, std::uint32_t def) const;
    // The decoded value (text decoding for the element text, attribute decoding otherwise),
    // or def when missing, into out (a new string when null), replacing or appended.
    StrBuffer* getText(const char16_t* name, StrBuffer* out, const char16_t* def = u"",
                       bool append = false) const;

    // --- writing --------------------------------------------------------------------------------
    // The element as text: no declaration, no line breaks, an empty element as a pair of tags.
    StrBuffer* writeText(StrBuffer* out = nullptr, bool append = false) const;
    // writeText encoded as UTF-8 without byte-order mark.
    col::_array::ArrayU08* toUtf8(col::_array::ArrayU08* bytes = nullptr,
                                  bool append = false) const;

    // --- files (paths as framework text; invalid UTF-8 bytes travel as U+DC80 + byte) ----------
    // Reads and parses the file; a file that cannot be read leaves the node unchanged.
    bool loadPath(const char16_t* path);
    // Creates the folder when missing and replaces the file's content with toUtf8 atomically:
    // a crash during the save leaves the old file or the complete new one.
    bool savePath(const char16_t* path) const;
    // The same on the file a path object names.
    bool loadFile(file::IPath* file);
    bool saveFile(file::IPath* file) const;

private:
    const char16_t* parseElement(const char16_t* p, const char16_t* end, std::uint32_t depth);
    void addFormatted(const char16_t* name, void (*format)(StrBuffer*, const void*),
                      const void* value);

    col::_array::ArrayP* children_;
    Attributes attributes_;
    char16_t* name_ = nullptr;
    std::uint32_t nameLength_ = 0;
};

// The operating system's bytes of a framework path text.
std::string pathBytes(const char16_t* path);

}  // namespace s::xml
