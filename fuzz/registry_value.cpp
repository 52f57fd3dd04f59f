// libFuzzer target: a registry value of any type and any bytes, as another program or a damaged
// file may leave it, is decoded by every getter without reading out of bounds.
// Input: the type (4 bytes, little-endian), then the value's data.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "col/_array/ArrayP.h"
#include "col/_array/ArrayU08.h"
#include "platform/store/Registry.h"
#include "reg/win/RegDir.h"

namespace {

constexpr const char16_t* kPath = u"Software\\Fuzz";

std::string storeFile() {
    return "/dev/shm/veritome-fuzz-" + std::to_string(::getpid()) + ".db";
}

void removeStore() {
    platform::store::Registry::instance().endBatch();
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        std::remove((storeFile() + suffix).c_str());
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The store lives in memory: a batch keeps the changes out of the file until it ends, which
    // is now and then (so that what it holds stays small).
    platform::store::Registry::useDatabase(storeFile());
    platform::store::Registry::instance().beginBatch();
    std::atexit(removeStore);
    ::setenv("VERITOME_FUZZ_VALUE", "expanded", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    std::uint32_t type;
    std::memcpy(&type, data, 4);
    platform::store::Registry& registry = platform::store::Registry::instance();
    static unsigned runs = 0;
    if (++runs % 4096 == 0) {
        registry.endBatch();
        registry.beginBatch();
    }
    const std::u16string key = platform::store::Registry::currentUserRoot() + u"\\" + kPath;
    registry.createKey(platform::store::Registry::currentUserRoot() + u"\\Software");
    const platform::store::KeyId id = registry.createKey(key);
    if (!id || !registry.setValue(id, u"v", type, data + 4, size - 4)) return 0;

    s::reg::win::RegDir* dir = s::reg::win::RegDir::at(s::reg::win::kCurrentUser, kPath);
    std::uint32_t valueType = 0, valueSize = 0;
    // The value just written is the one read.
    if (!dir->queryValue(u"v", &valueType, &valueSize) || valueType != type ||
        valueSize != size - 4) {
        std::abort();
    }
    dir->valueSize(u"v");
    dir->getU8(u"v", 1);
    dir->getU16(u"v", 1);
    dir->getU32(u"v", 1);
    dir->getU64(u"v", 1);
    dir->getFloat(u"v", 1.0f);
    dir->getDouble(u"v", 1.0);
    dir->getBool(u"v", true);
    bool expandable = false;
    for (bool expand : {false, true}) {
        if (const char16_t* text = dir->getText(u"v", u"default", &expandable, expand)) {
            std::char_traits<char16_t>::length(text);
        }
    }
    if (s::col::_array::ArrayP* list = dir->getTextList(u"v")) list->release();
    if (s::col::_array::ArrayU08* bytes = dir->getBytes(u"v", nullptr)) bytes->release();
    dir->release();
    return 0;
}
