// Building and running the drop-dialog frame's window, and the window side of its run state.
#include "gui/dialogs/dragndrop/FrameWindow.h"

#include <mutex>

#include "app/IAppWindow.h"
#include "app/win/AppBase.h"
#include "app/win/AppWindow.h"
#include "gui/IComboBox.h"
#include "gui/combobox/ComboBoxItem.h"
#include "gui/dialogs/About3.h"
#include "gui/dialogs/dragndrop/Dialog.h"
#include "gui/drawer/Skinner.h"
#include "gui/drawer/border/win/UnderWindowMenu.h"
#include "gui/menuitem/MenuItem.h"
#include "gui/win/Box.h"
#include "gui/win/Button.h"
#include "gui/win/CheckBox.h"
#include "gui/win/ComboBox.h"
#include "gui/win/GroupBox.h"
#include "gui/win/Label.h"
#include "gui/win/MenuEx.h"
#include "gui/win/Messages.h"
#include "gui/win/PopupMenu.h"
#include "gui/win/ProgressBar.h"
#include "gui/win/Scale.h"
#include "gui/win/StatusBar.h"
#include "gui/win/Window.h"
#include "lang/LangPack.h"
#include "lang/Localizer.h"
#include "platform/desktop/FileChooser.h"
#include "platform/window/ExportId.h"
#include "platform/window/LinkOpener.h"
#include "platform/window/Popup.h"
#include "platform/window/Scale.h"
#include "platform/window/Text.h"
#include "platform/window/Window.h"
#include "str/Utf8.h"
#include "str/strarray/StrArray.h"
#include "str/strbuffer/StrBuffer.h"
#include "thread/win/Thread.h"

