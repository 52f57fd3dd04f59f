// libFuzzer target: a checksum list of arbitrary bytes is read line by line (armour, byte-order
// mark, every line form) without reading out of bounds; every entry it yields is written again
// in its own form and read back to the same name, code and algorithm.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "file/gui/dialogs/filehash/ChecksumLine.h"
#include "file/gui/dialogs/filehash/ChecksumListReader.h"

namespace fh = s::file::gui::dialogs::filehash;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<fh::ChecksumEntry> entries;
    fh::ChecksumListReader::readAll(text, &entries);
    for (const fh::ChecksumEntry& entry : entries) {
        if (entry.name.find('\0') != std::string::npos) continue;  // no file has such a name
        const std::string line =
            entry.tagged && fh::ChecksumLine::tagOf(entry.algorithm)[0]
                ? fh::ChecksumLine::formatTagged(entry.algorithm, entry.hex, entry.name)
                : fh::ChecksumLine::format(entry.hex, entry.name);
        fh::ChecksumEntry again;
        if (fh::ChecksumLine::parse(line, &again) != fh::ChecksumLine::Kind::Entry ||
            again.name != entry.name || again.hex != entry.hex) {
            std::abort();  // a list written from what was read does not read back
        }
    }
    // Each line alone, as a reader without a list's state sees it.
    std::size_t begin = 0;
    while (begin <= text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string_view::npos) end = text.size();
        fh::ChecksumEntry entry;
        fh::ChecksumLine::parse(text.substr(begin, end - begin), &entry);
        begin = end + 1;
    }
    return 0;
}
