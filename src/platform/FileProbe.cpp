// stat, open and strerror behind the platform boundary.
#include "platform/FileProbe.h"

#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

FileProbe probeFile(const std::string& path, bool tryOpen) {
    FileProbe probe;
    struct stat facts {};
    if (::stat(path.c_str(), &facts) != 0) {
        probe.kind = errno == ENOENT || errno == ENOTDIR ? FileKind::Missing : FileKind::Unreadable;
        probe.reason = ::strerror(errno);
        return probe;
    }
    if (S_ISDIR(facts.st_mode)) {
        probe.kind = FileKind::Directory;
        probe.reason = ::strerror(EISDIR);
        return probe;
    }
    if (!S_ISREG(facts.st_mode)) {
        probe.kind = FileKind::Special;
        probe.reason = "Not a regular file";
        return probe;
    }
    if (!tryOpen) {
        probe.kind = FileKind::Regular;
        return probe;
    }
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        probe.kind = FileKind::Unreadable;
        probe.reason = ::strerror(errno);
        return probe;
    }
    ::close(fd);
    probe.kind = FileKind::Regular;
    return probe;
}

}  // namespace platform