namespace s::gui::dialogs::dragndrop {

namespace {

// A hand-off travels as a notification whose second value is this tag.
constexpr std::intptr_t kHandOffTag = 0x48616e64;  // "Hand"
constexpr std::int32_t kBrandText = 101000;
constexpr std::int32_t kChooserTitle = 4100200;
constexpr std::int32_t kNoChooserText = 4100300;
constexpr std::int32_t kStatusBarHeight = 24;
// The frame line around the content pile.
constexpr std::int32_t kLineRed = 145, kLineGreen = 155, kLineBlue = 156;

}  // namespace

// The frame's build-and-run lives beside the window it builds.
void Dialog::buildAndRun() {
    FrameWindow window(this);
    window.buildAndRun();
}

struct FrameWindow::ChooserLink {
    std::mutex lock;
    FrameWindow* frame = nullptr;
};

FrameWindow::FrameWindow(Dialog* dialog)
    : chooserLink_(std::make_shared<ChooserLink>()), dialog_(dialog) {
    windowDrops_.frame = this;
    chooserLink_->frame = this;
    runLater_ = [this] {
        std::vector<std::function<void()>> calls;
        {
            std::lock_guard<std::mutex> hold(laterLock_);
            calls.swap(later_);
            laterPosted_ = false;
        }
        for (const std::function<void()>& call : calls) call();
    };
}

FrameWindow::~FrameWindow() {
    {
        // A chooser still open answers nobody.
        std::lock_guard<std::mutex> hold(chooserLink_->lock);
        chooserLink_->frame = nullptr;
    }
    // A run still going needs the window for its notifications until its task has returned.
    if (window_ && !dialog_->worker()->isIdle()) {
        dialog_->cancel();
        window_->waitUntil([this] { return dialog_->worker()->isIdle(); });
    }
    closeAbout();
    if (about_) about_->release();
    if (aboutSettings_) static_cast<app::win::AppWindow*>(aboutSettings_)->release();
    if (aboutSkinner_) aboutSkinner_->release();
    if (dialog_->getView() == this) dialog_->setView(nullptr);
    const bool themesAttached = viewMenu_ && window_ && themeCount() > 0;
    if (window_) {
        // The window does not own what was put into it: the tree (with the menu bar, which
        // releases its menus) and the status bar.
        window_->setMenuBar(nullptr);
        window_->setStatusBar(nullptr);
        window_->removeAll(true);
        window_->release();
    }
    if (statusBar_) {
        statusBar_->removeAll(true);
        statusBar_->release();
    }
    if (themeMenu_ && !themesAttached) themeMenu_->release();
}

void FrameWindow::buildAndRun() {
    build();
    show();
    window_->waitUntilClosed();
}

void FrameWindow::build() {
    app::IAppWindow* settings = dialog_->getAppWindow();
    // 1. The window with the settings attached.
    window_ = win::newWindow(0, 0, win::px(dialog_->largeWidth()), win::px(dialog_->largeHeight()));
    if (settings) window_->attachAppWindow(settings, false);
    dialog_->setWindowSource(static_cast<IComponent*>(window_));
    dialog_->setView(this);

    // 2.-6. The menus.
    buildMenus();

    // 7. The tool's content pile and action selector.
    content_ = dialog_->newContent();
    if (!content_) content_ = win::newPlainBox();
    content_->layoutPile();
    content_->setPercentWidth(100, false);
    content_->setPercentHeight(100, false);
    // White, inside a one-pixel line.
    content_->setOwnBackground(255, 255, 255);
    win::Box* contentFrame =
        win::newBox(100, 100, layout::kStart, layout::kStart, 0, 0, 1, 1, layout::kPile);
    contentFrame->setOwnBackground(kLineRed, kLineGreen, kLineBlue);
    contentFrame->add(content_);
    actions_ = dialog_->newActionSelector();
    if (!actions_) actions_ = win::newComboBox(-1, true);

    // 8. The status bar.
    buildStatusBar();

    // 9. The keep-on-top box.
    keepOnTop_ = win::newCheckBox(1000000, settings ? settings->isKeepOnTop() : true);

    // 10. The drop area and the window content, top to bottom.
    buildDropArea();
    win::Box* topRow =
        win::newBox(100, -1, layout::kStart, layout::kCentre, 0, 0, 4, 2, layout::kRow);
    topRow->setMinWidth(dialog_->dropAreaMinWidth());
    topRow->add(keepOnTop_);
    win::Box* actionRow =
        win::newBox(100, -1, layout::kStart, layout::kCentre, 6, 0, 6, 4, layout::kRow);
    actionRow->add(win::newLabelByNumber(1004000, false, false, 0));
    actionRow->add(actions_);
    window_->add(menuBar_);
    window_->setMenuBar(menuBar_);
    win::Box* line = win::newBoxFixedHeight(100, 1, -1, -1, 0, 0, 0, layout::kRow);
    line->setBorder(drawer::border::win::UnderWindowMenu::create(), true);
    window_->add(line);
    window_->add(topRow);
    window_->add(dropArea_);
    window_->add(actionRow);
    window_->add(contentFrame);
    // The window places its status bar along the bottom edge, below its client area.
    window_->setStatusBar(statusBar_);

    // 11. The tool's listeners.
    dialog_->addListeners();

    // 12. The action from ConvertTo.
    dialog_->chooseAction();
    dialog_->applyStoredTheme();

    // 13. Listeners of the frame.
    dropArea_->getContentBox()->addDropListener(this);
    dropArea_->getContentBox()->addBoxClickListener(this);
    window_->addKeyDownListener(this);
    window_->setAcceptDroppedFiles(true);
    window_->addDropListener(&windowDrops_);
    window_->addCloseListener(this);
    window_->addScaleChangeListener(this);
    window_->addNotificationListener(this);
    menuBar_->addCommandListener(this);
    keepOnTop_->addCheckedListener(this);
    keepOnTop_->addUncheckedListener(this);
    actions_->addChangeListener(this);
    cancel_->addClickListener(this);
    brand_->addClickListener(this);

    // 14. The normal view at its stored size (kept at 96 dpi).
    window_->setSize(win::px(dialog_->storedLargeWidth()), win::px(dialog_->storedLargeHeight()));
    window_->layout();
    window_->growToMinimum();
    window_->keepOnScreen();
}

void FrameWindow::show() {
    window_->setVisible(true, true);
}

void FrameWindow::requestClose() {
    closeAbout();
    window_->close();
}

void FrameWindow::buildMenus() {
    lang::Localizer* localizer = dialog_->getLocalizer();
    app::IAppWindow* settings = dialog_->getAppWindow();
    using menuitem::newCheckItem;
    using menuitem::newMenuItem;
    using menuitem::newMenuItemText;
    using menuitem::newSeparator;

    // Language: "Translate?", a separator, the languages in pack order.
    languageMenu_ = win::newPopupMenu(700000, localizer);
    languageMenu_->addItem(newMenuItem(700001, localizer, command::kTranslate, false));
    languageMenu_->addItem(newSeparator());
    if (localizer) {
        for (std::uint32_t i = 0; i < localizer->languageCount(); ++i) {
            lang::LangPack* pack = localizer->language(i);
            menuitem::MenuItem* item = newMenuItemText(
                pack->trueName()->text(), command::kFirstLanguage + static_cast<std::int32_t>(i),
                pack == localizer->currentLanguage());
            // A check mark on the current language.
            item->setCheckable(true);
            languageMenu_->addItem(item);
        }
    }

    // View.
    viewMenu_ = win::newPopupMenu(609000, localizer);
    viewMenu_->addItem(newCheckItem(609100, localizer, command::kKeepOnTop,
                                    settings ? settings->isKeepOnTop() : true));
    if (dialog_->supportsCompactView())
        viewMenu_->addItem(newCheckItem(609200, localizer, command::kRightClickTransform, true));
    viewMenu_->addItem(newCheckItem(609300, localizer, command::kEasyDrag,
                                    settings ? settings->getEasyDrag() : true));
    viewMenu_->addItem(newCheckItem(609350, localizer, command::kCloseByMiddleClick,
                                    settings ? settings->isCloseOnMiddleClick() : true));
    // The colour themes by name; the current one carries a radio mark.
    themeMenu_ = win::newPopupMenu(609500, localizer);
    for (std::uint32_t i = 0; i < themeCount(); ++i) {
        menuitem::MenuItem* item = newMenuItemText(
            themeName(i), command::kFirstTheme + static_cast<std::int32_t>(i), false);
        item->setRadio(true);
        themeMenu_->addItem(item);
    }
    if (themeCount() > 0) {
        viewMenu_->addItem(newSeparator());
        viewMenu_->addSubMenu(themeMenu_);
    }

    // About.
    aboutMenu_ = win::newPopupMenu(701000, localizer);
    aboutMenu_->addItem(newMenuItem(701100, localizer, command::kVersionInformation, false));
    aboutMenu_->addItem(newSeparator());
    aboutMenu_->addItem(newMenuItem(701200, localizer, command::kSoftwarePage, false));
    aboutMenu_->addItem(newMenuItem(701300, localizer, command::kTellDevelopers, false));
    aboutMenu_->addItem(newSeparator());
    aboutMenu_->addItem(newMenuItem(107000, localizer, command::kOtherSoftware, false));
    aboutMenu_->addItem(newSeparator());
    aboutMenu_->addItem(newMenuItem(108100, localizer, command::kWorkplace, false));

    // The menu bar: View, Language, About; it takes the menus over.
    menuBar_ = win::newMenuEx();
    if (localizer) menuBar_->setLanguagePack(localizer);
    for (win::PopupMenu* menu : {viewMenu_, languageMenu_, aboutMenu_}) menuBar_->addMenu(menu);
}

void FrameWindow::buildStatusBar() {
    statusBar_ = win::newStatusBar();
    // One height whether the progress area or the brand link shows.
    statusBar_->setFixedHeight(kStatusBarHeight, false);
    IBox* fields = statusBar_->getContentBox();
    fields->setHorizontalGap(6);
    // The progress area: bar, gap, Cancel.
    // The bar is 100 pixels wide.
    progressWidth_ = 100 + dialog_->progressGap() + dialog_->cancelButtonWidth();
    progressArea_ = win::newBoxFixed(layout::kRow, progressWidth_, 20, layout::kCentre,
                                     dialog_->progressGap(), 0);
    progress_ = win::newProgressBar();
    progressArea_->add(progress_);
    cancel_ = win::newButtonByNumber(dialog_->cancelButtonWidth(), 1006050, 18);
    progressArea_->add(cancel_);
    progressArea_->setVisible(false, false);
    progressArea_->setFixedWidth(0, false);
    fields->add(progressArea_);
    // The brand link.
    brandArea_ = win::newBox(-1, -1, layout::kStart, layout::kCentre, 0, 0, 4, 0, layout::kRow);
    brand_ = win::newLabel(u"zarnek");
    brand_->setTextColour(51, 51, 51);
    brand_->setStateFonts(true);
    brand_->getHoveredFont()->setTextColour(0, 0, 238);
    brandArea_->add(brand_);
    fields->add(brandArea_);
    // The status labels.
    status_ = win::newLabel(dialog_->text(609450));
    second_ = win::newLabel(u"");
    fields->add(status_);
    fields->add(second_);
}

void FrameWindow::buildDropArea() {
    dropArea_ = win::newGroupBox(1001000, 0, 2, 10, 100, layout::kColumn);
    dropArea_->setTitleColour(145, 155, 156);
    IBox* inside = dropArea_->getContentBox();
    inside->alignCentre();
    inside->setMarginsHorizontal(10);
    for (std::int32_t id : {Dialog::kDropHintText, 1003000}) {
        win::Label* label = win::newLabelByNumber(id, false, false, 0);
        label->setTextColour(119, 119, 119);
        inside->add(label);
        if (!dropHint_) dropHint_ = label;
    }
    // Three labels that converter tools fill; empty here.
    for (int i = 0; i < 3; ++i) inside->add(win::newLabel(u""));
    inside->setAcceptDroppedFiles(true);
}

// ---- events ---------------------------------------------------------------------------------

void FrameWindow::onEvent(void* source, std::int32_t code) {
    if (source == static_cast<IComponent*>(window_)) {
        if (code == windowevent::kNotification && window_->getNotificationValue2() == kHandOffTag) {
            (*reinterpret_cast<const std::function<void()>*>(window_->getNotificationValue1()))();
            return;
        }
        if (code == windowevent::kKeyDown) {
            namespace pw = platform::window;
            std::uint32_t key = window_->getKeyCode();
            if (key == 'O' && pw::isKeyDown(pw::vk::kControl)) openFileChooser();
            // Escape during a run is its Cancel.
            if (key == pw::vk::kEscape && progressArea_->isVisibleFlag() && cancel_->isEnabled()) {
                dialog_->cancel();
            }
            return;
        }
        if (code == windowevent::kClose) {
            // The About window goes first, so nothing is left above a closed window.
            closeAbout();
        }
        dialog_->onEvent(source, code);
        return;
    }
    if (dialog_->onDialogEvent(source, code)) return;
    if (dropArea_ && source == static_cast<IComponent*>(dropArea_->getContentBox())) {
        if (code == boxevent::kDrop) dialog_->drop(dropArea_->getContentBox()->getDroppedFiles());
        if (code == boxevent::kClick) openFileChooser();
    } else if (menuBar_ && source == static_cast<IComponent*>(menuBar_)) {
        // Chosen in one of the bar's menus (or through the window's command dispatch).
        menuitem::MenuItem* chosen = menuBar_->getChosenItem();
        if (chosen) dialog_->onCommand(chosen->getCommand());
    } else if (source == static_cast<IComponent*>(keepOnTop_)) {
        dialog_->onKeepOnTopBox(keepOnTop_->isChecked());
    } else if (source == static_cast<IComponent*>(actions_)) {
        content_->showOnlyPage(static_cast<std::uint32_t>(actions_->getSelectedIndex()));
        dialog_->onActionSelected();
    } else if (source == static_cast<IComponent*>(cancel_)) {
        dialog_->cancel();
    } else if (source == static_cast<IComponent*>(brand_)) {
        openLink(dialog_->text(kBrandText));
    }
}

// ---- the file chooser ---------------------------------------------------------------------------

void FrameWindow::openFileChooser() {
    if (dialog_->isBusy()) return;
    namespace pw = platform::window;
    const pw::Handle native = window_->getNativeWindow();
    std::shared_ptr<ChooserLink> link = chooserLink_;
    // The answer comes on the bus thread and goes to the window's thread through the window
    // layer; this thread never waits for the bus thread.
    platform::desktop::chooseFile(
        pw::exportId(native), pw::toUtf8(dialog_->text(kChooserTitle)),
        [link, native](const platform::desktop::ChosenFile& chosen) {
            pw::callOnOwner(native, [&]() -> pw::Result {
                std::lock_guard<std::mutex> hold(link->lock);
                if (link->frame)
                    link->frame->onFileChosen(static_cast<int>(chosen.outcome), chosen.path);
                return 1;
            });
        });
}

void FrameWindow::onFileChosen(int outcome, const std::string& path) {
    using Outcome = platform::desktop::ChosenFile::Outcome;
    if (outcome == static_cast<int>(Outcome::kNoChooser)) {
        setStatusText(dialog_->text(kNoChooserText));
        return;
    }
    if (outcome != static_cast<int>(Outcome::kChosen)) return;
    // Taken as a drop on the drop area.
    str::strarray::StrArray* paths = str::strarray::StrArray::create();
    str::strbuffer::StrBuffer* entry = str::strbuffer::StrBuffer::create();
    str::appendUtf8(entry, path);
    paths->add(entry);
    dialog_->drop(paths);
    paths->release();
}

// ---- the window side of the run --------------------------------------------------------------

void FrameWindow::handOff(const std::function<void()>& call) {
    if (window_->isOwnerThread()) {
        call();
        return;
    }
    window_->postNotification(reinterpret_cast<std::intptr_t>(&call), kHandOffTag, 0, 0);
}

void FrameWindow::handOffLater(std::function<void()> call) {
    if (window_->isOwnerThread()) {
        call();
        return;
    }
    {
        std::lock_guard<std::mutex> hold(laterLock_);
        later_.push_back(std::move(call));
        if (laterPosted_) return;
        laterPosted_ = true;
    }
    platform::window::post(window_->getNativeWindow(), win::kMsgRunOnOwner,
                           reinterpret_cast<platform::window::WParam>(&runLater_));
}

void FrameWindow::serveUntil(const std::function<bool()>& done) {
    window_->waitUntil(done);
}

void FrameWindow::setStatusText(const char16_t* text) {
    status_->setText(text, true);
}

void FrameWindow::setSecondStatusText(const char16_t* text) {
    second_->setText(text, true);
}

void FrameWindow::setProgress(std::int64_t maximum, std::int64_t position) {
    progress_->setRange(0, static_cast<std::int32_t>(maximum));
    progress_->setPosition(static_cast<std::int32_t>(position));
}

void FrameWindow::showProgressArea(bool show) {
    // A hidden area keeps no room in the row: the status text follows what is shown.
    brandArea_->setVisible(!show, false);
    brandArea_->setFixedWidth(show ? 0 : -1, false);
    progressArea_->setVisible(show, false);
    progressArea_->setFixedWidth(show ? progressWidth_ : 0, false);
    statusBar_->getContentBox()->layout();
    progressArea_->layout();
}

void FrameWindow::showError(const char16_t* text) {
    window_->showError(text);
}

void FrameWindow::openLink(const char16_t* address) {
    platform::window::openLink(address);
}

void FrameWindow::openAbout() {
    if (!about_) about_ = About3::create();
    if (!aboutSettings_) {
        app::IAppWindow* main = dialog_->getAppWindow();
        app::win::AppBase* base = main ? main->getAppBase() : nullptr;
        if (base) {
            app::win::AppWindow::Defaults defaults;
            defaults.width = About3::kWidth;
            defaults.height = About3::kHeight;
            app::win::AppWindow* own =
                app::win::AppWindow::open(base, About3::kWindowName, defaults);
            own->setTitleTextId(400100);
            aboutSkinner_ = drawer::newSkinner();
            aboutSkinner_->selectSkin(About3::kSkin);
            own->setSkinner(aboutSkinner_);
            aboutSettings_ = own;
        }
    }
    about_->open(window_, aboutSettings_ ? aboutSettings_ : dialog_->getAppWindow());
}

void FrameWindow::closeAbout() {
    if (about_) about_->close();
}

std::uint32_t FrameWindow::actionCount() {
    return static_cast<std::uint32_t>(actions_->getItemCount());
}

std::u16string FrameWindow::actionText(std::uint32_t index) {
    combobox::ComboBoxItem* item = actions_->getItem(static_cast<std::int32_t>(index));
    return item ? item->getText() : std::u16string();
}

void FrameWindow::setActionText(std::uint32_t index, const char16_t* text) {
    combobox::ComboBoxItem* item = actions_->getItem(static_cast<std::int32_t>(index));
    if (item) item->setText(text);
    actions_->repaint();
}

std::int32_t FrameWindow::selectedAction() {
    return actions_->getSelectedIndex();
}

void FrameWindow::setDropHint(std::int32_t textId) {
    if (dropHint_ && dropHint_->getTextNumber() != textId) dropHint_->setTextNumber(textId);
}

void FrameWindow::selectAction(std::uint32_t index) {
    actions_->select(static_cast<std::int32_t>(index), false);
    content_->showOnlyPage(index);
    setDropHint(dialog_->dropHintText(static_cast<std::int32_t>(index)));
    window_->layout();
}

bool FrameWindow::isChecked(std::int32_t command) {
    for (win::PopupMenu* menu : {viewMenu_, languageMenu_, aboutMenu_})
        if (menu->ownsCommand(command)) return menu->isChecked(command);
    return false;
}

void FrameWindow::setChecked(std::int32_t command, bool on) {
    // The current theme carries a radio dot, which also clears the other themes' marks.
    if (on && themeMenu_ && themeMenu_->ownsCommand(command)) {
        themeMenu_->checkRadioCommand(command);
        return;
    }
    for (win::PopupMenu* menu : {viewMenu_, languageMenu_, aboutMenu_})
        if (menu->ownsCommand(command)) menu->setChecked(command, on);
}

void FrameWindow::WindowDrops::onEvent(void*, std::int32_t code) {
    if (code != boxevent::kDrop) return;
    frame->dialog_->drop(frame->window_->getDroppedFiles());
}

void FrameWindow::setKeepOnTopBox(bool on) {
    keepOnTop_->setCheckedSilently(on);
}

void FrameWindow::setKeepOnTop(bool on) {
    window_->setKeepOnTop(on);
}

void FrameWindow::setEasyDrag(bool on) {
    window_->setEasyDrag(on);
}

void FrameWindow::setMiddleClickAction(const char16_t* action) {
    window_->setMiddleClickAction(action);
}

void FrameWindow::normalSize(std::int32_t* width, std::int32_t* height) {
    app::IAppWindow* settings = dialog_->getAppWindow();
    // A maximised or minimised window keeps its normal size in the settings.
    if (settings && (window_->isMaximized() || window_->isMinimized())) {
        *width = settings->getWidth();
        *height = settings->getHeight();
        return;
    }
    // At 96 dpi, as the settings keep sizes.
    *width = platform::window::unscaled(window_->getWidth());
    *height = platform::window::unscaled(window_->getHeight());
}

std::uint32_t FrameWindow::themeCount() {
    drawer::Skinner* skinner = window_ ? window_->getSkinner() : nullptr;
    return skinner ? skinner->getSkinCount() : 0;
}

std::u16string FrameWindow::themeName(std::uint32_t index) {
    drawer::Skinner* skinner = window_ ? window_->getSkinner() : nullptr;
    return skinner ? std::u16string(skinner->getSkinName(index)) : std::u16string();
}

void FrameWindow::applyTheme(const char16_t* name) {
    drawer::Skinner* skinner = window_ ? window_->getSkinner() : nullptr;
    if (skinner) skinner->selectSkin(name);
}

void FrameWindow::relayout() {
    // The bar shows its menus' titles in the current language.
    menuBar_->refreshTexts();
    window_->layout();
}

}  // namespace s::gui::dialogs::dragndrop
