// Every test of this program sees only the fonts the program ships with (tests/data/fonts).
#include <cstdlib>

namespace {
const bool pinned = [] {
    return setenv("FONTCONFIG_FILE", VERITOME_TEST_DATA "/fonts/fonts.conf", 1) == 0;
}();
}  // namespace
