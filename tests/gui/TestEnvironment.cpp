// Process set-up of the toolkit tests: the fonts are pinned to the project's font list, and the
// caches fontconfig keeps for the life of the process are not reported as leaks.
#include <cstdlib>

namespace {
const bool pinned = [] {
    return setenv("FONTCONFIG_FILE", VERITOME_TEST_DATA "/fonts/fonts.conf", 1) == 0;
}();
}  // namespace

extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }
