// Whole-file reading and crash-safe replacement of a file's content.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Reads the whole file at path (the operating system's bytes); false when it cannot be opened
// or read, and out is then empty.
bool readWholeFile(const std::string& path, std::vector<std::uint8_t>* out);

// Replaces the content of the file at path with data so that, whenever the program dies, the
// file holds either its old content or the whole new one: the data go to a temporary file in
// the same folder, which is flushed to disk and then renamed over path; the folder is synced
// so that the rename itself lasts. Missing folders are created. A failure leaves the old file
// untouched and removes the temporary one.
bool replaceFile(const std::string& path, const void* data, std::size_t size);

}  // namespace platform
