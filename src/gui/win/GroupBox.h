// A group box: a framed title above one content box, which the group lays out as a pile.
#pragma once

#include <cstdint>
#include <string>

#include "gui/drawer/groupbox/IThin.h"
#include "gui/win/Box.h"
#include "gui/win/Font.h"
#include "thread/Pooled.h"

namespace s::gui::win {

class GroupBox : public BoxBase, public thread::Pooled<GroupBox> {
public:
    // Room of the two-pixel frame around the content, beside the title's height at the top.
    static constexpr std::int32_t kFrame = 4;

    GroupBox() { resetGroup(); }
    ~GroupBox() override;
    const char16_t* typeName() const override { return u"s_gui_win_GroupBox"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<GroupBox>::release(); }
    void recycle() override { resetGroup(); }

    // Shown as given: an "&" is drawn, not taken as a mnemonic.
    void setTitle(const std::u16string& title);
    std::u16string getTitle() const { return title_; }
    void setTitleNumber(std::int32_t number);
    // The group's only child; the previous one is released.
    void setContentBox(IBox* box);
    IBox* getContentBox() const { return content_box_; }
    void setTitleColour(std::int32_t red, std::int32_t green, std::int32_t blue);
    Font* getTitleFont() const { return titleFont_; }
    // When on, enabling or disabling the group applies to the content box too.
    void setContentTracksEnabled(bool on) { tracksEnabled_ = on; }
    void setEnabled(bool enable) override;
    void onEvent(void* source, std::int32_t code) override;

protected:
    void paint(platform::window::Canvas& canvas, platform::window::Rect area) override;
    void onAttached() override;
    void scaleChanged(double ratio) override {
        measureTitle();
        BoxBase::scaleChanged(ratio);
    }
    bool followsLanguage() const override { return true; }
    bool followsSkin() const override { return true; }

private:
    void resetGroup();
    void measureTitle();
    drawer::groupbox::IThin* groupDrawer() const;

    std::u16string title_;
    std::int32_t titleNumber_ = -1;
    std::int32_t titleWidth_ = 0, titleHeight_ = 0;
    Font* titleFont_ = nullptr;
    IBox* content_box_ = nullptr;
    bool tracksEnabled_ = false;
};

// A group with the title number whose content box is newBox(100, 100, -1, -1, hGap, vGap,
// hMargins, 3, kind).
GroupBox* newGroupBox(std::int32_t textNumber, std::int32_t hGap, std::int32_t vGap,
                      std::int32_t hMargins, std::int32_t percentWidth, std::int32_t kind);
GroupBox* newGroupBoxTitled(const std::u16string& title, std::int32_t hGap, std::int32_t vGap,
                            std::int32_t percentWidth, std::int32_t kind);
GroupBox* newGroupBoxFor(std::int32_t percentWidth, std::int32_t percentHeight);

}  // namespace s::gui::win
