// The file-hash dialog: the content of the drop-dialog frame with the calculate and verify pages,
// their settings, copy and paste, and the hash job's view on the window's widgets.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "file/gui/dialogs/filehash/ChecksumCheck.h"
#include "file/gui/dialogs/filehash/HashJob.h"
#include "file/gui/dialogs/filehash/IHashJobView.h"
#include "file/gui/dialogs/filehash/ProgressRate.h"
#include "gui/dialogs/dragndrop/Dialog.h"
#include "thread/Pooled.h"

namespace s::gui {
class IBox;
class IComponent;
class IComboBox;
}  // namespace s::gui
namespace s::gui::win {
class Box;
class Button;
class CheckBox;
class ComboBox;
class EditBase;
class GroupBox;
class Label;
class ListView;
class ScrollBox;
class TextField;
}  // namespace s::gui::win

namespace s::file::gui::dialogs::filehash {

class Dialog : public s::gui::dialogs::dragndrop::Dialog,
               public IHashJobView,
               public thread::Pooled<Dialog> {
public:
    // Settings section of the dialog's display settings.
    static constexpr const char16_t* kSection = u"View";
    // Id of the message shown when a dropped file cannot be hashed.
    static constexpr std::int32_t kCannotHashText = 3001020;
    static constexpr int kVerifyFieldCount = 7;
    // The pack texts of the actions, in the selector's order (the index the job is told).
    static constexpr std::int32_t kActionTexts[] = {1100000, 1101000, 3100000, 3101000};
    // Texts of the verify page beyond the first version's.
    static constexpr std::int32_t kMatchAutoText = 3040000;     // "Auto"
    static constexpr std::int32_t kCodeFromListText = 3040200;  // "Code from:"
    static constexpr std::int32_t kCodeOfFileText = 3040400;    // "Code of:"
    // The actions that take several dropped files and folders: checking a checksum list and
    // making one.
    static constexpr int kCheckAction = 2;
    static constexpr int kCreateAction = 3;
    // "Please drop checksum lists here!" and "Please drop a folder or files here!"
    static constexpr std::int32_t kCheckHintText = 3105600;
    static constexpr std::int32_t kCreateHintText = 3105700;

    Dialog();
    ~Dialog() override;

    const char16_t* typeName() const override { return u"s_file_gui_dialogs_filehash_Dialog"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Dialog>::release(); }
    void recycle() override;

    // Writes every setting of section "View" from the widgets.
    bool saveSettings();

    // Frame hooks.
    std::int32_t largeWidth() const override { return 600; }
    std::int32_t largeHeight() const override { return 550; }
    // Saves the settings and gives the entered code its clean form.
    bool beforeRun() override;
    // A drop on the code field that the output-folder check refused gives no code either.
    void onRunRefused() override { codeOfFileNext_ = false; }
    s::gui::IComboBox* newActionSelector() override;
    s::gui::IBox* newContent() override;
    void addListeners() override;
    bool onDialogEvent(void* source, std::int32_t code) override;
    bool supportsCompactView() const override { return false; }
    bool defaultCompactView() const override { return false; }
    std::int32_t dropAreaMinWidth() const override { return 110; }
    std::int32_t cancelButtonWidth() const override { return 80; }
    std::int32_t progressGap() const override { return 15; }
    std::int32_t actionTextId(std::uint32_t index) const override;
    // "Veryfy Hash Code", the English text of earlier versions, still selects verify.
    std::int32_t actionOfStoredText(const std::u16string& stored) const override;
    // The check and create actions take several files and folders: their own hints.
    std::int32_t dropHintText(std::int32_t action) const override;

    // The task: the hash job on the frame's worker.
    void run() override;

    // IHashJobView, called from the worker; every widget access is handed to the window's
    // thread and waited for.
    bool firstEntry(str::strbuffer::StrBuffer* path) override;
    bool isCancelled() override { return s::gui::dialogs::dragndrop::Dialog::isCancelled(); }
    void notify(const char16_t* name, std::intptr_t a, std::intptr_t b, std::intptr_t c) override;
    void reportFailure(const str::strbuffer::StrBuffer* name,
                       const str::strbuffer::StrBuffer* reason) override;
    int actionIndex() override;
    const char16_t* text(std::int32_t id) override {
        return s::gui::dialogs::dragndrop::Dialog::text(id);
    }
    bool isTicked(Row row) override;
    void setRowText(Row row, const str::strbuffer::StrBuffer* text) override;
    SizeType sizeType() override;
    bool sizeComma() override;
    void setStoredSize(std::uint64_t size) override;
    void enteredCode(str::strbuffer::StrBuffer* into) override;
    void matchTypeKey(str::strbuffer::StrBuffer* into) override;
    void setResultLine(std::int32_t textId, std::uint32_t colour, bool bold) override;
    void setVerifyText(VerifyField field, const str::strbuffer::StrBuffer* text) override;
    void enableVerifyField(VerifyField field) override;
    bool verifyComma() override;
    void setVerifyStoredSize(std::uint64_t size) override;

    void showFoundCode(const str::strbuffer::StrBuffer* entered,
                       const str::strbuffer::StrBuffer* source, bool fromList) override;
    bool takeCodeOfFile() override { return codeOfFileNext_.exchange(false); }
    void progressBytes(std::uint64_t done, std::uint64_t total) override {
        doneBytes_ = done;
        totalBytes_ = total;
    }

    // Files dropped onto the entered-code field: the first one's code fills the field (the
    // chosen algorithm, SHA-256 under Auto) for the next drop to be compared with.
    void dropCodeFile(str::strarray::StrArray* files);
    // The match-type item of a stored key: Auto (the first item) for "Auto", Md5 for a key of
    // no algorithm.
    static std::int32_t matchTypePosition(const char16_t* key);

    // Widgets, for tests (null before newContent).
    s::gui::win::CheckBox* rowBox(Row row) const { return rows_[static_cast<int>(row)].box; }
    s::gui::win::EditBase* rowField(Row row) const { return rows_[static_cast<int>(row)].field; }
    s::gui::win::Button* rowCopy(Row row) const { return rows_[static_cast<int>(row)].copy; }
    s::gui::win::ComboBox* sizeTypeSelector() const { return sizeType_; }
    s::gui::win::CheckBox* sizeCommaBox() const { return sizeComma_; }
    s::gui::win::TextField* enteredField() const { return entered_; }
    s::gui::win::ComboBox* matchTypeSelector() const { return matchType_; }
    s::gui::win::Button* pasteButton() const { return paste_; }
    // The entered-code field with its "Paste" button: files dropped there fill the field.
    s::gui::win::Box* codeLine() const { return codeLine_; }
    s::gui::win::Label* resultLine() const { return result_; }
    s::gui::win::EditBase* verifyField(VerifyField f) const {
        return verify_[static_cast<int>(f)].field;
    }
    s::gui::win::Button* verifyCopy(VerifyField f) const {
        return verify_[static_cast<int>(f)].copy;
    }
    s::gui::win::CheckBox* verifyCommaBox() const { return verifyComma_; }
    // The calculate (0) and verify (1) pages.
    s::gui::win::ScrollBox* page(int index) const {
        return index == 0 ? calculatePage_ : verifyPage_;
    }
    // The check and create pages' widgets (tests).
    s::gui::win::ListView* checkList() const { return checkList_; }
    s::gui::win::ListView* createList() const { return createList_; }
    s::gui::win::Label* checkCountLine() const { return checkCount_; }
    s::gui::win::Label* createStatusLine() const { return createStatus_; }
    s::gui::win::ComboBox* listTypeSelector() const { return listType_; }
    s::gui::win::Button* copyReportButton() const { return copyReport_; }
    // The last check's report in a checksum tool's form (window's thread).
    const std::string& checkReport() const { return report_; }
    // Told the text of every message box the dialog opens, just before it opens (tests).
    void setMessageObserver(std::function<void(const std::u16string&)> observer) {
        messageObserver_ = std::move(observer);
    }
    std::uint64_t storedSize() const { return storedSize_.load(); }
    std::uint64_t verifyStoredSize() const { return verifyStoredSize_.load(); }

private:
    struct RowWidgets {
        s::gui::win::CheckBox* box = nullptr;
        s::gui::win::EditBase* field = nullptr;
        s::gui::win::Button* copy = nullptr;
    };
    struct VerifyWidgets {
        s::gui::win::EditBase* field = nullptr;
        s::gui::win::Button* copy = nullptr;
    };

    // The shown text of the size type "Auto".
    static constexpr std::int32_t kAutoText = 1201050;
    // "Copy", and the size code of the pages' titles (18 points, bold).
    static constexpr std::int32_t kCopyText = 1009000;
    static constexpr std::int32_t kTitleSize = 104;

    struct KeptText {
        std::int32_t id;
        std::function<void(const std::u16string&)> set;
    };

    void clearWidgets();
    // Widgets with a pack text: set now and again after every change of language.
    void keepText(std::int32_t id, std::function<void(const std::u16string&)> set);
    s::gui::win::Label* label(std::int32_t id, std::int32_t sizeCode);
    s::gui::win::Label* hint(std::int32_t id);
    s::gui::win::CheckBox* checkBox(std::int32_t id, bool checked);
    s::gui::win::Button* button(std::int32_t id, std::int32_t width, std::int32_t height);
    s::gui::win::GroupBox* groupBox(std::int32_t id);
    // Runs call on the window's thread and returns after it ran.
    void onUi(const std::function<void()>& call);
    s::gui::IBox* buildCalculatePage();
    s::gui::IBox* buildVerifyPage();
    s::gui::IBox* buildCheckPage();
    s::gui::IBox* buildCreatePage();
    // The check and create runs on the worker.
    void runCheck();
    void runCreate();
    // Events of the check and create pages; true when handled.
    bool onListEvent(void* source, std::int32_t code);
    // The create page's status line: the last run's outcome in the current language (window's
    // thread).
    void showCreateStatus();
    // The dropped paths of the run (worker).
    std::vector<std::string> droppedPaths();
    // Overall progress of a list run with the list's name in the status bar (worker threads,
    // one at a time).
    void listProgress(std::uint64_t done, std::uint64_t total);
    // A row of the label column: the name (a check box or a label), a field, the extras each
    // after a small gap, and "Copy".
    s::gui::win::Box* fieldRow(s::gui::IComponent* name, s::gui::win::EditBase** field,
                               s::gui::win::Button** copy,
                               std::initializer_list<s::gui::IComponent*> extras);
    // For assistive tools: the field is named by the row's name, and "Copy" carries it.
    static void nameRow(s::gui::IComponent* name, s::gui::IComponent* field,
                        s::gui::IComponent* copy);
    // The summary text area with its tall "Copy" beside it.
    s::gui::win::Box* summaryArea(s::gui::win::EditBase** field, s::gui::win::Button** copy);
    s::gui::IBox* codeRow(Row row, std::int32_t textId);
    s::gui::IBox* verifyRow(VerifyField field, std::int32_t labelId, bool withComma);
    void applyRowStates();
    void relabelSelectors();
    // A box of the label column holding one component (kept for fitLabelColumn).
    s::gui::win::Box* labelCell(s::gui::IComponent* inside);
    // The label column as wide as its widest label in the current language, 100 at least.
    void fitLabelColumn();
    // The job's notifications on the window's thread; true when handled here.
    bool onJobNotice(const std::u16string& name);
    void reformatSize();
    void reformatVerifySize();
    // Copies the field's text (with the suffix; line ends as "\r\n" when crlf) and selects it.
    void copyField(s::gui::win::EditBase* field, const std::u16string& suffix, bool crlf);
    void paste();
    // A key no widget used reached the window (Ctrl+V on the verify page pastes).
    bool onWindowKey();
    // A message box over the window; returns when it is closed.
    void showMessage(const std::u16string& text, bool error);
    void setResultText(std::int32_t id);
    // The result line: its text (with the algorithms when the code chose them) and where the
    // entered code came from.
    void showResult();
    // A message box that does not hide behind a window kept on top.
    void showMessageOnTop(const std::u16string& text, bool error);
    void onEmptyCode();
    // The job's verdict: tried holds bit i for each algorithm tried when the code chose them
    // (0 when the user did), matched is the matching one's index plus one, 0 for none.
    void onComputedCode(const str::strbuffer::StrBuffer* code, std::uint32_t tried, int matched);
    // The run's speed and time left beside the percent (after its first second).
    void showRate(std::intptr_t percent);
    void setEnteredText(const std::u16string& text);
    bool sameCode(const str::strbuffer::StrBuffer* code) const;
    std::u16string sizeTypeKey() const;
    map::IMappedData* settingsStore() const;
    static std::u16string textOf(const str::strbuffer::StrBuffer* text);

    HashJob job_;
    RowWidgets rows_[kRowCount];
    s::gui::win::ComboBox* sizeType_ = nullptr;
    s::gui::win::CheckBox* sizeComma_ = nullptr;
    s::gui::win::TextField* entered_ = nullptr;
    s::gui::win::ComboBox* matchType_ = nullptr;
    s::gui::win::Button* paste_ = nullptr;
    s::gui::win::Label* result_ = nullptr;
    std::int32_t resultId_ = 3023000;
    std::uint32_t resultTried_ = 0;
    int resultMatched_ = -1;
    // The file the entered code came from and the label before it (0: typed or pasted).
    std::u16string codeSource_;
    std::int32_t codeSourceId_ = 0;
    // The dialog itself is changing the entered code: its source stays.
    bool fillingCode_ = false;
    s::gui::win::Box* codeLine_ = nullptr;
    std::atomic<bool> codeOfFileNext_{false};
    std::atomic<std::uint64_t> doneBytes_{0};
    std::atomic<std::uint64_t> totalBytes_{0};
    ProgressRate rate_;
    VerifyWidgets verify_[kVerifyFieldCount];
    s::gui::win::CheckBox* verifyComma_ = nullptr;
    s::gui::win::Box* pile_ = nullptr;
    s::gui::win::ScrollBox* calculatePage_ = nullptr;
    s::gui::win::ScrollBox* verifyPage_ = nullptr;
    std::function<void(const std::u16string&)> messageObserver_;
    std::vector<KeptText> texts_;
    std::vector<s::gui::win::Box*> labelCells_;  // the label column of the field rows
    s::gui::win::ComboBox* actions_ = nullptr;
    s::gui::win::ListView* checkList_ = nullptr;
    s::gui::win::ListView* createList_ = nullptr;
    s::gui::win::Label* checkCount_ = nullptr;
    s::gui::win::Label* createStatus_ = nullptr;
    s::gui::win::ComboBox* listType_ = nullptr;
    s::gui::win::Button* copyReport_ = nullptr;
    s::gui::win::Button* copyRows_ = nullptr;
    std::string report_;
    CheckCounts checkCounts_;
    bool checkCounted_ = false;
    // The create run's outcome: the status text's id (0: none) and the value for its %1.
    std::int32_t createStatusId_ = 0;
    std::u16string createStatusValue_;
    // The list being checked or made, shown in the status bar during the run (worker).
    std::string listName_;

    // Written by the worker, read on the window's thread.
    std::atomic<std::uint64_t> storedSize_{0};
    std::atomic<std::uint64_t> verifyStoredSize_{0};
    std::atomic<bool> sizeShown_{false};
    std::atomic<bool> verifySizeShown_{false};
    // The percent last handed to the window and when (the worker's own; -1 before the first).
    static constexpr std::chrono::milliseconds kProgressInterval{40};
    std::intptr_t shownPercent_ = -1;
    std::chrono::steady_clock::time_point shownAt_;
    // A dropped path that is missing or a folder: the reason, reported before the run ends.
    std::u16string pendingName_;
    std::u16string pendingReason_;
};

}  // namespace s::file::gui::dialogs::filehash
