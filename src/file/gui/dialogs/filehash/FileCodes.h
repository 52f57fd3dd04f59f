// Codes of many files, one algorithm each, computed on two threads: each file is read once in
// the hash job's piece size, the bytes read are counted for an overall progress, and finished
// files go out in batches. Used by the checksum-list check and the list maker.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace s::file::gui::dialogs::filehash {

struct FileCodeJob {
    std::string path;    // the file name's bytes
    int algorithm = -1;  // feeding order of HashAlgorithms
};

struct FileCode {
    enum class Status { Done, Missing, Failed, Cancelled };
    Status status = Status::Cancelled;
    std::string hex;     // lower-case, when Done
    std::string reason;  // the system's words, when Missing or Failed
};

class FileCodes {
public:
    // Finished files reach the caller in batches of this many (or fewer at the end).
    static constexpr std::size_t kBatch = 64;

    // Finished results by job index; called under a lock, from the computing threads.
    using Batch = std::function<void(const std::vector<std::size_t>& indexes,
                                     const std::vector<FileCode>& codes)>;
    // Bytes read so far of the total of the files' sizes; called from the computing threads
    // after a piece read, one thread at a time and outside the batch lock (a piece read while
    // the other thread is telling is told with a later one, at the latest once both are done).
    using Progress = std::function<void(std::uint64_t done, std::uint64_t total)>;

    // Computes every job; answers the results in job order. A set cancel flag stops both
    // threads after the piece in progress; the files not finished are Cancelled.
    static std::vector<FileCode> run(const std::vector<FileCodeJob>& jobs,
                                     const std::atomic<bool>* cancel, const Batch& batch,
                                     const Progress& progress);

    // One file's code (the caller's thread). addRead gets the count of each piece read.
    // jobThreads: the threads computing files side by side, this one included.
    static FileCode compute(const FileCodeJob& job, const std::atomic<bool>* cancel,
                            const std::function<void(std::uint64_t)>& addRead,
                            int jobThreads = 1);
};

}  // namespace s::file::gui::dialogs::filehash
