// Registry key objects on the platform's registry-like store.
#include "reg/win/RegDir.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

#include "platform/store/Registry.h"
#include "str/Utf8.h"

namespace s::reg::win {
namespace {

using platform::store::Registry;

struct Root {
    std::uint32_t number;
    const char16_t* name;
    const char16_t* prefix;  // null: the current user's tree
};

constexpr Root kRoots[] = {
    {kClassesRoot, u"HKEY_CLASSES_ROOT", u"\\Registry\\Machine\\SOFTWARE\\Classes"},
    {kCurrentUser, u"HKEY_CURRENT_USER", nullptr},
    {kLocalMachine, u"HKEY_LOCAL_MACHINE", u"\\Registry\\Machine"},
    {kUsers, u"HKEY_USERS", u"\\Registry\\User"},
    {kCurrentConfig, u"HKEY_CURRENT_CONFIG",
     u"\\Registry\\Machine\\System\\CurrentControlSet\\Hardware Profiles\\Current"},
};

std::u16string_view view(const StrBuffer* s) {
    return {s->text(), s->length()};
}
std::u16string_view view(const char16_t* s) {
    return s ? std::u16string_view(s) : u"";
}

char16_t foldAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}

bool startsWithIgnoreCase(std::u16string_view text, std::u16string_view prefix) {
    if (prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (foldAscii(text[i]) != foldAscii(prefix[i])) return false;
    }
    return true;
}

// Expands %NAME% references from the environment, as the system's expansion does: an unknown
// name or a lone "%" stays as written. False when the result would exceed limit characters
// (with the terminator).
bool expandEnvironment(std::u16string_view text, StrBuffer* out, std::uint32_t limit) {
    out->clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t close =
            text[i] == u'%' ? text.find(u'%', i + 1) : std::u16string_view::npos;
        if (close == std::u16string_view::npos || close == i + 1) {
            out->appendChar(text[i]);
            continue;
        }
        std::string name;
        bool ascii = true;
        for (std::size_t k = i + 1; k < close; ++k) {
            ascii = ascii && text[k] < 0x80;
            name.push_back(static_cast<char>(text[k]));
        }
        const char* value = ascii ? std::getenv(name.c_str()) : nullptr;
        if (!value) {
            out->append(text.data() + i, static_cast<std::int32_t>(close - i + 1));
        } else {
            str::appendUtf8(out, value);  // the environment's bytes are UTF-8
        }
        i = close;
    }
    return out->length() + 1 <= limit;
}

}  // namespace

StrBuffer* formatSid(std::uint8_t revision, const std::uint8_t (&authority)[6],
                     const std::uint32_t* subAuthorities, std::uint32_t count, StrBuffer* out) {
    if (!out) out = StrBuffer::create();
    out->clear();
    out->appendNarrowText("S-")->appendUInt32(revision)->appendChar(u'-');
    if (authority[0] != 0 || authority[1] != 0) {
        out->appendNarrowText("0x")->appendHexBytes(authority, 6);
    } else {
        const std::uint32_t low = std::uint32_t(authority[2]) << 24 |
                                  std::uint32_t(authority[3]) << 16 |
                                  std::uint32_t(authority[4]) << 8 | authority[5];
        out->appendUInt32(low);
    }
    for (std::uint32_t i = 0; i < count; ++i)
        out->appendChar(u'-')->appendUInt32(subAuthorities[i]);
    return out;
}

const char16_t* currentUserSid() {
    static StrBuffer* const sid = [] {
        const std::uint8_t authority[6] = {0, 0, 0, 0, 0, 22};  // the Unix user authority
        const std::uint32_t subs[2] = {1, Registry::currentUserId()};
        return formatSid(1, authority, subs, 2, new StrBuffer());
    }();
    return sid->text();
}

RegDir::RegDir()
    : value_(col::_array::ArrayU08::create()),
      expansion_(StrBuffer::create()),
      rootName_(StrBuffer::create()),
      nativePrefix_(StrBuffer::create()),
      path_(StrBuffer::create()),
      displayPath_(StrBuffer::create()),
      nativePath_(StrBuffer::create()) {
    setRoot(kLocalMachine);
}

