// The settings object a top-level window keeps its geometry and options in: the window reads it
// when the settings are attached and writes its geometry back when it is hidden, moved or sized.
#pragma once

#include <cstdint>
#include <string>

#include "base/IObject.h"

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
class AppBase;
}

namespace s::app {

// Every call is safe from any thread: the object serialises its access to the settings store,
// and texts are handed out as copies.
class IAppWindow : public base::IObject {
public:
    // The middle-click action words; any other stored text reads as kDoNothing.
    static constexpr const char16_t* kDoNothing = u"DoNothing";
    static constexpr const char16_t* kIconize = u"Iconize";
    static constexpr const char16_t* kClose = u"Close";
    // A stored Width/Height below this is not used.
    static constexpr std::int32_t kMinimumSize = 10;

    // The application base the settings belong to (may be null in tests without one).
    virtual win::AppBase* getAppBase() const = 0;
    // The store the settings live in; the application base's store serialises every call
    // and copies texts out, so it may be used from any thread.
    virtual map::IMappedData* getStore() const = 0;
    // "MainWindow", "AboutWindow"...
    virtual std::u16string getWindowName() const = 0;
    // The window name, "\" and subName: sectionPath(u"View") is "MainWindow\View".
    virtual std::u16string sectionPath(const char16_t* subName) const = 0;

    // What the window takes when the settings are attached: the text number of its title (the
    // version is the text number + 10), the localizer whose language changes it follows, the
    // skinner (null: the window paints natively) and the program icons.
    virtual std::int32_t getTitleTextId() const = 0;
    virtual lang::Localizer* getLocalizer() const = 0;
    virtual gui::drawer::Skinner* getSkinner() const = 0;
    virtual void setSkinner(gui::drawer::Skinner* skinner) = 0;
    // The program icon whose side is nearest to size (16, 32, 48, 64, 128, 256); null when the
    // program has none. The pictures live as long as the application base.
    virtual const platform::window::Picture* getIcon(std::int32_t size) const = 0;

    // The name of the chosen skin; def when none is stored.
    virtual std::u16string getSkin(const char16_t* def) const = 0;
    virtual void setSkin(const char16_t* name) = 0;

    // Geometry. A position is only a position when both X and Y are stored.
    virtual bool hasPosition() const = 0;
    virtual void setBounds(std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height) = 0;
    virtual void setSize(std::int32_t width, std::int32_t height) = 0;
    // Forgets X, Y, Width and Height.
    virtual void removeGeometry() = 0;
    virtual bool hasX() const = 0;
    virtual std::int32_t getX() const = 0;  // 0 when absent
    virtual void setX(std::int32_t x) = 0;
    virtual bool hasY() const = 0;
    virtual std::int32_t getY() const = 0;  // 0 when absent
    virtual void setY(std::int32_t y) = 0;
    // Valid: at least kMinimumSize and not larger than the virtual screen.
    virtual bool isWidthValid(std::int32_t width) const = 0;
    virtual bool hasWidth() const = 0;          // stored and valid
    virtual std::int32_t getWidth() const = 0;  // the default unless a valid width is stored
    virtual void setWidth(std::int32_t width) = 0;
    virtual bool isHeightValid(std::int32_t height) const = 0;
    virtual bool hasHeight() const = 0;
    virtual std::int32_t getHeight() const = 0;
    virtual void setHeight(std::int32_t height) = 0;

    // Options.
    virtual bool getEasyDrag() const = 0;
    virtual void setEasyDrag(bool on) = 0;
    virtual bool isMaximized() const = 0;
    virtual void setMaximized(bool on) = 0;
    virtual bool isKeepOnTop() const = 0;
    virtual void setKeepOnTop(bool on) = 0;
    virtual bool isCloseOnMiddleClick() const = 0;
    virtual bool isIconizeOnMiddleClick() const = 0;
    // One of kDoNothing, kIconize, kClose.
    virtual std::u16string getMiddleClickAction() const = 0;
    // Any word other than the three stores kDoNothing.
    virtual void setMiddleClickAction(const char16_t* action) = 0;
};

}  // namespace s::app
