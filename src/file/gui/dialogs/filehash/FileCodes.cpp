// Reading files for their codes, on two threads.
#include "file/gui/dialogs/filehash/FileCodes.h"

#include <atomic>
#include <mutex>
#include <chrono>
#include <cstdio>
#include <thread>

#include "digest/IDigester.h"
#include "file/gui/dialogs/filehash/GatedFile.h"
#include "file/gui/dialogs/filehash/HashAlgorithms.h"
#include "file/gui/dialogs/filehash/ReadAhead.h"
#include "file/win/FileInputStream.h"
#include "platform/File.h"
#include "platform/FileProbe.h"
#include "str/Utf8.h"
#include "str/strbuffer/StrBuffer.h"

namespace s::file::gui::dialogs::filehash {

namespace {

bool isCancelled(const std::atomic<bool>* cancel) {
    return cancel && cancel->load(std::memory_order_relaxed);
}

}  // namespace

FileCode FileCodes::compute(const FileCodeJob& job, const std::atomic<bool>* cancel,
                            const std::function<void(std::uint64_t)>& addRead, int jobThreads) {
    FileCode result;
    if (isCancelled(cancel)) return result;
    // No file name holds a NUL byte: such a name is cut short by the system and would name
    // another file.
    if (job.path.empty() || job.path.find('\0') != std::string::npos) {
        result.status = FileCode::Status::Missing;
        result.reason = platform::fileErrorText(2);  // ENOENT
        return result;
    }
    digest::IDigester* digester = HashAlgorithms::newDigester(job.algorithm);
    if (!digester) {
        result.status = FileCode::Status::Failed;
        return result;
    }
    str::strbuffer::StrBuffer* path = str::strbuffer::StrBuffer::create();
    str::appendUtf8(path, job.path);
    win::FileInputStream* stream = win::FileInputStream::create();
    if (!stream->open(path->text())) {
        platform::FileProbe probe = platform::probeFile(job.path, false);
        result.status = probe.kind == platform::FileKind::Missing ? FileCode::Status::Missing
                                                                  : FileCode::Status::Failed;
        const char* reason = stream->failureReason();
        result.reason = reason ? reason : probe.reason;
    } else {
        // The hash job's reading: a large file read ahead, a spinning disk one file at a time.
        const platform::FileStatus& facts = stream->status();
        GatedFile gated(stream);
        ReadAhead reader(&gated, static_cast<std::uint64_t>(facts.size),
                         ReadAhead::isCoreFree(jobThreads));
        const std::uint8_t* data = nullptr;
        std::uint32_t got = 0;
        bool cancelled = false;
        while (!(cancelled = isCancelled(cancel)) && reader.next(&data, &got)) {
            digester->update(data, got);
            if (addRead) addRead(got);
        }
        reader.finish();
        const char* reason = cancelled ? nullptr : stream->failureReason();
        if (cancelled) {
            result.status = FileCode::Status::Cancelled;
        } else if (reason) {
            // A read that failed part way is not the end of the file.
            result.status = FileCode::Status::Failed;
            result.reason = reason;
        } else {
            digester->finish(nullptr);
            str::strbuffer::StrBuffer* hex = str::strbuffer::StrBuffer::create();
            digester->toText(hex);
            result.hex = str::toUtf8String(hex->text(), hex->length());
            hex->release();
            result.status = FileCode::Status::Done;
        }
    }
    stream->release();
    path->release();
    digester->release();
    return result;
}

std::vector<FileCode> FileCodes::run(const std::vector<FileCodeJob>& jobs,
                                     const std::atomic<bool>* cancel, const Batch& batch,
                                     const Progress& progress) {
    std::vector<FileCode> codes(jobs.size());
    // The total the progress is told against: the helper adds up the sizes before it starts on
    // the files, while the caller's thread reads the first ones; until then nothing is told.
    std::uint64_t total = 0;
    std::atomic<bool> sized{false};
    auto addUpSizes = [&] {
        for (const FileCodeJob& job : jobs) {
            if (isCancelled(cancel)) break;
            if (job.path.find('\0') != std::string::npos) continue;
            platform::FileStatus status = platform::fileStatus(job.path);
            if (status.exists && !status.directory && status.size > 0) {
                total += static_cast<std::uint64_t>(status.size);
            }
        }
        sized.store(true, std::memory_order_release);
    };
    std::mutex lock;
    std::atomic<std::size_t> next{0};
    std::atomic<std::uint64_t> done{0};
    std::atomic_flag telling = ATOMIC_FLAG_INIT;
    std::uint64_t told = 0;  // the last count told (under telling)
    // One file is read on the caller's thread alone; more share two threads.
    const int threads = jobs.size() > 1 ? 2 : 1;
    auto work = [&] {
        std::vector<std::size_t> indexes;
        std::vector<FileCode> finished;
        auto flush = [&] {
            if (indexes.empty()) return;
            std::lock_guard<std::mutex> hold(lock);
            if (batch) batch(indexes, finished);
            indexes.clear();
            finished.clear();
        };
        // The progress may wait for the window: one thread tells it while the other reads on.
        auto addRead = [&](std::uint64_t count) {
            done.fetch_add(count, std::memory_order_relaxed);
            if (!progress || !sized.load(std::memory_order_acquire) ||
                telling.test_and_set(std::memory_order_acquire)) {
                return;
            }
            told = done.load(std::memory_order_relaxed);
            progress(told, std::max(total, told));
            telling.clear(std::memory_order_release);
        };
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            FileCode code = compute(jobs[i], cancel, addRead, threads);
            if (code.status == FileCode::Status::Cancelled) break;
            codes[i] = code;
            indexes.push_back(i);
            finished.push_back(std::move(code));
            if (indexes.size() >= kBatch) flush();
        }
        flush();
    };
    std::thread helper;
    if (threads > 1) {
        try {
            helper = std::thread([&] {
                addUpSizes();
                work();
            });
        } catch (...) {
        }
    }
    if (!helper.joinable()) addUpSizes();
    work();
    if (helper.joinable()) helper.join();
    // Pieces read while the other thread was telling, or before the sizes were known.
    if (progress && done.load() != told) progress(done.load(), std::max(total, done.load()));
    return codes;
}

}  // namespace s::file::gui::dialogs::filehash
