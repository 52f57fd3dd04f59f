// The single-instance socket: "<name>.socket" in a folder of mode 0700 that belongs to the user,
// so that no other user can listen in its place or reach it. The instance holds a lock on
// "<name>.lock" for as long as it listens: the lock decides a race between two starts, and it is
// released by the system even after kill -9, when the next start replaces the stale socket.
// Both ends check the other's user id (SO_PEERCRED) all the same.
#include "platform/shell/SingleInstance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace platform::shell {

namespace {

// A request is "OPEN" NUL path NUL; the answer is "OK".
constexpr char kVerb[] = "OPEN";
constexpr char kAnswer[] = "OK";

using Clock = std::chrono::steady_clock;

// false when the path does not fit the address.
bool addressOf(const std::string& path, sockaddr_un* address, socklen_t* length) {
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (path.size() >= sizeof address->sun_path) return false;
    std::memcpy(address->sun_path, path.data(), path.size());
    *length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size() + 1);
    return true;
}

// The user id of the process at the other end of a connected socket; -1 when unknown.
long peerUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) return -1;
    return static_cast<long>(peer.uid);
}

// A folder of the user's own that nobody else may enter, made when missing.
bool ownFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid()) {
        return false;
    }
    if ((st.st_mode & 077) != 0 && ::chmod(path.c_str(), 0700) != 0) return false;
    return true;
}

int remainingMs(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Waits for events on fd until the deadline; false on timeout or error.
bool waitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int r = ::poll(&p, 1, remainingMs(deadline));
        if (r > 0) return true;
        if (r == 0) return false;
        if (errno != EINTR) return false;
    }
}

bool sendAll(int fd, const char* data, std::size_t size, Clock::time_point deadline) {
    while (size > 0) {
        if (!waitFor(fd, POLLOUT, deadline)) return false;
        const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string sanitized(const std::string& display) {
    std::string out;
    for (const char c : display) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
        out += plain ? c : '_';
    }
    return out;
}

// An X display "[host]:number[.screen]" without the screen, and without the host when it is the
// local one ("" or "unix"): ":0", ":0.0" and "unix:0" are one display.
std::string displayOnly(std::string display) {
    const std::size_t colon = display.rfind(':');
    if (colon == std::string::npos) return display;  // a Wayland socket name
    const std::size_t dot = display.find('.', colon);
    if (dot != std::string::npos) display.erase(dot);
    const std::string host = display.substr(0, colon);
    if (host == "unix") display.erase(0, colon);
    return display;
}

}  // namespace

SingleInstance::~SingleInstance() {
    stop();
}

std::string SingleInstance::defaultName(const std::string& product) {
    const char* display = std::getenv("DISPLAY");
    if (display && *display) return product + "-" + sanitized(displayOnly(display));
    display = std::getenv("WAYLAND_DISPLAY");
    return product + "-" + sanitized(display ? display : "");
}

std::string SingleInstance::folder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string base;
    if (runtime && runtime[0] == '/') {
        base = std::string(runtime) + "/veritome";
    } else {
        base = "/tmp/veritome-" + std::to_string(::getuid());
    }
    return ownFolder(base) ? base : std::string();
}

std::string SingleInstance::absolutePath(const std::string& file) {
    if (file.empty() || file[0] == '/') return file;
    std::vector<char> buffer(4096);
    while (!::getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE) return std::string();
        buffer.resize(buffer.size() * 2);
    }
    std::string folder(buffer.data());
    std::string rest = file;
    while (rest.rfind("./", 0) == 0) rest.erase(0, 2);
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder + rest;
}

