// The two modes of the hash job, step by step.
#include "file/gui/dialogs/filehash/HashJob.h"

#include "digest/IDigester.h"
#include "file/gui/dialogs/filehash/DigestFeeder.h"
#include "file/gui/dialogs/filehash/HashAlgorithms.h"
#include "file/win/FileInputStream.h"
#include "file/win/PathWin.h"

namespace s::file::gui::dialogs::filehash {

using str::strbuffer::StrBuffer;

namespace {

// Calculate-mode time rows, their labels and the path's time queries.
struct TimeRow {
    Row row;
    std::int32_t labelId;
    std::int64_t (win::PathWin::*query)(bool refresh);
};
constexpr TimeRow kTimeRows[] = {
    {Row::Creation, 1202000, &win::PathWin::creationTime},
    {Row::Modified, 1203000, &win::PathWin::modificationTime},
    {Row::Accessed, 1203500, &win::PathWin::accessTime},
};
constexpr VerifyField kVerifyTimeFields[] = {VerifyField::Created, VerifyField::Modified,
                                             VerifyField::Accessed};

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
        if (view_->actionIndex() == 0) {
            calculate(path, name);
        } else {
            verify(path, name);
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

bool HashJob::readFile(win::PathWin* path, digest::IDigester** digesters, int count,
                       const StrBuffer* name) {
    io::IInputStream* stream = path->openInputStream();
    if (!stream) return false;
    const std::uint64_t total = sizeOf(path);
    std::uint64_t done = 0;
    DigestFeeder feeder(digesters, count);
    alignas(64) std::uint8_t block[kBlockSize];
    std::uint32_t got = 0;
    bool cancelled = view_->isCancelled();
    while (!cancelled && stream->read(block, kBlockSize, &got)) {
        feeder.update(block, got);
        done += got;
        notify(u"ProcessStatusUpdate", kProgressScale, percentOf(done, total),
               reinterpret_cast<std::intptr_t>(name));
        cancelled = view_->isCancelled();
    }
    feeder.finishFeeding();
    stream->release();
    return true;
}

void HashJob::calculate(win::PathWin* path, const StrBuffer* name) {
    // 1. Clear the fields and the stored size.
    StrBuffer* empty = StrBuffer::create();
    for (int row = 0; row < kRowCount; ++row) view_->setRowText(static_cast<Row>(row), empty);
    view_->setStoredSize(0);
    // 2. Only an existing file that is not a folder is shown.
    if (!isReadableFile(path)) {
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
    if (view_->isTicked(Row::Size)) {
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
        if (!view_->isTicked(time.row)) continue;
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
    // 8. Read the file once; show the codes unless the file failed to open or was cancelled.
    if (count > 0) {
        bool opened = readFile(path, digesters, count, name);
        if (opened && !view_->isCancelled()) {
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
    for (int i = 0; i < count; ++i) digesters[i]->release();
    summary->release();
    empty->release();
}

void HashJob::verify(win::PathWin* path, const StrBuffer* name) {
    // 1.-2. The waiting state and empty fields.
    view_->setResultLine(3023000, kBlack, false);
    StrBuffer* field = StrBuffer::create();
    for (VerifyField f :
         {VerifyField::ComputedCode, VerifyField::FileName, VerifyField::Size, VerifyField::Created,
          VerifyField::Modified, VerifyField::Accessed, VerifyField::Summary}) {
        view_->setVerifyText(f, field);
    }
    // 3. The entered code, unchanged.
    StrBuffer* entered = StrBuffer::create();
    view_->enteredCode(entered);
    if (entered->length() == 0) {
        notify(u"EmptyVeritome");
        entered->release();
        field->release();
        return;
    }
    // 4.-5. Only an existing file that is not a folder is read.
    if (!isReadableFile(path)) {
        entered->release();
        field->release();
        return;
    }
    view_->setResultLine(3023010, kBlack, false);
    // 6.-8. The detail lines: name, size, times.
    StrBuffer* detail = StrBuffer::create();
    view_->setVerifyText(VerifyField::FileName, name);
    view_->enableVerifyField(VerifyField::FileName);
    appendLine(detail, 1200000, name);
    std::uint64_t size = sizeOf(path);
    view_->setVerifyStoredSize(size);
    FileFacts::formatVerifySize(size, view_->verifyComma(), field);
    view_->setVerifyText(VerifyField::Size, field);
    view_->enableVerifyField(VerifyField::Size);
    field->appendText(u" Bytes");
    appendLine(detail, 1201000, field);
    for (int i = 0; i < 3; ++i) {
        FileFacts::formatShortTime((path->*kTimeRows[i].query)(false), field);
        view_->setVerifyText(kVerifyTimeFields[i], field);
        view_->enableVerifyField(kVerifyTimeFields[i]);
        appendLine(detail, kTimeRows[i].labelId, field);
    }
    // 9. The algorithm of the selected match type.
    StrBuffer* key = StrBuffer::create();
    view_->matchTypeKey(key);
    int algorithm = HashAlgorithms::indexOfKey(key);
    key->release();
    if (algorithm >= 0) {
        // 10.-11. Compute it, unless the file fails to open or the run is cancelled.
        digest::IDigester* digester = HashAlgorithms::newDigester(algorithm);
        bool opened = readFile(path, &digester, 1, name);
        if (opened && !view_->isCancelled()) {
            // 12. Compare ignoring case and write the verify summary.
            digester->finish(nullptr);
            StrBuffer* code = digester->toText(nullptr, false);
            bool same = entered->equalsIgnoreCase(code);
            StrBuffer* summary = StrBuffer::create();
            appendLine(summary, 3001000, entered);
            appendLine(summary, 3030000, code);
            summary->appendText(view_->text(3020000));
            summary->appendText(view_->text(same ? 3021000 : 3022000));
            summary->appendChar(u'\n');
            summary->appendString(detail);
            toCrLf(summary);
            view_->setVerifyText(VerifyField::Summary, summary);
            view_->enableVerifyField(VerifyField::Summary);
            summary->release();
            // 13. The result goes to the dialog.
            notify(u"VeritomeForVerify", reinterpret_cast<std::intptr_t>(code));
            code->release();
        }
        digester->release();
    }
    // 14. Give back the detail text.
    detail->release();
    entered->release();
    field->release();
}

}  // namespace s::file::gui::dialogs::filehash
