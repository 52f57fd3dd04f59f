// The XML settings store.
#include "xml/MappedData.h"

#include <vector>

#include "col/_array/ArrayU08.h"
#include "platform/AtomicFile.h"
#include "platform/File.h"
#include "xml/XmlText.h"

namespace s::xml {
namespace {

bool isSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

// Section and key names become element and attribute names: only an XML name may be written,
// or the file would not read back (a blank, a quote, "=", "/" or ">" would break it).
bool isXmlName(const char16_t* name, std::int32_t length) {
    if (length <= 0) return false;
    for (std::int32_t i = 0; i < length; ++i) {
        const char16_t c = name[i];
        const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_' ||
                            c == u':' ||
                            (c >= 0xC0 && c != 0xD7 && c != 0xF7 && c != 0x3000 &&
                             !(c >= 0x2000 && c <= 0x200B) && c != 0xFEFF);
        const bool more = (c >= u'0' && c <= u'9') || c == u'-' || c == u'.' || c == 0xB7;
        if (!letter && !(i > 0 && more)) return false;
    }
    return true;
}

bool isKeyName(const char16_t* key) {
    // The empty key names the section's own text.
    return !key || !*key || isXmlName(key, static_cast<std::int32_t>(textLength(key)));
}

}  // namespace

MappedData::MappedData()
    : file_(StrBuffer::create()), text_(StrBuffer::create()), sectionName_(StrBuffer::create()) {}

MappedData::~MappedData() {
    if (root_) root_->release();
    file_->release();
    text_->release();
    sectionName_->release();
}

void MappedData::recycle() {
    if (root_) root_->release();
    root_ = nullptr;
    current_ = nullptr;
    file_->clear();
    text_->clear();
    sectionName_->clear();
    autoFlush_ = false;
    keepFile_ = false;
}

MappedData* MappedData::open(const char16_t* path) {
    MappedData* store = create();
    store->file_->assignText(path ? path : u"");
    // The document is read once, here; a missing file gives a new one. A file that exists but
    // cannot be read is never replaced: the user's settings in it would be lost.
    Node* root = Node::create();
    if (!root->loadPath(store->file_->text())) {
        store->keepFile_ = platform::fileStatus(pathBytes(store->file_->text())).exists;
    }
    if (!root->name()) {
        root->clear();
        root->setName(u"savedata");
    }
    store->root_ = root;
    store->sectionName_->clear();
    store->current_ = root;
    return store;
}

bool MappedData::flush() {
    if (!root_ || file_->length() == 0 || keepFile_) return false;
    return root_->savePath(file_->text());
}

bool MappedData::select(const char16_t* section, bool create) {
    if (!section) section = u"";
    // Step 1: the same section as last time (ignoring ASCII case) needs no walk. After a failed
    // selection the path is walked again: otherwise a failed read of "a\b" would hide an
    // existing "A\B" from every later read.
    if (current_ && sectionName_->equalsTextIgnoreCase(section)) return true;
    // Steps 2 and 3.
    sectionName_->assignText(section);
    current_ = root_;
    // Step 4: each segment is the first child of exactly that name.
    const char16_t* p = section;
    while (*p) {
        const char16_t* segment = p;
        while (*p && !isSeparator(*p)) ++p;
        const auto length = static_cast<std::int32_t>(p - segment);
        if (*p) ++p;
        if (length == 0) continue;  // a trailing (or doubled) separator
        Node* next = current_->childByName(segment, length);
        if (!next && create && isXmlName(segment, length)) {
            next = current_->addChild(segment, length);
        }
        current_ = next;
        if (!current_) return false;
    }
    return true;
}

bool MappedData::selectForRead(const char16_t* section) {
    return select(section, false);
}

bool MappedData::selectForWrite(const char16_t* section) {
    return select(section, true);
}

void MappedData::removeSection(const char16_t* section) {
    if (!section) return;
    const char16_t* last = nullptr;
    for (const char16_t* p = section; *p; ++p) {
        if (isSeparator(*p)) last = p;
    }
    bool found = false;
    if (!last) {
        found = selectForRead(u"");
        last = section - 1;
    } else {
        StrBuffer* parent = StrBuffer::create();
        parent->append(section, static_cast<std::int32_t>(last - section));
        found = selectForRead(parent->text());
        parent->release();
    }
    std::uint32_t index = 0;
    if (found &&
        current_->findChild(last + 1, static_cast<std::int32_t>(textLength(last + 1)), &index)) {
        current_->removeChild(index);
    }
    autoFlushNow();
}

const char16_t* MappedData::find(const char16_t* section, const char16_t* key) {
    if (!selectForRead(section)) return nullptr;
    return current_->rawText(key ? key : u"", nullptr);
}

bool MappedData::hasValue(const char16_t* section, const char16_t* key) {
    return find(section, key) != nullptr;
}

std::uint8_t MappedData::getU8(const char16_t* section, const char16_t* key, std::uint8_t def) {
    const char16_t* v = find(section, key);
    return v ? static_cast<std::uint8_t>(parseUInt32(v)) : def;
}

std::uint16_t MappedData::getU16(const char16_t* section, const char16_t* key, std::uint16_t def) {
    const char16_t* v = find(section, key);
    return v ? static_cast<std::uint16_t>(parseUInt32(v)) : def;
}

std::uint32_t MappedData::getU32(const char16_t* section, const char16_t* key, std::uint32_t def) {
    const char16_t* v = find(section, key);
    return v ? parseUInt32(v) : def;
}

std::uint64_t MappedData::getU64(const char16_t* section, const char16_t* key, std::uint64_t def) {
    const char16_t* v = find(section, key);
    return v ? static_cast<std::uint64_t>(parseInt64(v)) : def;
}

std::int8_t MappedData::getS8(const char16_t* section, const char16_t* key, std::int8_t def) {
    const char16_t* v = find(section, key);
    return v ? static_cast<std::int8_t>(parseInt32(v)) : def;
}

std::int16_t MappedData::getS16(const char16_t* section, const char16_t* key, std::int16_t def) {
    const char16_t* v = find(section, key);
    return v ? static_cast<std::int16_t>(parseInt32(v)) : def;
}

std::int32_t MappedData::getS32(const char16_t* section, const char16_t* key, std::int32_t def) {
    const char16_t* v = find(section, key);
    return v ? parseInt32(v) : def;
}

std::int64_t MappedData::getS64(const char16_t* section, const char16_t* key, std::int64_t def) {
    const char16_t* v = find(section, key);
    return v ? parseInt64(v) : def;
}

float MappedData::getFloat(const char16_t* section, const char16_t* key, float def) {
    const char16_t* v = find(section, key);
    return v ? static_cast<float>(parseDouble(v)) : def;
}

double MappedData::getDouble(const char16_t* section, const char16_t* key, double def) {
    const char16_t* v = find(section, key);
    return v ? parseDouble(v) : def;
}

bool MappedData::getBool(const char16_t* section, const char16_t* key, bool def) {
    const char16_t* v = find(section, key);
    return v ? parseBool(v) : def;
}

const char16_t* MappedData::getText(const char16_t* section, const char16_t* key,
                                    const char16_t* def, bool* expandable, bool) {
    if (expandable) *expandable = false;
    if (!key) key = u"";
    if (!find(section, key)) return def;
    current_->getText(key, text_);
    return text_->text();
}

col::_array::ArrayU08* MappedData::getBytes(const char16_t* section, const char16_t* key,
                                            ArrayU08* bytes) {
    if (!selectForRead(section)) return bytes;
    if (!bytes) bytes = ArrayU08::create();
    bytes->clear();
    const char16_t* v = current_->rawText(key ? key : u"", nullptr);
    if (!v) return bytes;
    // Hex pairs, high digit first; an odd last digit is ignored.
    const auto digit = [](char16_t c) -> std::uint8_t {
        if (c >= u'0' && c <= u'9') return static_cast<std::uint8_t>(c - u'0');
        if (c >= u'a' && c <= u'f') return static_cast<std::uint8_t>(c - u'a' + 10);
        if (c >= u'A' && c <= u'F') return static_cast<std::uint8_t>(c - u'A' + 10);
        return 0;
    };
    for (; v[0] && v[1]; v += 2) {
        bytes->appendOne(static_cast<std::uint8_t>(digit(v[0]) << 4 | digit(v[1])));
    }
    return bytes;
}

void MappedData::removeValue(const char16_t* section, const char16_t* key) {
    if (selectForRead(section)) current_->attributes().remove(key ? key : u"");
    autoFlushNow();
}

Node* MappedData::prepareWrite(const char16_t* section, const char16_t* key) {
    if (!isKeyName(key) || !selectForWrite(section)) return nullptr;
    current_->attributes().remove(key ? key : u"");
    return current_;
}

void MappedData::setU8(const char16_t* section, const char16_t* key, std::uint8_t value) {
    setU32(section, key, value);
}

void MappedData::setU16(const char16_t* section, const char16_t* key, std::uint16_t value) {
    setU32(section, key, value);
}

void MappedData::setU32(const char16_t* section, const char16_t* key, std::uint32_t value) {
    if (Node* node = prepareWrite(section, key)) node->setU32(key ? key : u"", value);
    autoFlushNow();
}

void MappedData::setU64(const char16_t* section, const char16_t* key, std::uint64_t value) {
    setS64(section, key, static_cast<std::int64_t>(value));
}

void MappedData::setS8(const char16_t* section, const char16_t* key, std::int8_t value) {
    setS64(section, key, value);
}

void MappedData::setS16(const char16_t* section, const char16_t* key, std::int16_t value) {
    setS64(section, key, value);
}

void MappedData::setS32(const char16_t* section, const char16_t* key, std::int32_t value) {
    setS64(section, key, value);
}

void MappedData::setS64(const char16_t* section, const char16_t* key, std::int64_t value) {
    if (Node* node = prepareWrite(section, key)) node->setInt64(key ? key : u"", value);
    autoFlushNow();
}

void MappedData::setFloat(const char16_t* section, const char16_t* key, float value) {
    setDouble(section, key, value);
}

void MappedData::setDouble(const char16_t* section, const char16_t* key, double value) {
    if (Node* node = prepareWrite(section, key)) node->setDouble(key ? key : u"", value);
    autoFlushNow();
}

void MappedData::setBool(const char16_t* section, const char16_t* key, bool value) {
    setS64(section, key, value ? 1 : 0);
}

void MappedData::setText(const char16_t* section, const char16_t* key, const char16_t* text) {
    if (Node* node = prepareWrite(section, key)) node->setText(key ? key : u"", text);
    autoFlushNow();
}

void MappedData::setBytes(const char16_t* section, const char16_t* key, const ArrayU08* bytes) {
    if (Node* node = prepareWrite(section, key)) {
        node->setBytes(key ? key : u"", bytes ? bytes->data() : nullptr,
                       bytes ? bytes->length() : 0);
    }
    autoFlushNow();
}

}  // namespace s::xml
