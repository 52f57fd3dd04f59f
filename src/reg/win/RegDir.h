// A registry key object: a predefined root and a path below it, opened through the platform's
// registry-like store (src/platform/store). Values have a type (text, expandable text, bytes,
// 32-bit number, text list) and bytes; names compare ignoring case.
#pragma once

#include <cstdint>

#include "col/_array/ArrayP.h"
#include "col/_array/ArrayU08.h"
#include "reg/IRegDir.h"
#include "str/strbuffer/StrBuffer.h"
#include "thread/Pooled.h"

namespace s::reg::win {

using str::strbuffer::StrBuffer;

// Predefined root key numbers.
enum RootKey : std::uint32_t {
    kClassesRoot = 0x80000000,
    kCurrentUser = 0x80000001,
    kLocalMachine = 0x80000002,
    kUsers = 0x80000003,
    kCurrentConfig = 0x80000005,
};

// Registry value types.
enum ValueType : std::uint32_t {
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
    kRegMultiSz = 7,
};

// Text form of a security identifier: "S-<revision>-<authority>" and "-<sub>" per
// sub-authority; the authority is decimal unless one of its two high bytes is set, then hex.
StrBuffer* formatSid(std::uint8_t revision, const std::uint8_t (&authority)[6],
                     const std::uint32_t* subAuthorities, std::uint32_t count,
                     StrBuffer* out = nullptr);
// The current user's identifier text, computed once (S-1-22-1-<uid> on this platform).
const char16_t* currentUserSid();

class RegDir final : public IRegDir, public thread::Pooled<RegDir> {
public:
    // Expanded texts are limited to this many characters (with the terminator).
    static constexpr std::uint32_t kExpansionLimit = 520;

    RegDir();
    ~RegDir() override;

    const char16_t* typeName() const override { return u"s_reg_win_RegDir"; }
    base::IObject* newInstance() const override { return newKey(); }
    // A key object from the pool (create() is the registry operation).
    static RegDir* newKey() { return thread::ClassPool<RegDir>::create(); }
    // Back to HKEY_LOCAL_MACHINE with an empty path and no handle.
    void recycle() override;

    // A key object from the pool opened at (root, path).
    static RegDir* at(std::uint32_t root, const char16_t* path);

    const char16_t* displayPath() const { return displayPath_->text(); }
    const char16_t* nativePath() const { return nativePath_->text(); }
    // A new key object for the path without its last segment; null when the path has no "\".
    RegDir* parent() const;
    // Key objects (owned by the array) for every subkey, in enumeration order.
    col::_array::ArrayP* subkeys() const { return subkeysFiltered(nullptr); }
    // Only subkeys whose names start with prefix, ignoring case (null: all).
    col::_array::ArrayP* subkeysFiltered(const char16_t* prefix) const;
    std::uint32_t root() const { return root_; }
    // Sets the root name and native prefix; other numbers leave the root unchanged.
    void setRoot(std::uint32_t root);
    const char16_t* path() const { return path_->text(); }
    // Stores path (trailing "\" removed), closes any handle and opens the key; the handle
    // stays closed when the key does not exist.
    bool open(const char16_t* path);
    StrBuffer* leafName(StrBuffer* out) const;
    // A path starting with a root name; any other text opens "InvalidKey" under the user.
    bool openFullName(const char16_t* fullName);
    bool openAt(std::uint32_t root, const char16_t* path) {
        setRoot(root);
        return open(path);
    }
    void close() { handle_ = 0; }
    bool isOpen() const { return handle_ != 0; }
    bool reopen();
    // Creates the key, and missing parents when the first attempt fails.
    bool create();
    // Deletes every subkey recursively, then the key itself when deleteSelf.
    bool deleteTree(bool deleteSelf);
    bool rename(const char16_t* newName);
    bool flushKey();

    // Reads the value into the value buffer; requiredType -1 accepts any type.
    bool queryValue(const char16_t* name, std::uint32_t* type, std::uint32_t* size,
                    std::int32_t requiredType = -1);
    const col::_array::ArrayU08* valueBuffer() const { return value_; }
    // Names of the key's values (StrBuffer objects owned by the array).
    col::_array::ArrayP* valueNames() const;
    std::uint64_t totalSize(bool withSubkeys) const;
    std::uint32_t valueSize(const char16_t* name);

