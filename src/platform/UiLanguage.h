// The user-interface language of the user, from the locale variables, as a Windows language
// identifier (primary language in the low 10 bits, sublanguage above).
#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

// The identifier of a locale name such as "pt_BR.UTF-8", "sr_RS@latin", "de" or "C":
// 0 when the language is not known. "C" and "POSIX" are US English.
std::uint16_t languageIdOfLocale(std::string_view locale);

// The first set of LANGUAGE (its first entry), LC_ALL, LC_MESSAGES and LANG, mapped by
// languageIdOfLocale; US English when none is set.
std::uint16_t userUiLanguage();

}  // namespace platform
