// File names made safe to print on a terminal: what a crafted name holds must never act as a
// terminal command (moving the cursor, rewriting a line, changing the title) or pass for
// another line of output.
#pragma once

#include <string>

namespace cli {

// The name as the check mode and the messages print it. A backslash, line feed and carriage
// return become "\\", "\n" and "\r" as in checksum lists; every other control character (C0,
// DEL, C1), the bidirectional overrides and isolates, and each byte 0x80..0x9F that is not part
// of valid UTF-8 (a control of 8-bit terminals) become "\xHH" per byte; other bytes that are
// not UTF-8 stay raw, as the usual tools print them. *escaped tells the caller to start its line
// with a backslash, so that a shown "\n" cannot be taken for the two characters of a real name.
std::string terminalName(const std::string& name, bool* escaped);

// "NAME: WORD" of the check mode with the name made safe, led by a backslash when escaped.
std::string terminalCheckLine(const std::string& name, const char* word);

// A summary with its "LABEL NAME" line made safe (led by a backslash when escaped); the other
// lines are the program's own texts and stay as they are.
std::string withTerminalName(const std::string& summary, const std::string& label,
                             const std::string& name);

}  // namespace cli
