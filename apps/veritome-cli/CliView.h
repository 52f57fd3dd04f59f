// The hash job's view for the terminal: ticked rows and choices as plain values, the fields
// kept as texts, progress drawn on standard error.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "ProgressLine.h"
#include "file/gui/dialogs/filehash/IHashJobView.h"

namespace s::lang {
class Localizer;
}

namespace cli {

namespace fh = s::file::gui::dialogs::filehash;

// A folder whose files are opened by name inside it: opened on first use, closed when the last
// holder lets it go (so a long list of files keeps only the folders in use open).
class Folder {
public:
    explicit Folder(std::string path) : path_(std::move(path)) {}
    ~Folder();
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    // The folder's descriptor, or platform::kNoFile when it cannot be opened.
    int descriptor();
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::once_flag opened_;
    int fd_ = -1;
};

class CliView : public fh::IHashJobView {
public:
    CliView(s::lang::Localizer* localizer, const std::atomic<bool>* cancel, ProgressLine* progress);
    ~CliView() override;

    // Set up one run; "-" reads standard input's descriptor. With a folder, the file is opened
    // as name inside it (path is the folder's path and name); listedRegular: the folder's
    // listing showed it as a regular file.
    void setEntry(const std::string& path, const std::string& shownName,
                  std::shared_ptr<Folder> folder = nullptr, std::string name = {},
                  bool listedRegular = false);
    void setAction(int index) { action_ = index; }
    void tick(fh::Row row, bool ticked) { ticked_[static_cast<int>(row)] = ticked; }
    void setSizeType(fh::SizeType type) { sizeType_ = type; }
    void setComma(bool comma) { comma_ = comma; }
    void setEnteredCode(const std::string& code) { entered_ = code; }
    void setMatchKey(const char16_t* key) { matchKey_ = key; }
    void setJobThreads(int threads) { jobThreads_ = threads; }

    // What the run produced (UTF-8).
    std::string rowText(fh::Row row) const;
    std::string verifyText(fh::VerifyField field) const;
    std::int32_t resultTextId() const { return resultId_; }
    bool sawEmptyCode() const { return emptyCode_; }
    // The entered code was refused under Auto: not hexadecimal, or of no algorithm's length.
    bool sawWrongCode() const { return wrongCode_; }
    // Why the file could not be hashed (also a path the job passed over: missing, a folder);
    // empty when it was.
    const std::string& failure() const { return failure_; }

    // IHashJobView
    bool firstEntry(s::str::strbuffer::StrBuffer* path) override;
    bool isCancelled() override { return cancel_->load(std::memory_order_relaxed); }
    void notify(const char16_t* name, std::intptr_t a, std::intptr_t b, std::intptr_t c) override;
    void reportFailure(const s::str::strbuffer::StrBuffer* name,
                       const s::str::strbuffer::StrBuffer* reason) override;
    s::io::IInputStream* givenInput() override;
    void passedOver(const s::str::strbuffer::StrBuffer* reason) override;
    bool openEntry(s::file::win::FileInputStream* stream,
                   const s::str::strbuffer::StrBuffer* path) override;
    int actionIndex() override { return action_; }
    const char16_t* text(std::int32_t id) override;
    bool isTicked(fh::Row row) override { return ticked_[static_cast<int>(row)]; }
    void setRowText(fh::Row row, const s::str::strbuffer::StrBuffer* text) override;
    fh::SizeType sizeType() override { return sizeType_; }
    bool sizeComma() override { return comma_; }
    void setStoredSize(std::uint64_t) override {}
    void enteredCode(s::str::strbuffer::StrBuffer* into) override;
    void matchTypeKey(s::str::strbuffer::StrBuffer* into) override;
    void setResultLine(std::int32_t textId, std::uint32_t, bool) override { resultId_ = textId; }
    void setVerifyText(fh::VerifyField field, const s::str::strbuffer::StrBuffer* text) override;
    void enableVerifyField(fh::VerifyField) override {}
    bool verifyComma() override { return comma_; }
    void setVerifyStoredSize(std::uint64_t) override {}
    void progressBytes(std::uint64_t done, std::uint64_t total) override {
        doneBytes_ = done;
        totalBytes_ = total;
    }
    int jobThreads() override { return jobThreads_; }

private:
    s::lang::Localizer* localizer_;
    const std::atomic<bool>* cancel_;
    ProgressLine* progress_;
    std::string entry_;
    std::string shownName_;
    std::shared_ptr<Folder> folder_;
    std::string name_;
    bool listedRegular_ = false;
    int action_ = 0;
    int jobThreads_ = 1;
    bool ticked_[fh::kRowCount] = {};
    fh::SizeType sizeType_ = fh::SizeType::Bytes;
    bool comma_ = true;
    std::string entered_;
    const char16_t* matchKey_ = u"Md5";
    s::str::strbuffer::StrBuffer* rows_[fh::kRowCount];
    s::str::strbuffer::StrBuffer* verify_[7];
    std::int32_t resultId_ = 0;
    bool emptyCode_ = false;
    bool wrongCode_ = false;
    std::string failure_;
    std::uint64_t blocks_ = 0;
    std::uint64_t doneBytes_ = 0;
    std::uint64_t totalBytes_ = 0;
};

}  // namespace cli
