// The four ways to run veritome-cli: calculate, verify, print and check.
#include "Cli.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>

#include "CliView.h"
#include "InterruptibleInput.h"
#include "LineReader.h"
#include "TerminalName.h"
#include "file/gui/dialogs/filehash/ChecksumLine.h"
#include "file/gui/dialogs/filehash/ChecksumListReader.h"
#include "file/gui/dialogs/filehash/EnteredCode.h"
#include "file/gui/dialogs/filehash/FolderWalk.h"
#include "file/gui/dialogs/filehash/HashAlgorithms.h"
#include "file/gui/dialogs/filehash/HashJob.h"
#include "lang/Localizer.h"
#include "platform/File.h"
#include "platform/FileProbe.h"
#include "platform/Processors.h"
#include "str/Utf8.h"

namespace cli {

namespace {

constexpr fh::Row kFactRows[5] = {fh::Row::FileName, fh::Row::Size, fh::Row::Creation,
                                  fh::Row::Modified, fh::Row::Accessed};

// Results of one checked line.
enum CheckResult { kMatched, kMismatched, kUnreadable, kSkipped };

std::string plural(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string shownName(const std::string& name) {
    bool escaped;
    return terminalName(name, &escaped);
}

}  // namespace

std::string toLf(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

s::lang::Localizer* makeLocalizer(const std::string& language) {
    s::lang::Localizer* localizer = s::lang::Localizer::createLocalizer();
    if (language.empty() || !localizer) return localizer;
    s::str::strbuffer::StrBuffer* name = s::str::strbuffer::StrBuffer::create();
    s::str::appendUtf8(name, language);
    bool known = localizer->findLanguage(name->text()) != nullptr;
    if (known) localizer->selectByName(name->text());
    name->release();
    if (known) return localizer;
    localizer->release();
    return nullptr;
}

Cli::Cli(s::lang::Localizer* localizer, std::FILE* out, std::FILE* err,
         const std::atomic<bool>* cancel, bool progress)
    : localizer_(localizer), out_(out), err_(err), cancel_(cancel), progress_(progress) {}

int Cli::run(const CliOptions& options) {
    int status;
    switch (options.mode) {
        case Mode::Verify:
            status = verify(options);
            break;
        case Mode::Print:
            status = print(options);
            break;
        case Mode::Check:
            status = check(options);
            break;
        default:
            status = calculate(options);
            break;
    }
    // Output that could not be written is a failure, not a success.
    if (std::fflush(out_) != 0 || std::ferror(out_)) {
        int error = errno;
        std::fprintf(err_, "veritome-cli: write error: %s\n",
                     error ? std::strerror(error) : "output failed");
        return kTrouble;
    }
    return status;
}

std::string Cli::textOf(std::int32_t id) {
    if (!localizer_) return {};
    const char16_t* text = localizer_->text(id);
    return s::str::toUtf8String(
        text, static_cast<std::uint32_t>(std::char_traits<char16_t>::length(text)));
}

std::string Cli::complaint(const std::string& file, const std::string& reason) {
    return "veritome-cli: " + shownName(file) + ": " + reason + "\n";
}

void Cli::complain(const std::string& file, const std::string& reason) {
    std::fputs(complaint(file, reason).c_str(), err_);
}

void Cli::prepare(CliView& view, const std::string& file, Place place) {
    // The job opens the file and reports what stops it (missing, a folder, a special file).
    if (!place.folder) {
        view.setEntry(file, file);
        return;
    }
    std::string name = file.substr(file.rfind('/') + 1);
    view.setEntry(file, file, std::move(place.folder), std::move(name), place.listedRegular);
}

void Cli::runJob(CliView& view) {
    fh::HashJob job(&view);
    job.run();
}

std::vector<std::string> Cli::expand(const CliOptions& options, bool* trouble,
                                     std::vector<Place>* places) {
    std::vector<std::string> files;
    for (const std::string& file : options.files) {
        if (options.recursive && file != "-" && platform::fileStatus(file).directory) {
            const std::size_t from = files.size();
            std::vector<char> listedRegular;
            if (!fh::FolderWalk::walk(file, &files, &listedRegular)) {
                complain(file, "could not be listed completely");
                *trouble = true;
            }
            // The files of one folder come one after another: they share its folder object.
            std::shared_ptr<Folder> folder;
            for (std::size_t i = from; i < files.size(); ++i) {
                const std::string& path = files[i];
                const std::size_t slash = path.rfind('/');
                std::string_view parent(path.data(), slash == 0 ? 1 : slash);
                if (!folder || folder->path() != parent) {
                    folder = std::make_shared<Folder>(std::string(parent));
                }
                places->push_back({folder, listedRegular[i - from] != 0});
            }
        } else {
            files.push_back(file);
            places->push_back({});
        }
    }
    return files;
}

void Cli::runAll(std::size_t count, const Work& work, const Emit& emit) {
    if (count < kParallelFrom || platform::usableCores() < 2) {
        ProgressLine progress(err_, progress_);
        CliView view(localizer_, cancel_, &progress);
        for (std::size_t i = 0; i < count && !cancelled(); ++i) {
            Piece piece;
            work(view, i, &piece);
            std::fflush(err_);
            if (cancelled()) break;
            piece.done = true;
            emit(i, piece);
        }
        return;
    }
    // Two workers take the items in turn; this thread prints each as soon as those before it
    // are printed.
    // Whichever worker finishes the item next in line prints it and every ready item after it,
    // so nobody sleeps waiting for a particular item.
    std::vector<Piece> pieces(count);
    std::vector<char> ready(count, 0);
    std::mutex mutex;
    std::size_t printed = 0;  // items before this one are printed
    bool printing = false;    // a worker is printing
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        ProgressLine quiet(err_, false);
        CliView view(localizer_, cancel_, &quiet);
        view.setJobThreads(2);
        for (;;) {
            const std::size_t i = next.fetch_add(1);
            if (i >= count) return;
            Piece piece;
            if (!cancelled()) {
                work(view, i, &piece);
                piece.done = !cancelled();
            }
            std::unique_lock lock(mutex);
            pieces[i] = std::move(piece);
            ready[i] = 1;
            if (printing) continue;  // the printing worker will find it
            printing = true;
            while (printed < count && ready[printed]) {
                const std::size_t k = printed++;
                Piece done = std::move(pieces[k]);
                lock.unlock();
                if (!done.done || cancelled()) {
                    next = count;  // the workers take nothing more, and nothing more is printed
                    lock.lock();
                    printed = count;
                    break;
                }
                emit(k, done);
                lock.lock();
            }
            printing = false;
        }
    };
    std::vector<std::thread> workers;
    for (int w = 0; w < 2; ++w) {
        try {
            workers.emplace_back(worker);
        } catch (const std::system_error&) {
            break;  // fewer threads; one is enough
        }
    }
    if (workers.empty()) worker();
    for (std::thread& t : workers) t.join();
}

int Cli::calculate(const CliOptions& options) {
    bool trouble = false;
    std::vector<Place> places;
    std::vector<std::string> files = expand(options, &trouble, &places);
    bool first = true;
    std::string nameLabel = textOf(1200000);
    Work work = [&](CliView& view, std::size_t i, Piece* piece) {
        const std::string& file = files[i];
        prepare(view, file, std::move(places[i]));
        bool isStdin = file == "-";
        for (int f = 0; f < 5; ++f) view.tick(kFactRows[f], options.facts[f] && !isStdin);
        for (int a = 0; a < fh::HashAlgorithms::kCount; ++a) {
            view.tick(fh::codeRow(a), options.algorithms[a]);
        }
        view.tick(fh::Row::Summary, true);
        view.setSizeType(static_cast<fh::SizeType>(options.sizeType));
        view.setComma(options.comma);
        view.setAction(0);
        runJob(view);
        if (!view.failure().empty()) {
            piece->err += complaint(file, view.failure());
            piece->result = kTrouble;
            return;  // no summary of a file that gave no codes
        }
        std::string summary = toLf(view.rowText(fh::Row::Summary));
        // A name with a line end, a backslash or a control character is shown escaped.
        piece->out = withTerminalName(summary, nameLabel, view.rowText(fh::Row::FileName));
    };
    Emit emit = [&](std::size_t, Piece& piece) {
        std::fputs(piece.err.c_str(), err_);
        if (piece.result == kTrouble) trouble = true;
        if (piece.out.empty() && piece.result == kTrouble) return;
        if (!first) std::fputc('\n', out_);
        first = false;
        std::fputs(piece.out.c_str(), out_);
        std::fflush(out_);
    };
    runAll(files.size(), work, emit);
    if (cancelled()) return kInterrupted;
    return trouble ? kTrouble : kOk;
}

int Cli::verify(const CliOptions& options) {
    ProgressLine progress(err_, progress_);
    CliView view(localizer_, cancel_, &progress);
    if (options.code.empty()) {
        std::fprintf(err_, "%s\n", textOf(3001010).c_str());
        return kTrouble;
    }
    // The code as the job takes it (a whole checksum line gives its code).
    auto* given = s::str::strbuffer::StrBuffer::create();
    s::str::appendUtf8(given, options.code);
    const fh::EnteredCode read =
        fh::EnteredCode::read(std::u16string_view(given->text(), given->length()));
    given->release();
    const std::string code =
        s::str::toUtf8String(read.code.data(), static_cast<std::uint32_t>(read.code.size()));
    int status = kOk;
    bool first = true;
    for (const std::string& file : options.files) {
        if (cancelled()) break;
        prepare(view, file);
        view.setAction(1);
        view.setEnteredCode(options.code);
        view.setMatchKey(options.algorithm >= 0 ? fh::HashAlgorithms::at(options.algorithm).key
                                                : fh::HashJob::kAutoKey);
        view.setComma(options.comma);
        runJob(view);
        if (cancelled()) break;
        if (view.sawWrongCode()) {
            std::fprintf(err_, "%s\n", textOf(fh::EnteredCode::kWrongCodeText).c_str());
            return kTrouble;
        }
        std::string summary = view.verifyText(fh::VerifyField::Summary);
        if (summary.empty()) {
            complain(file, view.failure().empty() ? "could not be read" : view.failure());
            status = kTrouble;
            continue;
        }
        if (!first) std::fputc('\n', out_);
        first = false;
        summary = withTerminalName(toLf(summary), textOf(1200000),
                                   view.verifyText(fh::VerifyField::FileName));
        std::fputs(summary.c_str(), out_);
        std::fflush(out_);
        bool same = fh::ChecksumLine::sameCode(code, view.verifyText(fh::VerifyField::ComputedCode));
        if (!same && status == kOk) status = kDifferent;
    }
    return cancelled() ? kInterrupted : status;
}

bool Cli::codesOf(CliView& view, const std::string& file, const bool* algorithms, std::string* err,
                  Place place) {
    prepare(view, file, std::move(place));
    for (int row = 0; row < fh::kRowCount; ++row) view.tick(static_cast<fh::Row>(row), false);
    for (int a = 0; a < fh::HashAlgorithms::kCount; ++a) view.tick(fh::codeRow(a), algorithms[a]);
    view.setAction(0);
    runJob(view);
    if (cancelled()) return false;
    if (!view.failure().empty()) {
        *err += complaint(file, view.failure());
        return false;
    }
    return true;
}

int Cli::print(const CliOptions& options) {
    bool trouble = false;
    std::vector<Place> places;
    std::vector<std::string> files = expand(options, &trouble, &places);
    Work work = [&](CliView& view, std::size_t i, Piece* piece) {
        const std::string& file = files[i];
        if (!codesOf(view, file, options.algorithms, &piece->err, std::move(places[i]))) {
            piece->result = kTrouble;
            return;
        }
        for (int a = 0; a < fh::HashAlgorithms::kCount; ++a) {
            if (!options.algorithms[a]) continue;
            std::string code = view.rowText(fh::codeRow(a));
            piece->out += options.tag ? fh::ChecksumLine::formatTagged(a, code, file)
                                      : fh::ChecksumLine::format(code, file);
            piece->out += '\n';
        }
    };
    Emit emit = [&](std::size_t, Piece& piece) {
        std::fputs(piece.err.c_str(), err_);
        std::fputs(piece.out.c_str(), out_);
        if (piece.result == kTrouble) trouble = true;
    };
    runAll(files.size(), work, emit);
    if (cancelled()) return kInterrupted;
    return trouble ? kTrouble : kOk;
}

int Cli::check(const CliOptions& options) {
    int status = kOk;
    for (const std::string& sumFile : options.files) {
        if (cancelled()) break;
        status = std::max(status, checkOne(options, sumFile));
    }
    return cancelled() ? kInterrupted : status;
}

int Cli::checkOne(const CliOptions& options, const std::string& sumFile) {
    int fd = 0;
    if (sumFile != "-") {
        platform::FileProbe probe = platform::probeFile(sumFile, false);
        int error = 0;
        fd = probe.kind == platform::FileKind::Regular
                 ? platform::openFileForReading(sumFile, &error)
                 : -1;
        if (fd < 0) {
            complain(sumFile, !probe.reason.empty() ? probe.reason
                              : error               ? platform::fileErrorText(error)
                                                    : "could not be read");
            return kTrouble;
        }
    }
    InterruptibleInput input(fd, sumFile != "-");
    LineReader lines(&input);
    std::vector<fh::ChecksumEntry> entries;
    fh::ChecksumListReader reader;
    std::size_t malformed = 0, lineNumber = 0;
    std::string line;
    for (LineReader::Got got; (got = lines.next(&line)) != LineReader::Got::End;) {
        ++lineNumber;
        fh::ChecksumEntry entry;
        // An over-long line is skipped whole, as an improperly formatted one.
        fh::ChecksumLine::Kind kind = got == LineReader::Got::TooLong
                                          ? fh::ChecksumLine::Kind::Malformed
                                          : reader.read(line, &entry);
        if (kind == fh::ChecksumLine::Kind::Blank) continue;
        if (kind == fh::ChecksumLine::Kind::Entry && options.algorithm >= 0 && !entry.tagged) {
            entry.algorithm = options.algorithm;  // an untagged line of the chosen algorithm
        }
        if (kind == fh::ChecksumLine::Kind::Malformed) {
            ++malformed;
            if (options.warn && !options.statusOnly) {
                std::fprintf(err_, "veritome-cli: %s: %zu: improperly formatted checksum line\n",
                             shownName(sumFile).c_str(), lineNumber);
            }
            continue;
        }
        entries.push_back(std::move(entry));
    }
    if (cancelled()) return kInterrupted;
    if (const char* reason = input.failureReason()) {
        complain(sumFile, reason);
        return kTrouble;
    }
    std::size_t mismatched = 0, unreadable = 0, matched = 0;
    bool printLines = !options.statusOnly;
    Work work = [&](CliView& view, std::size_t i, Piece* piece) {
        const fh::ChecksumEntry& entry = entries[i];
        if (options.ignoreMissing &&
            platform::probeFile(entry.name).kind == platform::FileKind::Missing) {
            piece->result = kSkipped;
            return;
        }
        bool algorithms[fh::HashAlgorithms::kCount] = {};
        algorithms[entry.algorithm] = true;
        if (!codesOf(view, entry.name, algorithms, &piece->err)) {
            piece->result = kUnreadable;
            piece->out = terminalCheckLine(entry.name, "FAILED open or read") + "\n";
            return;
        }
        std::string code = view.rowText(fh::codeRow(entry.algorithm));
        bool same = fh::ChecksumLine::sameCode(code, entry.hex);
        piece->result = same ? kMatched : kMismatched;
        if (!same || !options.quiet) {
            piece->out = terminalCheckLine(entry.name, same ? "OK" : "FAILED") + "\n";
        }
    };
    Emit emit = [&](std::size_t, Piece& piece) {
        switch (piece.result) {
            case kMatched:
                ++matched;
                break;
            case kMismatched:
                ++mismatched;
                break;
            case kUnreadable:
                ++unreadable;
                break;
            default:
                break;
        }
        std::fputs(piece.err.c_str(), err_);
        if (printLines) std::fputs(piece.out.c_str(), out_);
    };
    runAll(entries.size(), work, emit);
    std::fflush(out_);
    if (cancelled()) return kInterrupted;
    if (entries.empty()) {
        std::fprintf(err_, "veritome-cli: %s: no properly formatted checksum lines found\n",
                     shownName(sumFile).c_str());
        return kDifferent;
    }
    if (!options.statusOnly) {
        if (malformed) {
            std::fprintf(err_, "veritome-cli: WARNING: %s improperly formatted\n",
                         plural(malformed, "line is", "lines are").c_str());
        }
        if (unreadable) {
            std::fprintf(err_, "veritome-cli: WARNING: %s could not be read\n",
                         plural(unreadable, "listed file", "listed files").c_str());
        }
        if (mismatched) {
            std::fprintf(err_, "veritome-cli: WARNING: %s did NOT match\n",
                         plural(mismatched, "computed checksum", "computed checksums").c_str());
        }
    }
    if (options.ignoreMissing && matched + mismatched + unreadable == 0) {
        if (!options.statusOnly) {
            std::fprintf(err_, "veritome-cli: %s: no file was verified\n",
                         shownName(sumFile).c_str());
        }
        return kDifferent;
    }
    bool failed = mismatched || unreadable || (options.strict && malformed);
    return failed ? kDifferent : kOk;
}

}  // namespace cli
