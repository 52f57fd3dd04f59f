// Starting the window program as a child and finding its windows.
#include "ProgramProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/window/display/XServer.h"

// Last: Xlib defines macros (None, Bool, Status ...) that other headers trip over.
// clang-format off
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
// clang-format on

extern char** environ;

namespace program_testing {

ProgramProcess::ProgramProcess(const fs::path& dir, std::vector<std::string> args,
                               std::map<std::string, std::string> env, const fs::path& cwd) {
    static int serial = 0;
    const std::string tag = std::to_string(++serial);
    outFile_ = dir / ("out-" + tag + ".txt");
    errFile_ = dir / ("err-" + tag + ".txt");
    // Each child keeps its settings in the test's folder unless told otherwise.
    if (!env.count("XDG_CONFIG_HOME")) env["XDG_CONFIG_HOME"] = (dir / "config").string();
    // ... and its instance socket: the starts of one test find each other, no other test's.
    if (!env.count("XDG_RUNTIME_DIR")) {
        fs::create_directories(dir / "run");
        fs::permissions(dir / "run", fs::perms::owner_all);
        env["XDG_RUNTIME_DIR"] = (dir / "run").string();
    }
    std::vector<std::string> environment;
    for (char** e = environ; *e; ++e) {
        std::string entry(*e);
        const std::string name = entry.substr(0, entry.find('='));
        if (!env.count(name)) environment.push_back(entry);
    }
    for (const auto& [name, value] : env) {
        if (value != kUnset) environment.push_back(name + "=" + value);
    }
    args.insert(args.begin(), VERITOME_PROGRAM);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& e : environment) envp.push_back(e.data());
    envp.push_back(nullptr);

    const pid_t parent = ::getpid();
    pid_ = ::fork();
    if (pid_ != 0) return;
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(127);
    if (!cwd.empty() && ::chdir(cwd.c_str()) != 0) ::_exit(127);
    const int in = ::open("/dev/null", O_RDONLY);
    const int out = ::open(outFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open(errFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    for (int fd = 3; fd < 1024; ++fd) ::close(fd);
    ::execve(argv[0], argv.data(), envp.data());
    ::_exit(127);
}

ProgramProcess::~ProgramProcess() {
    if (pid_ > 0 && status_ < 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

int ProgramProcess::wait(std::chrono::milliseconds limit) {
    if (status_ >= 0 || pid_ <= 0) return status_;
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        int raw = 0;
        const pid_t done = ::waitpid(pid_, &raw, WNOHANG);
        if (done == pid_) {
            status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
            return status_;
        }
        if (std::chrono::steady_clock::now() >= end) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool ProgramProcess::running() {
    return wait(std::chrono::milliseconds(0)) < 0;
}

void ProgramProcess::signal(int number) {
    if (pid_ > 0 && status_ < 0) ::kill(pid_, number);
}

std::string ProgramProcess::out() const {
    return readFile(outFile_);
}

std::string ProgramProcess::err() const {
    return readFile(errFile_);
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condition();
}

namespace {

void collect(::Display* dpy, ::Window w, const std::string& className,
             std::vector<unsigned long>* out) {
    XClassHint hint{};
    if (XGetClassHint(dpy, w, &hint)) {
        const bool match = hint.res_class && className == hint.res_class;
        if (hint.res_name) XFree(hint.res_name);
        if (hint.res_class) XFree(hint.res_class);
        if (match) {
            out->push_back(w);
            return;
        }
    }
    ::Window root = 0;
    ::Window parent = 0;
    ::Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(dpy, w, &root, &parent, &children, &count)) return;
    for (unsigned i = 0; i < count; ++i) collect(dpy, children[i], className, out);
    if (children) XFree(children);
}

int ignoreErrors(::Display*, XErrorEvent*) {
    return 0;  // a window of an ending child may go while it is looked at
}

}  // namespace

std::vector<unsigned long> windowsOfClass(const std::string& className) {
    ::Display* dpy = xtest::connection();
    XErrorHandler old = XSetErrorHandler(ignoreErrors);
    std::vector<unsigned long> out;
    XSync(dpy, False);
    collect(dpy, DefaultRootWindow(dpy), className, &out);
    XSync(dpy, False);
    XSetErrorHandler(old);
    return out;
}

bool isViewable(unsigned long window) {
    ::Display* dpy = xtest::connection();
    XErrorHandler old = XSetErrorHandler(ignoreErrors);
    XWindowAttributes a{};
    const bool ok = XGetWindowAttributes(dpy, window, &a) && a.map_state == IsViewable;
    XSetErrorHandler(old);
    return ok;
}

unsigned long waitForWindow(const std::string& className, std::chrono::milliseconds limit) {
    unsigned long found = 0;
    waitFor(
        [&] {
            std::vector<unsigned long> all = windowsOfClass(className);
            std::vector<unsigned long> shown;
            for (unsigned long w : all) {
                if (isViewable(w)) shown.push_back(w);
            }
            if (shown.size() != 1) return false;
            found = shown[0];
            return true;
        },
        limit);
    return found;
}

int wmState(unsigned long window) {
    ::Display* dpy = xtest::connection();
    const Atom state = XInternAtom(dpy, "WM_STATE", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    int out = -1;
    XErrorHandler old = XSetErrorHandler(ignoreErrors);
    if (XGetWindowProperty(dpy, window, state, 0, 2, False, state, &type, &format, &count, &after,
                           &data) == Success &&
        data && count >= 1 && format == 32) {
        out = static_cast<int>(reinterpret_cast<long*>(data)[0]);
    }
    if (data) XFree(data);
    XSetErrorHandler(old);
    return out;
}

void iconify(unsigned long window) {
    ::Display* dpy = xtest::connection();
    XIconifyWindow(dpy, window, DefaultScreen(dpy));
    XFlush(dpy);
}

void windowSize(unsigned long window, int* width, int* height) {
    ::Display* dpy = xtest::connection();
    XWindowAttributes a{};
    XGetWindowAttributes(dpy, window, &a);
    *width = a.width;
    *height = a.height;
}

void resizeWindow(unsigned long window, int width, int height) {
    ::Display* dpy = xtest::connection();
    XResizeWindow(dpy, window, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XFlush(dpy);
}

std::uint32_t windowPixel(unsigned long window, int x, int y) {
    ::Display* dpy = xtest::connection();
    XImage* image = XGetImage(dpy, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return 0xFFFFFFFF;
    const unsigned long p = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}

}  // namespace program_testing
