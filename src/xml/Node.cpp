// The XML element: structure, parser, typed values and writer.
#include "xml/Node.h"

#include <mutex>
#include <vector>

#include "file/IPath.h"
#include "platform/AtomicFile.h"
#include "str/Utf8.h"
#include "xml/AttrFactory.h"
#include "xml/XmlText.h"

namespace s::xml {
namespace {

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

const char16_t* skipBlanks(const char16_t* p, const char16_t* end) {
    while (p < end && isBlank(*p)) ++p;
    return p;
}

// The first c at or after p, or end.
const char16_t* find(const char16_t* p, const char16_t* end, char16_t c) {
    while (p < end && *p != c) ++p;
    return p;
}

// The shared scratch text of the typed setters, under its own lock.
std::mutex& scratchLock() {
    static std::mutex lock;
    return lock;
}
StrBuffer& scratch() {
    static StrBuffer* const buffer = new StrBuffer();  // lives for the whole process
    return *buffer;
}

}  // namespace

Node::Node() : children_(col::_array::ArrayP::newArrayP(&Node::pool())) {}

Node::~Node() {
    children_->release();
    AttrFactory::freeText(name_);
}

void Node::clear() {
    AttrFactory::freeText(name_);
    name_ = nullptr;
    nameLength_ = 0;
    attributes_.clear();
    children_->clear();  // gives every child back to the pool, which clears it in turn
}

void Node::setName(const char16_t* text, std::int32_t length) {
    const std::uint32_t n = textLength(text, length);
    char16_t* copy = AttrFactory::copyText(text, n);
    AttrFactory::freeText(name_);
    name_ = copy;
    nameLength_ = n;
}

bool Node::nameEquals(const char16_t* text, std::int32_t length) const {
    if (length < 0) return equalsIgnoreAsciiCase(name_, text);
    if (!name_ || nameLength_ != static_cast<std::uint32_t>(length)) return false;
    for (std::uint32_t i = 0; i < nameLength_; ++i) {
        if (name_[i] != text[i]) return false;
    }
    return true;
}

Node* Node::addChild(const char16_t* name, std::int32_t length) {
    Node* node = create();
    node->setName(name, length);
    appendChild(node);
    return node;
}

bool Node::findChild(const char16_t* name, std::int32_t length, std::uint32_t* index) const {
    const std::uint32_t n = childCount();
    for (std::uint32_t i = 0; i < n; ++i) {
        if (child(i)->nameEquals(name, length)) {
            if (index) *index = i;
            return true;
        }
    }
    return false;
}

Node* Node::childByName(const char16_t* name, std::int32_t length) const {
    std::uint32_t i = 0;
    return findChild(name, length, &i) ? child(i) : nullptr;
}

// ---- parsing ----------------------------------------------------------------------------------

const char16_t* Node::parse(const char16_t* text, std::int32_t length) {
    if (!text) return text;
    return parseElement(text, text + textLength(text, length), 0);
}

const char16_t* Node::parseElement(const char16_t* p, const char16_t* end, std::uint32_t depth) {
    // Step 1: the first "<"; the node stays unnamed when the text ends first.
    p = find(p, end, u'<');
    if (p == end) return end;
    // Step 2: past "<" and blanks.
    p = skipBlanks(p + 1, end);
    if (p == end) return end;
    // Step 3: "<!" starts a comment named by its first three characters, ending at "-->".
    if (*p == u'!') {
        const char16_t* nameEnd = end - p < 3 ? end : p + 3;
        setName(p, static_cast<std::int32_t>(nameEnd - p));
        for (const char16_t* q = nameEnd; end - q >= 3; ++q) {
            if (q[0] == u'-' && q[1] == u'-' && q[2] == u'>') return q + 3;
        }
        return end;
    }
    // Step 4: the name runs to a blank, "/" or ">".
    const char16_t* name = p;
    while (p < end && !isBlank(*p) && *p != u'/' && *p != u'>') ++p;
    setName(name, static_cast<std::int32_t>(p - name));
    // Step 5: attributes until ">" or "/"; values only in double quotes.
    for (;;) {
        p = skipBlanks(p, end);
        if (p == end) return end;
        if (*p == u'>' || *p == u'/') break;
        const char16_t* attrName = p;
        while (p < end && *p != u'=' && *p != u' ') ++p;
        const char16_t* attrNameEnd = p;
        if (p == end) return end;
        p = find(p + 1, end, u'"');
        if (p == end) return end;
        const char16_t* value = ++p;
        p = find(p, end, u'"');
        if (p == end) return end;
        attributes_.add(attrName, static_cast<std::int32_t>(attrNameEnd - attrName), value,
                        static_cast<std::int32_t>(p - value));
        ++p;
    }
    // Step 6: "/>" ends an element without content.
    if (*p == u'/') {
        p = find(p, end, u'>');
        return p == end ? end : p + 1;
    }
    // Step 7: text up to the first child or the closing tag.
    p = skipBlanks(p + 1, end);
    const auto textRun = [&]() {
        const char16_t* text = p;
        p = find(p, end, u'<');
        attributes_.add(u"", 0, text, static_cast<std::int32_t>(p - text));
    };
    if (p < end && *p != u'<') textRun();
    // Step 8: children (comments dropped at once) and further text runs.
    while (end - p >= 2 && p[1] != u'/') {
        if (depth + 1 >= kMaxDepth) return end;
        Node* node = create();
        p = node->parseElement(p, end, depth + 1);
        if (node->isComment()) {
            node->release();
        } else {
            appendChild(node);
        }
        p = skipBlanks(p, end);
        if (p < end && *p != u'<') textRun();
    }
    if (end - p < 2) return end;
    // Step 9: "</": the closing name is not compared.
    p = find(p, end, u'>');
    return p == end ? end : p + 1;
}

void Node::parseBytes(const std::uint8_t* bytes, std::uint32_t count) {
    if (!bytes || count == 0) return;
    std::u16string text(count, u'\0');  // UTF-8 never takes fewer bytes than code units
    text.resize(str::utf8Decode(bytes, count, text.data()));
    const char16_t* p = text.data();
    const char16_t* end = p + text.size();
    // An XML declaration is not part of the model: pass over it to the root element.
    const char16_t* q = p;
    while (q < end && (isBlank(*q) || *q == u'\uFEFF')) ++q;
    if (end - q >= 2 && q[0] == u'<' && q[1] == u'?') {
        for (q += 2; end - q >= 2; ++q) {
            if (q[0] == u'?' && q[1] == u'>') {
                p = q + 2;
                break;
            }
        }
    }
    parseElement(p, end, 0);
}

void Node::parseBytes(const col::_array::ArrayU08* bytes) {
    if (bytes) parseBytes(bytes->data(), bytes->length());
}

// ---- typed setters ----------------------------------------------------------------------------

void Node::addFormatted(const char16_t* name, void (*format)(StrBuffer*, const void*),
                        const void* value) {
    std::lock_guard<std::mutex> guard(scratchLock());
    StrBuffer& s = scratch();
    s.clear();
    format(&s, value);
    attributes_.add(name, -1, s.data(), static_cast<std::int32_t>(s.length()));
}

void Node::setInt64(const char16_t* name, std::int64_t value) {
    addFormatted(
        name,
        [](StrBuffer* s, const void* v) { s->appendInt64(*static_cast<const std::int64_t*>(v)); },
        &value);
}

void Node::setU32(const char16_t* name, std::uint32_t value) {
    addFormatted(
        name,
        [](StrBuffer* s, const void* v) { s->appendUInt32(*static_cast<const std::uint32_t*>(v)); },
        &value);
}

void Node::setDouble(const char16_t* name, double value) {
    addFormatted(
        name, [](StrBuffer* s, const void* v) { s->appendDouble(*static_cast<const double*>(v)); },
        &value);
}

void Node::setText(const char16_t* name, const char16_t* text, std::int32_t length) {
    struct Source {
        const char16_t* text;
        std::uint32_t count;
        bool element;
    } source{text ? text : u"", textLength(text, length), textLength(name) == 0};
    addFormatted(
        name,
        [](StrBuffer* s, const void* v) {
            const auto* src = static_cast<const Source*>(v);
            if (src->element) {
                escapeText(s, src->text, src->count);
            } else {
                escapeAttribute(s, src->text, src->count);
            }
        },
        &source);
}

namespace {
template <class T>
struct ArrayValue {
    const T* values;
    std::uint32_t count;
};
}  // namespace

void Node::setWords64(const char16_t* name, const std::uint64_t* values, std::uint32_t count) {
    ArrayValue<std::uint64_t> a{values, count};
    addFormatted(
        name,
        [](StrBuffer* s, const void* v) {
            const auto* a = static_cast<const ArrayValue<std::uint64_t>*>(v);
            s->appendHex64(a->values, a->count);
        },
        &a);
}

void Node::setWords32(const char16_t* name, const std::uint32_t* values, std::uint32_t count) {
    ArrayValue<std::uint32_t> a{values, count};
    addFormatted(
        name,
        [](StrBuffer* s, const void* v) {
            const auto* a = static_cast<const ArrayValue<std::uint32_t>*>(v);
            s->appendHex32(a->values, a->count);
        },
        &a);
}

void Node::setWords16(const char16_t* name, const std::uint16_t* values, std::uint32_t count) {
    ArrayValue<std::uint16_t> a{values, count};
    addFormatted(
        name,
        [](StrBuffer* s, const void* v) {
            const auto* a = static_cast<const ArrayValue<std::uint16_t>*>(v);
            s->appendHex16(a->values, a->count);
        },
        &a);
}

void Node::setBytes(const char16_t* name, const std::uint8_t* bytes, std::uint32_t count) {
    ArrayValue<std::uint8_t> a{bytes, count};
    addFormatted(
        name,
        [](StrBuffer* s, const void* v) {
            const auto* a = static_cast<const ArrayValue<std::uint8_t>*>(v);
            s->appendHexBytes(a->values, a->count);
        },
        &a);
}

void Node::setDwordPairs(const char16_t* name, const std::uint64_t* values, std::uint32_t count) {
    ArrayValue<std::uint64_t> a{values, count};
    addFormatted(
        name,
        [](StrBuffer* s, const void* v) {
            const auto* a = static_cast<const ArrayValue<std::uint64_t>*>(v);
            for (std::uint32_t i = 0; i < a->count; ++i) {
                const std::uint32_t words[2] = {static_cast<std::uint32_t>(a->values[i]),
                                                static_cast<std::uint32_t>(a->values[i] >> 32)};
                s->appendHex32(words, 2);
            }
        },
        &a);
}

// ---- typed getters ----------------------------------------------------------------------------

const char16_t* Node::rawText(const char16_t* name, const char16_t* def) const {
    const Attr* a = attributes_.find(name);
    return a ? a->value : def;
}

bool Node::getBool(const char16_t* name, bool def) const {
    const Attr* a = attributes_.find(name);
    return a ? parseBool(a->value) : def;
}

std::int8_t Node::getS8(const char16_t* name, std::int8_t def) const {
    const Attr* a = attributes_.find(name);
    return a ? static_cast<std::int8_t>(parseInt32(a->value)) : def;
}

std::int16_t Node::getS16(const char16_t* name, std::int16_t def) const {
    const Attr* a = attributes_.find(name);
    return a ? static_cast<std::int16_t>(parseInt32(a->value)) : def;
}

std::int32_t Node::getS32(const char16_t* name, std::int32_t def) const {
    const Attr* a = attributes_.find(name);
    return a ? parseInt32(a->value) : def;
}

std::int64_t Node::getInt64(const char16_t* name, std::int64_t def) const {
    const Attr* a = attributes_.find(name);
    return a ? parseInt64(a->value) : def;
}

std::uint8_t Node::getU8(const char16_t* name, std::uint8_t def) const {
    const Attr* a = attributes_.find(name);
    return a ? static_cast<std::uint8_t>(parseUInt32(a->value)) : def;
}

std::uint16_t Node::getU16(const char16_t* name, std::uint16_t def) const {
    const Attr* a = attributes_.find(name);
    return a ? static_cast<std::uint16_t>(parseUInt32(a->value)) : def;
}

std::uint32_t Node::getU32(const char16_t* name, std::uint32_t def) const {
    const Attr* a = attributes_.find(name);
    return a ? parseUInt32(a->value) : def;
}

StrBuffer* Node::getText(const char16_t* name, StrBuffer* out, const char16_t* def,
                         bool append) const {
    if (!out) out = StrBuffer::create();
    if (!append) out->clear();
    const Attr* a = attributes_.find(name);
    if (!a) {
        out->appendText(def ? def : u"");
    } else if (a->nameLength == 0) {
        decodeText(out, a->value, a->valueLength);
    } else {
        decodeAttribute(out, a->value, a->valueLength);
    }
    return out;
}

// ---- writing ----------------------------------------------------------------------------------

StrBuffer* Node::writeText(StrBuffer* out, bool append) const {
    if (!out) out = StrBuffer::create();
    if (!append) out->clear();
    // Steps 1 to 3: "<", the name, the named attributes in order, ">".
    out->appendChar(u'<')->append(name_ ? name_ : u"", static_cast<std::int32_t>(nameLength_));
    const Attr* text = nullptr;
    for (std::uint32_t i = 0; i < attributes_.count(); ++i) {
        const Attr* a = attributes_.at(i);
        if (a->nameLength == 0) {
            if (!text) text = a;
            continue;
        }
        out->appendChar(u' ')->append(a->name, static_cast<std::int32_t>(a->nameLength));
        out->appendText(u"=\"")->append(a->value, static_cast<std::int32_t>(a->valueLength));
        out->appendChar(u'"');
    }
    out->appendChar(u'>');
    // Step 4: the first text record, already escaped; step 5: the children.
    if (text) out->append(text->value, static_cast<std::int32_t>(text->valueLength));
    for (std::uint32_t i = 0; i < childCount(); ++i) child(i)->writeText(out, true);
    // Step 6: the closing tag.
    out->appendText(u"</")->append(name_ ? name_ : u"", static_cast<std::int32_t>(nameLength_));
    out->appendChar(u'>');
    return out;
}

col::_array::ArrayU08* Node::toUtf8(col::_array::ArrayU08* bytes, bool append) const {
    StrBuffer* text = writeText();
    if (!bytes) bytes = col::_array::ArrayU08::create();
    if (!append) bytes->clear();
    const std::uint32_t at = bytes->length();
    const std::size_t n = str::utf8EncodedLength(text->data(), text->length());
    if (bytes->setLength(at + static_cast<std::uint32_t>(n))) {
        str::utf8Encode(text->data(), text->length(), bytes->data() + at);
    }
    text->release();
    return bytes;
}

// ---- files ------------------------------------------------------------------------------------

std::string pathBytes(const char16_t* path) {
    return str::toUtf8String(path ? path : u"", textLength(path));
}

bool Node::loadPath(const char16_t* path) {
    std::vector<std::uint8_t> bytes;
    if (!platform::readWholeFile(pathBytes(path), &bytes)) return false;
    parseBytes(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    return true;
}

bool Node::savePath(const char16_t* path) const {
    col::_array::ArrayU08* bytes = toUtf8();
    const bool saved = platform::replaceFile(pathBytes(path), bytes->data(), bytes->length());
    bytes->release();
    return saved;
}

bool Node::loadFile(file::IPath* file) {
    return file && loadPath(file->fullPath()->text());
}

bool Node::saveFile(file::IPath* file) const {
    return file && savePath(file->fullPath()->text());
}

}  // namespace s::xml
