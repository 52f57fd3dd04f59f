// The settings object of one top-level window: its options in "<name>\View", its skin in
// "<name>\Skin", read with this window's defaults and written through the shared store.
#pragma once

#include <cstdint>
#include <string>

#include "app/IAppWindow.h"
#include "thread/Pooled.h"

namespace s::app::win {

class SyncStore;

class AppWindow final : public IAppWindow, public thread::Pooled<AppWindow> {
public:
    // The defaults used where nothing valid is stored.
    struct Defaults {
        std::int32_t width = 600;
        std::int32_t height = 550;
        bool easyDrag = true;
        bool maximized = false;
        bool keepOnTop = true;
        const char16_t* middleClick = kClose;
    };

    // Settings of the window name in the base's store, with the base's skinner; the title is
    // the product name (text 500000).
    static AppWindow* open(AppBase* base, const char16_t* name, const Defaults& defaults);
    // The same on a store of one's own (not owned), without an application base.
    static AppWindow* open(SyncStore* store, const char16_t* name, const Defaults& defaults);

    const char16_t* typeName() const override { return u"s_app_win_AppWindow"; }
    base::IObject* newInstance() const override { return create(); }
    void recycle() override;

    AppBase* getAppBase() const override { return base_; }
    map::IMappedData* getStore() const override;
    std::u16string getWindowName() const override { return name_; }
    std::u16string sectionPath(const char16_t* subName) const override;

    std::int32_t getTitleTextId() const override { return titleTextId_; }
    void setTitleTextId(std::int32_t id) { titleTextId_ = id; }
    lang::Localizer* getLocalizer() const override;
    gui::drawer::Skinner* getSkinner() const override { return skinner_; }
    void setSkinner(gui::drawer::Skinner* skinner) override { skinner_ = skinner; }
    const platform::window::Picture* getIcon(std::int32_t size) const override;

    std::u16string getSkin(const char16_t* def) const override;
    void setSkin(const char16_t* name) override;

    bool hasPosition() const override;
    void setBounds(std::int32_t x, std::int32_t y, std::int32_t width,
                   std::int32_t height) override;
    void setSize(std::int32_t width, std::int32_t height) override;
    void removeGeometry() override;
    bool hasX() const override;
    std::int32_t getX() const override;
    void setX(std::int32_t x) override;
    bool hasY() const override;
    std::int32_t getY() const override;
    void setY(std::int32_t y) override;
    bool isWidthValid(std::int32_t width) const override;
    bool hasWidth() const override;
    std::int32_t getWidth() const override;
    void setWidth(std::int32_t width) override;
    bool isHeightValid(std::int32_t height) const override;
    bool hasHeight() const override;
    std::int32_t getHeight() const override;
    void setHeight(std::int32_t height) override;

    bool getEasyDrag() const override;
    void setEasyDrag(bool on) override;
    bool isMaximized() const override;
    void setMaximized(bool on) override;
    bool isKeepOnTop() const override;
    void setKeepOnTop(bool on) override;
    bool isCloseOnMiddleClick() const override;
    bool isIconizeOnMiddleClick() const override;
    std::u16string getMiddleClickAction() const override;
    void setMiddleClickAction(const char16_t* action) override;

    // "Close", "Iconize" or "DoNothing" for any text.
    static const char16_t* middleClickWord(const char16_t* text);

private:
    std::int32_t readInt(const char16_t* key, std::int32_t def) const;
    bool readBool(const char16_t* key, bool def) const;
    void writeInt(const char16_t* key, std::int32_t value);
    void writeBool(const char16_t* key, bool value);
    bool has(const char16_t* key) const;
    // The stored size when valid, else absent (returns false).
    bool storedSize(const char16_t* key, bool horizontal, std::int32_t* out) const;
    bool sizeValid(std::int32_t value, bool horizontal) const;

    AppBase* base_ = nullptr;
    SyncStore* store_ = nullptr;
    std::u16string name_;
    std::u16string viewSection_;
    std::u16string skinSection_;
    std::u16string middleClickDefault_;
    Defaults defaults_;
    std::int32_t titleTextId_ = 500000;
    gui::drawer::Skinner* skinner_ = nullptr;
};

}  // namespace s::app::win
