// The application base.
#include "app/win/AppBase.h"

#include <cstdlib>
#include <map>

#include "app/win/SyncStore.h"
#include "lang/LangPack.h"
#include "lang/Localizer.h"
#include "platform/Resources.h"
#include "platform/image/ImageCodec.h"
#include "platform/shell/ProgramPath.h"
#include "platform/window/Text.h"
#include "reg/MappedData.h"
#include "reg/win/RegDir.h"
#include "xml/MappedData.h"

namespace s::app::win {

struct AppBase::Pictures {
    std::map<std::int32_t, platform::window::Picture> icons;
    platform::window::Picture wideLogo;
    platform::window::Picture tallLogo;
    std::map<std::int32_t, platform::window::Picture> sizedLogos;  // by width
};

namespace {

// The smallest picture at least `size` long (by key), else the largest; null when none.
const platform::window::Picture* fitting(
    const std::map<std::int32_t, platform::window::Picture>& pictures, std::int32_t size) {
    if (pictures.empty()) return nullptr;
    auto it = pictures.lower_bound(size);
    return it != pictures.end() ? &it->second : &pictures.rbegin()->second;
}

}  // namespace

AppBase::AppBase() = default;

AppBase::~AppBase() {
    recycle();
}

void AppBase::recycle() {
    // Releasing the base writes the settings store.
    if (store_) {
        store_->flush();
        store_->release();
        store_ = nullptr;
    }
    if (localizer_) {
        localizer_->release();
        localizer_ = nullptr;
    }
    skinner_ = nullptr;
    pictures_.reset();
}

bool AppBase::initialize() {
    recycle();
    localizer_ = lang::Localizer::createLocalizer();
    if (!localizer_) return false;
    store_ = SyncStore::wrap(createRegistryStore());  // its key is named from the pack's text
    finishStart();
    return localizer_->languageCount() > 0;
}

void AppBase::initialize(lang::Localizer* localizer, map::IMappedData* store) {
    recycle();
    localizer_ = localizer;
    store_ = SyncStore::wrap(store);
    finishStart();
}

void AppBase::finishStart() {
    {
        SyncStore::Guard g(store_->mutex());
        localizer_->applySavedLanguage(store_);
    }
    loadPictures();
}

map::IMappedData* AppBase::createRegistryStore() {
    const std::u16string path = u"Software\\Zarnek\\" + softwareId() + u"\\SaveData";
    return reg::MappedData::open(reg::win::kCurrentUser, path.c_str());
}

map::IMappedData* AppBase::createXmlStore() {
    const std::u16string path =
        platform::window::fromUtf8(platform::shell::programFolder()) + u"/savedata/SaveData.xml";
    return xml::MappedData::open(path.c_str());
}

map::IMappedData* AppBase::getStore() const {
    return store_;
}

std::u16string AppBase::text(std::int32_t id) const {
    if (!localizer_) return {};
    const char16_t* t = localizer_->text(id);
    return t ? t : u"";
}

std::u16string AppBase::savedLanguage() const {
    SyncStore::Guard g(store_->mutex());
    const char16_t* t = localizer_->savedLanguage(store_);
    return t ? t : u"";
}

void AppBase::saveLanguage(const char16_t* name) {
    localizer_->saveLanguage(store_, name);
}

void AppBase::loadPictures() {
    pictures_ = std::make_unique<Pictures>();
    for (std::int32_t size : kIconSizes) {
        const platform::Resource r = platform::findResource(kIconType, size);
        platform::window::Picture picture;
        if (r && platform::image::decodePng(r.data, r.size, &picture)) {
            pictures_->icons.emplace(size, std::move(picture));
        }
    }
    const platform::Resource wide = platform::findResource(kLogoType, kWideLogo);
    if (wide) platform::image::decodeJpeg(wide.data, wide.size, &pictures_->wideLogo);
    const platform::Resource tall = platform::findResource(kLogoType, kTallLogo);
    if (tall) platform::image::decodeJpeg(tall.data, tall.size, &pictures_->tallLogo);
    for (std::int32_t width : kSizedLogoWidths) {
        const platform::Resource r = platform::findResource(kSizedLogoType, width);
        platform::window::Picture picture;
        if (r && platform::image::decodeJpeg(r.data, r.size, &picture))
            pictures_->sizedLogos.emplace(width, std::move(picture));
    }
}

const platform::window::Picture* AppBase::getIcon(std::int32_t size) const {
    return pictures_ ? fitting(pictures_->icons, size) : nullptr;
}

const platform::window::Picture* AppBase::getWideLogo(std::int32_t width) const {
    if (!pictures_) return nullptr;
    // The large wide logo is the last candidate.
    const platform::window::Picture* large = getLogo(true);
    auto it = pictures_->sizedLogos.lower_bound(width);
    if (it != pictures_->sizedLogos.end() && (!large || it->first <= large->width()))
        return &it->second;
    return large ? large : fitting(pictures_->sizedLogos, width);
}

const platform::window::Picture* AppBase::getLogo(bool wide) const {
    if (!pictures_) return nullptr;
    const platform::window::Picture& p = wide ? pictures_->wideLogo : pictures_->tallLogo;
    return p.valid() ? &p : nullptr;
}

void AppBase::writeIdentification(const char16_t* windowName, const char16_t* softwareType) {
    const std::u16string name = windowName;
    SyncStore::Guard g(store_->mutex());
    store_->setText((name + u"\\SoftwareType").c_str(), u"", softwareType);
    store_->setText((name + u"\\SoftwareID").c_str(), u"", softwareId().c_str());
    store_->setText((name + u"\\Version").c_str(), u"", text(kVersionText).c_str());
}

}  // namespace s::app::win
