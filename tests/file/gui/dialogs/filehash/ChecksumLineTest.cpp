// Lines of checksum lists in every form they come in, and whole lists (armour, byte-order mark).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file/gui/dialogs/filehash/ChecksumListReader.h"

namespace {

using s::file::gui::dialogs::filehash::ChecksumEntry;
using s::file::gui::dialogs::filehash::ChecksumLine;
using s::file::gui::dialogs::filehash::ChecksumListReader;
using Kind = ChecksumLine::Kind;

constexpr const char* kEmptySha256 =
    "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855";

TEST(ChecksumLine, ParsesEveryForm) {
    struct Case {
        std::string line;
        Kind kind;
        int algorithm = -1;
        const char* hex = "";
        const char* name = "";
        bool tagged = false;
    } cases[] = {
        {"d41d8cd98f00b204e9800998ecf8427e  empty.txt\n", Kind::Entry, 3,
         "d41d8cd98f00b204e9800998ecf8427e", "empty.txt", false},
        {"D41D8CD98F00B204E9800998ECF8427E *bin name.dat\r\n", Kind::Entry, 3,
         "D41D8CD98F00B204E9800998ECF8427E", "bin name.dat", false},
        {std::string("SHA256 (a (1).txt) = ") + kEmptySha256 + "\r\n", Kind::Entry, 5, kEmptySha256,
         "a (1).txt", true},
        {std::string("SHA2-256 (x) = (y)) = ") + kEmptySha256, Kind::Entry, 5, kEmptySha256,
         "x) = (y)", true},
        {"RIPEMD-160 (x) = 9c1185a5c5e9fc54612808977ee8f548b2258d31", Kind::Entry, 9,
         "9c1185a5c5e9fc54612808977ee8f548b2258d31", "x", true},
        {"RMD160 (x) = 9c1185a5c5e9fc54612808977ee8f548b2258d31", Kind::Entry, 9,
         "9c1185a5c5e9fc54612808977ee8f548b2258d31", "x", true},
        {"GOST (x) = ce85b99cc46752fffee35cab9a7b0278abb4c2d2055cff685af4912c49490f8d", Kind::Entry,
         11, "ce85b99cc46752fffee35cab9a7b0278abb4c2d2055cff685af4912c49490f8d", "x", true},
        {"\\00000000  back\\\\slash\\nline", Kind::Entry, 0, "00000000", "back\\slash\nline",
         false},
        {"\\MD5 (a\\\\b) = d41d8cd98f00b204e9800998ecf8427e", Kind::Entry, 3,
         "d41d8cd98f00b204e9800998ecf8427e", "a\\b", true},
        // SFV: the name, blanks, eight hex digits of CRC-32.
        {"my file.iso 1A2b3C4d\r\n", Kind::Entry, 0, "1A2b3C4d", "my file.iso", true},
        {"track01.flac\t\t00ff00ff", Kind::Entry, 0, "00ff00ff", "track01.flac", true},
        {"; sfv comment", Kind::Blank},
        {"", Kind::Blank},
        {"\r\n", Kind::Blank},
        {"   # comment", Kind::Blank},
        {"nothex  name", Kind::Malformed},
        {"abc  name", Kind::Malformed},  // no algorithm has 3 digits
        {"00000000", Kind::Malformed},
        {"00000000  ", Kind::Malformed},  // no name
        {"BLAKE9 (x) = 00", Kind::Malformed},
        {"name 1A2B3C4", Kind::Malformed},  // seven digits
        {"MD5 (x) = not-hex", Kind::Malformed},
    };
    for (const Case& c : cases) {
        ChecksumEntry entry;
        ASSERT_EQ(ChecksumLine::parse(c.line, &entry), c.kind) << c.line;
        if (c.kind != Kind::Entry) continue;
        EXPECT_EQ(entry.algorithm, c.algorithm) << c.line;
        EXPECT_EQ(entry.hex, c.hex) << c.line;
        EXPECT_EQ(entry.name, c.name) << c.line;
        EXPECT_EQ(entry.tagged, c.tagged) << c.line;
    }
}

TEST(ChecksumLine, ReadsWhatItWrites) {
    for (std::string name : {"plain.txt", "with space", "back\\slash", "two\nlines", "cr\rname"}) {
        for (bool tagged : {false, true}) {
            std::string line = tagged ? ChecksumLine::formatTagged(5, kEmptySha256, name)
                                      : ChecksumLine::format(kEmptySha256, name);
            ChecksumEntry entry;
            ASSERT_EQ(ChecksumLine::parse(line, &entry), Kind::Entry) << line;
            EXPECT_EQ(entry.name, name);
            EXPECT_EQ(entry.algorithm, 5);
        }
    }
    EXPECT_EQ(ChecksumLine::format("ab", "n"), "ab  n");
    EXPECT_EQ(ChecksumLine::formatCheck("a\\b", "OK"), "\\a\\\\b: OK");
}

TEST(ChecksumListReader, ReadsPastTheArmour) {
    std::string list =
        "\xEF\xBB\xBF-----BEGIN PGP SIGNED MESSAGE-----\r\n"
        "Hash: SHA256\r\n"
        "\r\n"
        "# release files\r\n"
        "00000001  one.iso\r\n"
        "- -dash  not a line\r\n"
        "- 00000002  -dash.iso\r\n"
        "-----BEGIN PGP SIGNATURE-----\r\n"
        "\r\n"
        "iQEzBAEBCAAdFiEE 00000003\r\n"
        "=abcd\r\n"
        "-----END PGP SIGNATURE-----\r\n"
        "00000004  after.iso";
    std::vector<ChecksumEntry> entries;
    EXPECT_EQ(ChecksumListReader::readAll(list, &entries), 1u);  // the "-dash" line
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, "one.iso");
    EXPECT_EQ(entries[1].name, "-dash.iso");
    EXPECT_EQ(entries[2].name, "after.iso");
}

TEST(ChecksumListReader, DropsAByteOrderMarkOnlyOnTheFirstLine) {
    std::vector<ChecksumEntry> entries;
    EXPECT_EQ(ChecksumListReader::readAll("\xEF\xBB\xBF"
                                          "00000001  a\n"
                                          "\xEF\xBB\xBF"
                                          "00000002  b\n",
                                          &entries),
              1u);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "a");
}

}  // namespace
