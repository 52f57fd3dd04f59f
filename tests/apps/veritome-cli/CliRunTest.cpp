// The terminal front end as a user runs it: outputs, messages and exit statuses.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class CliRun : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("cli-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    void write(const std::string& name, const std::string& content) {
        std::ofstream(dir_ / name, std::ios::binary) << content;
    }
    // Runs a shell command line in the test folder; $CLI is the program, in English.
    Outcome sh(const std::string& command) {
        std::string line = "cd '" + dir_.string() +
                           "' && CLI='" VERITOME_CLI
                           "' && export LANGUAGE= LC_ALL=C.UTF-8 TZ=UTC0 && { " +
                           command + "; } >'" + (dir_ / ".out").string() + "' 2>'" +
                           (dir_ / ".err").string() + "'";
        int raw = std::system(line.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(dir_ / ".out"), slurp(dir_ / ".err")};
    }
    fs::path dir_;
};

const std::string nb = "\u00a0";

TEST_F(CliRun, CalculatePrintsTheSummaryOfEachFile) {
    write("abc.txt", "abc");
    write("empty", "");
    Outcome r = sh("$CLI --lang English --fields FileName,Size abc.txt empty");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "File Name:" + nb + "abc.txt\nSize:" + nb + "3 Bytes\nCRC32:" + nb +
                         "352441c2\nMD5:" + nb + "900150983cd24fb0d6963f7d28e17f72\n\n" +
                         "File Name:" + nb + "empty\nSize:" + nb + "0 Bytes\nCRC32:" + nb +
                         "00000000\nMD5:" + nb + "d41d8cd98f00b204e9800998ecf8427e\n");
    EXPECT_EQ(r.err, "");

    write("big", std::string(1234567, 'z'));
    r = sh("$CLI --lang English -a adler32 --fields Size --size-type Auto big");
    EXPECT_EQ(r.out.rfind("Size:" + nb + "1.17 MB\nAdler32:" + nb, 0), 0u) << r.out;
}

TEST_F(CliRun, BadFilesAreReportedAndTheRestStillRuns) {
    write("good", "abc");
    fs::create_directories(dir_ / "folder");
    Outcome r = sh("$CLI --lang English --fields FileName missing folder /dev/null good");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("missing: No such file or directory"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("folder: Is a directory"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("/dev/null: Not a regular file"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "File Name:" + nb + "good\nCRC32:" + nb + "352441c2\nMD5:" + nb +
                         "900150983cd24fb0d6963f7d28e17f72\n");
}

TEST_F(CliRun, VerifyExitStatuses) {
    write("abc.txt", "abc");
    struct Case {
        std::string code;
        int status;
        std::string verdict;
        const char* type;
    } cases[] = {{"900150983CD24FB0D6963F7D28E17F72", 0, "Perfect Match!", " --type Md5"},
                 {" 900150983cd24fb0d6963f7d28e17f72  abc.txt\r\n", 0, "Perfect Match!",
                  " --type Md5"},
                 {"900150983cd24fb0d6963f7d28e17f73", 1, "Different!", " --type Md5"},
                 {"", 2, "Please Enter the Hash Code to Compare!", " --type Md5"},
                 // Without --type the code's length chooses: Adler32 is the second of 8 digits.
                 {"024D0127", 0, "Perfect Match! (Adler32)", ""},
                 {"024d0128", 1, "Different! (Tried:" + nb + "CRC32, Adler32)", ""},
                 {"0x352441c2", 2, "Not a hash code", ""}};
    for (const Case& c : cases) {
        Outcome r = sh("$CLI --lang English --verify \"$(printf '" + c.code + "')\"" + c.type +
                       " abc.txt");
        EXPECT_EQ(r.status, c.status) << c.code;
        EXPECT_NE((r.out + r.err).find(c.verdict), std::string::npos) << r.out << r.err;
    }
    Outcome r = sh("$CLI --lang English --verify 352441c2 --type crc32 abc.txt");
    EXPECT_EQ(r.out.rfind("Enter Hash Code to Match:" + nb + "352441c2\nHash Code:" + nb +
                              "352441c2\nResult:" + nb + "Perfect Match!\nFile Name:" + nb +
                              "abc.txt\nSize:" + nb + "3 Bytes\n",
                          0),
              0u)
        << r.out;
}

TEST_F(CliRun, PrintAndCheckAgreeWithTheUsualTools) {
    write("a.txt", "abc");
    write("b b.txt", std::string(70000, 'b'));
    write(std::string("\xff\xfe-not-utf8.bin"), "bytes");
    Outcome r =
        sh("$CLI --print Sha2_256 a.txt 'b b.txt' $(printf '\\377\\376')-not-utf8.bin"
           " | sha256sum -c -");
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("\xff\xfe-not-utf8.bin: OK"), std::string::npos) << r.out;

    r = sh("sha256sum a.txt 'b b.txt' > sums && md5sum --tag a.txt >> sums && $CLI -c sums");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "a.txt: OK\nb b.txt: OK\na.txt: OK\n");

    write("a.txt", "abd");
    r = sh("$CLI --check sums");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "a.txt: FAILED\nb b.txt: OK\na.txt: FAILED\n");
    EXPECT_NE(r.err.find("2 computed checksums did NOT match"), std::string::npos) << r.err;
}

