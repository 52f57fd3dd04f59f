// The terminal's view of the hash job.
#include "CliView.h"

#include "InterruptibleInput.h"
#include "file/gui/dialogs/filehash/HashJob.h"
#include "file/gui/dialogs/filehash/ProgressRate.h"
#include "lang/Localizer.h"
#include "platform/File.h"
#include "str/Utf8.h"

namespace cli {

using s::str::strbuffer::StrBuffer;

namespace {
std::string utf8Of(const StrBuffer* text) {
    return s::str::toUtf8String(text->data(), text->length());
}
}  // namespace

Folder::~Folder() {
    platform::closeFile(fd_);
}

int Folder::descriptor() {
    std::call_once(opened_, [this] { fd_ = platform::openFolder(path_); });
    return fd_;
}

CliView::CliView(s::lang::Localizer* localizer, const std::atomic<bool>* cancel,
                 ProgressLine* progress)
    : localizer_(localizer), cancel_(cancel), progress_(progress) {
    if (localizer_) {
        const std::u16string label = text(fh::ProgressRate::kTimeLeftText);
        progress_->setLeftLabel(
            s::str::toUtf8String(label.data(), static_cast<std::uint32_t>(label.size())));
    }
    for (auto*& row : rows_) row = StrBuffer::create();
    for (auto*& field : verify_) field = StrBuffer::create();
}

CliView::~CliView() {
    for (auto* row : rows_) row->release();
    for (auto* field : verify_) field->release();
}

void CliView::setEntry(const std::string& path, const std::string& shownName,
                       std::shared_ptr<Folder> folder, std::string name, bool listedRegular) {
    entry_ = path;
    shownName_ = shownName;
    folder_ = std::move(folder);
    name_ = std::move(name);
    listedRegular_ = listedRegular;
    emptyCode_ = false;
    wrongCode_ = false;
    failure_.clear();
    resultId_ = 0;
    for (auto* row : rows_) row->clear();
    for (auto* field : verify_) field->clear();
}

std::string CliView::rowText(fh::Row row) const {
    return utf8Of(rows_[static_cast<int>(row)]);
}

std::string CliView::verifyText(fh::VerifyField field) const {
    return utf8Of(verify_[static_cast<int>(field)]);
}

bool CliView::firstEntry(StrBuffer* path) {
    if (entry_.empty()) return false;
    s::str::appendUtf8(path, entry_);
    return true;
}

void CliView::notify(const char16_t* name, std::intptr_t a, std::intptr_t b, std::intptr_t) {
    std::u16string_view event(name);
    if (event == u"ProcessStatusStart") {
        blocks_ = 0;
        doneBytes_ = totalBytes_ = 0;
        progress_->start(shownName_);
    } else if (event == u"ProcessStatusUpdate") {
        ++blocks_;
        // The job tells the bytes before each step; a view that was not told counts blocks.
        std::uint64_t done = doneBytes_ ? doneBytes_ : blocks_ * fh::HashJob::kBlockSize;
        progress_->update(static_cast<int>(b), done, totalBytes_);
    } else if (event == u"ProcessStatusEnd") {
        progress_->end();
    } else if (event == u"EmptyVeritome") {
        emptyCode_ = true;
    } else if (event == u"WrongVeritome") {
        wrongCode_ = true;
    } else if (event == u"VeritomeForVerify") {
        // As the dialog does: the computed code goes into its field.
        verify_[static_cast<int>(fh::VerifyField::ComputedCode)]->assign(
            reinterpret_cast<const StrBuffer*>(a));
    }
}

void CliView::passedOver(const StrBuffer* reason) {
    // The window stays silent about a missing path or a folder; the terminal says why.
    reportFailure(nullptr, reason);
}

void CliView::reportFailure(const StrBuffer*, const StrBuffer* reason) {
    failure_ = utf8Of(reason);
    if (failure_.empty()) failure_ = "could not be read";
}

s::io::IInputStream* CliView::givenInput() {
    if (entry_ != "-") return nullptr;
    // Standard input may block without end: a close signal must still end the read.
    return new InterruptibleInput(0, false);
}

bool CliView::openEntry(s::file::win::FileInputStream* stream, const StrBuffer* path) {
    const int folder = folder_ ? folder_->descriptor() : platform::kNoFile;
    const bool opened = folder != platform::kNoFile ? stream->openAt(folder, name_, listedRegular_)
                                                    : stream->open(path->text());
    folder_.reset();  // the folder closes once none of its files is still to be opened
    return opened;
}

const char16_t* CliView::text(std::int32_t id) {
    return localizer_ ? localizer_->text(id) : u"";
}

void CliView::setRowText(fh::Row row, const StrBuffer* text) {
    rows_[static_cast<int>(row)]->assign(text);
}

void CliView::enteredCode(StrBuffer* into) {
    s::str::appendUtf8(into, entered_);
}

void CliView::matchTypeKey(StrBuffer* into) {
    into->appendText(matchKey_);
}

void CliView::setVerifyText(fh::VerifyField field, const StrBuffer* text) {
    verify_[static_cast<int>(field)]->assign(text);
}

}  // namespace cli
