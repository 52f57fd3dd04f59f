// The file-hash dialog in a real window: first-start defaults, drops and their codes against the
// terminal front end, copy and paste through the clipboard, size re-formatting, settings kept
// over a restart, verification, cancel, files that cannot be hashed, and other languages.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <unistd.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <map>
#include <utility>

#include "DialogWindow.h"
#include "ScreenShot.h"
#include "gui/win/Button.h"
#include "gui/win/CheckBox.h"
#include "gui/win/ComboBox.h"
#include "gui/win/EditBase.h"
#include "gui/win/Label.h"
#include "gui/win/TextField.h"
#include "gui/win/Window.h"
#include "lang/LangPack.h"
#include "lang/Localizer.h"
#include "platform/window/Scale.h"
#include "platform/window/Text.h"
#include "platform/window/Window.h"
#include "platform/window/display/XServer.h"
#include "str/strbuffer/StrBuffer.h"

namespace dialog_testing {
namespace {

constexpr const char* kAbcMd5 = "900150983cd24fb0d6963f7d28e17f72";
constexpr const char* kAbcSha256 =
    "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";

std::string withoutAccessed(std::string text) {
    const std::string::size_type at = text.find("Accessed:");
    if (at != std::string::npos) text.erase(at, text.find('\n', at) + 1 - at);
    return text;
}

std::u16string u16(const std::string& s) {
    return platform::window::fromUtf8(s);
}

// The summary as the terminal front end prints it: "\n" line ends. The access time goes: one
// program's reading moves it for the other.
std::string lf(const std::u16string& crlf) {
    std::string out = utf8(crlf);
    std::string::size_type at;
    while ((at = out.find("\r\n")) != std::string::npos) out.erase(at, 1);
    return withoutAccessed(out);
}

TEST_F(DialogWindow, FirstStartTicksTheUsualRowsAndGreysTheRest) {
    for (int i = 0; i < s::file::gui::dialogs::filehash::kRowCount; ++i) {
        const Row row = static_cast<Row>(i);
        const bool ticked = row == Row::FileName || row == Row::Size || row == Row::Modified ||
                            row == Row::Accessed || row == Row::Crc32 || row == Row::Md5 ||
                            row == Row::Summary;
        SCOPED_TRACE(i);
        EXPECT_EQ(dialog->rowBox(row)->isChecked(), ticked);
        EXPECT_EQ(dialog->rowField(row)->isEnabled(), ticked);
        EXPECT_EQ(dialog->rowCopy(row)->isEnabled(), ticked);
    }
    EXPECT_EQ(dialog->sizeTypeSelector()->getSelectedIndex(), 0);  // Bytes
    EXPECT_TRUE(dialog->sizeCommaBox()->isChecked());
    EXPECT_TRUE(dialog->sizeCommaBox()->isEnabled());
    EXPECT_EQ(dialog->matchTypeSelector()->getSelectedIndex(), 0);  // Auto
    EXPECT_EQ(dialog->resultLine()->getText(), u"Please Drop a File to Test.");
    for (int i = 0; i < Dialog::kVerifyFieldCount; ++i) {
        EXPECT_FALSE(dialog->verifyField(static_cast<VerifyField>(i))->isEnabled());
        EXPECT_FALSE(dialog->verifyCopy(static_cast<VerifyField>(i))->isEnabled());
    }
    EXPECT_FALSE(dialog->verifyCommaBox()->isEnabled());
    EXPECT_TRUE(dialog->verifyCommaBox()->isChecked());
}

TEST_F(DialogWindow, DropShowsTheCodesOfAFileWithAnOddNameAndTheSummaryOfTheCli) {
    const fs::path file =
        dir / "\xE4\xB8\xAD\xE6\x96\x87-\xFF.txt";  // CJK and a byte that is not UTF-8
    writeFile(file, "abc");
    drop(file);
    EXPECT_EQ(text(Row::Crc32), u"352441c2");
    EXPECT_EQ(utf8(text(Row::Md5)), kAbcMd5);
    EXPECT_EQ(text(Row::Size), u"3");
    EXPECT_EQ(text(Row::FileName).substr(0, 3), u"\u4E2D\u6587-");
    EXPECT_EQ(text(Row::Sha2_256), u"");  // not ticked
    EXPECT_EQ(lf(text(Row::Summary)),
              withoutAccessed(cli(std::string("'").append(file.string()).append("'"))));
    EXPECT_TRUE(takeMessages().empty());
    // The byte that is not UTF-8 reaches other programs as U+FFFD, as Ctrl+C in the field
    // copies it, never raw.
    click(dialog->rowCopy(Row::FileName));
    const std::string shown = "\xE4\xB8\xAD\xE6\x96\x87-\xEF\xBF\xBD.txt";
    EXPECT_TRUE(waitFor([&] { return clipboard() == shown; })) << clipboard();
    click(dialog->rowCopy(Row::Summary));
    EXPECT_TRUE(waitFor([&] { return clipboard().find(shown) != std::string::npos; }))
        << clipboard();
}

TEST_F(DialogWindow, ARunWaitsOnTheWindowPerPercentNotPerBlock) {
    // 8 MiB: 512 blocks of 16 KiB, but at most 101 percent steps to show.
    const fs::path file = dir / "eight.bin";
    writeFile(file, std::string(8 << 20, 'p'));
    frame->handOffs = 0;
    drop(file);
    EXPECT_FALSE(text(Row::Crc32).empty());
    // The percent steps and the rows' reads and writes; one per block would pass 512.
    EXPECT_LT(frame->handOffs.load(), 250);
}

TEST_F(DialogWindow, AllTwelveCodesOfA16385ByteFileEqualTheCli) {
    const fs::path file = dir / "block-and-one.bin";
    std::string bytes(16385, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 + 3);
    writeFile(file, bytes);
    for (int i = static_cast<int>(Row::Crc32); i <= static_cast<int>(Row::Gost); ++i) {
        if (!dialog->rowBox(static_cast<Row>(i))->isChecked())
            click(dialog->rowBox(static_cast<Row>(i)));
    }
    drop(file);
    const std::string expected = withoutAccessed(cli("--all '" + file.string() + "'"));
    EXPECT_EQ(lf(text(Row::Summary)), expected);
    for (int i = static_cast<int>(Row::Crc32); i <= static_cast<int>(Row::Gost); ++i) {
        SCOPED_TRACE(i);
        const std::u16string code = text(static_cast<Row>(i));
        EXPECT_FALSE(code.empty());
        EXPECT_NE(expected.find(utf8(code)), std::string::npos);
    }
}

TEST_F(DialogWindow, CopyPutsEachFieldOnTheClipboard) {
    const fs::path file = dir / "copy.txt";
    writeFile(file, std::string(2049, 'x'));
    click(dialog->rowBox(Row::Sha2_256));
    drop(file);
    struct Case {
        Row row;
        int sizeType;  // -1: as it is
        std::string expected;
    };
    const std::string sha = utf8(text(Row::Sha2_256));
    const Case cases[] = {
        {Row::Size, -1, "2,049 Bytes"},  {Row::Size, 1, "3 KB"},
        {Row::Size, 3, "2.00 KB"},       {Row::Sha2_256, -1, sha},
        {Row::FileName, -1, "copy.txt"}, {Row::Summary, -1, utf8(text(Row::Summary))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.row));
        if (c.sizeType >= 0) {
            frame->handOff([&] { dialog->sizeTypeSelector()->select(c.sizeType, true); });
        }
        setClipboard("before");
        click(dialog->rowCopy(c.row));
        EXPECT_TRUE(waitFor([&] { return clipboard() == c.expected; })) << clipboard();
    }
    // The summary's line ends are CR LF.
    EXPECT_NE(clipboard().find("\r\n"), std::string::npos);
    EXPECT_EQ(clipboard().find("\n\n"), std::string::npos);

