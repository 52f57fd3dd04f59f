// Option parsing: GNU-style long options with "=" or a separate value, bundled short options,
// "--" and "-".
#include "CliOptions.h"

#include <cctype>
#include <cstring>

namespace cli {

namespace {

// Row keys in feeding order, then the usual names.
constexpr const char* kKeys[12] = {"crc32",      "md2",        "md4",      "md5",
                                   "sha2_160",   "sha2_256",   "sha2_384", "sha2_512",
                                   "ripemd_128", "ripemd_160", "adler32",  "gost"};
constexpr const char* kCommon[12] = {"crc32",     "md2",       "md4",     "md5",
                                     "sha1",      "sha256",    "sha384",  "sha512",
                                     "ripemd128", "ripemd160", "adler32", "gost"};
constexpr const char* kFacts[5] = {"filename", "size", "creation", "modified", "accessed"};
constexpr const char* kSizeTypes[4] = {"bytes", "kb", "mb", "auto"};

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::vector<std::string> splitList(const std::string& list) {
    std::vector<std::string> items;
    std::string item;
    for (char c : list + ",") {
        if (c == ',') {
            if (!item.empty()) items.push_back(item);
            item.clear();
        } else if (c != ' ') {
            item += c;
        }
    }
    return items;
}

int indexIn(const char* const* names, int count, const std::string& name) {
    std::string wanted = lower(name);
    for (int i = 0; i < count; ++i) {
        if (wanted == names[i]) return i;
    }
    return -1;
}

}  // namespace

int algorithmByName(const std::string& name) {
    int i = indexIn(kKeys, 12, name);
    return i >= 0 ? i : indexIn(kCommon, 12, name);
}

ParseResult parseOptions(const std::vector<std::string>& args) {
    ParseResult result;
    CliOptions& o = result.options;
    o.algorithms[0] = o.algorithms[3] = true;                  // CRC32, MD5
    o.facts[0] = o.facts[1] = o.facts[3] = o.facts[4] = true;  // name, size, modified, accessed
    bool algorithmsChosen = false;
    bool optionsEnded = false;
    int printed = -1;  // --print KEY

    auto fail = [&](std::string error) {
        result.ok = false;
        result.error = std::move(error);
        return result;
    };

    // One option with its value ("--name=value", "-aVALUE") or none; i is the argument it came
    // from, a value may be taken from the next. The error, or empty.
    auto apply = [&](const std::string& name, bool hasValue, std::string value,
                     std::size_t& i) -> std::string {
        auto takeValue = [&]() -> bool {
            if (hasValue) return true;
            if (i + 1 >= args.size()) return false;
            value = args[++i];
            return true;
        };
        const bool takesValue = name == "-a" || name == "--algorithms" || name == "--fields" ||
                                name == "--size-type" || name == "--verify" || name == "--type" ||
                                name == "--print" || name == "--lang" || name == "--check";
        if (hasValue && !takesValue) return "option '" + name + "' takes no value";
        if (name == "-h" || name == "--help") {
            o.mode = Mode::Help;
        } else if (name == "--version") {
            o.mode = Mode::Version;
        } else if (name == "--all") {
            for (bool& a : o.algorithms) a = true;
            algorithmsChosen = true;
        } else if (name == "--no-comma") {
            o.comma = false;
        } else if (name == "-a" || name == "--algorithms") {
            if (!takeValue()) return "option '" + name + "' needs a list of algorithms";
            if (!algorithmsChosen) {
                for (bool& a : o.algorithms) a = false;
                algorithmsChosen = true;
            }
            for (const std::string& item : splitList(value)) {
                int a = algorithmByName(item);
                if (a < 0) return "unknown algorithm '" + item + "'";
                o.algorithms[a] = true;
            }
        } else if (name == "--fields") {
            if (!takeValue()) return "option '--fields' needs a list of fields";
            for (bool& f : o.facts) f = false;
            for (const std::string& item : splitList(value)) {
                int f = indexIn(kFacts, 5, item);
                if (f < 0) return "unknown field '" + item + "'";
                o.facts[f] = true;
            }
        } else if (name == "--size-type") {
            if (!takeValue()) return "option '--size-type' needs Bytes, KB, MB or Auto";
            o.sizeType = indexIn(kSizeTypes, 4, value);
            if (o.sizeType < 0) return "unknown size type '" + value + "'";
        } else if (name == "--verify") {
            if (!takeValue()) return "option '--verify' needs a code";
            o.mode = Mode::Verify;
            o.code = value;
            o.codeGiven = true;
        } else if (name == "--type" || name == "--print") {
            if (!takeValue()) return "option '" + name + "' needs an algorithm";
            o.algorithm = algorithmByName(value);
            if (o.algorithm < 0) return "unknown algorithm '" + value + "'";
            if (name == "--print") {
                if (o.mode != Mode::Check) o.mode = Mode::Print;
                printed = o.algorithm;
            }
        } else if (name == "-c" || name == "--check") {
            o.mode = Mode::Check;
            if (hasValue) o.files.push_back(value);
        } else if (name == "--tag") {
            o.tag = true;
            if (o.mode == Mode::Calculate) o.mode = Mode::Print;
        } else if (name == "-r" || name == "--recursive") {
            o.recursive = true;
        } else if (name == "--quiet") {
            o.quiet = true;
        } else if (name == "--status") {
            o.statusOnly = true;
        } else if (name == "--strict") {
            o.strict = true;
        } else if (name == "-w" || name == "--warn") {
            o.warn = true;
        } else if (name == "--ignore-missing") {
            o.ignoreMissing = true;
        } else if (name == "--lang") {
            if (!takeValue()) return "option '--lang' needs a language name";
            o.language = value;
        } else {
            return "unknown option '" + name + "'";
        }
        return {};
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            o.files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        // "--name=value"; a bundle of short options such as "-wc" or "-rasha256" is taken
        // apart as getopt does: flags one by one, and "-a" takes the rest of the bundle (or
        // the next argument) as its value.
        std::string name = arg, value;
        bool hasValue = false;
        if (arg.rfind("--", 0) == 0) {
            std::size_t eq = arg.find('=');
            if (eq != std::string::npos) {
                name = arg.substr(0, eq);
                value = arg.substr(eq + 1);
                hasValue = true;
            }
        } else if (arg.size() > 2) {
            std::size_t k = 1;
            for (; k < arg.size() && arg[k] != 0 && std::strchr("chrw", arg[k]); ++k) {
                std::string error = apply(std::string("-") + arg[k], false, "", i);
                if (!error.empty()) return fail(error);
            }
            if (k == arg.size()) continue;
            if (arg[k] != 'a') {
                return fail("unknown option '-" + std::string(1, arg[k]) + "' in '" + arg + "'");
            }
            name = "-a";
            value = arg.substr(k + 1);
            hasValue = !value.empty();
        }
        std::string error = apply(name, hasValue, value, i);
        if (!error.empty()) return fail(error);
    }

    if (o.mode == Mode::Print && printed >= 0) {
        for (bool& a : o.algorithms) a = false;
        o.algorithms[printed] = true;
    }
    if (o.mode == Mode::Check) {
        if (o.algorithm < 0 && algorithmsChosen) {
            int chosen = 0;
            for (int a = 0; a < 12; ++a) {
                if (o.algorithms[a]) o.algorithm = a, ++chosen;
            }
            if (chosen != 1) return fail("--check takes one algorithm (--type KEY)");
        }
        if (o.files.empty()) o.files.push_back("-");
    }
    bool needsFiles = o.mode == Mode::Calculate || o.mode == Mode::Verify || o.mode == Mode::Print;
    if (needsFiles && o.files.empty()) return fail("no file given");
    result.ok = true;
    return result;
}

const char* usageText() {
    return "Usage: veritome-cli [OPTION]... FILE...\n"
           "Computes the hash codes of files, or verifies a file against a known code.\n"
           "FILE '-' reads standard input (codes only).\n"
           "\n"
           "  -a, --algorithms LIST  algorithms, separated by commas: Crc32, Md2, Md4, Md5,\n"
           "                         Sha2_160, Sha2_256, Sha2_384, Sha2_512, Ripemd_128,\n"
           "                         Ripemd_160, Adler32, Gost (or crc32, md5, sha1, sha256,\n"
           "                         sha384, sha512, ripemd160, ripemd128, adler32, gost,\n"
           "                         md2, md4); default Crc32,Md5\n"
           "      --all              all twelve algorithms\n"
           "      --fields LIST      facts to show: FileName, Size, Creation, Modified,\n"
           "                         Accessed; default FileName,Size,Modified,Accessed\n"
           "      --size-type TYPE   Bytes (default), KB, MB or Auto\n"
           "      --no-comma         sizes without thousands separators\n"
           "      --verify CODE [--type KEY] FILE\n"
           "                         compare FILE's code of algorithm KEY with CODE (without\n"
           "                         --type, of every algorithm whose codes are as long);\n"
           "                         exit status 0 on a match, 1 when different\n"
           "      --print KEY        print 'HEX  NAME' lines of algorithm KEY\n"
           "      --tag              print 'ALGO (NAME) = HEX' lines of the chosen algorithms\n"
           "  -r, --recursive        hash the files in folders and their subfolders, in name\n"
           "                         order (links to folders are not followed)\n"
           "  -c, --check [SUMFILE]...\n"
           "                         check the files listed in the SUMFILEs (standard input\n"
           "                         when none) in lines 'HEX  NAME', 'HEX *NAME' or\n"
           "                         'ALGO (NAME) = HEX'. The algorithm of a line is its\n"
           "                         ALGO tag, else --type KEY (or -a KEY), else the\n"
           "                         length of HEX: 8 digits CRC32, 32 MD5, 40 SHA-1,\n"
           "                         64 SHA-256, 96 SHA-384, 128 SHA-512\n"
           "      --quiet            check: do not print OK for each verified file\n"
           "      --status           check: print nothing; the exit status tells\n"
           "      --strict           check: fail on improperly formatted lines\n"
           "  -w, --warn             check: warn about improperly formatted lines\n"
           "      --ignore-missing   check: skip listed files that do not exist\n"
           "      --lang NAME        language of the texts, by English name (e.g. German)\n"
           "  -h, --help             show this help\n"
           "      --version          show the version\n"
           "\n"
           "Exit status: 0 success, 1 a code differed, 2 trouble (a file could not be\n"
           "read or written, a bad option), 130 interrupted, 143 terminated.\n";
}

}  // namespace cli
