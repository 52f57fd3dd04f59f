// libFuzzer target: a language pack of arbitrary bytes loads without crashing or leaking, and
// every language it yields answers the lookups the program makes.
#include <cstddef>
#include <cstdint>

#include "lang/LangPack.h"
#include "lang/Localizer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    s::lang::Localizer* localizer =
        s::lang::Localizer::createFromBytes(data, static_cast<std::uint32_t>(size), u"English");
    if (!localizer) return 0;
    for (std::uint32_t i = 0; i < localizer->languageCount() && i < 64; ++i) {
        s::lang::LangPack* pack = localizer->language(i);
        localizer->findLanguage(pack->engName()->text());
        localizer->selectByIndex(i);
        for (std::int32_t id : {609450, 1200000, 700000, 0, -1}) localizer->text(id);
        localizer->hasOutputFolderText();
    }
    localizer->selectByName(u"Chinese");
    localizer->selectByName(u"Serbian");
    localizer->text(101000);
    localizer->release();
    return 0;
}
