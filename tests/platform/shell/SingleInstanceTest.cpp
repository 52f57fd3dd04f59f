// The single-instance socket: hand-over with an absolute path, two starts at once, a first
// instance that does not answer or does not take the request, a peer that sends nothing, another
// user on either end, the socket folder, display names, and a start after the first instance was
// killed with SIGKILL. Subprocesses are this test program run in child mode.
#include "platform/shell/SingleInstance.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

extern char** environ;

namespace {

using platform::shell::SingleInstance;
using Outcome = SingleInstance::Outcome;
using namespace std::chrono_literals;

// The tests' own runtime folder (children inherit it).
std::string runtimeFolder() {
    static const std::string folder = [] {
        std::string f = "/tmp/veritome-si-" + std::to_string(::getpid());
        ::mkdir(f.c_str(), 0700);
        ::setenv("XDG_RUNTIME_DIR", f.c_str(), 1);
        return f;
    }();
    return folder;
}

std::string uniqueName(const char* what) {
    runtimeFolder();
    return std::string("t-") + what;
}

std::string socketPath(const std::string& name) {
    return SingleInstance::folder() + "/" + name + ".socket";
}

socklen_t addressOf(const std::string& name, sockaddr_un* address) {
    *address = sockaddr_un{};
    address->sun_family = AF_UNIX;
    const std::string path = socketPath(name);
    std::memcpy(address->sun_path, path.data(), path.size());
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size() + 1);
}

// Received requests, for the first instance's callback.
struct Inbox {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::string> files;
    SingleInstance::Callback callback() {
        return [this](const std::string& file) {
            std::lock_guard<std::mutex> lock(mutex);
            files.push_back(file);
            changed.notify_all();
            return true;
        };
    }
    std::vector<std::string> snapshot() {
        std::lock_guard<std::mutex> lock(mutex);
        return files;
    }
};

// Runs this program in child mode: APP_INSTANCE_CHILD=<mode>:<name>. stdout is a pipe whose
// read end is returned in *out.
pid_t spawnChild(const std::string& mode, const std::string& name, int* out) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    env.push_back("APP_INSTANCE_CHILD=" + mode + ":" + name);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string self = "/proc/self/exe";
    std::string filter = "--gtest_filter=SingleInstanceChild.*";
    char* argv[] = {self.data(), filter.data(), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, argv, envp.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    *out = pipeFds[0];
    return pid;
}

// Reads lines until one equals want (the child's test runner prints its own lines first);
// false at the end of the output.
bool waitForLine(int fd, const std::string& want) {
    std::string line;
    char c;
    while (::read(fd, &c, 1) == 1) {
        if (c != '\n') {
            line += c;
        } else if (line == want) {
            return true;
        } else {
            line.clear();
        }
    }
    return false;
}

// Kills and reaps a child however the test ends.
struct ChildGuard {
    pid_t pid;
    int out;
    ~ChildGuard() {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        if (out >= 0) ::close(out);
    }
};