    // An empty field leaves the clipboard alone.
    setClipboard("keep me");
    click(dialog->rowBox(Row::Creation));
    click(dialog->rowCopy(Row::Creation));
    EXPECT_EQ(clipboard(), "keep me");
}

TEST_F(DialogWindow, SizeIsWrittenAgainWhenItsTypeOrCommaChanges) {
    struct Case {
        std::string bytes;
        int sizeType;
        bool comma;
        std::u16string expected;
        bool commaEnabled;
    };
    const fs::path big = dir / "big.bin";
    writeFile(big, std::string(1536 * 1024 + 5, 'z'));
    drop(big);
    EXPECT_EQ(text(Row::Size), u"1,572,869");
    const Case cases[] = {
        {"", 0, false, u"1572869", true},
        {"", 1, true, u"1,537", true},
        {"", 2, true, u"2", true},
        {"", 3, true, u"1.50 MB", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(utf8(c.expected));
        frame->handOff([&] { dialog->sizeTypeSelector()->select(c.sizeType, true); });
        if (dialog->sizeCommaBox()->isEnabled() && dialog->sizeCommaBox()->isChecked() != c.comma)
            click(dialog->sizeCommaBox());
        EXPECT_TRUE(waitFor([&] { return text(Row::Size) == c.expected; }))
            << utf8(text(Row::Size));
        EXPECT_EQ(dialog->sizeCommaBox()->isEnabled(), c.commaEnabled);
    }
    // Ticking Size again under Auto leaves Comma off.
    click(dialog->rowBox(Row::Size));
    EXPECT_FALSE(dialog->sizeCommaBox()->isEnabled());
    click(dialog->rowBox(Row::Size));
    EXPECT_TRUE(dialog->sizeCommaBox()->isEnabled() == false);

    // A zero-byte file is re-formatted like any other.
    const fs::path empty = dir / "empty.bin";
    writeFile(empty, "");
    frame->handOff([&] { dialog->sizeTypeSelector()->select(0, true); });
    drop(empty);
    EXPECT_EQ(text(Row::Size), u"0");
    frame->handOff([&] { dialog->sizeTypeSelector()->select(3, true); });
    EXPECT_TRUE(waitFor([&] { return text(Row::Size) == u"0 B"; })) << utf8(text(Row::Size));
}

TEST_F(DialogWindow, TickedRowsAndChoicesSurviveARestart) {
    // Each click is waited for: under load a click still on its way would be lost with the close.
    const std::pair<Row, bool> clicks[] = {{Row::Crc32, false}, {Row::Sha2_512, true},
                                           {Row::Creation, true}};
    for (const auto& c : clicks) {
        click(dialog->rowBox(c.first));
        EXPECT_TRUE(waitFor([&] { return dialog->rowBox(c.first)->isChecked() == c.second; }));
    }
    frame->handOff([&] {
        dialog->sizeTypeSelector()->select(2, true);
        dialog->matchTypeSelector()->select(10, true);  // SHA-256
    });
    close();
    open();
    EXPECT_FALSE(dialog->rowBox(Row::Crc32)->isChecked());
    EXPECT_FALSE(dialog->rowField(Row::Crc32)->isEnabled());
    EXPECT_TRUE(dialog->rowBox(Row::Sha2_512)->isChecked());
    EXPECT_TRUE(dialog->rowCopy(Row::Sha2_512)->isEnabled());
    EXPECT_TRUE(dialog->rowBox(Row::Creation)->isChecked());
    EXPECT_TRUE(dialog->rowBox(Row::Md5)->isChecked());
    EXPECT_EQ(dialog->sizeTypeSelector()->getSelectedIndex(), 2);
    EXPECT_EQ(dialog->matchTypeSelector()->getSelectedIndex(), 10);
}

TEST_F(DialogWindow, VerifyMatchesAPastedUpperCaseCode) {
    const fs::path file = dir / "abc.txt";
    writeFile(file, "abc");
    selectAction(1);
    std::string upper = kAbcMd5;
    for (char& c : upper) c = static_cast<char>(toupper(c));
    setClipboard("  " + upper + "\r\n");
    frame->handOff([&] { dialog->matchTypeSelector()->select(6, true); });  // MD5
    dialog->enteredField()->setText(u"typed", false);
    click(dialog->pasteButton());
    EXPECT_TRUE(waitFor([&] { return utf8(dialog->enteredField()->getText()) == upper; }));
    drop(file);
    EXPECT_EQ(dialog->resultLine()->getText(), u"Perfect Match!");
    EXPECT_EQ(utf8(text(VerifyField::ComputedCode)), kAbcMd5);
    EXPECT_TRUE(dialog->verifyField(VerifyField::ComputedCode)->isEnabled());
    for (int i = 0; i < Dialog::kVerifyFieldCount; ++i)
        EXPECT_TRUE(dialog->verifyCopy(static_cast<VerifyField>(i))->isEnabled());
    EXPECT_EQ(takeMessages(), std::vector<std::u16string>{u"Perfect Match!"});
    EXPECT_EQ(text(VerifyField::Size), u"3");

    // A failed paste (no text on the clipboard) keeps what was typed.
    xtest::run("xclip -i -selection clipboard -t image/png /dev/null >/dev/null 2>&1");
    dialog->enteredField()->setText(u"typed", false);
    click(dialog->pasteButton());
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(dialog->enteredField()->getText(), u"typed");
}

TEST_F(DialogWindow, VerifyReportsDifferences) {
    const fs::path file = dir / "abc.txt";
    writeFile(file, "abc");
    selectAction(1);
    frame->handOff([&] { dialog->matchTypeSelector()->select(2, true); });  // CRC32
    struct Case {
        const char* typed;
    };
    const Case cases[] = {{"352441c3"}, {"0x352441c2"}, {"352441c2x"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        frame->handOff([&] { dialog->enteredField()->setText(u"", false); });
        click(dialog->enteredField());
        type(c.typed);
        ASSERT_TRUE(waitFor([&] { return utf8(dialog->enteredField()->getText()) == c.typed; }))
            << utf8(dialog->enteredField()->getText());
        drop(file);
        EXPECT_EQ(dialog->resultLine()->getText(), u"Different!");
        EXPECT_EQ(text(VerifyField::ComputedCode), u"352441c2");
        EXPECT_EQ(takeMessages(), std::vector<std::u16string>{u"Different!"});
    }
}

TEST_F(DialogWindow, AnEmptyCodeAsksForOneWithTheWindowNotOnTop) {
    const fs::path file = dir / "abc.txt";
    writeFile(file, "abc");
    selectAction(1);
    frame->window()->setKeepOnTop(true);
    bool onTopWhileShown = true;
    bool storedWhileShown = false;
    dialog->setMessageObserver([&](const std::u16string& text) {
        EXPECT_EQ(text, u"Please Enter the Hash Code to Compare!");
        onTopWhileShown = frame->window()->isKeptOnTop();
        storedWhileShown = settings->isKeepOnTop();
    });
    drop(file);
    EXPECT_FALSE(onTopWhileShown);
    EXPECT_TRUE(storedWhileShown);  // only the window leaves the top, not the user's choice
    EXPECT_TRUE(frame->window()->isKeptOnTop());
    EXPECT_EQ(dialog->resultLine()->getText(), u"Please Drop a File to Test.");
    EXPECT_EQ(text(VerifyField::ComputedCode), u"");
}

TEST_F(DialogWindow, CancelStopsALongRunAndTheNextDropRuns) {
    // A sparse file: large on disk without the writing; MD2 makes it slow.
    const fs::path sparse = dir / "sparse.bin";
    writeFile(sparse, "");
    ASSERT_EQ(truncate(sparse.c_str(), 1LL << 30), 0);
    click(dialog->rowBox(Row::Md2));
    drop(sparse, false);
    ASSERT_TRUE(waitFor([&] { return dialog->isBusy() && !text(Row::Size).empty(); }));
    // A drop during the run is ignored.
    const fs::path abc = dir / "abc.txt";
    writeFile(abc, "abc");
    dropMany({abc});
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    EXPECT_EQ(text(Row::FileName), u"sparse.bin");
    frame->handOff([&] { dialog->cancel(); });
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(text(Row::Md2), u"");
    EXPECT_EQ(text(Row::Md5), u"");
    drop(abc);
    EXPECT_EQ(utf8(text(Row::Md5)), kAbcMd5);
}

// The message names the file and the system's reason, found from the file's status alone: a
// device or a pipe is never opened (/dev/zero would be read without end).
TEST_F(DialogWindow, AFileThatCannotBeHashedGetsAMessageNamingIt) {
    const fs::path folder = dir / "a folder";
    fs::create_directories(folder);
    const fs::path fifo = dir / "a pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const fs::path locked = dir / "locked.txt";
    writeFile(locked, "abc");
    chmod(locked.c_str(), 0);
    // A folder that may be read and written but not searched: the file in it cannot be
    // looked at.
    const fs::path closed = dir / "closed";
    fs::create_directories(closed);
    writeFile(closed / "in.txt", "abc");
    chmod(closed.c_str(), 0600);
    const fs::path loop = dir / "loop";
    fs::create_symlink(loop, loop);
    struct Case {
        fs::path path;
        const char16_t* reason;
        bool skipAsRoot;
    };
    const Case cases[] = {{dir / "missing.txt", u"No such file or directory", false},
                          {folder, u"Is a directory", false},
                          {fifo, u"Not a regular file", false},
                          {"/dev/zero", u"Not a regular file", false},
                          {loop, u"Too many levels of symbolic links", false},
                          {locked, u"Permission denied", true},
                          {closed / "in.txt", u"Permission denied", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.string());
        if (c.skipAsRoot && geteuid() == 0) continue;
        drop(c.path);
        const std::vector<std::u16string> messages = takeMessages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].rfind(u"The file could not be hashed.", 0), 0u) << utf8(messages[0]);
        EXPECT_NE(messages[0].find(
                      std::u16string(u"\"").append(u16(c.path.filename().string())).append(u"\"")),
                  std::u16string::npos)
            << utf8(messages[0]);
        EXPECT_EQ(messages[0].substr(messages[0].rfind(u"\r\n") + 2), c.reason)
            << utf8(messages[0]);
        EXPECT_EQ(text(Row::Md5), u"");
    }
    chmod(locked.c_str(), 0600);
    chmod(closed.c_str(), 0700);
}

TEST_F(DialogWindow, SeveralFilesDroppedHashTheFirst) {
    const fs::path a = dir / "a.txt";
    const fs::path b = dir / "b.txt";
    writeFile(a, "abc");
    writeFile(b, "other");
    dropMany({a, b}, true);
    EXPECT_EQ(text(Row::FileName), u"a.txt");
    EXPECT_EQ(utf8(text(Row::Md5)), kAbcMd5);
}

TEST_F(DialogWindow, GermanAndArabicRelabelEveryTextWithGlyphsForAll) {
    const fs::path file = dir / "abc.txt";
    writeFile(file, "abc");
    for (const char16_t* language : {u"German", u"Arabic"}) {
        SCOPED_TRACE(utf8(language));
        switchLanguage(language);
        s::lang::Localizer* pack = dialog->getLocalizer();
        platform::window::Font font;
        auto check = [&](const std::u16string& shown, std::int32_t id) {
            EXPECT_EQ(shown, pack->text(id)) << id;
            EXPECT_EQ(platform::window::unknownGlyphs(font, shown), 0) << id;
        };
        for (int i = 0; i < s::file::gui::dialogs::filehash::kRowCount; ++i) {
            const std::int32_t ids[] = {1200000, 1201000, 1202000, 1203000, 1203500, 1204000,
                                        1205200, 1205100, 1205000, 1206000, 1207000, 1208000,
                                        1209000, 1210000, 1211000, 1212000, 1213000, 2003000};
            check(dialog->rowBox(static_cast<Row>(i))->getText(), ids[i]);
            check(dialog->rowCopy(static_cast<Row>(i))->getText(), 1009000);
        }
        check(dialog->sizeCommaBox()->getText(), 1201100);
        check(dialog->pasteButton()->getText(), 1009100);
        // The label column is as wide as its widest label ("Letzter Zugriff:" is cut in the
        // 100 pixels that hold the English ones).
        for (int i = 0; i + 1 < s::file::gui::dialogs::filehash::kRowCount; ++i) {
            s::gui::win::CheckBox* box = dialog->rowBox(static_cast<Row>(i));
            std::int32_t width = 0, natural = 0;
            frame->handOff([&] { width = box->getWidth(), natural = box->getNaturalWidth(); });
            EXPECT_GE(width, natural) << utf8(box->getText());
        }
        // The result line keeps its state (waiting, then the last verdict) in the new language.
        check(dialog->resultLine()->getText(),
              std::u16string(language) == u"German" ? 3023000 : 3021000);
        // The selectors' items follow the language; their keys stay.
        check(dialog->sizeTypeSelector()->getItem(3)->getText(), 1201050);
        check(dialog->matchTypeSelector()->getItem(0)->getText(), 3040000);
        check(dialog->matchTypeSelector()->getItem(1)->getText(), 1212000);
        check(frame->actionText(1), 1101000);
        check(frame->statusLabel()->getText(), 609450);  // the idle frame's "Ready"
        // A message in the language: the verdict of a run.
        selectAction(1);
        frame->handOff([&] {
            dialog->matchTypeSelector()->select(6, true);  // MD5: the verdict names nothing
            dialog->enteredField()->setText(u"900150983cd24fb0d6963f7d28e17f72", false);
        });
        drop(file);
        check(dialog->resultLine()->getText(), 3021000);
        const std::vector<std::u16string> messages = takeMessages();
        ASSERT_EQ(messages.size(), 1u);
        check(messages[0], 3021000);
        selectAction(0);
    }
}

// Pictures for the README: VERITOME_SCREENSHOTS=<folder> dialog_tests --gtest_filter=*Pictures*
TEST_F(DialogWindow, PicturesForTheReadme) {
    const char* out = std::getenv("VERITOME_SCREENSHOTS");
    if (!out) GTEST_SKIP() << "VERITOME_SCREENSHOTS is not set";
    auto shoot = [&](const std::string& name) {
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        platform::window::Rect r = platform::window::screenRect(frame->window()->getNativeWindow());
        ASSERT_TRUE(writePng(grabScreen(r.x, r.y, r.width, r.height),
                             std::string(out) + "/" + name + ".png"));
    };
    const fs::path file = dir / "release-notes.txt";
    writeFile(file, "The quick brown fox jumps over the lazy dog\n");
    click(dialog->rowBox(Row::Sha2_256));
    drop(file);
    shoot("dialog-calculate");
    selectAction(1);
    frame->handOff([&] {
        dialog->matchTypeSelector()->select(10, true);
        dialog->enteredField()->setText(dialog->rowField(Row::Sha2_256)->getText(), false);
    });
    drop(file);
    shoot("dialog-verify-match");
    frame->handOff([&] { dialog->enteredField()->setText(u"0123456789abcdef", false); });
    drop(file);
    shoot("dialog-verify-different");
    selectAction(0);
    switchLanguage(u"Japanese");
    drop(file);
    shoot("dialog-japanese");
    switchLanguage(u"English");
    for (std::uint32_t i = 0; i < frame->themeCount(); ++i)
        if (frame->themeName(i) == u"Black") frame->handOff([&] { dialog->switchTheme(i); });
    drop(file);
    shoot("dialog-black");
}

double secondsOf(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The job in the window against the terminal front end on one cached file (bench/dialog.sh):
// VERITOME_MEASURE=1 [VERITOME_MEASURE_MIB=1024] dialog_tests --gtest_filter=*Measure*
TEST_F(DialogWindow, MeasureAgainstTheCli) {
    if (!std::getenv("VERITOME_MEASURE")) GTEST_SKIP() << "VERITOME_MEASURE is not set";
    const char* mib = std::getenv("VERITOME_MEASURE_MIB");
    const int size = mib ? std::atoi(mib) : 1024;
    const char* only = std::getenv("VERITOME_MEASURE_ONLY");  // "two" or "all"
    const fs::path file = dir / "measured.bin";
    {
        std::string block(1 << 20, '\0');
        for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 131 + (i >> 9));
        std::ofstream f(file, std::ios::binary);
        for (int i = 0; i < size; ++i)
            f.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    cli("-a crc32 '" + file.string() + "' >/dev/null");  // into the page cache
    struct Case {
        const char* name;
        std::string cliArgs;
        bool all;
        int rounds;
    };
    const Case cases[] = {{"two", "-a crc32,md5", false, 3}, {"all", "--all", true, 1}};
    for (const Case& c : cases) {
        if (only && std::string(only) != c.name) continue;
        frame->handOff([&] {
            for (int i = static_cast<int>(Row::Crc32); i <= static_cast<int>(Row::Gost); ++i) {
                const Row row = static_cast<Row>(i);
                dialog->rowBox(row)->setChecked(c.all || row == Row::Crc32 || row == Row::Md5);
            }
        });
        double window = 1e9, terminal = 1e9;
        for (int round = 0; round < c.rounds; ++round) {
            terminal =
                std::min(terminal, secondsOf([&] { cli(c.cliArgs + " '" + file.string() + "'"); }));
            // From the drop to the end of the run, as the frame saw it end (the pointer's
            // move before the drop and the polling for the end are not the run's).
            dropMany({file});
            waitFor([&] { return dialog->isBusy(); }, 5000);
            waitFor([&] { return !dialog->isBusy(); }, 3600 * 1000);
            const std::chrono::steady_clock::time_point ended{
                std::chrono::steady_clock::duration{frame->endedAt.load()}};
            window = std::min(window, std::chrono::duration<double>(ended - droppedAt).count());
        }
        std::printf("%s, %d MiB: window %.3f s, veritome-cli %.3f s, window/cli %.3f\n",
                    c.all ? "all twelve" : "CRC32+MD5", size, window, terminal, window / terminal);
    }
}

// A download beside its SHA256SUMS, the code field empty: the list gives the code and SHA-256.
TEST_F(DialogWindow, VerifyFindsTheCodeInTheListBesideTheDownload) {
    const fs::path iso = dir / "release.iso";
    writeFile(iso, "abc");
    writeFile(dir / "SHA256SUMS",
              std::string(64, '0') + "  other.iso\n" + kAbcSha256 + "  release.iso\n");
    selectAction(1);
    drop(iso);
    const std::u16string source = u"  \u00b7  Code from:\u00a0SHA256SUMS";
    EXPECT_EQ(dialog->resultLine()->getText(), u"Perfect Match! (SHA-256)" + source);
    EXPECT_EQ(utf8(dialog->enteredField()->getText()),
              std::string("SHA256 (release.iso) = ") + kAbcSha256);
    EXPECT_EQ(takeMessages(), std::vector<std::u16string>{
                                  u"Perfect Match! (SHA-256)\r\nCode from:\u00a0SHA256SUMS"});
    // A code the user types is no longer the list's.
    click(dialog->enteredField());
    type("0");
    EXPECT_TRUE(waitFor([&] {
        return dialog->resultLine()->getText() == u"Perfect Match! (SHA-256)";
    })) << utf8(dialog->resultLine()->getText());
}

// Auto names the algorithm that matched and those tried; a code of no known form is refused.
TEST_F(DialogWindow, AutoNamesTheAlgorithmAndRefusesWhatIsNoCode) {
    const fs::path file = dir / "abc.txt";
    writeFile(file, "abc");
    selectAction(1);
    struct Case {
        const char* typed;
        std::u16string result;
        std::u16string message;
    } cases[] = {
        {"024d0127", u"Perfect Match! (Adler32)", u"Perfect Match! (Adler32)"},
        {"024d0128", u"Different! (Tried:\u00a0CRC32, Adler32)",
         u"Different! (Tried:\u00a0CRC32, Adler32)"},
        {"0x24d0127", u"Please Drop a File to Test.",
         u"Not a hash code: a code is 8, 32, 40, 64, 96 or 128 hexadecimal digits (0-9, a-f)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        frame->handOff([&] { dialog->enteredField()->setText(u"", false); });
        click(dialog->enteredField());
        type(c.typed);
        ASSERT_TRUE(waitFor([&] { return utf8(dialog->enteredField()->getText()) == c.typed; }));
        drop(file);
        EXPECT_EQ(dialog->resultLine()->getText(), c.result);
        EXPECT_EQ(takeMessages(), std::vector<std::u16string>{c.message});
    }
}

// A file dropped onto the code field gives its code; the next drop is compared with it.
TEST_F(DialogWindow, ComparesWithAFileDroppedOntoTheCodeField) {
    const fs::path reference = dir / "reference.bin";
    const fs::path copy = dir / "copy.bin";
    writeFile(reference, "abc");
    writeFile(copy, "abc");
    selectAction(1);
    dropOnto(dialog->enteredField(), reference);
    EXPECT_EQ(utf8(dialog->enteredField()->getText()),
              std::string("SHA256 (reference.bin) = ") + kAbcSha256);
    const std::u16string source = u"  \u00b7  Code of:\u00a0reference.bin";
    EXPECT_EQ(dialog->resultLine()->getText(), u"Please Drop a File to Test." + source);
    EXPECT_TRUE(takeMessages().empty());
    drop(copy);
    EXPECT_EQ(dialog->resultLine()->getText(), u"Perfect Match! (SHA-256)" + source);
    EXPECT_EQ(takeMessages(), std::vector<std::u16string>{
                                  u"Perfect Match! (SHA-256)\r\nCode of:\u00a0reference.bin"});
}

// After a change of the scale factor while the window is open, the page stands as at a start at
// the new factor: the page's margins, the groups' frames and the label column all follow.
TEST_F(DialogWindow, ScaleChangeLaysThePageOutAsAFreshStart) {
    namespace pw = platform::window;
    ASSERT_EQ(pw::scale(), 1.0);
    const pw::Handle window = frame->window()->getNativeWindow();
    const std::int32_t width = pw::screenRect(window).width;
    // Left-aligned widgets, from the window's corner: the window is not the same width.
    auto places = [&] {
        std::vector<pw::Point> out;
        const pw::Rect w = pw::screenRect(frame->window()->getNativeWindow());
        for (s::gui::IComponent* c : std::initializer_list<s::gui::IComponent*>{
                 dialog->rowBox(Row::Size), dialog->rowField(Row::FileName),
                 dialog->rowField(Row::Size), dialog->rowField(Row::Modified)}) {
            const pw::Rect r = pw::screenRect(c->getNativeWindow());
            out.push_back({r.x - w.x, r.y - w.y});
        }
        return out;
    };
    ASSERT_TRUE(pw::changeScale(2.0));
    ASSERT_TRUE(waitFor([&] { return pw::screenRect(window).width == 2 * width; }));
    const std::vector<pw::Point> live = places();
    close();
    open();
    const std::vector<pw::Point> fresh = places();
    ASSERT_TRUE(pw::changeScale(1.0));
    ASSERT_TRUE(waitFor([&] {
        return pw::screenRect(frame->window()->getNativeWindow()).width == width / 2;
    }));
    ASSERT_EQ(live.size(), fresh.size());
    for (std::size_t i = 0; i < live.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(live[i].x, fresh[i].x, 1);
        EXPECT_NEAR(live[i].y, fresh[i].y, 1);
    }
}

TEST(DialogAction, TheEarlierEnglishTextStillSelectsVerify) {
    Dialog* dialog = Dialog::create();
    EXPECT_EQ(dialog->actionOfStoredText(u"Veryfy Hash Code"), 1);
    EXPECT_EQ(dialog->actionOfStoredText(u"veryfy hash code"), 1);
    EXPECT_EQ(dialog->actionOfStoredText(u"Something else"), -1);
    dialog->release();
}

TEST(DialogAction, MatchTypeOfAStoredKey) {
    EXPECT_EQ(Dialog::matchTypePosition(u"Auto"), 0);
    EXPECT_EQ(Dialog::matchTypePosition(u"adler32"), 1);  // then the keys in alphabetical order
    EXPECT_EQ(Dialog::matchTypePosition(u"Sha2_512"), 12);
    EXPECT_EQ(Dialog::matchTypePosition(u"Md5"), 6);
    EXPECT_EQ(Dialog::matchTypePosition(u"Whirlpool"), 6);  // unknown: MD5
}

}  // namespace
}  // namespace dialog_testing
