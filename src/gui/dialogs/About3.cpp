// Building, opening and closing the About window, and its links.
#include "gui/dialogs/About3.h"

#include "app/IAppWindow.h"
#include "app/win/AppBase.h"
#include "gui/access/Access.h"
#include "gui/win/Box.h"
#include "gui/win/Button.h"
#include "gui/win/Image.h"
#include "gui/win/Label.h"
#include "gui/win/Scale.h"
#include "gui/win/Window.h"
#include "lang/Localizer.h"
#include "platform/window/LinkOpener.h"
#include "platform/window/Picture.h"

namespace s::gui::dialogs {

namespace {

constexpr std::int32_t kProduct = 500000;
constexpr std::int32_t kTitle = 400100;
constexpr std::int32_t kUrlText = 101000;

// Font size codes: (code + 10) points.
constexpr std::int32_t kTitleSize = 8;
constexpr std::int32_t kHeadingSize = 3;
// The logo fills the window's width inside its margins.
constexpr std::int32_t kLogoWidth = About3::kWidth - 20;

}  // namespace

About3::~About3() {
    dispose();
}

void About3::recycle() {
    dispose();
    owner_ = nullptr;
    settings_ = nullptr;
    localizer_ = nullptr;
    donationTextId_ = 500100;
}

void About3::dispose() {
    close();
    if (window_) window_->release();
    window_ = nullptr;
    urlLink_ = donationLink_ = nullptr;
    closeButton_ = glyphButton_ = nullptr;
}

bool About3::open(win::Window* owner, app::IAppWindow* settings) {
    if (open_.load() && window_) {
        window_->activate(true);
        return true;
    }
    // A closed window is never shown again: the next opening builds a new one.
    if (window_) dispose();
    owner_ = owner;
    settings_ = settings;
    localizer_ = settings ? settings->getLocalizer() : nullptr;
    build();
    if (!window_ || !window_->hasNativeWindow()) {
        dispose();
        return false;
    }
    open_ = true;
    // The owner's modal state: a close of the owner waits for this window, and ending every
    // modal loop over the owner closes it.
    if (owner_) modalToken_ = owner_->modalGuard().enter([this] { close(); });
    window_->setVisible(true, true);
    // Only a window that exists may take the owner's input away.
    if (owner_) owner_->setEnabled(false);
    return true;
}

void About3::close() {
    if (!window_ || !open_.load()) return;
    window_->close();
    // The close listener enables the owner on the About window's thread; wait for it here,
    // so that whoever closes knows the owner is usable when this returns.
    window_->waitUntil([this] { return !open_.load(); });
}

void About3::build() {
    auto text = [this](std::int32_t id) -> std::u16string {
        return localizer_ ? localizer_->text(id) : u"";
    };
    // 1. The window: fixed size, no boxes, the About settings, the title.
    window_ = win::newWindow(0, 0, win::px(kWidth), win::px(kHeight));
    window_->setResizable(false);
    window_->setClientEdge(false);
    window_->setMaximizeBox(false);
    window_->setMinimizeBox(false);
    if (settings_) window_->attachAppWindow(settings_, false);
    window_->setTitle(text(kTitle));
    if (owner_) owner_->addOwnedWindow(window_);

    // 2. The content, one column.
    win::Box* column =
        win::newBox(100, 100, layout::kCentre, layout::kStart, 0, 4, 0, 0, layout::kColumn);
    win::Box* nameRow =
        win::newBox(100, -1, layout::kCentre, layout::kCentre, 8, 0, 8, 4, layout::kRow);
    // The product logo across the window, and the program icon beside the name, each from the
    // picture made for the size they take at the scale factor (drawn 1:1 at 1, 1.5 and 2).
    app::win::AppBase* base = settings_ ? settings_->getAppBase() : nullptr;
    const std::int32_t width = win::px(kLogoWidth);
    const platform::window::Picture* logo = base ? base->getWideLogo(width) : nullptr;
    if (logo && logo->width() > 0) {
        win::Image* picture = win::Image::create();
        picture->setPicture(logo);
        const std::int32_t height = (width * logo->height() + logo->width() / 2) / logo->width();
        picture->setMinSize(width, height);
        picture->setNaturalSize(width, height);
        column->add(picture);
    }
    if (const platform::window::Picture* icon = base ? base->getIcon(win::px(64)) : nullptr)
        nameRow->add(win::newImage(64, icon));
    win::Label* name = win::newLabel(text(kProduct));
    name->setSizeCode(kTitleSize);
    name->setBold(true);
    nameRow->add(name);
    column->add(nameRow);
    win::Label* heading = win::newLabel(text(kTitle));
    heading->setSizeCode(kHeadingSize);
    heading->setBold(true);
    column->add(heading);

    // The label/value rows: labels in a column to the left of the values.
    win::Box* facts =
        win::newBox(100, -1, layout::kCentre, layout::kStart, 6, 0, 8, 2, layout::kRow);
    win::Box* labels =
        win::newBox(-1, -1, layout::kEnd, layout::kStart, 0, 2, 0, 0, layout::kColumn);
    win::Box* values =
        win::newBox(-1, -1, layout::kStart, layout::kStart, 0, 2, 0, 0, layout::kColumn);
    const std::pair<std::int32_t, std::int32_t> rows[] = {
        {400010, kProduct + 10}, {400020, kProduct + 20}, {400050, kProduct + 50}};
    for (auto [label, value] : rows) {
        labels->add(win::newLabel(text(label)));
        values->add(win::newLabel(text(value)));
    }
    labels->add(win::newLabel(text(400080)));
    // 3. The links: green under the pointer, olive while pressed.
    urlLink_ = win::newLabel(text(kUrlText));
    values->add(urlLink_);
    facts->add(labels);
    facts->add(values);
    column->add(facts);

    // The support box: a one-pixel frame of the outer box's colour around the pale inner one.
    win::Box* frame =
        win::newBox(100, -1, layout::kCentre, layout::kCentre, 0, 0, 1, 1, layout::kColumn);
    frame->setOwnBackground(154, 206, 2);
    win::Box* support =
        win::newBox(100, -1, layout::kCentre, layout::kCentre, 7, 7, 7, 7, layout::kColumn);
    support->setOwnBackground(238, 250, 199);
    frame->add(support);
    support->add(win::newLabel(text(kProduct + 89)));
    donationLink_ = win::newLabel(text(kProduct + 90));
    support->add(donationLink_);
    column->add(frame);
    for (win::Label* link : {urlLink_, donationLink_}) {
        link->setStateFonts(true);
        link->getHoveredFont()->setTextColour(0, 170, 0);
        link->getPressedFont()->setTextColour(170, 170, 0);
        link->addClickListener(this);
    }

    win::Box* buttons =
        win::newBox(100, -1, layout::kCentre, layout::kCentre, 8, 0, 0, 6, layout::kRow);
    closeButton_ = win::newButton(text(400120), 100, 20);
    glyphButton_ = win::newButton(u"#X", 50, 14);
    buttons->add(closeButton_);
    buttons->add(glyphButton_);
    // The glyph's code is no name to speak: both buttons close.
    access::Access::namedLike(glyphButton_, closeButton_);
    column->add(buttons);
    window_->add(column);

    // 4. Both buttons close the window; this object hears the close.
    closeButton_->addClickListener(this);
    glyphButton_->addClickListener(this);
    window_->addCloseListener(this);
    window_->setDefaultButton(closeButton_);
    window_->setEscapeCloses(true);
    window_->layout();
    window_->growToMinimum();
    window_->keepOnScreen();
}

void About3::onEvent(void* source, std::int32_t code) {
    if (window_ && source == static_cast<IComponent*>(window_)) {
        if (code != windowevent::kClose) return;
        // 5. Every way of closing gives the owner its input back.
        if (owner_) owner_->setEnabled(true);
        open_ = false;
        if (owner_ && modalToken_ != 0) owner_->modalGuard().leave(modalToken_);
        modalToken_ = 0;
        return;
    }
    if (source == static_cast<IComponent*>(closeButton_) ||
        source == static_cast<IComponent*>(glyphButton_)) {
        window_->close();
    } else if (source == static_cast<IComponent*>(urlLink_)) {
        platform::window::openLink(localizer_ ? localizer_->text(kUrlText) : u"");
    } else if (source == static_cast<IComponent*>(donationLink_)) {
        platform::window::openLink(localizer_ ? localizer_->text(donationTextId_) : u"");
    }
}

}  // namespace s::gui::dialogs