TEST_F(CliRun, StandardInputGivesCodesOnly) {
    Outcome r = sh("printf abc | $CLI --lang English -a md5,sha1 -");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "MD5:" + nb + "900150983cd24fb0d6963f7d28e17f72\nSHA-1:" + nb +
                         "a9993e364706816aba3e25717850c26c9cd0d89d\n");
}

TEST_F(CliRun, FilesAboveFourGibibytes) {
    // A sparse file of 4 GiB + 5 bytes, read once by each tool: our CRC-32 and MD5 must equal
    // rhash's (or md5sum's when rhash is not there).
#if !defined(NDEBUG) || defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "4 GiB take minutes without optimisation";
#endif
    Outcome r = sh("truncate -s 4294967296 big && printf tail >> big && printf x >> big");
    ASSERT_EQ(r.status, 0);
    r = sh("$CLI --lang English --fields '' -a crc32,md5 big");
    ASSERT_EQ(r.status, 0) << r.err;
    std::string ours = r.out;
    bool haveRhash = std::system("command -v rhash >/dev/null") == 0;
    r = sh(haveRhash ? "rhash --crc32 --md5 --printf='CRC32:\u00a0%c\\nMD5:\u00a0%m\\n' big"
                     : "md5sum big");
    ASSERT_EQ(r.status, 0) << r.err;
    if (haveRhash) {
        EXPECT_EQ(ours, r.out);
    } else {
        EXPECT_NE(ours.find(r.out.substr(0, 32)), std::string::npos);
    }
}