// Child mode: "first" becomes the instance, says "ready" and waits to be killed; "nobody"
// drops to another user and tries to hand over, exiting with the outcome's number; "squatter"
// takes the lock and the socket of the name, drops to another user before it listens (its
// credentials are the listener's), says "ready" and answers "OK" to whatever comes.
TEST(SingleInstanceChild, Run) {
    const char* request = std::getenv("APP_INSTANCE_CHILD");
    if (!request) GTEST_SKIP() << "child mode only";
    const std::string s = request;
    const std::string mode = s.substr(0, s.find(':'));
    const std::string name = s.substr(s.find(':') + 1);
    if (mode == "first") {
        SingleInstance instance;
        if (instance.start(name, "", [](const std::string&) { return true; }) != Outcome::kFirst) {
            _exit(3);
        }
        std::printf("ready\n");
        std::fflush(stdout);
        for (;;) ::pause();
    }
    if (mode == "nobody") {
        passwd* nobody = ::getpwnam("nobody");
        if (!nobody || ::setuid(nobody->pw_uid) != 0) _exit(4);
        SingleInstance instance;
        _exit(static_cast<int>(instance.start(name, "x", nullptr, 2000ms)));
    }
    if (mode == "squatter") {
        const std::string folder = SingleInstance::folder();
        const int lock = ::open((folder + "/" + name + ".lock").c_str(), O_RDWR | O_CREAT, 0600);
        if (lock < 0 || ::flock(lock, LOCK_EX) != 0) _exit(5);
        sockaddr_un address;
        const socklen_t length = addressOf(name, &address);
        const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        passwd* nobody = ::getpwnam("nobody");
        if (::bind(listener, reinterpret_cast<sockaddr*>(&address), length) != 0 || !nobody ||
            ::setuid(nobody->pw_uid) != 0 || ::listen(listener, 4) != 0) {
            _exit(6);
        }
        std::printf("ready\n");
        std::fflush(stdout);
        for (;;) {
            const int c = ::accept(listener, nullptr, nullptr);
            char buffer[4096];
            const ssize_t n = ::recv(c, buffer, sizeof buffer, 0);
            std::fprintf(stderr, "squatter got %zd bytes\n", n);
            (void)!::send(c, "OK", 2, MSG_NOSIGNAL);
            ::close(c);
        }
    }
}

TEST(SingleInstanceTest, SecondStartHandsOverTheFileMadeAbsolute) {
    const std::string name = uniqueName("handover");
    Inbox inbox;
    SingleInstance first;
    ASSERT_EQ(first.start(name, "", inbox.callback()), Outcome::kFirst);
    EXPECT_TRUE(first.listening());

    SingleInstance second;
    EXPECT_EQ(second.start(name, "./data/file one.bin", nullptr), Outcome::kHandedOver);
    EXPECT_FALSE(second.listening());
    EXPECT_EQ(second.start(name, "", nullptr), Outcome::kHandedOver);
    EXPECT_EQ(second.start(name, "/abs/path", nullptr), Outcome::kHandedOver);

    char cwd[4096];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    const std::vector<std::string> want = {std::string(cwd) + "/data/file one.bin", "",
                                           "/abs/path"};
    EXPECT_EQ(inbox.snapshot(), want);

    first.stop();
    EXPECT_EQ(second.start(name, "", nullptr), Outcome::kFirst);  // the name is free again
}

TEST(SingleInstanceTest, FirstInstanceThatDoesNotAnswerInTimeGivesNoAnswer) {
    const std::string name = uniqueName("hung");
    std::mutex mutex;
    std::condition_variable released;
    bool release = false;
    SingleInstance first;
    ASSERT_EQ(first.start(name, "",
                          [&](const std::string&) {
                              std::unique_lock<std::mutex> lock(mutex);
                              released.wait(lock, [&] { return release; });
                              return true;
                          }),
              Outcome::kFirst);
    EXPECT_EQ(SingleInstance::kAnswerLimit, 3000ms);
    SingleInstance second;
    const auto begin = std::chrono::steady_clock::now();
    EXPECT_EQ(second.start(name, "f", nullptr, 300ms), Outcome::kNoAnswer);
    const auto took = std::chrono::steady_clock::now() - begin;
    EXPECT_GE(took, 290ms);
    EXPECT_LT(took, 2500ms);
    {
        std::lock_guard<std::mutex> lock(mutex);
        release = true;
    }
    released.notify_all();
}

