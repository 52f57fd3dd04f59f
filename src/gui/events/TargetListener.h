// The base of the listeners that switch a list of target components when their source fires
// any event (Enabler, Disabler, Editabler, UnEditabler).
#pragma once

#include <cstdint>
#include <vector>

#include "base/IObject.h"
#include "gui/IComponent.h"
#include "gui/events/IEventListener.h"
#include "thread/Pooled.h"

namespace s::gui::events {

class TargetListener : public base::IObject, public IEventListener {
public:
    void setSource(IComponent* source) { source_ = source; }
    IComponent* getSource() const { return source_; }
    void addTarget(IComponent* target) { targets_.push_back(target); }
    const std::vector<IComponent*>& getTargets() const { return targets_; }

    // Reacts to every code, but only to its own source.
    void onEvent(void* source, std::int32_t code) override;

protected:
    virtual void apply(IComponent* target) = 0;
    void resetTargets() {
        source_ = nullptr;
        targets_.clear();
    }

private:
    IComponent* source_ = nullptr;
    std::vector<IComponent*> targets_;
};

// The pooled side shared by the four listener classes.
template <class T>
class PooledTargetListener : public TargetListener, public thread::Pooled<T> {
public:
    base::IObject* newInstance() const override { return thread::Pooled<T>::create(); }
    void recycle() override { resetTargets(); }
    // A listener from the class pool reacting to source.
    static T* newFor(IComponent* source) {
        T* listener = thread::Pooled<T>::create();
        listener->setSource(source);
        return listener;
    }
};

}  // namespace s::gui::events
