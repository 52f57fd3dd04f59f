// Reads a checksum list line by line: a list wrapped in a clear-signed armour is read past it
// (the armour's header and signature are skipped, dash-escaped lines restored), and a byte-order
// mark on the first line is dropped. Every line goes through ChecksumLine.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "file/gui/dialogs/filehash/ChecksumLine.h"

namespace s::file::gui::dialogs::filehash {

class ChecksumListReader {
public:
    // The next line of the list, with or without its line end. Lines of the armour are Blank.
    ChecksumLine::Kind read(std::string_view line, ChecksumEntry* entry);

    // Adds every entry of a whole list in memory, in order; returns the number of malformed
    // lines.
    static std::size_t readAll(std::string_view text, std::vector<ChecksumEntry>* entries);

private:
    enum class State { Plain, ArmourHeader, Signed, Signature };

    State state_ = State::Plain;
    bool first_ = true;
};

}  // namespace s::file::gui::dialogs::filehash