TEST(SingleInstanceTest, SilentPeerDoesNotHoldTheListener) {
    const std::string name = uniqueName("silent");
    Inbox inbox;
    SingleInstance first;
    ASSERT_EQ(first.start(name, "", inbox.callback()), Outcome::kFirst);

    // A peer that connects and sends nothing, and one that sends garbage without end.
    sockaddr_un address;
    const socklen_t length = addressOf(name, &address);
    const int silent = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::connect(silent, reinterpret_cast<sockaddr*>(&address), length), 0);
    const int flood = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    ASSERT_EQ(::connect(flood, reinterpret_cast<sockaddr*>(&address), length), 0);
    std::string junk(SingleInstance::kMaxRequest + 100, 'a');
    (void)!::send(flood, junk.data(), junk.size(), MSG_NOSIGNAL);

    SingleInstance second;
    EXPECT_EQ(second.start(name, "/after", nullptr), Outcome::kHandedOver);
    EXPECT_EQ(inbox.snapshot(), std::vector<std::string>{"/after"});
    ::close(silent);
    ::close(flood);
}

TEST(SingleInstanceTest, AnotherUsersRequestIsNotServed) {
    if (::getuid() != 0 || !::getpwnam("nobody")) GTEST_SKIP() << "needs root and user nobody";
    const std::string name = uniqueName("user");
    Inbox inbox;
    SingleInstance first;
    ASSERT_EQ(first.start(name, "", inbox.callback()), Outcome::kFirst);
    int out;
    const pid_t child = spawnChild("nobody", name, &out);
    ASSERT_GT(child, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::close(out);
    ASSERT_TRUE(WIFEXITED(status));
    // The folder keeps it out before the listener's own check would.
    EXPECT_EQ(WEXITSTATUS(status), static_cast<int>(Outcome::kFailed));
    EXPECT_TRUE(inbox.snapshot().empty());
}

TEST(SingleInstanceTest, StartAfterTheFirstInstanceWasKilledWorks) {
    const std::string name = uniqueName("killed");
    int out = -1;
    ChildGuard child{spawnChild("first", name, &out), -1};
    child.out = out;
    ASSERT_GT(child.pid, 0);
    ASSERT_TRUE(waitForLine(out, "ready"));
    SingleInstance probe;
    EXPECT_EQ(probe.start(name, "", nullptr), Outcome::kHandedOver);  // the child answers
    ::kill(child.pid, SIGKILL);
    ::waitpid(child.pid, nullptr, 0);
    child.pid = -1;
    EXPECT_EQ(probe.start(name, "", nullptr), Outcome::kFirst);
}

TEST(SingleInstanceTest, ARequestTheInstanceDoesNotTakeGetsNoAnswer) {
    const std::string name = uniqueName("refused");
    SingleInstance first;
    ASSERT_EQ(first.start(name, "", [](const std::string&) { return false; }), Outcome::kFirst);
    SingleInstance second;
    EXPECT_EQ(second.start(name, "/f", nullptr, 1000ms), Outcome::kNoAnswer);
}

TEST(SingleInstanceTest, SocketLivesInAFolderOnlyTheUserCanEnter) {
    const std::string name = uniqueName("folder");
    SingleInstance first;
    ASSERT_EQ(first.start(name, "", nullptr), Outcome::kFirst);
    struct stat st {};
    ASSERT_EQ(::lstat(SingleInstance::folder().c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(st.st_uid, ::getuid());
    ASSERT_EQ(::lstat(socketPath(name).c_str(), &st), 0);
    EXPECT_TRUE(S_ISSOCK(st.st_mode));
    first.stop();
    EXPECT_NE(::lstat(socketPath(name).c_str(), &st), 0);  // gone with the instance

    // A folder that is a link to somewhere else is not used.
    const std::string elsewhere = runtimeFolder() + "-elsewhere";
    const std::string link = runtimeFolder() + "-link";
    ::mkdir(elsewhere.c_str(), 0700);
    ::mkdir(link.c_str(), 0700);
    ASSERT_EQ(::symlink(elsewhere.c_str(), (link + "/veritome").c_str()), 0);
    ::setenv("XDG_RUNTIME_DIR", link.c_str(), 1);
    EXPECT_EQ(SingleInstance::folder(), "");
    EXPECT_EQ(first.start(name, "", nullptr), Outcome::kFailed);
    ::setenv("XDG_RUNTIME_DIR", runtimeFolder().c_str(), 1);
    ::unlink((link + "/veritome").c_str());
    ::rmdir(link.c_str());
    ::rmdir(elsewhere.c_str());
}

TEST(SingleInstanceTest, OneDisplayHasOneName) {
    const char* old = std::getenv("DISPLAY");
    const std::string saved = old ? old : "";
    const auto nameFor = [](const char* display) {
        ::setenv("DISPLAY", display, 1);
        return SingleInstance::defaultName("veritome");
    };
    const std::string zero = nameFor(":0");
    EXPECT_EQ(nameFor(":0.0"), zero);
    EXPECT_EQ(nameFor("unix:0"), zero);
    EXPECT_EQ(nameFor("unix:0.1"), zero);
    EXPECT_NE(nameFor(":1"), zero);
    EXPECT_NE(nameFor("otherhost:0"), zero);
    EXPECT_EQ(zero.find('/'), std::string::npos);
    if (old) {
        ::setenv("DISPLAY", saved.c_str(), 1);
    } else {
        ::unsetenv("DISPLAY");
    }
}

TEST(SingleInstanceTest, ARelativeFileWithoutACurrentFolderIsRefused) {
    const std::string name = uniqueName("nocwd");
    Inbox inbox;
    SingleInstance first;
    ASSERT_EQ(first.start(name, "", inbox.callback()), Outcome::kFirst);
    char cwd[4096];
    ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
    const std::string gone = runtimeFolder() + "-gone";
    ASSERT_EQ(::mkdir(gone.c_str(), 0700), 0);
    ASSERT_EQ(::chdir(gone.c_str()), 0);
    ASSERT_EQ(::rmdir(gone.c_str()), 0);
    EXPECT_EQ(SingleInstance::absolutePath("rel/file"), "");
    EXPECT_EQ(SingleInstance::absolutePath("/abs"), "/abs");
    SingleInstance second;
    EXPECT_EQ(second.start(name, "rel/file", nullptr), Outcome::kFailed);
    ASSERT_EQ(::chdir(cwd), 0);
    EXPECT_TRUE(inbox.snapshot().empty());  // nothing half-resolved was handed over
}

TEST(SingleInstanceTest, NothingIsSentToAListenerOfAnotherUser) {
    if (::getuid() != 0 || !::getpwnam("nobody")) GTEST_SKIP() << "needs root and user nobody";
    const std::string name = uniqueName("squat");
    int out = -1;
    ChildGuard child{spawnChild("squatter", name, &out), -1};
    child.out = out;
    ASSERT_GT(child.pid, 0);
    ASSERT_TRUE(waitForLine(out, "ready"));
    SingleInstance second;
    EXPECT_EQ(second.start(name, "/secret/path", nullptr), Outcome::kForeign);
}

// Two starts at once: one becomes the instance, the other hands over to it (several rounds,
// each with a fresh name).
TEST(SingleInstanceThreadTest, TwoStartsAtOnceGiveOneInstance) {
    for (int round = 0; round < 20; ++round) {
        const std::string name = uniqueName("race") + "-" + std::to_string(round);
        Inbox inbox;
        SingleInstance a, b;
        Outcome ra = Outcome::kFailed, rb = Outcome::kFailed;
        std::thread ta([&] { ra = a.start(name, "/a", inbox.callback()); });
        std::thread tb([&] { rb = b.start(name, "/b", inbox.callback()); });
        ta.join();
        tb.join();
        const bool aFirst = ra == Outcome::kFirst;
        EXPECT_EQ(aFirst ? rb : ra, Outcome::kHandedOver) << round;
        EXPECT_EQ(aFirst ? ra : rb, Outcome::kFirst) << round;
        EXPECT_EQ(inbox.snapshot(), std::vector<std::string>{aFirst ? "/b" : "/a"}) << round;
    }
}

}  // namespace
