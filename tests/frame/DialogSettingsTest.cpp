// The frame's settings across a restart (size, action, language) and its menu commands.
#include <gtest/gtest.h>

#include <filesystem>

#include "StandIns.h"
#include "lang/LangPack.h"
#include "map/IMappedData.h"

namespace s::frame_testing {
namespace {

namespace fs = std::filesystem;
namespace command = gui::dialogs::dragndrop::command;

class FrameSettings : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("frame-settings-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        open();
    }
    void TearDown() override {
        close();
        fs::remove_all(dir);
    }
    // A frame as the program starts it: settings from the file, actions in the current language.
    void open() {
        settings = std::make_unique<StandInSettings>(dir / "SaveData.xml");
        settings->getLocalizer()->applySavedLanguage(settings->getStore());
        view = std::make_unique<StandInView>();
        tool = StandInTool::create();
        tool->bind(settings.get());
        tool->setView(view.get());
        view->actions = {tool->text(1100000), tool->text(1101000)};
        tool->chooseAction();
        tool->applyStoredTheme();
    }
    void close() {
        tool->closeRequested();
        tool->release();
        settings->getStore()->flush();
        settings.reset();
    }
    void restart() {
        close();
        open();
    }
    std::u16string stored(const char16_t* key) {
        return settings->getStore()->getText(u"MainWindow\\View", key, u"<none>");
    }

