// The single-instance socket: hand-over with an absolute path, two starts at once, a first
// instance that does not answer, a peer that sends nothing, another user, and a start after the
// first instance was killed with SIGKILL. Subprocesses are this test program run in child mode.
#include "platform/shell/SingleInstance.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
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

std::string uniqueName(const char* what) {
    return std::string("veritome-test-") + what + "-" + std::to_string(::getpid());
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
// drops to another user and tries to hand over, exiting with the outcome's number.
TEST(SingleInstanceChild, Run) {
    const char* request = std::getenv("APP_INSTANCE_CHILD");
    if (!request) GTEST_SKIP() << "child mode only";
    const std::string s = request;
    const std::string mode = s.substr(0, s.find(':'));
    const std::string name = s.substr(s.find(':') + 1);
    if (mode == "first") {
        SingleInstance instance;
        if (instance.start(name, "", [](const std::string&) {}) != Outcome::kFirst) _exit(3);
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
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    const socklen_t length = offsetof(sockaddr_un, sun_path) + 1 + name.size();
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
    EXPECT_EQ(WEXITSTATUS(status), static_cast<int>(Outcome::kNoAnswer));
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
