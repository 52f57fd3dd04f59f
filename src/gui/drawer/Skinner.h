// The skinner: one family of skins, the current one, and the listeners told when it changes.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "base/IObject.h"
#include "gui/drawer/ISkin.h"
#include "gui/events/IEventListener.h"
#include "thread/Pooled.h"

namespace s::gui::drawer {

class Skinner : public base::IObject, public thread::Pooled<Skinner> {
public:
    static constexpr const char16_t* kThinWindow = u"ThinWindow";
    static constexpr const char16_t* kThin = u"Thin";
    static constexpr const char16_t* kBasic = u"Basic";

    Skinner() = default;
    ~Skinner() override { clear(); }
    const char16_t* typeName() const override { return u"s_gui_drawer_Skinner"; }
    base::IObject* newInstance() const override { return create(); }
    void recycle() override { clear(); }

    // Sets the family name and builds that family ("ThinWindow" or "Thin"; any other name
    // builds nothing).
    void build(const std::u16string& family);
    std::u16string getFamily() const;

    // Appends the skin (the skinner owns it from now on) and its name.
    void addSkin(ISkin* skin);
    // The index of the first skin named exactly `name`; false and -1 when there is none.
    bool findSkin(const std::u16string& name, std::int32_t* index) const;
    // Makes the named skin current, or the first skin when none has that name. When the
    // current skin changes, every listener gets onEvent(this, 0), from a copy of the list and
    // outside the skinner's lock. Answers whether it changed.
    bool selectSkin(const std::u16string& name);
    // None until the first selectSkin.
    ISkin* getCurrentSkin() const;
    std::int32_t getSkinCount() const;
    std::u16string getSkinName(std::int32_t index) const;

    // Windows, menu bars and widgets that repaint on a change; a listener is held once.
    void registerListener(events::IEventListener* listener);
    void unregisterListener(events::IEventListener* listener);
    std::int32_t getListenerCount() const;

private:
    void clear();
    // The index of the skin named exactly `name`, or -1; the lock is held.
    std::int32_t indexOfLocked(const std::u16string& name) const;

    mutable std::mutex lock_;
    std::u16string family_ = kBasic;
    std::vector<ISkin*> skins_;
    std::vector<std::u16string> names_;
    ISkin* current_ = nullptr;
    std::vector<events::IEventListener*> listeners_;
};

// A skinner of the "ThinWindow" family with its sixteen skins; none is current yet.
Skinner* newSkinner();

}  // namespace s::gui::drawer
