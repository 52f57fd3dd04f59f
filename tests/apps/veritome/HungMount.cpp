// The FUSE protocol as far as a lookup, the attributes, an open and a read need.
#include "HungMount.h"

#include <fcntl.h>
#include <linux/fuse.h>
#include <poll.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace program_testing {

namespace {

constexpr std::uint64_t kFileNode = 2;
constexpr std::uint64_t kFileSize = 1 << 20;

void fillAttr(fuse_attr* attr, std::uint64_t node) {
    *attr = fuse_attr{};
    attr->ino = node;
    attr->nlink = 1;
    if (node == FUSE_ROOT_ID) {
        attr->mode = S_IFDIR | 0755;
        attr->nlink = 2;
    } else {
        attr->mode = S_IFREG | 0644;
        attr->size = kFileSize;
        attr->blocks = kFileSize / 512;
    }
    attr->blksize = 4096;
}

void reply(int fd, std::uint64_t unique, int error, const void* body, std::size_t size) {
    std::vector<char> out(sizeof(fuse_out_header) + size);
    fuse_out_header header{};
    header.len = static_cast<std::uint32_t>(out.size());
    header.error = -error;
    header.unique = unique;
    std::memcpy(out.data(), &header, sizeof header);
    if (size) std::memcpy(out.data() + sizeof header, body, size);
    (void)!::write(fd, out.data(), out.size());
}

}  // namespace

HungMount::HungMount(const std::filesystem::path& folder) : folder_(folder) {
    std::filesystem::create_directories(folder_);
    const int fd = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
    if (fd < 0) return;
    const std::string options = "fd=" + std::to_string(fd) +
                                ",rootmode=40000,user_id=" + std::to_string(::getuid()) +
                                ",group_id=" + std::to_string(::getgid()) + ",allow_other";
    if (::mount("veritome-test", folder_.c_str(), "fuse", MS_NOSUID | MS_NODEV,
                options.c_str()) != 0) {
        ::close(fd);
        return;
    }
    if (::pipe2(wake_, O_CLOEXEC) != 0) {
        ::umount2(folder_.c_str(), MNT_DETACH);
        ::close(fd);
        return;
    }
    fd_ = fd;
    thread_ = std::thread([this] { serve(); });
}

void HungMount::unmount() {
    if (fd_ < 0) return;
    // serve() answers the waiting reads with an error and ends; then the mount goes.
    const char byte = 0;
    (void)!::write(wake_[1], &byte, 1);
    thread_.join();
    ::umount2(folder_.c_str(), MNT_DETACH);
    ::close(fd_);
    ::close(wake_[0]);
    ::close(wake_[1]);
    fd_ = -1;
}

void HungMount::serve() {
    std::vector<char> buffer(FUSE_MIN_READ_BUFFER + (1 << 20));
    const int fd = fd_;
    std::vector<std::uint64_t> waiting;  // reads left without an answer
    for (;;) {
        pollfd p[2] = {{fd, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (::poll(p, 2, -1) < 0) continue;
        if (p[1].revents) {
            for (std::uint64_t unique : waiting) reply(fd, unique, EIO, nullptr, 0);
            return;
        }
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR || errno == ENOENT) continue;
            return;  // the connection ended
        }
        if (static_cast<std::size_t>(n) < sizeof(fuse_in_header)) continue;
        fuse_in_header in;
        std::memcpy(&in, buffer.data(), sizeof in);
        const char* body = buffer.data() + sizeof in;
        switch (in.opcode) {
            case FUSE_INIT: {
                fuse_init_in init;
                std::memcpy(&init, body, sizeof init);
                fuse_init_out out{};
                out.major = FUSE_KERNEL_VERSION;
                out.minor = std::min<std::uint32_t>(init.minor, FUSE_KERNEL_MINOR_VERSION);
                out.max_readahead = init.max_readahead;
                out.max_write = 4096;
                out.max_background = 4;
                out.congestion_threshold = 3;
                reply(fd, in.unique, 0, &out, sizeof out);
                break;
            }
            case FUSE_LOOKUP: {
                if (in.nodeid != FUSE_ROOT_ID || std::strcmp(body, "stuck.bin") != 0) {
                    reply(fd, in.unique, ENOENT, nullptr, 0);
                    break;
                }
                fuse_entry_out out{};
                out.nodeid = kFileNode;
                out.generation = 1;
                fillAttr(&out.attr, kFileNode);
                reply(fd, in.unique, 0, &out, sizeof out);
                break;
            }
            case FUSE_GETATTR: {
                fuse_attr_out out{};
                fillAttr(&out.attr, in.nodeid);
                reply(fd, in.unique, 0, &out, sizeof out);
                break;
            }
            case FUSE_OPEN:
            case FUSE_OPENDIR: {
                fuse_open_out out{};
                out.fh = 1;
                reply(fd, in.unique, 0, &out, sizeof out);
                break;
            }
            case FUSE_READ:
                waiting.push_back(in.unique);  // answered only when unmounting
                ++reads_;
                break;
            case FUSE_INTERRUPT:
                break;  // the read stays unanswered
            case FUSE_FORGET:
            case FUSE_BATCH_FORGET:
                break;  // no answer expected
            case FUSE_RELEASE:
            case FUSE_RELEASEDIR:
            case FUSE_FLUSH:
            case FUSE_ACCESS:
                reply(fd, in.unique, 0, nullptr, 0);
                break;
            default:
                reply(fd, in.unique, ENOSYS, nullptr, 0);
                break;
        }
    }
}

}  // namespace program_testing
