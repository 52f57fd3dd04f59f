// The languages of the pack, the current one, and the texts of numeric ids in it. Chooses the
// start language from the system's user-interface language, then from the saved "Language"
// setting, and tells its listeners when the language changes.
#pragma once

#include <cstdint>

#include "col/_array/ArrayP.h"
#include "gui/events/IEventListener.h"
#include "lang/LangPack.h"
#include "thread/Pooled.h"

namespace s::map {
class IMappedData;
}

namespace s::lang {

class Localizer final : public base::IObject, public thread::Pooled<Localizer> {
public:
    // The resource holding the language pack.
    static constexpr const char* kPackType = "IDR_XML";
    static constexpr std::uint32_t kPackNumber = 130;
    // The text whose presence tells that the current language names the output folder.
    static constexpr std::int32_t kOutputFolderText = 608299;

    Localizer();
    ~Localizer() override;

    const char16_t* typeName() const override { return u"s_lang_Localizer"; }
    base::IObject* newInstance() const override { return create(); }
    void recycle() override;

    // A localizer from the pool holding the embedded pack, with the system language selected.
    static Localizer* createLocalizer();
    // The same from a pack document in UTF-8; systemName chooses the start language (null:
    // the system language name).
    static Localizer* createFromBytes(const std::uint8_t* bytes, std::uint32_t count,
                                      const char16_t* systemName = nullptr);

    // "Japanese", "Chinese_simplified", "Unknown"...: the name of the system's user-interface
    // language, computed once.
    static const char16_t* systemLanguageName();
    // The name of a Windows language identifier: first letter upper case, the rest lower.
    static StrBuffer* languageNameOf(std::uint16_t languageId, StrBuffer* out = nullptr);

    // The language whose English name equals name (ignoring case), with the Chinese,
    // Portuguese and Serbian preferences; null when none.
    LangPack* findLanguage(const char16_t* name) const;
    // Makes the language for name current (else English, else the first) and tells the
    // listeners when it changed.
    void selectByName(const char16_t* name);
    void selectByIndex(std::uint32_t i);
    // The current language, choosing the start language first when there is none.
    LangPack* currentLanguage();
    // The text of id in the current language; the empty text when it has none.
    const char16_t* text(std::int32_t id);
    bool hasOutputFolderText();
    std::uint32_t languageCount() const { return languages_->length(); }
    LangPack* language(std::uint32_t i) const { return static_cast<LangPack*>(languages_->get(i)); }
    // Ownership of pack passes to the localizer.
    void addLanguage(LangPack* pack) { languages_->add(pack); }

    // Listeners are told (onEvent(this, 0)) after each change of the current language; they
    // are not owned.
    void addListener(gui::events::IEventListener* listener) { listeners_->add(listener); }
    void removeListener(gui::events::IEventListener* listener) {
        listeners_->removeValue(listener);
    }

    // The "Language" setting (section "Language", empty key); the current language's English
    // name when none is saved.
    const char16_t* savedLanguage(map::IMappedData* store);
    void saveLanguage(map::IMappedData* store, const char16_t* name);
    // Start-up: selects the saved language and writes back the name of the language actually
    // chosen when the saved one differs (such as a name that matches no language).
    void applySavedLanguage(map::IMappedData* store);

private:
    void makeCurrent(LangPack* pack);

    col::_array::ArrayP* languages_;
    LangPack* current_ = nullptr;
    col::_array::ArrayP* listeners_;
};

}  // namespace s::lang
