// Reading the window program's command line.
#include "Arguments.h"

namespace veritome {

Arguments Arguments::parse(const std::vector<std::string>& args) {
    Arguments out;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            if (arg == "--help" || arg == "-h") {
                out.mode = Mode::kHelp;
                return out;
            }
            if (arg == "--version") {
                out.mode = Mode::kVersion;
                return out;
            }
            if (arg == "--compare") {
                out.compare = true;
                continue;
            }
            const Action action = arg == "--calculate" ? Action::kCalculate
                                  : arg == "--verify"  ? Action::kVerify
                                                       : Action::kStored;
            if (action != Action::kStored) {
                if (out.action != Action::kStored && out.action != action) {
                    out.mode = Mode::kError;
                    out.error = "--calculate and --verify exclude each other";
                    return out;
                }
                out.action = action;
                continue;
            }
            out.mode = Mode::kError;
            out.error = "unknown option '" + arg + "'";
            return out;
        }
        if (!out.file.empty() && out.compare && out.compareWith.empty() && !arg.empty()) {
            out.compareWith = arg;
            continue;
        }
        if (!out.file.empty()) {
            out.mode = Mode::kError;
            out.error = "only one FILE can be given";
            return out;
        }
        if (arg.empty()) {
            out.mode = Mode::kError;
            out.error = "the FILE name is empty";
            return out;
        }
        out.file = arg;
    }
    if (out.compare) {
        if (out.action == Action::kCalculate) {
            out.mode = Mode::kError;
            out.error = "--compare verifies; it excludes --calculate";
        } else if (out.compareWith.empty()) {
            out.mode = Mode::kError;
            out.error = "--compare needs two files";
        }
        out.action = Action::kVerify;
    }
    return out;
}

const char* Arguments::usage() {
    return "Usage: veritome [--calculate | --verify] [--] [FILE]\n"
           "       veritome --compare FILE OTHER\n"
           "       veritome --help | --version\n"
           "Opens the window that computes the hash codes of a dropped file and verifies a file\n"
           "against a code. A FILE given here is processed as if it had been dropped on the\n"
           "window. When the window is already open, it is brought to the front and takes the\n"
           "FILE instead.\n"
           "\n"
           "  --calculate  open in the calculate action (the codes of the ticked algorithms)\n"
           "  --verify     open in the verify action (FILE's code compared with the entered\n"
           "               one)\n"
           "  --compare    open in the verify action with FILE's code as the code to match\n"
           "               (SHA-256 under Auto) and compare OTHER with it\n"
           "  --help       show this text and exit\n"
           "  --version    show the version and exit\n"
           "\n"
           "The window needs a display; veritome-cli computes and checks codes in a terminal.\n"
           "Settings are kept in $XDG_CONFIG_HOME/veritome/registry.db (~/.config when unset).\n";
}

}  // namespace veritome