RegDir::~RegDir() {
    value_->release();
    for (StrBuffer* s : {expansion_, rootName_, nativePrefix_, path_, displayPath_, nativePath_}) {
        s->release();
    }
}

void RegDir::recycle() {
    handle_ = 0;
    value_->clear();
    expansion_->clear();
    path_->clear();
    root_ = 0;
    setRoot(kLocalMachine);
}

RegDir* RegDir::at(std::uint32_t root, const char16_t* path) {
    RegDir* key = newKey();
    key->openAt(root, path);
    return key;
}

void RegDir::setRoot(std::uint32_t root) {
    for (const Root& r : kRoots) {
        if (r.number != root) continue;
        root_ = root;
        rootName_->assignText(r.name);
        if (r.prefix) {
            nativePrefix_->assignText(r.prefix);
        } else {
            nativePrefix_->assignText(u"\\Registry\\User\\")->appendText(currentUserSid());
        }
        rebuildPaths();
        return;
    }
}

void RegDir::rebuildPaths() {
    displayPath_->assign(rootName_)->appendChar(u'\\')->appendString(path_);
    nativePath_->assign(nativePrefix_)->appendChar(u'\\')->appendString(path_);
}

bool RegDir::open(const char16_t* path) {
    path_->assignText(path ? path : u"");
    while (path_->length() > 0 && path_->charAt(path_->length() - 1) == u'\\') {
        path_->setLength(path_->length() - 1);
    }
    rebuildPaths();
    handle_ = Registry::instance().openKey(view(nativePath_));
    return handle_ != 0;
}

bool RegDir::reopen() {
    if (!handle_) return false;
    return open(path_->text());
}

RegDir* RegDir::parent() const {
    std::uint32_t cut = 0;
    if (!path_->lastIndexOf(u'\\', &cut)) return nullptr;
    StrBuffer* parentPath = path_->substring(0, cut);
    RegDir* key = at(root_, parentPath->text());
    parentPath->release();
    return key;
}

StrBuffer* RegDir::leafName(StrBuffer* out) const {
    if (!out) out = StrBuffer::create();
    out->clear();
    std::uint32_t cut = 0;
    const std::uint32_t from = path_->lastIndexOf(u'\\', &cut) ? cut + 1 : 0;
    out->append(path_->text() + from, static_cast<std::int32_t>(path_->length() - from));
    return out;
}

bool RegDir::openFullName(const char16_t* fullName) {
    const std::u16string_view full = view(fullName);
    for (const Root& r : kRoots) {
        const std::u16string_view name(r.name);
        if (!startsWithIgnoreCase(full, name)) continue;
        if (full.size() > name.size() && full[name.size()] != u'\\') continue;
        setRoot(r.number);
        const std::size_t rest = full.size() > name.size() ? name.size() + 1 : name.size();
        StrBuffer* path = StrBuffer::create();
        path->append(full.data() + rest, static_cast<std::int32_t>(full.size() - rest));
        const bool opened = open(path->text());
        path->release();
        return opened;
    }
    setRoot(kCurrentUser);
    return open(u"InvalidKey");
}

bool RegDir::create() {
    if (handle_) return true;
    Registry& registry = Registry::instance();
    handle_ = registry.createKey(view(nativePath_));
    if (handle_) return true;
    // The parent is missing: create it (recursively up to an existing ancestor) and retry.
    RegDir* up = parent();
    if (!up) return false;
    const bool made = up->create();
    up->release();
    if (made) handle_ = registry.createKey(view(nativePath_));
    return handle_ != 0;
}

col::_array::ArrayP* RegDir::subkeysFiltered(const char16_t* prefix) const {
    col::_array::ArrayP* keys = col::_array::ArrayP::newArrayP(&RegDir::pool());
    if (!handle_) return keys;
    for (const std::u16string& name : Registry::instance().subkeyNames(handle_)) {
        if (prefix && !startsWithIgnoreCase(name, prefix)) continue;
        StrBuffer* childPath = StrBuffer::create();
        if (path_->length()) childPath->assign(path_)->appendChar(u'\\');
        childPath->append(name.data(), static_cast<std::int32_t>(name.size()));
        keys->add(at(root_, childPath->text()));
        childPath->release();
    }
    return keys;
}

