// A settings store that serialises every call on another store with one re-entrant lock, so the
// main thread and the user-interface threads of several windows can share it.
#pragma once

#include <cstdint>
#include <mutex>

#include "map/IMappedData.h"
#include "thread/Pooled.h"

namespace s::app::win {

class SyncStore final : public map::IMappedData, public thread::Pooled<SyncStore> {
public:
    using Guard = std::lock_guard<std::recursive_mutex>;

private:
    // Calls `method` on the inner store under the lock.
    template <typename Method, typename... Args>
    auto locked(Method method, Args... args) const {
        Guard g(mutex_);
        return (inner_->*method)(args...);
    }

    mutable std::recursive_mutex mutex_;
    map::IMappedData* inner_ = nullptr;

public:
    // Wraps inner, which the SyncStore owns from now on (released with it).
    static SyncStore* wrap(map::IMappedData* inner);

    const char16_t* typeName() const override { return u"s_app_win_SyncStore"; }
    base::IObject* newInstance() const override { return create(); }
    void recycle() override;

    // The lock every call takes: hold it to make several calls one step.
    std::recursive_mutex& mutex() { return mutex_; }
    map::IMappedData* inner() const { return inner_; }

    bool flush() override { return locked(&map::IMappedData::flush); }
    bool selectForWrite(const char16_t* section) override {
        return locked(&map::IMappedData::selectForWrite, section);
    }
    void removeSection(const char16_t* section) override {
        return locked(&map::IMappedData::removeSection, section);
    }
    bool selectForRead(const char16_t* section) override {
        return locked(&map::IMappedData::selectForRead, section);
    }
    bool hasValue(const char16_t* section, const char16_t* key) override {
        return locked(&map::IMappedData::hasValue, section, key);
    }
    std::uint8_t getU8(const char16_t* section, const char16_t* key, std::uint8_t def) override {
        return locked(&map::IMappedData::getU8, section, key, def);
    }
    std::uint16_t getU16(const char16_t* section, const char16_t* key, std::uint16_t def) override {
        return locked(&map::IMappedData::getU16, section, key, def);
    }
    std::uint32_t getU32(const char16_t* section, const char16_t* key, std::uint32_t def) override {
        return locked(&map::IMappedData::getU32, section, key, def);
    }
    std::uint64_t getU64(const char16_t* section, const char16_t* key, std::uint64_t def) override {
        return locked(&map::IMappedData::getU64, section, key, def);
    }
    std::int8_t getS8(const char16_t* section, const char16_t* key, std::int8_t def) override {
        return locked(&map::IMappedData::getS8, section, key, def);
    }
    std::int16_t getS16(const char16_t* section, const char16_t* key, std::int16_t def) override {
        return locked(&map::IMappedData::getS16, section, key, def);
    }
    std::int32_t getS32(const char16_t* section, const char16_t* key, std::int32_t def) override {
        return locked(&map::IMappedData::getS32, section, key, def);
    }
    std::int64_t getS64(const char16_t* section, const char16_t* key, std::int64_t def) override {
        return locked(&map::IMappedData::getS64, section, key, def);
    }
    float getFloat(const char16_t* section, const char16_t* key, float def) override {
        return locked(&map::IMappedData::getFloat, section, key, def);
    }
    double getDouble(const char16_t* section, const char16_t* key, double def) override {
        return locked(&map::IMappedData::getDouble, section, key, def);
    }
    bool getBool(const char16_t* section, const char16_t* key, bool def) override {
        return locked(&map::IMappedData::getBool, section, key, def);
    }
    void setU8(const char16_t* section, const char16_t* key, std::uint8_t value) override {
        return locked(&map::IMappedData::setU8, section, key, value);
    }
    void setU16(const char16_t* section, const char16_t* key, std::uint16_t value) override {
        return locked(&map::IMappedData::setU16, section, key, value);
    }
    void setU32(const char16_t* section, const char16_t* key, std::uint32_t value) override {
        return locked(&map::IMappedData::setU32, section, key, value);
    }
    void setU64(const char16_t* section, const char16_t* key, std::uint64_t value) override {
        return locked(&map::IMappedData::setU64, section, key, value);
    }
    void setS8(const char16_t* section, const char16_t* key, std::int8_t value) override {
        return locked(&map::IMappedData::setS8, section, key, value);
    }
    void setS16(const char16_t* section, const char16_t* key, std::int16_t value) override {
        return locked(&map::IMappedData::setS16, section, key, value);
    }
    void setS32(const char16_t* section, const char16_t* key, std::int32_t value) override {
        return locked(&map::IMappedData::setS32, section, key, value);
    }
    void setS64(const char16_t* section, const char16_t* key, std::int64_t value) override {
        return locked(&map::IMappedData::setS64, section, key, value);
    }
    void setFloat(const char16_t* section, const char16_t* key, float value) override {
        return locked(&map::IMappedData::setFloat, section, key, value);
    }
    void setDouble(const char16_t* section, const char16_t* key, double value) override {
        return locked(&map::IMappedData::setDouble, section, key, value);
    }
    void setBool(const char16_t* section, const char16_t* key, bool value) override {
        return locked(&map::IMappedData::setBool, section, key, value);
    }
    // The text is copied under the lock into a buffer of the calling thread: it stays valid
    // until that thread's next getText, whatever other threads do meanwhile.
    const char16_t* getText(const char16_t* section, const char16_t* key, const char16_t* def,
                            bool* expandable = nullptr, bool expand = true) override;
    TextList* getTextList(const char16_t* section, const char16_t* key) override {
        return locked(&map::IMappedData::getTextList, section, key);
    }
    ArrayU08* getBytes(const char16_t* section, const char16_t* key,
                       ArrayU08* bytes = nullptr) override {
        return locked(&map::IMappedData::getBytes, section, key, bytes);
    }
    void removeValue(const char16_t* section, const char16_t* key) override {
        return locked(&map::IMappedData::removeValue, section, key);
    }
    void setText(const char16_t* section, const char16_t* key, const char16_t* text) override {
        return locked(&map::IMappedData::setText, section, key, text);
    }
    void setExpandableText(const char16_t* section, const char16_t* key,
                           const char16_t* text) override {
        return locked(&map::IMappedData::setExpandableText, section, key, text);
    }
    void setTextList(const char16_t* section, const char16_t* key, const TextList* list) override {
        return locked(&map::IMappedData::setTextList, section, key, list);
    }
    void setBytes(const char16_t* section, const char16_t* key, const ArrayU08* bytes) override {
        return locked(&map::IMappedData::setBytes, section, key, bytes);
    }
    bool autoFlush() const override { return locked(&map::IMappedData::autoFlush); }
    void setAutoFlush(bool on) override { return locked(&map::IMappedData::setAutoFlush, on); }
};

}  // namespace s::app::win
