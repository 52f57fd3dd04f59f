// The registry settings store.
#include "reg/MappedData.h"

#include "col/_array/ArrayU08.h"

namespace s::reg {

using win::RegDir;

MappedData::MappedData()
    : pathBuffer_(StrBuffer::create()),
      sectionName_(StrBuffer::create()),
      base_(RegDir::newKey()) {}

MappedData::~MappedData() {
    if (current_) current_->release();
    base_->release();
    pathBuffer_->release();
    sectionName_->release();
}

void MappedData::recycle() {
    if (current_) current_->release();
    current_ = nullptr;
    base_->recycle();
    pathBuffer_->clear();
    sectionName_->clear();
    autoFlush_ = false;
}

MappedData* MappedData::open(std::uint32_t root, const char16_t* basePath) {
    MappedData* store = create();
    store->base_->openAt(root, basePath);
    store->sectionName_->clear();
    store->current_ = RegDir::at(root, store->base_->path());
    return store;
}

void MappedData::openSection(const char16_t* section) {
    if (current_) current_->release();
    pathBuffer_->assignText(base_->path());
    if (section[0]) pathBuffer_->appendChar(u'\\')->appendText(section);
    current_ = RegDir::at(base_->root(), pathBuffer_->text());
}

bool MappedData::selectForRead(const char16_t* section) {
    if (!section) section = u"";
    // Step 1: a repeated selection answers from the existing key object, which tells whether
    // its key exists (a missing section stays missing).
    if (sectionName_->equalsTextIgnoreCase(section) && current_) {
        return section[0] == 0 || current_->isOpen();
    }
    // Steps 2 to 4.
    sectionName_->assignText(section);
    openSection(section);
    return section[0] == 0 || current_->isOpen();
}

bool MappedData::selectForWrite(const char16_t* section) {
    if (!section) section = u"";
    if (!sectionName_->equalsTextIgnoreCase(section) || !current_) {
        sectionName_->assignText(section);
        openSection(section);
    }
    if (current_->reopen()) return true;
    return current_->create();
}

void MappedData::removeSection(const char16_t* section) {
    if (!section) section = u"";
    sectionName_->assignText(section);
    if (current_) current_->release();
    current_ = nullptr;
    pathBuffer_->assignText(base_->path());
    if (section[0]) pathBuffer_->appendChar(u'\\')->appendText(section);
    RegDir* key = RegDir::at(base_->root(), pathBuffer_->text());
    if (key->isOpen()) key->deleteTree(true);
    key->release();
}

bool MappedData::hasValue(const char16_t* section, const char16_t* key) {
    RegDir* dir = readKey(section);
    return dir && dir->queryValue(key ? key : u"", nullptr, nullptr);
}

std::uint8_t MappedData::getU8(const char16_t* section, const char16_t* key, std::uint8_t def) {
    RegDir* dir = readKey(section);
    return dir ? dir->getU8(key, def) : def;
}

std::uint16_t MappedData::getU16(const char16_t* section, const char16_t* key, std::uint16_t def) {
    RegDir* dir = readKey(section);
    return dir ? dir->getU16(key, def) : def;
}

std::uint32_t MappedData::getU32(const char16_t* section, const char16_t* key, std::uint32_t def) {
    RegDir* dir = readKey(section);
    return dir ? dir->getU32(key, def) : def;
}

std::uint64_t MappedData::getU64(const char16_t* section, const char16_t* key, std::uint64_t def) {
    RegDir* dir = readKey(section);
    return dir ? dir->getU64(key, def) : def;
}

std::int8_t MappedData::getS8(const char16_t* section, const char16_t* key, std::int8_t def) {
    RegDir* dir = readKey(section);
    return dir ? dir->getS8(key, def) : def;
}

std::int16_t MappedData::getS16(const char16_t* section, const char16_t* key, std::int16_t def) {
    RegDir* dir = readKey(section);
    return dir ? dir->getS16(key, def) : def;
}

std::int32_t MappedData::getS32(const char16_t* section, const char16_t* key, std::int32_t def) {
    RegDir* dir = readKey(section);
    return dir ? dir->getS32(key, def) : def;
}

std::int64_t MappedData::getS64(const char16_t* section, const char16_t* key, std::int64_t def) {
    RegDir* dir = readKey(section);
    return dir ? dir->getS64(key, def) : def;
}

float MappedData::getFloat(const char16_t* section, const char16_t* key, float def) {
    RegDir* dir = readKey(section);
    return dir ? dir->getFloat(key, def) : def;
}

double MappedData::getDouble(const char16_t* section, const char16_t* key, double def) {
    RegDir* dir = readKey(section);
    return dir ? dir->getDouble(key, def) : def;
}

bool MappedData::getBool(const char16_t* section, const char16_t* key, bool def) {
    RegDir* dir = readKey(section);
    return dir ? dir->getBool(key, def) : def;
}

const char16_t* MappedData::getText(const char16_t* section, const char16_t* key,
                                    const char16_t* def, bool* expandable, bool expand) {
    RegDir* dir = readKey(section);
    return dir ? dir->getText(key, def, expandable, expand) : def;
}

col::_array::ArrayU08* MappedData::getBytes(const char16_t* section, const char16_t* key,
                                            ArrayU08* bytes) {
    RegDir* dir = readKey(section);
    return dir ? dir->getBytes(key, bytes) : bytes;
}

void MappedData::removeValue(const char16_t* section, const char16_t* key) {
    if (RegDir* dir = readKey(section)) dir->deleteValue(key);
    flush();
}

// Each setter: select for writing (creating the key), then store through the key object.
template <class T>
void MappedData::store(const char16_t* section, const char16_t* key,
                       bool (RegDir::*setter)(const char16_t*, T), T value) {
    if (RegDir* dir = writeKey(section)) (dir->*setter)(key, value);
    if (autoFlush_) flush();
}

void MappedData::setU8(const char16_t* section, const char16_t* key, std::uint8_t value) {
    store(section, key, &RegDir::setU8, value);
}

void MappedData::setU16(const char16_t* section, const char16_t* key, std::uint16_t value) {
    store(section, key, &RegDir::setU16, value);
}

void MappedData::setU32(const char16_t* section, const char16_t* key, std::uint32_t value) {
    store(section, key, &RegDir::setU32, value);
}

void MappedData::setU64(const char16_t* section, const char16_t* key, std::uint64_t value) {
    store(section, key, &RegDir::setU64, value);
}

void MappedData::setS8(const char16_t* section, const char16_t* key, std::int8_t value) {
    store(section, key, &RegDir::setS8, value);
}

void MappedData::setS16(const char16_t* section, const char16_t* key, std::int16_t value) {
    store(section, key, &RegDir::setS16, value);
}

void MappedData::setS32(const char16_t* section, const char16_t* key, std::int32_t value) {
    store(section, key, &RegDir::setS32, value);
}

void MappedData::setS64(const char16_t* section, const char16_t* key, std::int64_t value) {
    store(section, key, &RegDir::setS64, value);
}

void MappedData::setFloat(const char16_t* section, const char16_t* key, float value) {
    store(section, key, &RegDir::setFloat, value);
}

void MappedData::setDouble(const char16_t* section, const char16_t* key, double value) {
    store(section, key, &RegDir::setDouble, value);
}

void MappedData::setBool(const char16_t* section, const char16_t* key, bool value) {
    store(section, key, &RegDir::setBool, value);
}

void MappedData::setText(const char16_t* section, const char16_t* key, const char16_t* value) {
    store(section, key, &RegDir::setText, value);
}

void MappedData::setExpandableText(const char16_t* section, const char16_t* key,
                                   const char16_t* value) {
    store(section, key, &RegDir::setExpandableText, value);
}

void MappedData::setBytes(const char16_t* section, const char16_t* key, const ArrayU08* bytes) {
    if (RegDir* dir = writeKey(section)) {
        dir->setBytes(key, bytes ? bytes->data() : nullptr, bytes ? bytes->length() : 0);
    }
    if (autoFlush_) flush();
}

}  // namespace s::reg