bool RegDir::deleteTree(bool deleteSelf) {
    if (!handle_ && !open(path_->text())) return false;
    col::_array::ArrayP* children = subkeys();
    for (std::uint32_t i = 0; i < children->length(); ++i) {
        static_cast<RegDir*>(children->get(i))->deleteTree(true);
    }
    children->release();
    if (!deleteSelf) return true;
    const bool deleted = Registry::instance().deleteKey(handle_);
    handle_ = 0;
    return deleted;
}

bool RegDir::rename(const char16_t* newName) {
    if (!handle_ || !Registry::instance().renameKey(handle_, view(newName))) return false;
    std::uint32_t cut = 0;
    if (path_->lastIndexOf(u'\\', &cut)) {
        path_->setLength(cut + 1);
    } else {
        path_->clear();
    }
    path_->appendText(newName);
    rebuildPaths();
    return true;
}

bool RegDir::flushKey() {
    return handle_ && Registry::instance().flushKey(handle_);
}

bool RegDir::queryValue(const char16_t* name, std::uint32_t* type, std::uint32_t* size,
                        std::int32_t requiredType) {
    if (!handle_) return false;
    Registry::Value v;
    if (!Registry::instance().queryValue(handle_, view(name), &v)) return false;
    if (requiredType != -1 && v.type != static_cast<std::uint32_t>(requiredType)) return false;
    value_->clear();
    if (!v.data.empty()) value_->append(v.data.data(), static_cast<std::uint32_t>(v.data.size()));
    if (type) *type = v.type;
    if (size) *size = static_cast<std::uint32_t>(v.data.size());
    return true;
}

col::_array::ArrayP* RegDir::valueNames() const {
    col::_array::ArrayP* names = col::_array::ArrayP::newArrayP(&StrBuffer::pool());
    if (!handle_) return names;
    for (const std::u16string& name : Registry::instance().valueNames(handle_)) {
        StrBuffer* s = StrBuffer::create();
        s->append(name.data(), static_cast<std::int32_t>(name.size()));
        names->add(s);
    }
    return names;
}

std::uint64_t RegDir::totalSize(bool withSubkeys) const {
    if (!handle_) return 0;
    Registry& registry = Registry::instance();
    std::uint64_t total = 0;
    Registry::Value v;
    for (const std::u16string& name : registry.valueNames(handle_)) {
        if (registry.queryValue(handle_, name, &v)) total += v.data.size();
    }
    if (withSubkeys) {
        col::_array::ArrayP* children = subkeys();
        for (std::uint32_t i = 0; i < children->length(); ++i) {
            total += static_cast<RegDir*>(children->get(i))->totalSize(true);
        }
        children->release();
    }
    return total;
}

std::uint32_t RegDir::valueSize(const char16_t* name) {
    std::uint32_t size = 0;
    return queryValue(name, nullptr, &size) ? size : 0;
}

bool RegDir::readFixed(const char16_t* name, void* out, std::uint32_t size) {
    std::uint32_t got = 0;
    if (!queryValue(name, nullptr, &got) || got != size) return false;
    std::memcpy(out, value_->data(), size);
    return true;
}

std::uint8_t RegDir::getU8(const char16_t* name, std::uint8_t def) {
    std::uint32_t v = 0;
    return readFixed(name, &v, 4) ? static_cast<std::uint8_t>(v) : def;
}

std::uint16_t RegDir::getU16(const char16_t* name, std::uint16_t def) {
    std::uint32_t v = 0;
    return readFixed(name, &v, 4) ? static_cast<std::uint16_t>(v) : def;
}

std::uint32_t RegDir::getU32(const char16_t* name, std::uint32_t def) {
    std::uint32_t v = 0;
    return readFixed(name, &v, 4) ? v : def;
}

std::uint64_t RegDir::getU64(const char16_t* name, std::uint64_t def) {
    std::uint64_t v = 0;
    return readFixed(name, &v, 8) ? v : def;
}

float RegDir::getFloat(const char16_t* name, float def) {
    float v = 0;
    return readFixed(name, &v, 4) ? v : def;
}

