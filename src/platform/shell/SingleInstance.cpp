// The single-instance socket. Abstract socket names need no file, cannot go stale (the name is
// freed when the last descriptor closes, even after kill -9) and bind atomically, which decides
// a race between two starts. Any user may connect to an abstract name, so the listener serves
// only peers of its own user id (SO_PEERCRED).
#include "platform/shell/SingleInstance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
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

socklen_t addressOf(const std::string& name, sockaddr_un* address) {
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    // Leading NUL: the abstract namespace. The name is cut to what the address holds.
    const std::size_t n = std::min(name.size(), sizeof address->sun_path - 1);
    std::memcpy(address->sun_path + 1, name.data(), n);
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + n);
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

std::string sanitized(const char* display) {
    std::string out;
    for (const char* p = display; p && *p; ++p) {
        const char c = *p;
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
        out += plain ? c : '_';
    }
    return out;
}

}  // namespace

SingleInstance::~SingleInstance() {
    stop();
}

std::string SingleInstance::defaultName(const std::string& product) {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) display = std::getenv("WAYLAND_DISPLAY");
    return product + "-" + std::to_string(::getuid()) + "-" + sanitized(display);
}

std::string SingleInstance::absolutePath(const std::string& file) {
    if (file.empty() || file[0] == '/') return file;
    std::vector<char> buffer(4096);
    while (!::getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE) return file;
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
    sockaddr_un address;
    const socklen_t length = addressOf(name, &address);
    const std::string path = absolutePath(file);
    const auto deadline = Clock::now() + answerLimit;

    for (;;) {
        const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (listener < 0) return Outcome::kFailed;
        if (::bind(listener, reinterpret_cast<sockaddr*>(&address), length) == 0) {
            if (::listen(listener, 16) != 0 || ::pipe2(wake_, O_CLOEXEC) != 0) {
                ::close(listener);
                return Outcome::kFailed;
            }
            listener_ = listener;
            callback_ = std::move(callback);
            thread_ = std::thread([this] { serve(); });
            return Outcome::kFirst;
        }
        const int bindError = errno;
        ::close(listener);
        if (bindError != EADDRINUSE) return Outcome::kFailed;

        // Someone holds the name: hand the request over.
        const int client = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (client < 0) return Outcome::kFailed;
        int r = ::connect(client, reinterpret_cast<sockaddr*>(&address), length);
        if (r != 0 && errno == EINPROGRESS) r = waitFor(client, POLLOUT, deadline) ? 0 : -1;
        if (r != 0) {
            // The holder has bound but not yet listens, or has just gone: try again shortly.
            ::close(client);
            if (Clock::now() >= deadline) return Outcome::kNoAnswer;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
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
    if (listener_ < 0) return;
    const char byte = 0;
    (void)!::write(wake_[1], &byte, 1);
    if (thread_.joinable()) thread_.join();
    ::close(listener_);
    ::close(wake_[0]);
    ::close(wake_[1]);
    listener_ = -1;
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
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 ||
        peer.uid != ::getuid()) {
        return;  // another user's process: not served
    }
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
    if (callback_) callback_(file);
    sendAll(connection, kAnswer, sizeof kAnswer - 1, Clock::now() + kReadLimit);
}

}  // namespace platform::shell
