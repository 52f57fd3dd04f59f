// File descriptors, statx, access and folder listing for the file classes.
#include "platform/File.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

// statfs f_type values (linux/magic.h); ntfs-3g through FUSE cannot be told apart cheaply.
constexpr long kMsdosMagic = 0x4d44;
constexpr long kNtfsMagic = 0x5346544e;   // the old read-only driver
constexpr long kNtfs3Magic = 0x7366746e;  // the ntfs3 driver

constexpr unsigned kStatusMask = STATX_BASIC_STATS | STATX_BTIME;
// From this size on the sequential-read hint is given (the default read-ahead window).
constexpr std::uint64_t kSequentialHintFrom = 128 * 1024;

FileStatus statusFromStatx(const struct statx& sx) {
    FileStatus out;
    out.exists = true;
    out.mode = sx.stx_mode;
    out.directory = S_ISDIR(sx.stx_mode);
    out.symbolicLink = S_ISLNK(sx.stx_mode);
    out.writable = (sx.stx_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    out.size = static_cast<std::int64_t>(sx.stx_size);
    out.accessTime = sx.stx_atime.tv_sec;
    out.modificationTime = sx.stx_mtime.tv_sec;
    if (sx.stx_mask & STATX_BTIME) out.creationTime = sx.stx_btime.tv_sec;
    out.deviceMajor = sx.stx_dev_major;
    out.deviceMinor = sx.stx_dev_minor;
    return out;
}

FileStatus statusOf(const std::string& path, bool followLinks) {
    struct statx sx {};
    const int flags = followLinks ? 0 : AT_SYMLINK_NOFOLLOW;
    if (statx(AT_FDCWD, path.c_str(), flags, kStatusMask, &sx) != 0) return FileStatus{};
    return statusFromStatx(sx);
}

}  // namespace

int openFileForReading(const std::string& path, int* error, FileStatus* status) {
    return openFileForReadingAt(kNoFile, path, error, status);
}