    std::uint8_t getU8(const char16_t* name, std::uint8_t def);
    std::uint16_t getU16(const char16_t* name, std::uint16_t def);
    std::uint32_t getU32(const char16_t* name, std::uint32_t def);
    std::uint64_t getU64(const char16_t* name, std::uint64_t def);
    std::int8_t getS8(const char16_t* name, std::int8_t def) {
        return static_cast<std::int8_t>(getU8(name, static_cast<std::uint8_t>(def)));
    }
    std::int16_t getS16(const char16_t* name, std::int16_t def) {
        return static_cast<std::int16_t>(getU16(name, static_cast<std::uint16_t>(def)));
    }
    std::int32_t getS32(const char16_t* name, std::int32_t def) {
        return static_cast<std::int32_t>(getU32(name, static_cast<std::uint32_t>(def)));
    }
    std::int64_t getS64(const char16_t* name, std::int64_t def) {
        return static_cast<std::int64_t>(getU64(name, static_cast<std::uint64_t>(def)));
    }
    float getFloat(const char16_t* name, float def);
    double getDouble(const char16_t* name, double def);
    bool getBool(const char16_t* name, bool def);
    // REG_SZ or REG_EXPAND_SZ; the text lives in this key object until its next text read.
    const char16_t* getText(const char16_t* name, const char16_t* def, bool* expandable,
                            bool expand);
    // REG_MULTI_SZ as StrBuffer objects owned by the array; null when missing.
    col::_array::ArrayP* getTextList(const char16_t* name);
    // The value's data into bytes (null: a new array); null when the value is missing.
    col::_array::ArrayU08* getBytes(const char16_t* name, col::_array::ArrayU08* bytes);
    bool deleteValue(const char16_t* name);

    bool setU8(const char16_t* name, std::uint8_t v) { return setDword(name, v); }
    bool setU16(const char16_t* name, std::uint16_t v) { return setDword(name, v); }
    bool setU32(const char16_t* name, std::uint32_t v) { return setDword(name, v); }
    bool setU64(const char16_t* name, std::uint64_t v);
    bool setS8(const char16_t* name, std::int8_t v) {
        return setDword(name, static_cast<std::uint32_t>(static_cast<std::int32_t>(v)));
    }
    bool setS16(const char16_t* name, std::int16_t v) {
        return setDword(name, static_cast<std::uint32_t>(static_cast<std::int32_t>(v)));
    }
    bool setS32(const char16_t* name, std::int32_t v) {
        return setDword(name, static_cast<std::uint32_t>(v));
    }
    bool setS64(const char16_t* name, std::int64_t v) {
        return setU64(name, static_cast<std::uint64_t>(v));
    }
    bool setFloat(const char16_t* name, float v);
    bool setDouble(const char16_t* name, double v);
    bool setBool(const char16_t* name, bool v) { return setDword(name, v ? 1 : 0); }
    bool setText(const char16_t* name, const char16_t* text) {
        return setTextOfType(name, text, kRegSz);
    }
    bool setExpandableText(const char16_t* name, const char16_t* text) {
        return setTextOfType(name, text, kRegExpandSz);
    }
    // The texts of list (StrBuffer objects), each terminated, and one more zero.
    bool setTextList(const char16_t* name, const col::_array::ArrayP* list);
    bool setBytes(const char16_t* name, const std::uint8_t* bytes, std::uint32_t count) {
        return setValue(name, kRegBinary, bytes, count);
    }

private:
    bool setDword(const char16_t* name, std::uint32_t v) {
        return setValue(name, kRegDword, &v, 4);
    }
    bool setTextOfType(const char16_t* name, const char16_t* text, std::uint32_t type);
    // Every setter first creates the key when no handle is open; nothing is written without.
    bool setValue(const char16_t* name, std::uint32_t type, const void* data, std::uint32_t size);
    // Reads a value of exactly size bytes into out.
    bool readFixed(const char16_t* name, void* out, std::uint32_t size);
    void rebuildPaths();

    col::_array::ArrayU08* value_;
    StrBuffer* expansion_;
    std::int64_t handle_ = 0;
    std::uint32_t root_ = kLocalMachine;
    StrBuffer* rootName_;
    StrBuffer* nativePrefix_;
    StrBuffer* path_;
    StrBuffer* displayPath_;
    StrBuffer* nativePath_;
};

}  // namespace s::reg::win