// Starts the program with these arguments, standard input from inFd (-1: the test's own) and
// standard output to /dev/null, and waits until it catches signal (SigCgt in its status).
pid_t startCatching(std::vector<std::string> args, int inFd, int signal) {
    std::vector<char*> argv{const_cast<char*>(VERITOME_CLI)};
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (inFd >= 0) posix_spawn_file_actions_adddup2(&actions, inFd, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawn(&pid, VERITOME_CLI, &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    unsigned long long mask = 0;
    for (int tries = 0; pid > 0 && tries < 6000 && !(mask >> (signal - 1) & 1); ++tries) {
        std::string status = slurp("/proc/" + std::to_string(pid) + "/status");
        std::size_t at = status.find("SigCgt:");
        if (at != std::string::npos) mask = std::stoull(status.substr(at + 7), nullptr, 16);
        if (!(mask >> (signal - 1) & 1)) ::usleep(5000);
    }
    return pid;
}

// The exit status of pid after signal; -1 when a signal ended it instead of its handler, or
// when it went on for 60 s (it is then killed).
int statusAfter(pid_t pid, int signal) {
    ::kill(pid, signal);
    int raw = 0;
    for (int tries = 0; tries < 12000; ++tries) {
        if (::waitpid(pid, &raw, WNOHANG) == pid) return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        ::usleep(5000);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &raw, 0);
    return -1;
}

// The program's own handler must end it: a process killed by the signal would give the
// shell the same number, so the test waits for the handler and checks that it exited.
TEST_F(CliRun, SignalsCancelAndExitThroughTheHandler) {
    ASSERT_EQ(sh("truncate -s 2G big").status, 0);
    for (auto [signal, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        pid_t pid = startCatching({"--all", (dir_ / "big").string()}, -1, signal);
        ASSERT_GT(pid, 0);
        EXPECT_EQ(statusAfter(pid, signal), status);
    }
}

// A read of standard input that waits for data (a terminal, a pipe nobody writes to) still
// ends on Ctrl-C or SIGTERM, whether it reads a list or the data to hash.
TEST_F(CliRun, SignalsEndAWaitForStandardInput) {
    for (auto [signal, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        for (std::vector<std::string> args :
             {std::vector<std::string>{"-c", "-"}, {"--print", "md5", "-"}, {"-"}}) {
            int pipe[2];
            ASSERT_EQ(::pipe(pipe), 0);
            pid_t pid = startCatching(args, pipe[0], signal);
            ::close(pipe[0]);
            ASSERT_GT(pid, 0);
            EXPECT_EQ(statusAfter(pid, signal), status) << args[0] << " " << signal;
            ::close(pipe[1]);
        }
    }
}

// A list line longer than any real one is skipped as improperly formatted, never kept whole:
// an endless stream of zeros reads in little memory until Ctrl-C.
TEST_F(CliRun, OverlongListLinesAreSkipped) {
    write("a.txt", "abc");
    const std::string longName(70000, 'n');
    write("sums", "900150983cd24fb0d6963f7d28e17f72  " + longName +
                      "\n900150983cd24fb0d6963f7d28e17f72  a.txt\n");
    Outcome r = sh("$CLI -w -c sums");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "a.txt: OK\n");
    EXPECT_NE(r.err.find("sums: 1: improperly formatted checksum line"), std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("1 line is improperly formatted"), std::string::npos) << r.err;

    int zeros = ::open("/dev/zero", O_RDONLY);
    ASSERT_GE(zeros, 0);
    pid_t pid = startCatching({"-c", "-"}, zeros, SIGINT);
    ::close(zeros);
    ASSERT_GT(pid, 0);
    auto field = [&](const std::string& file, const std::string& name) {
        std::string text = slurp("/proc/" + std::to_string(pid) + "/" + file);
        std::size_t at = text.find(name);
        return at == std::string::npos ? 0ull : std::stoull(text.substr(at + name.size()));
    };
    // 1 GiB read, in lines far above the bound.
    for (int tries = 0; tries < 6000 && field("io", "rchar:") < (1ull << 30); ++tries) {
        ::usleep(5000);
    }
    EXPECT_GE(field("io", "rchar:"), 1ull << 30);
    EXPECT_LT(field("status", "VmHWM:"), 400ull * 1024) << "kB at the peak";
    EXPECT_EQ(statusAfter(pid, SIGINT), 130);
}

TEST_F(CliRun, FailuresAreNeverSuccess) {
    write("f", "abc");
    struct Case {
        std::string command, message;
    } cases[] = {
        {"$CLI -a md5 /proc/self/mem", "mem: Input/output error"},  // read error, not the end
        {"$CLI --print Sha2_256 f >/dev/full", "write error: No space left on device"},
        {"$CLI --help >/dev/full", ""},
        {"mkfifo fifo && $CLI --print md5 fifo", "fifo: Not a regular file"},
    };
    for (const Case& c : cases) {
        Outcome r = sh(c.command);
        EXPECT_EQ(r.status, 2) << c.command;
        if (!c.message.empty()) {
            EXPECT_NE(r.err.find(c.message), std::string::npos) << c.command << ": " << r.err;
        }
        EXPECT_EQ(r.out, "") << c.command;
    }
}

TEST_F(CliRun, StandardInputIsReadThroughItsOwnDescriptor) {
    write("abc.txt", "abc");
    // A redirected file is read from where its offset stands: "c".
    Outcome r = sh("{ dd bs=1 count=2 of=/dev/null 2>/dev/null; $CLI --print md5 -; } < abc.txt");
    EXPECT_EQ(r.out, "4a8a08f09d37b73795649038408b5f33  -\n") << r.err;
    // A socket cannot be reopened by name; its descriptor still reads.
    int pair[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    ASSERT_EQ(::write(pair[1], "abc", 3), 3);
    ::shutdown(pair[1], SHUT_WR);
    pid_t pid = 0;
    std::string outPath = (dir_ / "sock.out").string();
    char* argv[] = {const_cast<char*>(VERITOME_CLI), const_cast<char*>("--print"),
                    const_cast<char*>("md5"), const_cast<char*>("-"), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pair[0], 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_EQ(posix_spawn(&pid, VERITOME_CLI, &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pair[0]);
    ::close(pair[1]);
    int raw = 0;
    ASSERT_EQ(::waitpid(pid, &raw, 0), pid);
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0);
    EXPECT_EQ(slurp(outPath), "900150983cd24fb0d6963f7d28e17f72  -\n");
}

TEST_F(CliRun, CheckWorksForEveryAlgorithm) {
    write("data", std::string(3000, 'd'));
    const char* keys[] = {"Crc32",      "Md2",        "Md4",      "Md5",
                          "Sha2_160",   "Sha2_256",   "Sha2_384", "Sha2_512",
                          "Ripemd_128", "Ripemd_160", "Adler32",  "Gost"};
    for (const char* key : keys) {
        std::string k = key;
        Outcome r = sh("$CLI --print " + k + " data | $CLI -c --type " + k + " && $CLI --tag -a " +
                       k + " data | $CLI -c && $CLI --print " + k + " data | $CLI -c -a " + k);
        EXPECT_EQ(r.status, 0) << key << ": " << r.err;
        EXPECT_EQ(r.out, "data: OK\ndata: OK\ndata: OK\n") << key;
    }
    // Several algorithms in one pass, as tagged lines.
    Outcome r = sh("$CLI --tag -a sha256,md5,gost data");
    EXPECT_EQ(r.out.rfind("MD5 (data) = ", 0), 0u) << r.out;  // feeding order
    EXPECT_NE(r.out.find("\nSHA256 (data) = "), std::string::npos);
    EXPECT_NE(r.out.find("\nGOST (data) = "), std::string::npos);
}

TEST_F(CliRun, CheckOptionsOfTheUsualTools) {
    const std::string abc = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
    write("a", "abc");
    write("b", "abd");
    write("sums", abc + "  a\n" + abc + "  b\n");
    write("one", abc + "  a\njunk\n");
    write("gone", abc + "  a\n" + abc + "  b\n" + abc + "  missing\n");
    struct Case {
        std::string args;
        int status;
        std::string out, errPart;
    } cases[] = {
        {"-c sums", 1, "a: OK\nb: FAILED\n", ""},
        {"-c --quiet sums", 1, "b: FAILED\n", "1 computed checksum did NOT match"},
        {"-c --status sums", 1, "", ""},
        {"-c one", 0, "a: OK\n", "1 line is improperly formatted"},
        {"-c --strict one", 1, "a: OK\n", ""},
        {"-c -w one", 0, "a: OK\n", "one: 2: improperly formatted checksum line"},
        {"-c --ignore-missing --quiet gone", 1, "b: FAILED\n", ""},
        {"-c one sums", 1, "a: OK\na: OK\nb: FAILED\n", ""},
    };
    for (const Case& c : cases) {
        Outcome r = sh("$CLI " + c.args);
        EXPECT_EQ(r.status, c.status) << c.args << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args;
        EXPECT_NE(r.err.find(c.errPart), std::string::npos) << c.args << ": " << r.err;
        if (c.args.find("--status") != std::string::npos) {
            EXPECT_EQ(r.err, "");
        }
        if (c.args.find("ignore") != std::string::npos) {
            EXPECT_EQ(r.err.find("missing"), std::string::npos) << r.err;
        }
    }
}

TEST_F(CliRun, RecursiveInNameOrderWithoutFollowingFolderLinks) {
    ASSERT_EQ(sh("mkdir -p t/b t/a/z && printf 1 > t/b/f && printf 2 > t/a/z/g && printf 3 > t/a/y"
                 " && printf 4 > t/c && ln -s ../b t/a/link && ln -s c t/d")
                  .status,
              0);
    Outcome r = sh("$CLI -r --print crc32 t | sed 's/^[0-9a-f]*  //'");
    EXPECT_EQ(r.out, "t/a/y\nt/a/z/g\nt/b/f\nt/c\nt/d\n") << r.err;
    // The same as sha256sum of the list, in the same order, for many files at once.
    std::string make =
        "mkdir many && for i in $(seq 1 40); do head -c $((i * 997)) /dev/urandom"
        " > many/f$i; done";
    ASSERT_EQ(sh(make).status, 0);
    r =
        sh("$CLI -r --print sha256 many > ours && find many -type f | LC_ALL=C sort | "
           "xargs sha256sum > theirs && cmp ours theirs");
    EXPECT_EQ(r.status, 0) << r.out << r.err;
}

TEST_F(CliRun, NamesWithLineEndsAndBackslashesAreEscapedEverywhere) {
    ASSERT_EQ(sh("printf abc > \"$(printf 'a\\nb\\\\c')\"").status, 0);
    std::string name = "\"$(printf 'a\\nb\\\\c')\"";
    Outcome r = sh("$CLI --print md5 " + name);
    EXPECT_EQ(r.out, "\\900150983cd24fb0d6963f7d28e17f72  a\\nb\\\\c\n");
    r = sh("$CLI --tag -a md5 " + name + " | tee sums && $CLI -c sums");
    EXPECT_EQ(r.out, "\\MD5 (a\\nb\\\\c) = 900150983cd24fb0d6963f7d28e17f72\n\\a\\nb\\\\c: OK\n");
    r = sh("$CLI --lang English --fields FileName -a md5 " + name);
    EXPECT_EQ(r.out.rfind("\\File Name:" + nb + "a\\nb\\\\c\nMD5:", 0), 0u) << r.out;
    r = sh("$CLI --print md5 " + name + "x");
    EXPECT_NE(r.err.find("a\\nb\\\\cx: No such file"), std::string::npos) << r.err;
}

// A crafted list must not make a failed file look like "name: OK": names reach the terminal
// with their control characters escaped, in check lines and in messages alike.
TEST_F(CliRun, ControlCharactersInNamesAreShownEscaped) {
    const std::string name = "\"$(printf 'x\\033[1A\\033[2Ky: OK')\"";
    ASSERT_EQ(sh("printf abc > " + name +
                 " && printf '%s  %s\\n' "
                 "00000000000000000000000000000000 " +
                 name + " > sums")
                  .status,
              0);
    Outcome r = sh("$CLI -c sums");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "\\x\\x1b[1A\\x1b[2Ky: OK: FAILED\n");
    r = sh("$CLI -a md5 \"$(printf 'gone\\033]0;t\\007')\"");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("gone\\x1b]0;t\\x07: No such file"), std::string::npos) << r.err;
    r = sh("$CLI --lang English --fields FileName -a md5 " + name);
    EXPECT_EQ(r.out.rfind("\\File Name:" + nb + "x\\x1b[1A\\x1b[2Ky: OK\nMD5:", 0), 0u) << r.out;
}

}  // namespace