    fs::path dir;
    std::unique_ptr<StandInSettings> settings;
    std::unique_ptr<StandInView> view;
    StandInTool* tool = nullptr;
};

TEST_F(FrameSettings, SizeIsKeptAcrossARestartWhenValid) {
    EXPECT_EQ(tool->storedLargeWidth(), 600);
    EXPECT_EQ(tool->storedLargeHeight(), 550);
    view->width = 700;
    view->height = 480;
    restart();
    EXPECT_EQ(tool->storedLargeWidth(), 700);
    EXPECT_EQ(tool->storedLargeHeight(), 480);
    // A size the screen cannot hold is not saved, and a stored one is not used.
    view->width = 5;
    view->height = 2000;
    restart();
    EXPECT_EQ(tool->storedLargeWidth(), 700);
    EXPECT_EQ(tool->storedLargeHeight(), 480);
    settings->getStore()->setS32(u"MainWindow\\View", u"LargeWidth", 9);
    EXPECT_EQ(tool->storedLargeWidth(), 600);
}

TEST_F(FrameSettings, ActionIsKeptAcrossARestartAndALanguageChange) {
    EXPECT_EQ(view->selected, 0);  // nothing stored: the default action
    view->selectAction(1);
    tool->onActionSelected();
    EXPECT_EQ(stored(u"ConvertTo"), u"Verify Hash Code");
    restart();
    EXPECT_EQ(view->selected, 1);

    // German from the Language menu: the language is saved, the selector relabelled and the
    // stored action follows, so it still matches after the next start.
    auto* german = settings->getLocalizer()->findLanguage(u"German");
    ASSERT_NE(german, nullptr);
    std::uint32_t n = 0;
    while (settings->getLocalizer()->language(n) != german) ++n;
    view->checks[command::kFirstLanguage] = true;  // English, as the menu was built
    tool->onCommand(command::kFirstLanguage + static_cast<std::int32_t>(n));
    EXPECT_FALSE(view->checks[command::kFirstLanguage]);
    EXPECT_TRUE(view->checks[command::kFirstLanguage + static_cast<std::int32_t>(n)]);
    EXPECT_EQ(view->actions[1], std::u16string(tool->text(1101000)));
    EXPECT_NE(view->actions[1], u"Verify Hash Code");
    EXPECT_EQ(stored(u"ConvertTo"), view->actions[1]);
    EXPECT_GT(view->relayouts, 0);
    restart();
    EXPECT_EQ(std::u16string(settings->getLocalizer()->currentLanguage()->engName()->text()),
              u"German");
    EXPECT_EQ(view->selected, 1);
}

TEST_F(FrameSettings, ThemeIsWornMarkedAndKeptAcrossARestart) {
    EXPECT_EQ(view->theme, u"White");  // nothing stored: the first theme
    tool->onCommand(command::kFirstTheme + 2);
    EXPECT_EQ(view->theme, u"Black");
    for (std::int32_t i = 0; i < 4; ++i)
        EXPECT_EQ(view->checks[command::kFirstTheme + i], i == 2) << i;
    restart();
    EXPECT_EQ(view->theme, u"Black");
    EXPECT_TRUE(view->checks[command::kFirstTheme + 2]);
    // A stored name that no theme has any more.
    settings->setSkin(u"Chartreuse");
    restart();
    EXPECT_EQ(view->theme, u"White");
}

TEST_F(FrameSettings, AFirstStartWearsTheDesktopsChoiceAndAStoredThemeWins) {
    int asked = 0;
    auto dark = [&asked] {
        ++asked;
        return std::u16string(u"Black");
    };
    // Nothing stored (the fixture's start stored the first theme): the first-start choice is
    // asked, worn and stored.
    settings->setSkin(u"");
    tool->setFirstStartTheme(dark);
    tool->applyStoredTheme();
    EXPECT_EQ(view->theme, u"Black");
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(settings->getSkin(u"<none>"), u"Black");
    // A theme the user chose is kept, whatever the desktop prefers now.
    tool->onCommand(command::kFirstTheme + 1);
    tool->applyStoredTheme();
    EXPECT_EQ(view->theme, view->themes[1]);
    EXPECT_EQ(asked, 1);
}

TEST_F(FrameSettings, UnknownStoredActionChoosesTheDefault) {
    settings->getStore()->setText(u"MainWindow\\View", u"ConvertTo", u"Something Else");
    view->selected = -1;
    tool->chooseAction();
    EXPECT_EQ(view->selected, 0);
    settings->getStore()->setText(u"MainWindow\\View", u"ConvertTo", u"VERIFY HASH CODE");
    tool->chooseAction();
    EXPECT_EQ(view->selected, 1);
}

TEST_F(FrameSettings, KeepOnTopBoxAndMenuItemStayInStep) {
    view->checks[command::kKeepOnTop] = true;
    tool->onCommand(command::kKeepOnTop);
    EXPECT_FALSE(view->checks[command::kKeepOnTop]);
    EXPECT_FALSE(view->keepOnTopBox);
    EXPECT_FALSE(view->keepOnTop);
    tool->onKeepOnTopBox(true);
    EXPECT_TRUE(view->checks[command::kKeepOnTop]);
    EXPECT_TRUE(view->keepOnTop);
}

TEST_F(FrameSettings, OptionCommandsToggleTheirMarks) {
    tool->onCommand(command::kEasyDrag);
    EXPECT_TRUE(view->checks[command::kEasyDrag]);
    EXPECT_TRUE(view->easyDrag);
    view->checks[command::kCloseByMiddleClick] = true;
    tool->onCommand(command::kCloseByMiddleClick);
    EXPECT_EQ(view->middleClick, u"DoNothing");
    tool->onCommand(command::kCloseByMiddleClick);
    EXPECT_EQ(view->middleClick, u"Close");
}

TEST_F(FrameSettings, LinkCommandsOpenTheirPackAddresses) {
    const std::pair<std::int32_t, std::int32_t> links[] = {
        {command::kTranslate, 108500},      {command::kSoftwarePage, 500003},
        {command::kTellDevelopers, 500004}, {command::kOtherSoftware, 108000},
        {command::kWorkplace, 108200},
    };
    for (auto [cmd, id] : links) tool->onCommand(cmd);
    ASSERT_EQ(view->links.size(), std::size(links));
    for (std::size_t i = 0; i < std::size(links); ++i) {
        EXPECT_EQ(view->links[i], std::u16string(tool->text(links[i].second)));
        EXPECT_FALSE(view->links[i].empty());
    }
    tool->onCommand(command::kVersionInformation);
    EXPECT_EQ(view->aboutOpened, 1);
    tool->onCommand(99999);  // nobody's command
    EXPECT_EQ(view->links.size(), std::size(links));
}

}  // namespace
}  // namespace s::frame_testing
