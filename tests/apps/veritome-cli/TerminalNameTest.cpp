// Names printed on a terminal: control characters (8-bit ones included) and bidirectional
// overrides never reach it raw.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "ProgressLine.h"
#include "TerminalName.h"

namespace {

TEST(TerminalName, EscapesWhatATerminalWouldActOn) {
    struct Case {
        std::string name, shown;
        bool escaped;
    } cases[] = {
        {"plain name.txt", "plain name.txt", false},
        {"Grüße ✓.txt", "Grüße ✓.txt", false},
        {"a\\b\nc\rd", "a\\\\b\\nc\\rd", true},
        {"x\x1b[2K\x1b[1Ay: OK", "x\\x1b[2K\\x1b[1Ay: OK", true},
        {"bell\x07tab\tdel\x7f", "bell\\x07tab\\x09del\\x7f", true},
        {"c1\xc2\x9b"
         "31m",
         "c1\\xc2\\x9b31m", true},  // U+009B, the one-character CSI
        {"raw\x9b"
         "31m",
         "raw\\x9b31m", true},  // not UTF-8
        {"rlo\xe2\x80\xae"
         "txt",
         "rlo\\xe2\\x80\\xaetxt", true},        // U+202E
        {"cut\xe2\x80", "cut\xe2\\x80", true},  // a sequence cut short
        {"latin\xe9\xff", "latin\xe9\xff", false},
    };
    for (const Case& c : cases) {
        bool escaped = !c.escaped;
        EXPECT_EQ(cli::terminalName(c.name, &escaped), c.shown) << c.shown;
        EXPECT_EQ(escaped, c.escaped) << c.shown;
    }
    EXPECT_EQ(cli::terminalCheckLine("a\x1b"
                                     "b",
                                     "FAILED"),
              "\\a\\x1bb: FAILED");
    EXPECT_EQ(cli::terminalCheckLine("ab", "OK"), "ab: OK");
}

TEST(TerminalName, OnlyTheNameLineOfASummaryChanges) {
    const std::string summary = "Name: x\x1b\nMD5: 00\n";
    EXPECT_EQ(cli::withTerminalName(summary, "Name: ", "x\x1b"), "\\Name: x\\x1b\nMD5: 00\n");
    EXPECT_EQ(cli::withTerminalName("Code: Name: n\nName: n\n", "Name: ", "n"),
              "Code: Name: n\nName: n\n");
    EXPECT_EQ(cli::withTerminalName("Code: 1\nName: a\nb\n", "Name: ", "a\nb"),
              "Code: 1\n\\Name: a\\nb\n");
}

// The progress line shows a name only once a file takes longer than its delay.
TEST(TerminalName, TheProgressLineShowsNamesEscaped) {
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    cli::ProgressLine progress(out, true);
    progress.start(
        "n\x1b]0;title\x07\xc2\x9b"
        "2J\x9b");
    std::this_thread::sleep_for(std::chrono::milliseconds(cli::ProgressLine::kDelayMillis + 50));
    progress.update(50, 1 << 20, 2 << 20);
    std::rewind(out);
    std::string drawn;
    for (int c; (c = std::fgetc(out)) != EOF;) drawn += static_cast<char>(c);
    std::fclose(out);
    EXPECT_NE(drawn.find("n\\x1b]0;title\\x07\\xc2\\x9b2J\\x9b"), std::string::npos) << drawn;
    // The line's own "\r" and erase sequence are its only control characters.
    EXPECT_EQ(drawn.front(), '\r');
    EXPECT_EQ(drawn.substr(drawn.size() - 3), "\x1b[K");
    for (char c : drawn.substr(1, drawn.size() - 4)) {
        EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f)
            << static_cast<int>(static_cast<unsigned char>(c));
    }
}

}  // namespace
