// The storage every skin class shares: its name and its drawers, released with the skin.
#pragma once

#include <type_traits>

#include "gui/drawer/ISkin.h"

namespace s::gui::drawer::skin {

class Bundle : public ISkin {
public:
    Bundle() = default;
    ~Bundle() override { clear(); }
    Bundle(const Bundle&) = delete;
    Bundle& operator=(const Bundle&) = delete;

    std::u16string getName() const override { return name_; }
    void setName(const std::u16string& name) override { name_ = name; }

    window::IThin* getWindowDrawer() const override { return window_; }
    void setWindowDrawer(window::IThin* d) override { replace(window_, d); }
    button::IThin* getButtonDrawer() const override { return button_; }
    void setButtonDrawer(button::IThin* d) override { replace(button_, d); }
    text::IBasic* getTextDrawer() const override { return text_; }
    void setTextDrawer(text::IBasic* d) override { replace(text_, d); }
    scrollbar::IThin* getScrollBarDrawer() const override { return scrollBar_; }
    void setScrollBarDrawer(scrollbar::IThin* d) override { replace(scrollBar_, d); }
    checkbox::IThin* getCheckBoxDrawer() const override { return checkBox_; }
    void setCheckBoxDrawer(checkbox::IThin* d) override { replace(checkBox_, d); }
    radiobutton::IThin* getRadioButtonDrawer() const override { return radioButton_; }
    void setRadioButtonDrawer(radiobutton::IThin* d) override { replace(radioButton_, d); }
    slider::IThin* getSliderDrawer() const override { return slider_; }
    void setSliderDrawer(slider::IThin* d) override { replace(slider_, d); }
    counter::IBasic* getCounterDrawer() const override { return counter_; }
    void setCounterDrawer(counter::IBasic* d) override { replace(counter_, d); }
    listheader::IThin* getListHeaderDrawer() const override { return listHeader_; }
    void setListHeaderDrawer(listheader::IThin* d) override { replace(listHeader_, d); }
    listbox::IThin* getListBoxDrawer() const override { return listBox_; }
    void setListBoxDrawer(listbox::IThin* d) override { replace(listBox_, d); }
    statusbar::IThin* getStatusBarDrawer() const override { return statusBar_; }
    void setStatusBarDrawer(statusbar::IThin* d) override { replace(statusBar_, d); }
    menu::IBasic* getMenuDrawer() const override { return menu_; }
    void setMenuDrawer(menu::IBasic* d) override { replace(menu_, d); }
    combo::IThin* getComboDrawer() const override { return combo_; }
    void setComboDrawer(combo::IThin* d) override { replace(combo_, d); }
    groupbox::IThin* getGroupBoxDrawer() const override { return groupBox_; }
    void setGroupBoxDrawer(groupbox::IThin* d) override { replace(groupBox_, d); }
    tabbox::IThin* getTabBoxDrawer() const override { return tabBox_; }
    void setTabBoxDrawer(tabbox::IThin* d) override { replace(tabBox_, d); }

protected:
    // Releases every drawer and forgets the name.
    void clear() {
        name_.clear();
        replace(window_, nullptr);
        replace(button_, nullptr);
        replace(text_, nullptr);
        replace(scrollBar_, nullptr);
        replace(checkBox_, nullptr);
        replace(radioButton_, nullptr);
        replace(slider_, nullptr);
        replace(counter_, nullptr);
        replace(listHeader_, nullptr);
        replace(listBox_, nullptr);
        replace(statusBar_, nullptr);
        replace(menu_, nullptr);
        replace(combo_, nullptr);
        replace(groupBox_, nullptr);
        replace(tabBox_, nullptr);
    }

private:
    template <class D>
    static void replace(D*& slot, std::type_identity_t<D>* drawer) {
        if (slot == drawer) return;
        if (slot) slot->release();
        slot = drawer;
    }

    std::u16string name_;
    window::IThin* window_ = nullptr;
    button::IThin* button_ = nullptr;
    text::IBasic* text_ = nullptr;
    scrollbar::IThin* scrollBar_ = nullptr;
    checkbox::IThin* checkBox_ = nullptr;
    radiobutton::IThin* radioButton_ = nullptr;
    slider::IThin* slider_ = nullptr;
    counter::IBasic* counter_ = nullptr;
    listheader::IThin* listHeader_ = nullptr;
    listbox::IThin* listBox_ = nullptr;
    statusbar::IThin* statusBar_ = nullptr;
    menu::IBasic* menu_ = nullptr;
    combo::IThin* combo_ = nullptr;
    groupbox::IThin* groupBox_ = nullptr;
    tabbox::IThin* tabBox_ = nullptr;
};

}  // namespace s::gui::drawer::skin