SingleInstance::Outcome SingleInstance::start(const std::string& name, const std::string& file,
                                              Callback callback,
                                              std::chrono::milliseconds answerLimit) {
    stop();
    const std::string path = absolutePath(file);
    const std::string where = folder();
    if (where.empty() || (path.empty() && !file.empty())) return Outcome::kFailed;
    std::string socketPath = where + "/" + name + ".socket";
    sockaddr_un address;
    socklen_t length = 0;
    if (!addressOf(socketPath, &address, &length)) {
        // A folder too deep for a socket address is reached through a descriptor of it.
        const int folderFd = ::open(where.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (folderFd < 0) return Outcome::kFailed;
        folderFd_ = folderFd;
        socketPath = "/proc/self/fd/" + std::to_string(folderFd) + "/" + name + ".socket";
        if (!addressOf(socketPath, &address, &length)) {
            stop();
            return Outcome::kFailed;
        }
    }
    const int lock = ::open((where + "/" + name + ".lock").c_str(),
                            O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    // The folder's descriptor is kept only by the instance.
    struct FolderGuard {
        SingleInstance* self;
        ~FolderGuard() {
            if (self->listener_ < 0 && self->folderFd_ >= 0) {
                ::close(self->folderFd_);
                self->folderFd_ = -1;
            }
        }
    } folderGuard{this};
    if (lock < 0) return Outcome::kFailed;
    const auto deadline = Clock::now() + answerLimit;

    for (;;) {
        if (::flock(lock, LOCK_EX | LOCK_NB) == 0) {
            // The instance: a socket left by one that was killed goes first.
            ::unlink(socketPath.c_str());
            const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            if (listener < 0 ||
                ::bind(listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
                ::listen(listener, 16) != 0 || ::pipe2(wake_, O_CLOEXEC) != 0) {
                if (listener >= 0) ::close(listener);
                ::unlink(socketPath.c_str());
                ::close(lock);
                return Outcome::kFailed;
            }
            listener_ = listener;
            lock_ = lock;
            socketPath_ = socketPath;
            callback_ = std::move(callback);
            thread_ = std::thread([this] { serve(); });
            return Outcome::kFirst;
        }

        // Someone holds the name: hand the request over.
        const int client = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (client < 0) {
            ::close(lock);
            return Outcome::kFailed;
        }
        int r = ::connect(client, reinterpret_cast<sockaddr*>(&address), length);
        if (r != 0 && (errno == EINPROGRESS || errno == EAGAIN)) {
            r = waitFor(client, POLLOUT, deadline) ? 0 : -1;
        }
        if (r != 0) {
            // The holder has the lock but not yet listens, or has just gone: try again shortly.
            ::close(client);
            if (Clock::now() >= deadline) {
                ::close(lock);
                return Outcome::kNoAnswer;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        ::close(lock);
        // Nothing, not even the file's name, goes to a listener of another user.
        if (peerUser(client) != static_cast<long>(::getuid())) {
            ::close(client);
            return Outcome::kForeign;
        }
        std::string request(kVerb, sizeof kVerb);  // with its NUL
        request += path;
        request += '\0';
        Outcome outcome = Outcome::kNoAnswer;
        if (sendAll(client, request.data(), request.size(), deadline)) {
            char answer[sizeof kAnswer] = {};
            std::size_t got = 0;
            while (got < sizeof kAnswer - 1 && waitFor(client, POLLIN, deadline)) {
                const ssize_t n = ::recv(client, answer + got, sizeof kAnswer - 1 - got, 0);
                if (n <= 0) {
                    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
                    break;
                }
                got += static_cast<std::size_t>(n);
            }
            if (got == sizeof kAnswer - 1 && std::memcmp(answer, kAnswer, got) == 0) {
                outcome = Outcome::kHandedOver;
            }
        }
        ::close(client);
        return outcome;
    }
}

void SingleInstance::stop() {
    if (listener_ < 0) {
        if (folderFd_ >= 0) ::close(folderFd_);
        folderFd_ = -1;
        return;
    }
    const char byte = 0;
    (void)!::write(wake_[1], &byte, 1);
    if (thread_.joinable()) thread_.join();
    // The socket goes while the lock still says whose it is.
    ::unlink(socketPath_.c_str());
    ::close(listener_);
    ::close(lock_);
    if (folderFd_ >= 0) ::close(folderFd_);
    folderFd_ = -1;
    ::close(wake_[0]);
    ::close(wake_[1]);
    listener_ = -1;
    lock_ = -1;
    socketPath_.clear();
    wake_[0] = wake_[1] = -1;
    callback_ = nullptr;
}

void SingleInstance::serve() {
    for (;;) {
        pollfd p[2] = {{listener_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (::poll(p, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (p[1].revents) return;
        if (!(p[0].revents & POLLIN)) continue;
        const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection < 0) continue;
        handle(connection);
        ::close(connection);
    }
}

void SingleInstance::handle(int connection) {
    if (peerUser(connection) != static_cast<long>(::getuid())) return;  // another user's
    // One bounded request, read within a time limit so that a peer that sends nothing cannot
    // hold the listener.
    const auto deadline = Clock::now() + kReadLimit;
    std::string request;
    std::vector<char> chunk(4096);
    std::size_t nuls = 0;
    while (nuls < 2 && request.size() < kMaxRequest) {
        if (!waitFor(connection, POLLIN, deadline)) return;
        const ssize_t n = ::recv(connection, chunk.data(),
                                 std::min(chunk.size(), kMaxRequest - request.size()), 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) return;
        for (ssize_t i = 0; i < n; ++i) nuls += chunk[static_cast<std::size_t>(i)] == '\0';
        request.append(chunk.data(), static_cast<std::size_t>(n));
    }
    if (nuls < 2 || request.compare(0, sizeof kVerb, std::string(kVerb, sizeof kVerb)) != 0) {
        return;
    }
    const std::size_t begin = sizeof kVerb;
    const std::size_t end = request.find('\0', begin);
    const std::string file = request.substr(begin, end - begin);
    // No answer when the request was not taken: the second start says so.
    if (callback_ && !callback_(file)) return;
    sendAll(connection, kAnswer, sizeof kAnswer - 1, Clock::now() + kReadLimit);
}

}  // namespace platform::shell
