// Checksum lists read line by line, past a clear-signed armour.
#include "file/gui/dialogs/filehash/ChecksumListReader.h"

namespace s::file::gui::dialogs::filehash {

namespace {

constexpr std::string_view kSignedBegin = "-----BEGIN PGP SIGNED MESSAGE-----";
constexpr std::string_view kSignatureBegin = "-----BEGIN PGP SIGNATURE-----";
constexpr std::string_view kSignatureEnd = "-----END PGP SIGNATURE-----";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view withoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

}  // namespace

ChecksumLine::Kind ChecksumListReader::read(std::string_view line, ChecksumEntry* entry) {
    if (first_ && line.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        line.remove_prefix(kByteOrderMark.size());
    }
    first_ = false;
    std::string_view bare = withoutLineEnd(line);
    switch (state_) {
        case State::Plain:
            if (bare == kSignedBegin) {
                state_ = State::ArmourHeader;
                return ChecksumLine::Kind::Blank;
            }
            break;
        case State::ArmourHeader:  // "Hash: SHA256" lines up to the first empty line
            if (bare.empty()) state_ = State::Signed;
            return ChecksumLine::Kind::Blank;
        case State::Signed:
            // Lines that start with a dash are written "- " before signing.
            if (bare.substr(0, 2) == "- ") line.remove_prefix(2);
            break;
        case State::Signature:
            if (bare == kSignatureEnd) state_ = State::Plain;
            return ChecksumLine::Kind::Blank;
    }
    if (bare == kSignatureBegin) {
        state_ = State::Signature;
        return ChecksumLine::Kind::Blank;
    }
    return ChecksumLine::parse(line, entry);
}

std::size_t ChecksumListReader::readAll(std::string_view text,
                                        std::vector<ChecksumEntry>* entries) {
    ChecksumListReader reader;
    std::size_t malformed = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ChecksumEntry entry;
        ChecksumLine::Kind kind = reader.read(line, &entry);
        if (kind == ChecksumLine::Kind::Entry) entries->push_back(std::move(entry));
        if (kind == ChecksumLine::Kind::Malformed) ++malformed;
    }
    return malformed;
}

}  // namespace s::file::gui::dialogs::filehash
