// The character set of the user's locale (the "OEM" code page of the strings' OEM forms).
#pragma once

namespace platform {

// nl_langinfo(CODESET) of the locale the environment selects for LC_CTYPE (LC_ALL,
// LC_CTYPE, LANG), e.g. "UTF-8" or "ISO-8859-1"; "ANSI_X3.4-1968" for the C locale. Read
// once; the process's own locale is not changed.
const char* localeCharset();

}  // namespace platform
