// Files behind the platform boundary: descriptors, status, access and folders.
// Paths are the operating system's bytes (UTF-8 for valid names) in std::string.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

constexpr int kNoFile = -1;

// Error number of a descriptor that names something other than a regular file.
constexpr int kNotRegularFile = -2;
struct FileStatus;
// Opens an existing regular file for reading; kNoFile on failure, with the reason in *error (an
// errno value or kNotRegularFile) when error is given. The open never waits: a FIFO without a
// writer is refused at once like any other special file. The facts of the opened file come from
// the descriptor itself into *status when given. Files large enough for read-ahead to matter get
// the sequential-read hint.
int openFileForReading(const std::string& path, int* error = nullptr, FileStatus* status = nullptr);
// The same for a name inside a folder opened with openFolder (or any path when folder is
// kNoFile). The name is looked at before it is opened, unless listedRegular tells that the
// folder's listing showed it as a regular file.
int openFileForReadingAt(int folder, const std::string& name, int* error = nullptr,
                         FileStatus* status = nullptr, bool listedRegular = false);
// A descriptor of a folder for opening the files in it by name; kNoFile on failure.
int openFolder(const std::string& path);
// The system's text for an error number of these functions.
std::string fileErrorText(int error);
// Opens for reading and writing, creating the file; truncates it unless append is true.
int openFileForWriting(const std::string& path, bool append);
void closeFile(int fd);
// close(2) with its result: false when the system reports a failure (a delayed write error).
bool closeFileChecked(int fd);

// One read(2) of up to count bytes (retried on EINTR); -1 on failure (errno value in *error
// when given), 0 at the end.
std::int64_t readFile(int fd, void* buffer, std::uint32_t count, int* error = nullptr);
// The same, answered from the page cache only: a read that would wait for the device fails with
// EAGAIN and reads nothing (as does any read on a system or file that cannot tell).
std::int64_t readCachedFile(int fd, void* buffer, std::uint32_t count, int* error = nullptr);
// Writes as much as it can; returns the number of bytes written (less than count on failure).
std::uint32_t writeFile(int fd, const void* data, std::uint32_t count);

enum class SeekOrigin { Begin, Current, End };
// The new absolute position, or -1 on failure.
std::int64_t seekFile(int fd, std::int64_t offset, SeekOrigin origin);
bool syncFile(int fd);
bool truncateFile(int fd, std::int64_t length);

// File status with the three times in seconds since 1970-01-01 00:00 UTC.
struct FileStatus {
    bool exists = false;
    bool directory = false;
    bool symbolicLink = false;  // the name itself is a link (lstat)
    bool writable = false;      // some write permission bit is set
    std::uint32_t mode = 0;
    std::int64_t size = 0;
    std::int64_t accessTime = 0;
    std::int64_t modificationTime = 0;
    std::int64_t creationTime = 0;  // birth time; 0 when the file system does not keep it
    std::uint32_t deviceMajor = 0;  // the device that holds the file
    std::uint32_t deviceMinor = 0;
};
// Status of the file a path names, following links (linkStatus: of the link itself).
FileStatus fileStatus(const std::string& path);
FileStatus linkStatus(const std::string& path);

enum class Access { Exists, Read, Write, ReadWrite };
bool accessFile(const std::string& path, Access mode);

// Creates the folder and every missing parent; true when the folder exists afterwards.
bool makeDirectories(const std::string& path);

// Adds or removes the owner/group/other write permission bits.
bool setWritable(const std::string& path, bool writable);

enum class FileSystemKind { Other, Fat, Ntfs };
FileSystemKind fileSystemKind(const std::string& path);

// The entries of a folder without "." and ".."; false when it cannot be listed.
bool listDirectory(const std::string& path, std::vector<std::string>* names);

// A folder entry with the kind the listing tells, so that most entries need no status query.
enum class EntryKind { Unknown, File, Directory, SymbolicLink, Other };
struct DirectoryEntry {
    std::string name;
    EntryKind kind = EntryKind::Unknown;
};
bool listDirectory(const std::string& path, std::vector<DirectoryEntry>* entries);

// Whether the block device with these numbers is a spinning disk, from
// <sysfsRoot>/dev/block/MAJOR:MINOR/queue/rotational (a partition asks its disk). A device
// that cannot be told (no such entry: network and virtual file systems) counts as solid state.
// *queue (when given) names the request queue that answered, the same for every partition of
// a disk; empty when none did.
bool isRotationalDevice(std::uint32_t major, std::uint32_t minor,
                        const std::string& sysfsRoot = "/sys", std::string* queue = nullptr);

}  // namespace platform
