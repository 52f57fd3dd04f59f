// Byte-order loads and stores and rotations shared by the block transforms.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace s::digest::bytes {

inline std::uint32_t loadLe32(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap32(v);
    return v;
}
inline std::uint32_t loadBe32(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap32(v);
    return v;
}
inline std::uint64_t loadBe64(const std::uint8_t* p) {
    std::uint64_t v;
    std::memcpy(&v, p, 8);
    if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap64(v);
    return v;
}
inline void storeLe32(std::uint8_t* p, std::uint32_t v) {
    if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap32(v);
    std::memcpy(p, &v, 4);
}
inline void storeBe32(std::uint8_t* p, std::uint32_t v) {
    if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap32(v);
    std::memcpy(p, &v, 4);
}
inline void storeBe64(std::uint8_t* p, std::uint64_t v) {
    if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap64(v);
    std::memcpy(p, &v, 8);
}

constexpr std::uint32_t rotl(std::uint32_t v, int n) {
    return std::rotl(v, n);
}
constexpr std::uint32_t rotr(std::uint32_t v, int n) {
    return std::rotr(v, n);
}
constexpr std::uint64_t rotr64(std::uint64_t v, int n) {
    return std::rotr(v, n);
}

}  // namespace s::digest::bytes
