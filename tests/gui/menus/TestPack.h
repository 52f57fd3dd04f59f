// A two-language pack for menu and message-box tests.
#pragma once

#include <cstring>

#include "lang/Localizer.h"

namespace s::gui::testing {

inline lang::Localizer* makeTestPack() {
    static const char kPack[] =
        "<lang><languages>"
        "<entry tagName=\"eng\" engName=\"English\" trueName=\"English\"/>"
        "<entry tagName=\"deu\" engName=\"German\" trueName=\"Deutsch\"/>"
        "</languages><entries>"
        "<entry id=\"10\">d<eng>View</eng><deu>Ansicht</deu></entry>"
        "<entry id=\"20\">d<eng>Keep on Top</eng><deu>Immer oben</deu></entry>"
        "<entry id=\"30\">d<eng>Theme</eng><deu>Design</deu></entry>"
        "<entry id=\"40\">d<eng>Dark</eng><deu>Dunkel</deu></entry>"
        "<entry id=\"600000\">d<eng>OK</eng><deu>OK</deu></entry>"
        "<entry id=\"600010\">d<eng>Yes</eng><deu>Ja</deu></entry>"
        "<entry id=\"600020\">d<eng>No</eng><deu>Nein</deu></entry>"
        "<entry id=\"600030\">d<eng>Cancel</eng><deu>Abbrechen</deu></entry>"
        "</entries></lang>";
    return lang::Localizer::createFromBytes(reinterpret_cast<const std::uint8_t*>(kPack),
                                            static_cast<std::uint32_t>(std::strlen(kPack)),
                                            u"English");
}

}  // namespace s::gui::testing
