// The locale's character set, read through a private locale object so that the process-wide
// locale (shared by every thread) stays as it is.
#include "platform/Locale.h"

#include <langinfo.h>
#include <locale.h>

#include <string>

namespace platform {

const char* localeCharset() {
    static const std::string charset = [] {
        locale_t locale = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
        if (!locale) locale = newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(0));
        if (!locale) return std::string("ANSI_X3.4-1968");
        std::string name = nl_langinfo_l(CODESET, locale);
        freelocale(locale);
        return name;
    }();
    return charset.c_str();
}

}  // namespace platform
