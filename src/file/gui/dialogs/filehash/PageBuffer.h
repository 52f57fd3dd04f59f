// A block of bytes that starts on a page boundary. The system copies file data into such a
// block about twice as fast as into one that starts a few bytes past a cache line, which is
// where the heap puts a large plain array.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

namespace s::file::gui::dialogs::filehash {

class PageBuffer {
public:
    static constexpr std::size_t kAlignment = 4096;

    PageBuffer() = default;
    explicit PageBuffer(std::size_t size)
        : bytes_(static_cast<std::uint8_t*>(::operator new (size, std::align_val_t{kAlignment}))) {}

    std::uint8_t* get() const { return bytes_.get(); }
    explicit operator bool() const { return bytes_ != nullptr; }

private:
    struct Free {
        void operator()(std::uint8_t* bytes) const {
            ::operator delete (bytes, std::align_val_t{kAlignment});
        }
    };
    std::unique_ptr<std::uint8_t, Free> bytes_;
};

}  // namespace s::file::gui::dialogs::filehash
