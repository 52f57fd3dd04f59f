// The command line of the window program:
// veritome [--calculate | --verify] [--] [FILE] | --compare FILE OTHER | --help | --version.
#pragma once

#include <string>
#include <vector>

namespace veritome {

struct Arguments {
    enum class Mode { kRun, kHelp, kVersion, kError };
    // The action the window opens in (the file managers' "Compute hash codes" and "Verify");
    // kStored keeps the one the window showed last.
    enum class Action { kStored, kCalculate, kVerify };
    Mode mode = Mode::kRun;
    Action action = Action::kStored;
    std::string file;  // the file to process as if dropped; empty for none
    // --compare: file's code fills the entered code and this file is compared with it.
    std::string compareWith;
    bool compare = false;
    std::string error;  // what was wrong, for kError

    // Reads the arguments after the program name. "--" ends the options, so that a file whose
    // name begins with "-" can be given.
    static Arguments parse(const std::vector<std::string>& args);
    static const char* usage();
};

}  // namespace veritome
