// What the hash job reads and writes: the frame's entry list, cancel flag and action selector,
// the dialog's rows and verify widgets, and the notifications. The window's dialog implements
// it with its widgets; the terminal front end with plain values.
#pragma once

#include <cstdint>

#include "file/gui/dialogs/filehash/FileFacts.h"
#include "file/win/FileInputStream.h"
#include "io/IInputStream.h"
#include "str/strbuffer/StrBuffer.h"

namespace s::file::gui::dialogs::filehash {

// Calculate rows in the order the job handles them; the twelve codes follow the algorithms'
// feeding order (Row::Crc32 + algorithm index).
enum class Row {
    FileName,
    Size,
    Creation,
    Modified,
    Accessed,
    Crc32,
    Md2,
    Md4,
    Md5,
    Sha2_160,
    Sha2_256,
    Sha2_384,
    Sha2_512,
    Ripemd_128,
    Ripemd_160,
    Adler32,
    Gost,
    Summary
};
constexpr int kRowCount = 18;
constexpr Row codeRow(int algorithm) {
    return static_cast<Row>(static_cast<int>(Row::Crc32) + algorithm);
}

// Fields of the verify page that the job writes.
enum class VerifyField { ComputedCode, FileName, Size, Created, Modified, Accessed, Summary };

// Colours are 0x00BBGGRR.
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kGreen = 0x00BB00;
constexpr std::uint32_t kRed = 0x0000FF;

class IHashJobView {
public:
    virtual ~IHashJobView() = default;

    // The frame: under its lock, copy the first dropped path into path; false when none.
    virtual bool firstEntry(str::strbuffer::StrBuffer* path) = 0;
    // Read once after every block.
    virtual bool isCancelled() = 0;
    // Delivered synchronously and in order; returns after it has been handled. Values are
    // integers or, where a text is passed, the address of a StrBuffer.
    virtual void notify(const char16_t* name, std::intptr_t a, std::intptr_t b,
                        std::intptr_t c) = 0;
    // A file that exists but could not be hashed: it is not a regular file, it could not be
    // opened, or a read failed part way. No code is shown for it; reason is the system's text.
    virtual void reportFailure(const str::strbuffer::StrBuffer* name,
                               const str::strbuffer::StrBuffer* reason) = 0;
    // An input the view has opened itself in place of the entry's path (the terminal's
    // standard input), or null to have the job open the path. The job releases it. With a
    // given input the path's facts (size and times) are not queried.
    virtual io::IInputStream* givenInput() { return nullptr; }
    // A path the job shows nothing for: it is missing or a folder (reason: the system's text).
    // The window passes over it in silence.
    virtual void passedOver(const str::strbuffer::StrBuffer* /*reason*/) {}
    // Opens the entry's file into stream; true when it is open (the stream keeps the reason when
    // not). A view may open it its own way, by name inside a folder it holds open.
    virtual bool openEntry(win::FileInputStream* stream, const str::strbuffer::StrBuffer* path) {
        return stream->open(path->text());
    }
    // 0 calculates, any other value verifies.
    virtual int actionIndex() = 0;
    // The text of a language-pack id in the current language (terminated, never null).
    virtual const char16_t* text(std::int32_t id) = 0;

    // Calculate page.
    virtual bool isTicked(Row row) = 0;
    // Replaces the row's field text (an empty text clears it).
    virtual void setRowText(Row row, const str::strbuffer::StrBuffer* text) = 0;
    virtual SizeType sizeType() = 0;
    virtual bool sizeComma() = 0;
    virtual void setStoredSize(std::uint64_t size) = 0;

    // Verify page.
    virtual void enteredCode(str::strbuffer::StrBuffer* into) = 0;
    virtual void matchTypeKey(str::strbuffer::StrBuffer* into) = 0;
    virtual void setResultLine(std::int32_t textId, std::uint32_t colour, bool bold) = 0;
    virtual void setVerifyText(VerifyField field, const str::strbuffer::StrBuffer* text) = 0;
    // Enables the field (for Size also its "Comma" box).
    virtual void enableVerifyField(VerifyField field) = 0;
    virtual bool verifyComma() = 0;
    virtual void setVerifyStoredSize(std::uint64_t size) = 0;
    // A code the job found for an empty entered code in a code file beside the file (fromList)
    // or computed from the dropped file itself (see takeCodeOfFile): entered is the text for the
    // entered-code field ("ALGO (NAME) = HEX"), source the name of the file it came from.
    virtual void showFoundCode(const str::strbuffer::StrBuffer* entered,
                               const str::strbuffer::StrBuffer* source, bool fromList) {}
    // True when this verify run computes the dropped file's code for the entered-code field
    // instead of comparing (a file dropped onto that field); asked once per run.
    virtual bool takeCodeOfFile() { return false; }
    // Bytes read so far of total (0 when unknown), told before each progress notification.
    virtual void progressBytes(std::uint64_t done, std::uint64_t total) {}
    // The threads that hash files side by side with this run, its own included (a terminal
    // run over many files); a large file is read ahead only when they leave a core free.
    virtual int jobThreads() { return 1; }
};

}  // namespace s::file::gui::dialogs::filehash
