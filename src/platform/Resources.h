// Resources compiled into the program (cmake/EmbedResource.cmake), found by type and number.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

struct Resource {
    const std::uint8_t* data = nullptr;  // null when there is no such resource
    std::size_t size = 0;
    explicit operator bool() const { return data != nullptr; }
};

// The resource of type (such as "IDR_XML") and number; empty when none is compiled in.
Resource findResource(const char* type, std::uint32_t number);

// A generated source registers its bytes through one static registrar object.
class ResourceRegistrar {
public:
    ResourceRegistrar(const char* type, std::uint32_t number, const unsigned char* data,
                      std::size_t size);
};

}  // namespace platform