int openFileForReadingAt(int folder, const std::string& name, int* error, FileStatus* status,
                         bool listedRegular) {
    const int at = folder >= 0 ? folder : AT_FDCWD;
    // Looked at before it is opened: opening a device can act on it (a tape rewinds, a
    // watchdog starts), and a pipe's open may wait for a writer. A name that its folder's
    // listing showed as a regular file has been looked at.
    struct stat before {};
    if (!listedRegular && ::fstatat(at, name.c_str(), &before, 0) == 0 &&
        !S_ISREG(before.st_mode)) {
        if (error) *error = S_ISDIR(before.st_mode) ? EISDIR : kNotRegularFile;
        return kNoFile;
    }
    int fd;
    do {
        fd = ::openat(at, name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (error) *error = errno;
        return kNoFile;
    }
    // One query on the descriptor: its kind (changed in between: folders, FIFOs, devices,
    // sockets are still refused), and the facts the caller shows.
    struct statx sx {};
    if (statx(fd, "", AT_EMPTY_PATH, kStatusMask, &sx) != 0 || !S_ISREG(sx.stx_mode)) {
        if (error) *error = S_ISDIR(sx.stx_mode) ? EISDIR : kNotRegularFile;
        ::close(fd);
        return kNoFile;
    }
    if (status) *status = statusFromStatx(sx);
    // O_NONBLOCK stays: it changes nothing for a regular file. A small file is read whole by the
    // default read-ahead; the hint would only cost a call.
    if (sx.stx_size >= kSequentialHintFrom) posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return fd;
}

int openFolder(const std::string& path) {
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return fd < 0 ? kNoFile : fd;
}

std::string fileErrorText(int error) {
    if (error == kNotRegularFile) return "Not a regular file";
    return std::strerror(error);
}

int openFileForWriting(const std::string& path, bool append) {
    const int flags = O_RDWR | O_CREAT | O_CLOEXEC | (append ? 0 : O_TRUNC);
    int fd;
    do {
        fd = ::open(path.c_str(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd < 0 ? kNoFile : fd;
}

void closeFile(int fd) {
    if (fd >= 0) ::close(fd);
}

bool closeFileChecked(int fd) {
    if (fd < 0) return false;
    // After EINTR the descriptor is gone on this system: never close it twice.
    return ::close(fd) == 0 || errno == EINTR;
}

std::int64_t readFile(int fd, void* buffer, std::uint32_t count, int* error) {
    ssize_t n;
    do {
        n = ::read(fd, buffer, count);
    } while (n < 0 && errno == EINTR);
    if (n < 0 && error) *error = errno;
    return n;
}

std::int64_t readCachedFile(int fd, void* buffer, std::uint32_t count, int* error) {
    iovec part{buffer, count};
    ssize_t n;
    do {
        n = ::preadv2(fd, &part, 1, -1, RWF_NOWAIT);  // -1: at and past the file position
    } while (n < 0 && errno == EINTR);
    if (n >= 0) return n;
    // Not supported here (an old system, a pipe, some file systems): it cannot tell.
    const int reason = errno == EOPNOTSUPP || errno == ENOSYS || errno == EINVAL ? EAGAIN : errno;
    if (error) *error = reason;
    return -1;
}

std::uint32_t writeFile(int fd, const void* data, std::uint32_t count) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::uint32_t done = 0;
    while (done < count) {
        ssize_t n = ::write(fd, bytes + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::uint32_t>(n);
    }
    return done;
}

std::int64_t seekFile(int fd, std::int64_t offset, SeekOrigin origin) {
    const int whence = origin == SeekOrigin::Begin     ? SEEK_SET
                       : origin == SeekOrigin::Current ? SEEK_CUR
                                                       : SEEK_END;
    off_t result = ::lseek(fd, static_cast<off_t>(offset), whence);
    return result < 0 ? -1 : static_cast<std::int64_t>(result);
}

bool syncFile(int fd) {
    return ::fsync(fd) == 0;
}

bool truncateFile(int fd, std::int64_t length) {
    return ::ftruncate(fd, static_cast<off_t>(length)) == 0;
}

FileStatus fileStatus(const std::string& path) {
    return statusOf(path, true);
}

FileStatus linkStatus(const std::string& path) {
    return statusOf(path, false);
}

bool accessFile(const std::string& path, Access mode) {
    const int how = mode == Access::Exists  ? F_OK
                    : mode == Access::Read  ? R_OK
                    : mode == Access::Write ? W_OK
                                            : (R_OK | W_OK);
    return ::access(path.c_str(), how) == 0;
}

bool makeDirectories(const std::string& path) {
    if (path.empty()) return true;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    // Make the parent first; a trailing "/" is ignored when looking for it.
    std::string::size_type end = path.find_last_not_of('/');
    if (end == std::string::npos) return false;  // "/" always exists
    std::string::size_type slash = path.rfind('/', end);
    if (slash != std::string::npos && slash != 0 && !makeDirectories(path.substr(0, slash))) {
        return false;
    }
    if (::mkdir(path.c_str(), 0777) == 0) return true;
    return errno == EEXIST && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool setWritable(const std::string& path, bool writable) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    mode_t mode = st.st_mode & 07777;
    if (writable) {
        mode |= S_IWUSR;
    } else {
        mode &= ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH);
    }
    return ::chmod(path.c_str(), mode) == 0;
}

FileSystemKind fileSystemKind(const std::string& path) {
    struct statfs fs {};
    if (::statfs(path.c_str(), &fs) != 0) return FileSystemKind::Other;
    const long type = static_cast<long>(fs.f_type);
    if (type == kMsdosMagic) return FileSystemKind::Fat;
    if (type == kNtfsMagic || type == kNtfs3Magic) return FileSystemKind::Ntfs;
    return FileSystemKind::Other;
}

bool listDirectory(const std::string& path, std::vector<std::string>* names) {
    DIR* dir = ::opendir(path.c_str());
    if (!dir) return false;
    while (struct dirent* entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) {
            continue;
        }
        names->emplace_back(entry->d_name);
    }
    ::closedir(dir);
    return true;
}

bool listDirectory(const std::string& path, std::vector<DirectoryEntry>* entries) {
    DIR* dir = ::opendir(path.c_str());
    if (!dir) return false;
    while (struct dirent* entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) {
            continue;
        }
        EntryKind kind;
        switch (entry->d_type) {
            case DT_REG:
                kind = EntryKind::File;
                break;
            case DT_DIR:
                kind = EntryKind::Directory;
                break;
            case DT_LNK:
                kind = EntryKind::SymbolicLink;
                break;
            case DT_UNKNOWN:
                kind = EntryKind::Unknown;  // the file system does not say: ask
                break;
            default:
                kind = EntryKind::Other;
                break;
        }
        entries->push_back({entry->d_name, kind});
    }
    ::closedir(dir);
    return true;
}

bool isRotationalDevice(std::uint32_t major, std::uint32_t minor, const std::string& sysfsRoot,
                        std::string* queue) {
    if (queue) queue->clear();
    const std::string device =
        sysfsRoot + "/dev/block/" + std::to_string(major) + ":" + std::to_string(minor);
    // A whole disk has its own queue; a partition is a folder inside its disk's folder.
    for (const char* folder : {"/queue", "/../queue"}) {
        const std::string path = device + folder;
        const int fd = ::open((path + "/rotational").c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) continue;
        char flag = 0;
        const ssize_t n = ::read(fd, &flag, 1);
        ::close(fd);
        if (queue) {
            char* real = ::realpath(path.c_str(), nullptr);
            *queue = real ? real : path;
            std::free(real);
        }
        return n == 1 && flag == '1';
    }
    return false;
}

}  // namespace platform
