// The four ways to run veritome-cli: calculate, verify, print and check.
#include "Cli.h"

#include <cctype>
#include <fstream>
#include <iostream>

#include "ChecksumLine.h"
#include "CliView.h"
#include "file/gui/dialogs/filehash/HashAlgorithms.h"
#include "file/gui/dialogs/filehash/HashJob.h"
#include "lang/Localizer.h"
#include "platform/FileProbe.h"
#include "platform/Terminal.h"
#include "str/Utf8.h"

namespace cli {

namespace {

constexpr fh::Row kFactRows[5] = {fh::Row::FileName, fh::Row::Size, fh::Row::Creation,
                                  fh::Row::Modified, fh::Row::Accessed};
constexpr const char* kStdinPath = "/dev/stdin";

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

std::string plural(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
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
    switch (options.mode) {
        case Mode::Verify:
            return verify(options);
        case Mode::Print:
            return print(options);
        case Mode::Check:
            return check(options);
        default:
            return calculate(options);
    }
}

std::string Cli::textOf(std::int32_t id) {
    const char16_t* text = localizer_->text(id);
    return s::str::toUtf8String(
        text, static_cast<std::uint32_t>(std::char_traits<char16_t>::length(text)));
}

void Cli::complain(const std::string& file, const std::string& reason) {
    std::fprintf(err_, "veritome-cli: %s: %s\n", file.c_str(), reason.c_str());
}

bool Cli::prepare(CliView& view, const std::string& file) {
    bool isStdin = file == "-";
    if (!isStdin) {
        platform::FileProbe probe = platform::probeFile(file);
        if (probe.kind != platform::FileKind::Regular) {
            complain(file, probe.reason);
            return false;
        }
    }
    view.setEntry(isStdin ? kStdinPath : file, file);
    return true;
}

void Cli::runJob(CliView& view) {
    fh::HashJob job(&view);
    job.run();
    std::fflush(err_);
}

int Cli::calculate(const CliOptions& options) {
    ProgressLine progress(err_, progress_);
    CliView view(localizer_, cancel_, &progress);
    int status = kOk;
    bool first = true;
    for (const std::string& file : options.files) {
        if (cancelled()) break;
        if (!prepare(view, file)) {
            status = kTrouble;
            continue;
        }
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
        if (cancelled()) break;
        for (int a = 0; a < fh::HashAlgorithms::kCount; ++a) {
            if (options.algorithms[a] && view.rowText(fh::codeRow(a)).empty()) {
                complain(file, "could not be read");
                status = kTrouble;
                break;
            }
        }
        if (!first) std::fputc('\n', out_);
        first = false;
        std::fputs(toLf(view.rowText(fh::Row::Summary)).c_str(), out_);
        std::fflush(out_);
    }
    return cancelled() ? kInterrupted : status;
}

int Cli::verify(const CliOptions& options) {
    ProgressLine progress(err_, progress_);
    CliView view(localizer_, cancel_, &progress);
    if (options.code.empty()) {
        std::fprintf(err_, "%s\n", textOf(3001010).c_str());
        return kTrouble;
    }
    int status = kOk;
    bool first = true;
    for (const std::string& file : options.files) {
        if (cancelled()) break;
        if (!prepare(view, file)) {
            status = kTrouble;
            continue;
        }
        view.setAction(1);
        view.setEnteredCode(options.code);
        view.setMatchKey(fh::HashAlgorithms::at(options.algorithm).key);
        view.setComma(options.comma);
        runJob(view);
        if (cancelled()) break;
        std::string summary = view.verifyText(fh::VerifyField::Summary);
        if (summary.empty()) {
            complain(file, "could not be read");
            status = kTrouble;
            continue;
        }
        if (!first) std::fputc('\n', out_);
        first = false;
        std::fputs(toLf(summary).c_str(), out_);
        std::fflush(out_);
        bool same = sameIgnoringCase(options.code, view.verifyText(fh::VerifyField::ComputedCode));
        if (!same && status == kOk) status = kDifferent;
    }
    return cancelled() ? kInterrupted : status;
}

std::string Cli::codeOf(CliView& view, const std::string& file, int algorithm) {
    if (!prepare(view, file)) return {};
    for (int row = 0; row < fh::kRowCount; ++row) view.tick(static_cast<fh::Row>(row), false);
    view.tick(fh::codeRow(algorithm), true);
    view.setAction(0);
    runJob(view);
    std::string code = view.rowText(fh::codeRow(algorithm));
    if (code.empty() && !cancelled()) complain(file, "could not be read");
    return code;
}

int Cli::print(const CliOptions& options) {
    ProgressLine progress(err_, progress_);
    CliView view(localizer_, cancel_, &progress);
    int status = kOk;
    for (const std::string& file : options.files) {
        if (cancelled()) break;
        std::string code = codeOf(view, file, options.algorithm);
        if (cancelled()) break;
        if (code.empty()) {
            status = kTrouble;
            continue;
        }
        std::fprintf(out_, "%s\n", formatChecksumLine(code, file).c_str());
        std::fflush(out_);
    }
    return cancelled() ? kInterrupted : status;
}

int Cli::check(const CliOptions& options) {
    std::ifstream file;
    if (options.checkFile != "-") {
        file.open(options.checkFile, std::ios::binary);
        if (!file) {
            complain(options.checkFile, platform::probeFile(options.checkFile).reason);
            return kTrouble;
        }
    }
    std::istream& sums = options.checkFile == "-" ? std::cin : file;
    ProgressLine progress(err_, progress_);
    CliView view(localizer_, cancel_, &progress);
    std::size_t entries = 0, mismatched = 0, unreadable = 0, malformed = 0;
    std::string line;
    while (!cancelled() && std::getline(sums, line)) {
        ChecksumEntry entry;
        LineKind kind = parseChecksumLine(line, &entry);
        if (kind == LineKind::Blank) continue;
        if (kind == LineKind::Malformed) {
            ++malformed;
            continue;
        }
        ++entries;
        std::string code = codeOf(view, entry.name, entry.algorithm);
        if (cancelled()) break;
        if (code.empty()) {
            ++unreadable;
            std::fprintf(out_, "%s: FAILED open or read\n", entry.name.c_str());
        } else if (sameIgnoringCase(code, entry.hex)) {
            std::fprintf(out_, "%s: OK\n", entry.name.c_str());
        } else {
            ++mismatched;
            std::fprintf(out_, "%s: FAILED\n", entry.name.c_str());
        }
        std::fflush(out_);
    }
    if (cancelled()) return kInterrupted;
    if (entries == 0) {
        std::fprintf(err_, "veritome-cli: %s: no properly formatted checksum lines found\n",
                     options.checkFile.c_str());
        return kDifferent;
    }
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
    return mismatched || unreadable ? kDifferent : kOk;
}

}  // namespace cli