double RegDir::getDouble(const char16_t* name, double def) {
    double v = 0;
    return readFixed(name, &v, 8) ? v : def;
}

bool RegDir::getBool(const char16_t* name, bool def) {
    std::uint32_t v = 0;
    return readFixed(name, &v, 4) ? v != 0 : def;
}

const char16_t* RegDir::getText(const char16_t* name, const char16_t* def, bool* expandable,
                                bool expand) {
    std::uint32_t type = 0, size = 0;
    if (!queryValue(name, &type, &size) || (type != kRegSz && type != kRegExpandSz)) return def;
    if (expandable) *expandable = type == kRegExpandSz;
    // UTF-16 code units; the stored terminator (and any odd last byte) is not part of the text.
    std::u16string_view text;
    if (size >= 2) {
        text = std::u16string_view(reinterpret_cast<const char16_t*>(value_->data()), size / 2);
        text = text.substr(0, text.find(u'\0'));
    }
    if (type == kRegExpandSz && expand) {
        StrBuffer* expanded = StrBuffer::create();
        if (expandEnvironment(text, expanded, kExpansionLimit)) {
            expansion_->assign(expanded);
            expanded->release();
            return expansion_->text();
        }
        expanded->release();  // too long for the expansion buffer: the text as stored
    }
    expansion_->clear();
    expansion_->append(text.data(), static_cast<std::int32_t>(text.size()));
    return expansion_->text();
}

col::_array::ArrayP* RegDir::getTextList(const char16_t* name) {
    std::uint32_t size = 0;
    if (!queryValue(name, nullptr, &size, kRegMultiSz)) return nullptr;
    col::_array::ArrayP* list = col::_array::ArrayP::newArrayP(&StrBuffer::pool());
    const auto* units = reinterpret_cast<const char16_t*>(value_->data());
    const std::uint32_t count = size / 2;
    for (std::uint32_t i = 0; i < count;) {
        std::uint32_t end = i;
        while (end < count && units[end]) ++end;
        if (end == i) break;  // the empty text ends the list
        StrBuffer* s = StrBuffer::create();
        s->append(units + i, static_cast<std::int32_t>(end - i));
        list->add(s);
        i = end + 1;
    }
    return list;
}

col::_array::ArrayU08* RegDir::getBytes(const char16_t* name, col::_array::ArrayU08* bytes) {
    std::uint32_t size = 0;
    if (!queryValue(name, nullptr, &size)) return nullptr;
    if (!bytes) bytes = col::_array::ArrayU08::create();
    bytes->clear();
    if (size) bytes->append(value_->data(), size);
    return bytes;
}

bool RegDir::deleteValue(const char16_t* name) {
    if (!queryValue(name, nullptr, nullptr)) return false;
    return Registry::instance().deleteValue(handle_, view(name));
}

bool RegDir::setU64(const char16_t* name, std::uint64_t v) {
    return setValue(name, kRegBinary, &v, 8);
}

bool RegDir::setFloat(const char16_t* name, float v) {
    return setValue(name, kRegBinary, &v, 4);
}

bool RegDir::setDouble(const char16_t* name, double v) {
    return setValue(name, kRegBinary, &v, 8);
}

bool RegDir::setTextOfType(const char16_t* name, const char16_t* text, std::uint32_t type) {
    const std::u16string_view t = view(text);
    std::u16string data(t);
    data.push_back(u'\0');
    return setValue(name, type, data.data(), static_cast<std::uint32_t>(data.size() * 2));
}

bool RegDir::setTextList(const char16_t* name, const col::_array::ArrayP* list) {
    std::u16string data;
    for (std::uint32_t i = 0; list && i < list->length(); ++i) {
        const auto* s = static_cast<const StrBuffer*>(list->get(i));
        data.append(s->text(), s->length());
        data.push_back(u'\0');
    }
    data.push_back(u'\0');
    return setValue(name, kRegMultiSz, data.data(), static_cast<std::uint32_t>(data.size() * 2));
}

bool RegDir::setValue(const char16_t* name, std::uint32_t type, const void* data,
                      std::uint32_t size) {
    if (!handle_ && !create()) return false;
    return Registry::instance().setValue(handle_, view(name), type, data, size);
}

}  // namespace s::reg::win
