// The table of embedded resources, filled by the registrars of the generated sources before
// main() runs and only read afterwards.
#include "platform/Resources.h"

#include <cstring>

namespace platform {
namespace {

struct Entry {
    const char* type;
    std::uint32_t number;
    Resource resource;
};

// A handful of resources at most: a fixed table avoids any allocation during static
// initialisation, whose order between translation units is unspecified.
constexpr std::size_t kCapacity = 64;

struct Table {
    Entry entries[kCapacity];
    std::size_t count;
};

Table& table() {
    static Table instance{};  // zero-initialised before any registrar runs
    return instance;
}

}  // namespace

ResourceRegistrar::ResourceRegistrar(const char* type, std::uint32_t number,
                                     const unsigned char* data, std::size_t size) {
    Table& t = table();
    if (t.count == kCapacity) return;
    t.entries[t.count++] = Entry{type, number, Resource{data, size}};
}

Resource findResource(const char* type, std::uint32_t number) {
    if (!type) return {};
    const Table& t = table();
    for (std::size_t i = 0; i < t.count; ++i) {
        const Entry& e = t.entries[i];
        if (e.number == number && std::strcmp(e.type, type) == 0) return e.resource;
    }
    return {};
}

}  // namespace platform
