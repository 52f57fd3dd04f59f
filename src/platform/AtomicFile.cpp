// Whole-file reading and the write-temporary, fsync, rename replacement.
#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <string>

namespace platform {
namespace {

bool makeFolders(const std::string& folder) {
    for (std::size_t at = folder.find('/', 1); at != std::string::npos;
         at = folder.find('/', at + 1)) {
        if (::mkdir(folder.substr(0, at).c_str(), 0777) != 0 && errno != EEXIST) return false;
    }
    return ::mkdir(folder.c_str(), 0777) == 0 || errno == EEXIST;
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool readWholeFile(const std::string& path, std::vector<std::uint8_t>* out) {
    out->clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    std::uint8_t block[65536];
    for (;;) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            out->clear();
            ::close(fd);
            return false;
        }
        if (n == 0) break;
        out->insert(out->end(), block, block + n);
    }
    ::close(fd);
    return true;
}

bool replaceFile(const std::string& path, const void* data, std::size_t size) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
    if (!folder.empty() && !makeFolders(folder)) return false;

    // The temporary file is made with mode 0666 so that the system applies the umask, as for
    // any new file; the process-wide umask is never changed (other threads create files too).
    std::string temporary;
    int fd = -1;
    static std::atomic<unsigned> serial{0};
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = path + "." + std::to_string(::getpid()) + "-" +
                    std::to_string(serial.fetch_add(1)) + ".tmp";
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    // Keep the permissions of the file being replaced.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
    const bool written =
        writeAll(fd, static_cast<const std::uint8_t*>(data), size) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

}  // namespace platform
