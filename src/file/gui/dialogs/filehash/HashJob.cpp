// The two modes of the hash job, step by step.
#include "file/gui/dialogs/filehash/HashJob.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "digest/IDigester.h"
#include "file/gui/dialogs/filehash/ChecksumLine.h"
#include "file/gui/dialogs/filehash/CodeFileLookup.h"
#include "file/gui/dialogs/filehash/DigestFeeder.h"
#include "file/gui/dialogs/filehash/EnteredCode.h"
#include "file/gui/dialogs/filehash/GatedFile.h"
#include "file/gui/dialogs/filehash/HashAlgorithms.h"
#include "file/gui/dialogs/filehash/ReadAhead.h"
#include "file/gui/dialogs/filehash/VerdictText.h"
#include "file/win/FileInputStream.h"
#include "file/win/PathWin.h"
#include "str/Utf8.h"

namespace s::file::gui::dialogs::filehash {

using str::strbuffer::StrBuffer;

namespace {

// The time rows of both modes, their labels and the path's time queries.
struct TimeRow {
    Row row;
    VerifyField verifyField;
    std::int32_t labelId;
    std::int64_t (win::PathWin::*query)(bool refresh);
};
constexpr TimeRow kTimeRows[] = {
    {Row::Creation, VerifyField::Created, 1202000, &win::PathWin::creationTime},
    {Row::Modified, VerifyField::Modified, 1203000, &win::PathWin::modificationTime},
    {Row::Accessed, VerifyField::Accessed, 1203500, &win::PathWin::accessTime},
};

std::string utf8Of(const StrBuffer* text) {
    return str::toUtf8String(text->text(), static_cast<std::uint32_t>(text->length()));
}

bool isReadableFile(win::PathWin* path) {
    return path->isValid() && path->exists() && !path->isDirectory();
}

std::uint64_t sizeOf(win::PathWin* path) {
    return static_cast<std::uint64_t>(path->size(false, true, nullptr, nullptr, true));
}

void toCrLf(StrBuffer* text) {
    text->replaceAll(u"\n", u"\r\n");
}

}  // namespace

int HashJob::percentOf(std::uint64_t done, std::uint64_t total) {
    if (total == 0 || done >= total) return 100;
    return static_cast<int>(static_cast<double>(done) / static_cast<double>(total) * 100.0);
}

void HashJob::run() {
    notify(u"ProcessStatusStart");
    StrBuffer* entry = StrBuffer::create();
    if (view_->firstEntry(entry)) {
        win::PathWin* path = win::PathWin::create();
        path->set(entry);
        StrBuffer* name = path->fileName(nullptr, false);
        io::IInputStream* given = view_->givenInput();
        if (view_->actionIndex() == 0) {
            calculate(path, name, given);
        } else {
            verify(path, name, given);
        }
        name->release();
        path->release();
    }
    entry->release();
    notify(u"ProcessStatusEnd");
}

void HashJob::appendLine(StrBuffer* summary, std::int32_t id, const StrBuffer* value) {
    summary->appendText(view_->text(id));
    summary->appendString(value);
    summary->appendChar(u'\n');
}

void HashJob::reportFailure(const StrBuffer* name, const char* reason) {
    StrBuffer* text = StrBuffer::create();
    str::appendUtf8(text, reason ? reason : "");
    view_->reportFailure(name, text);
    text->release();
}

win::FileInputStream* HashJob::openFile(win::PathWin* path) {
    if (!path->isValid()) return nullptr;
    win::FileInputStream* file = win::FileInputStream::create();
    if (view_->openEntry(file, path->fullPath())) {
        path->takeStatus(file->status());
        return file;
    }
    // Missing or a folder: nothing is shown. Anything else that exists is shown with its facts,
    // and reading it fails with the reason the open gave.
    if (isReadableFile(path)) return file;
    StrBuffer* reason = StrBuffer::create();
    str::appendUtf8(reason, file->failureReason() ? file->failureReason() : "");
    view_->passedOver(reason);
    reason->release();
    file->release();
    return nullptr;
}

HashJob::ReadEnd HashJob::readFile(win::PathWin* path, win::FileInputStream* file,
                                   io::IInputStream* given, digest::IDigester** digesters,
                                   int count, const StrBuffer* name) {
    io::IInputStream* stream = given;
    std::uint64_t total = 0;         // unknown for a given input: its progress reads 100
    std::optional<GatedFile> gated;  // a file: read through its device's gate
    if (!stream) {
        if (!file->isOpen()) {
            reportFailure(name, file->failureReason());
            return ReadEnd::Failed;
        }
        stream = &gated.emplace(file);
        total = sizeOf(path);
    }
    std::uint64_t done = 0;
    DigestFeeder feeder(digesters, count);
    // The reading thread needs a core of its own beside the job's and the feeder's threads.
    const int threads = view_->jobThreads() + (feeder.isParallel() ? 1 : 0);
    ReadAhead reader(stream, total, ReadAhead::isCoreFree(threads));
    const std::uint8_t* data = nullptr;
    std::uint32_t got = 0;
    bool cancelled = view_->isCancelled();
    while (!cancelled && reader.next(&data, &got)) {
        // The feeder takes at most kReadSize at a time; one progress step per block, as if the
        // piece had been read block by block.
        for (std::uint32_t at = 0; at < got && !cancelled;) {
            const std::uint32_t part = std::min(got - at, kReadSize);
            feeder.update(data + at, part);
            at += part;
            const std::uint64_t end = done + part;
            while (!cancelled && done < end) {
                done = std::min(end, (done / kBlockSize + 1) * kBlockSize);
                view_->progressBytes(done, total);
                notify(u"ProcessStatusUpdate", kProgressScale, percentOf(done, total),
                       reinterpret_cast<std::intptr_t>(name));
                cancelled = view_->isCancelled();
            }
            done = end;
        }
    }
    reader.finish();
    feeder.finishFeeding();
    // A read that failed part way is not the end of the file.
    const char* reason = cancelled ? nullptr : stream->failureReason();
    ReadEnd result = cancelled ? ReadEnd::Cancelled : reason ? ReadEnd::Failed : ReadEnd::Done;
    if (reason) reportFailure(name, reason);
    return result;
}

void HashJob::calculate(win::PathWin* path, const StrBuffer* name, io::IInputStream* given) {
    // 1. Clear the fields and the stored size.
    StrBuffer* empty = StrBuffer::create();
    for (int row = 0; row < kRowCount; ++row) view_->setRowText(static_cast<Row>(row), empty);
    view_->setStoredSize(0);
    // 2. Only an existing file that is not a folder is shown.
    win::FileInputStream* file = given ? nullptr : openFile(path);
    if (!given && !file) {
        empty->release();
        return;
    }
    // 3.-6. The name, size and times, each into its field and the summary.
    StrBuffer* summary = StrBuffer::create();
    StrBuffer* field = empty;
    if (view_->isTicked(Row::FileName)) {
        view_->setRowText(Row::FileName, name);
        appendLine(summary, 1200000, name);
    }
    if (view_->isTicked(Row::Size) && !given) {
        std::uint64_t size = sizeOf(path);
        view_->setStoredSize(size);
        SizeType type = view_->sizeType();
        FileFacts::formatCalculateSize(size, type, view_->sizeComma(), field);
        view_->setRowText(Row::Size, field);
        if (type != SizeType::Auto) {
            field->appendChar(u' ');
            field->appendText(FileFacts::sizeTypeKey(type));
        }
        appendLine(summary, 1201000, field);
    }
    for (const TimeRow& time : kTimeRows) {
        if (!view_->isTicked(time.row) || given) continue;
        FileFacts::formatLongTime((path->*time.query)(false), field);
        view_->setRowText(time.row, field);
        appendLine(summary, time.labelId, field);
    }
    // 7. One digester per ticked algorithm, in feeding order.
    digest::IDigester* digesters[HashAlgorithms::kCount];
    int count = 0;
    for (int i = 0; i < HashAlgorithms::kCount; ++i) {
        if (view_->isTicked(codeRow(i))) digesters[count++] = HashAlgorithms::newDigester(i);
    }
    // 8. Read the file once; show the codes unless the file failed to open or read, or the
    // run was cancelled.
    if (count > 0) {
        ReadEnd end = readFile(path, file, given, digesters, count, name);
        if (end == ReadEnd::Done) {
            for (int i = 0; i < count; ++i) {
                digesters[i]->finish(nullptr);
                StrBuffer* code = digesters[i]->toText(nullptr, false);
                int algorithm = HashAlgorithms::indexOfTypeName(digesters[i]->typeName());
                view_->setRowText(codeRow(algorithm), code);
                appendLine(summary, HashAlgorithms::at(algorithm).labelId, code);
                code->release();
            }
        }
    }
    // 9. The summary with CR LF line ends.
    if (view_->isTicked(Row::Summary)) {
        toCrLf(summary);
        view_->setRowText(Row::Summary, summary);
    }
    // 10. Give everything back.
    if (given) given->release();
    if (file) file->release();
    for (int i = 0; i < count; ++i) digesters[i]->release();
    summary->release();
    empty->release();
}

bool HashJob::chooseAlgorithms(win::PathWin* path, io::IInputStream* given, StrBuffer* code,
                               int* algorithms, int* count, bool* named) {
    *count = 0;
    *named = true;
    view_->enteredCode(code);
    const std::u16string enteredText(code->text(), code->length());
    EnteredCode entered = EnteredCode::read(enteredText);
    code->clear();
    code->appendText(entered.code.c_str());
    // An empty code: the one a code file beside the file gives, if any.
    if (entered.code.empty() && !given && isReadableFile(path)) {
        FoundCode found;
        if (CodeFileLookup::find(utf8Of(path->fullPath()), &found)) {
            StrBuffer* line = StrBuffer::create();
            StrBuffer* source = StrBuffer::create();
            StrBuffer* name = path->fileName(nullptr, false);
            str::appendUtf8(line,
                            ChecksumLine::formatTagged(found.algorithm, found.hex, utf8Of(name)));
            str::appendUtf8(source, found.source);
            view_->showFoundCode(line, source, true);
            name->release();
            source->release();
            line->release();
            str::appendUtf8(code, found.hex);
            entered.algorithm = found.algorithm;
        }
    }
    if (code->length() == 0) {
        notify(u"EmptyVeritome");
        return false;
    }
    // 9. The algorithm the code names, else that of the selected match type; under Auto every
    // algorithm whose code is as long as the entered one.
    if (entered.algorithm >= 0) {
        algorithms[(*count)++] = entered.algorithm;
        return true;
    }
    StrBuffer* key = StrBuffer::create();
    view_->matchTypeKey(key);
    const bool automatic = key->equalsTextIgnoreCase(kAutoKey);
    const int chosen = HashAlgorithms::indexOfKey(key);
    key->release();
    if (!automatic) {
        *named = false;
        if (chosen >= 0) algorithms[(*count)++] = chosen;
        return chosen >= 0;
    }
    if (!entered.hasKnownForm()) {
        notify(u"WrongVeritome");
        return false;
    }
    *count = HashAlgorithms::withHexDigits(entered.code.size(), algorithms);
    return true;
}

void HashJob::verify(win::PathWin* path, const StrBuffer* name, io::IInputStream* given) {
    if (view_->takeCodeOfFile()) {
        codeOfFile(path, name, given);
        return;
    }
    // 1.-2. The waiting state and empty fields; the stored size goes with the size field.
    view_->setResultLine(3023000, kBlack, false);
    view_->setVerifyStoredSize(0);
    StrBuffer* field = StrBuffer::create();
    for (VerifyField f :
         {VerifyField::ComputedCode, VerifyField::FileName, VerifyField::Size, VerifyField::Created,
          VerifyField::Modified, VerifyField::Accessed, VerifyField::Summary}) {
        view_->setVerifyText(f, field);
    }
    // 3. The entered code and the algorithms to compute.
    StrBuffer* entered = StrBuffer::create();
    int algorithms[HashAlgorithms::kCount];
    int count = 0;
    bool named = true;
    const bool chosen = chooseAlgorithms(path, given, entered, algorithms, &count, &named);
    // 4. Only an existing file that is not a folder is read.
    win::FileInputStream* file = !chosen || given ? nullptr : openFile(path);
    if (!chosen || (!given && !file)) {
        if (given) given->release();
        if (file) file->release();
        entered->release();
        field->release();
        return;
    }
    // 5. Computing.
    view_->setResultLine(3023010, kBlack, false);
    // 6.-8. The detail lines: name, size, times.
    StrBuffer* detail = StrBuffer::create();
    view_->setVerifyText(VerifyField::FileName, name);
    view_->enableVerifyField(VerifyField::FileName);
    appendLine(detail, 1200000, name);
    if (!given) {
        std::uint64_t size = sizeOf(path);
        view_->setVerifyStoredSize(size);
        FileFacts::formatVerifySize(size, view_->verifyComma(), field);
        view_->setVerifyText(VerifyField::Size, field);
        view_->enableVerifyField(VerifyField::Size);
        field->appendText(u" Bytes");
        appendLine(detail, 1201000, field);
    }
    for (const TimeRow& time : kTimeRows) {
        if (given) break;
        FileFacts::formatShortTime((path->*time.query)(false), field);
        view_->setVerifyText(time.verifyField, field);
        view_->enableVerifyField(time.verifyField);
        appendLine(detail, time.labelId, field);
    }
    // 10.-11. Compute them in one pass, unless the file fails to open or the run is cancelled.
    digest::IDigester* digesters[HashAlgorithms::kCount];
    for (int i = 0; i < count; ++i) digesters[i] = HashAlgorithms::newDigester(algorithms[i]);
    ReadEnd end = readFile(path, file, given, digesters, count, name);
    if (end != ReadEnd::Done) {
        // Nothing was compared: back to waiting for a file.
        view_->setResultLine(3023000, kBlack, false);
    } else {
        // 12. Compare ignoring case; the code shown is the matching one, else the first tried.
        StrBuffer* codes[HashAlgorithms::kCount] = {};
        int matched = -1;
        std::uint32_t tried = 0;
        for (int i = 0; i < count; ++i) {
            digesters[i]->finish(nullptr);
            codes[i] = digesters[i]->toText(nullptr, false);
            tried |= 1u << algorithms[i];
            if (matched < 0 && entered->equalsIgnoreCase(codes[i])) matched = i;
        }
        const StrBuffer* code = codes[matched < 0 ? 0 : matched];
        const int algorithm = matched < 0 ? -1 : algorithms[matched];
        StrBuffer* summary = StrBuffer::create();
        appendLine(summary, 3001000, entered);
        appendLine(summary, 3030000, code);
        summary->appendText(view_->text(3020000));
        const std::u16string verdict =
            VerdictText::of([this](std::int32_t id) { return std::u16string(view_->text(id)); },
                            named ? tried : 0, algorithm);
        summary->appendText(verdict.c_str());
        summary->appendChar(u'\n');
        summary->appendString(detail);
        toCrLf(summary);
        view_->setVerifyText(VerifyField::Summary, summary);
        view_->enableVerifyField(VerifyField::Summary);
        summary->release();
        // 13. The result goes to the dialog: the code, the algorithms tried when the user did
        // not choose one, and the one that matched (its index plus one; 0 for none).
        notify(u"VeritomeForVerify", reinterpret_cast<std::intptr_t>(code),
               static_cast<std::intptr_t>(named ? tried : 0), algorithm + 1);
        for (int i = 0; i < count; ++i) codes[i]->release();
    }
    for (int i = 0; i < count; ++i) digesters[i]->release();
    // 14. Give back the detail text and the input.
    if (given) given->release();
    if (file) file->release();
    detail->release();
    entered->release();
    field->release();
}

void HashJob::codeOfFile(win::PathWin* path, const StrBuffer* name, io::IInputStream* given) {
    win::FileInputStream* file = given ? nullptr : openFile(path);
    if (!given && !file) return;
    // The chosen algorithm; SHA-256 under Auto.
    StrBuffer* key = StrBuffer::create();
    view_->matchTypeKey(key);
    int algorithm = HashAlgorithms::indexOfKey(key);
    key->release();
    if (algorithm < 0) algorithm = kAutoFileAlgorithm;
    digest::IDigester* digester = HashAlgorithms::newDigester(algorithm);
    if (readFile(path, file, given, &digester, 1, name) == ReadEnd::Done) {
        digester->finish(nullptr);
        StrBuffer* code = digester->toText(nullptr, false);
        StrBuffer* line = StrBuffer::create();
        str::appendUtf8(line, ChecksumLine::formatTagged(algorithm, utf8Of(code), utf8Of(name)));
        view_->showFoundCode(line, name, false);
        line->release();
        code->release();
    }
    digester->release();
    if (given) given->release();
    if (file) file->release();
}

}  // namespace s::file::gui::dialogs::filehash
