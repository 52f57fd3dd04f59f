// The link opener: a grandchild process runs the opener, so nothing waits for the browser and
// no zombie is left behind.
#include "platform/window/LinkOpener.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <mutex>

#include "platform/window/Text.h"

namespace platform::window {

namespace {

std::mutex programLock;
std::string& programName() {
    static std::string name = "xdg-open";
    return name;
}

}  // namespace

void setLinkOpenerProgram(const std::string& program) {
    std::lock_guard<std::mutex> hold(programLock);
    programName() = program;
}

bool openLink(std::u16string_view address) {
    // An address starting with "-" would be read as an option of the opener.
    if (address.empty() || address.front() == u'-') return false;
    std::string program;
    {
        std::lock_guard<std::mutex> hold(programLock);
        program = programName();
    }
    const std::string target = toUtf8(address);
    // Everything the children use is prepared before fork: after it only async-signal-safe
    // calls are allowed in a threaded process.
    char* const argv[] = {program.data(), const_cast<char*>(target.c_str()), nullptr};
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return false;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (child == 0) {
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild != 0) ::_exit(grandchild < 0 ? 1 : 0);
        const int null = ::open("/dev/null", O_RDWR);
        if (null >= 0) {
            ::dup2(null, 0);
            ::dup2(null, 1);
            ::dup2(null, 2);
        }
        ::execvp(argv[0], argv);
        // Tell the program that exec failed; the pipe closes on a successful exec.
        const char failed = 1;
        (void)!::write(report[1], &failed, 1);
        ::_exit(127);
    }
    ::close(report[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    char failed = 0;
    ssize_t got;
    while ((got = ::read(report[0], &failed, 1)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
}

}  // namespace platform::window
