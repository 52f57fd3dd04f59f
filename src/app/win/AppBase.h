// What the whole application shares: its identity texts, the localizer, the settings store (one
// lock around every call), the skinner, the program icons and the logo pictures.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/IObject.h"
#include "thread/Pooled.h"

namespace platform::window {
class Picture;
}
namespace s::lang {
class Localizer;
}
namespace s::map {
class IMappedData;
}
namespace s::gui::drawer {
class Skinner;
}

namespace s::app::win {

class SyncStore;

class AppBase final : public base::IObject, public thread::Pooled<AppBase> {
public:
    // The product text block: name (window title), web page, feedback page, version, date.
    static constexpr std::int32_t kProductText = 500000;
    static constexpr std::int32_t kProductWebPage = kProductText + 3;
    static constexpr std::int32_t kFeedbackPage = kProductText + 4;
    static constexpr std::int32_t kVersionText = kProductText + 10;
    static constexpr std::int32_t kReleaseDateText = kProductText + 20;
    // The software id that names the settings store.
    static constexpr std::int32_t kSoftwareIdText = 300000;
    // Embedded pictures: the logo ("IDR_JPG" 131 wide, 132 tall), the wide logo again at the
    // widths the About window shows it at factors 1, 1.5 and 2 ("IDR_LOGO_JPG" numbered by its
    // width) and the program icon ("IDR_PNG" numbered by its side).
    static constexpr const char* kLogoType = "IDR_JPG";
    static constexpr std::uint32_t kWideLogo = 131;
    static constexpr std::uint32_t kTallLogo = 132;
    static constexpr const char* kSizedLogoType = "IDR_LOGO_JPG";
    static constexpr std::int32_t kSizedLogoWidths[] = {320, 480, 640};
    static constexpr const char* kIconType = "IDR_PNG";
    static constexpr std::int32_t kIconSizes[] = {16, 24, 32, 48, 64, 96, 128, 256};

    AppBase();
    ~AppBase() override;

    const char16_t* typeName() const override { return u"s_app_win_AppBase"; }
    base::IObject* newInstance() const override { return create(); }
    void recycle() override;

    // Start-up: the localizer from the embedded pack in the system language, the registry
    // store named from the software id, the saved language applied (and written back when it
    // named no language), the icons and logos decoded. False when there is no language pack.
    bool initialize();
    // The same with a localizer and a store of the caller's (both owned from now on).
    void initialize(lang::Localizer* localizer, map::IMappedData* store);

    // The two stores the application can use; start-up uses the registry store.
    map::IMappedData* createRegistryStore();
    map::IMappedData* createXmlStore();  // savedata/SaveData.xml beside the program

    lang::Localizer* getLocalizer() const { return localizer_; }
    // The store every window shares; each call takes the store's one lock.
    map::IMappedData* getStore() const;
    SyncStore* syncStore() const { return store_; }

    // A copy of the text of id in the current language (empty when none).
    std::u16string text(std::int32_t id) const;
    // A text of the product block: productText(0) is the product name.
    std::u16string productText(std::int32_t offset) const { return text(kProductText + offset); }
    std::u16string softwareId() const { return text(kSoftwareIdText); }

    // The "Language" setting (section "Language", empty key).
    std::u16string savedLanguage() const;
    void saveLanguage(const char16_t* name);

    // The skinner the main window uses (not owned; null until the program sets one).
    gui::drawer::Skinner* getSkinner() const { return skinner_; }
    void setSkinner(gui::drawer::Skinner* skinner) { skinner_ = skinner; }

    // The program icon to show size pixels wide: the smallest that is at least that size (so
    // that it is only ever made smaller), else the largest; null when none could be decoded.
    const platform::window::Picture* getIcon(std::int32_t size) const;
    // The wide (700 x 230) or tall (230 x 700) logo; null when it could not be decoded.
    const platform::window::Picture* getLogo(bool wide) const;
    // The wide logo to show width pixels wide, chosen as getIcon chooses among every wide one.
    const platform::window::Picture* getWideLogo(std::int32_t width) const;

    // Writes the identification values under "<window>\SoftwareType", "\SoftwareID" and
    // "\Version" (empty key) for the settings section of windowName.
    void writeIdentification(const char16_t* windowName, const char16_t* softwareType);

private:
    void finishStart();
    void loadPictures();

    lang::Localizer* localizer_ = nullptr;
    SyncStore* store_ = nullptr;
    gui::drawer::Skinner* skinner_ = nullptr;
    struct Pictures;
    std::unique_ptr<Pictures> pictures_;
};

}  // namespace s::app::win
