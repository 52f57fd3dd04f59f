// The check and create pages: checking every file of a dropped checksum list, and making a
// list for dropped files and folders, with their results in list views.
#include <algorithm>

#include "file/gui/dialogs/filehash/ChecksumCreate.h"
#include "file/gui/dialogs/filehash/Dialog.h"
#include "file/gui/dialogs/filehash/HashAlgorithms.h"
#include "gui/access/Access.h"
#include "gui/combobox/ComboBoxItem.h"
#include "gui/win/Box.h"
#include "gui/win/Button.h"
#include "gui/win/ComboBox.h"
#include "gui/win/Label.h"
#include "gui/win/ListView.h"
#include "gui/win/Spacer.h"
#include "gui/win/Window.h"
#include "platform/File.h"
#include "platform/window/Clipboard.h"
#include "str/Utf8.h"
#include "str/strbuffer/StrBuffer.h"

namespace s::file::gui::dialogs::filehash {

using str::strbuffer::StrBuffer;
namespace gw = s::gui::win;
namespace layout = s::gui::layout;

namespace {

constexpr std::int32_t kOkText = 3102000, kFailedText = 3102100, kMissingText = 3102200;
constexpr std::int32_t kCountText = 3103000;
constexpr std::int32_t kNameHeading = 3104000, kAlgorithmHeading = 3104100,
                       kResultHeading = 3104200;
constexpr std::int32_t kReplaceText = 3105000, kNotWrittenText = 3105100,
                       kWrittenText = 3105200, kOneFolderText = 3105300, kNoLinesText = 3105400,
                       kCopyReportText = 3105500;
constexpr std::int32_t kUnwritableText = 608299;
constexpr s::gui::Colour kOkColour = gw::makeColour(0, 187, 0);
constexpr s::gui::Colour kFailColour = gw::makeColour(255, 0, 0);
// Rows reach the list view in groups of at most this many.
constexpr std::size_t kRowBatch = 256;
// SHA-256 in the selector's order of algorithms.
constexpr std::int32_t kSha256Position = 9;

// The rows' order: failures first, then list order (files finish out of order on two threads).
std::int32_t orderOf(int rank, std::size_t index) {
    constexpr std::size_t kPerRank = std::size_t{1} << 26;
    return static_cast<std::int32_t>(static_cast<std::size_t>(rank) * kPerRank +
                                     std::min(index, kPerRank - 1));
}

std::u16string wide(const std::string& bytes) {
    StrBuffer* text = StrBuffer::create();
    str::appendUtf8(text, bytes);
    std::u16string out(text->data(), text->length());
    text->release();
    return out;
}

std::u16string withNumber(std::u16string pattern, const std::u16string& value) {
    const std::size_t at = pattern.find(u"%1");
    if (at != std::u16string::npos) pattern.replace(at, 2, value);
    return pattern;
}

// The last part of a path.
std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::u16string numberText(std::size_t n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

gw::Box* newRow() {
    return gw::newBox(100, -1, layout::kStart, layout::kCentre, 0, 0, 0, 0, layout::kRow);
}

gw::Box* newPageColumn() {
    gw::Box* column =
        gw::newBox(100, 100, layout::kStart, layout::kStart, 0, 0, 0, 0, layout::kColumn);
    column->setMargins(10);
    return column;
}

}  // namespace

// ---- pages -------------------------------------------------------------------------------------

s::gui::IBox* Dialog::buildCheckPage() {
    gw::Box* column = newPageColumn();
    gw::Box* heading = newRow();
    gw::Label* title = label(kActionTexts[kCheckAction], kTitleSize);
    heading->add(title);
    column->add(heading);
    column->add(gw::newSpacer(1, 8));
    gw::Box* countRow = newRow();
    checkCount_ = gw::newLabel(u"");
    checkCount_->setEllipsis(true);
    checkCount_->setComponentPercentWidth(100);
    countRow->add(checkCount_);
    copyReport_ = button(kCopyReportText, 110, -1);
    copyRows_ = button(kCopyText, 75, -1);
    countRow->add(copyReport_);
    countRow->add(gw::newSpacer(0, 4));
    countRow->add(copyRows_);
    column->add(countRow);
    column->add(gw::newSpacer(1, 6));
    checkList_ = gw::newListView({text(kNameHeading), text(kAlgorithmHeading),
                                  text(kResultHeading)},
                                 {300, 90, 150});
    checkList_->setComponentPercentWidth(100);
    checkList_->setComponentPercentHeight(100);
    keepText(kNameHeading, [this](const std::u16string& t) { checkList_->setColumnTitle(0, t); });
    keepText(kAlgorithmHeading,
             [this](const std::u16string& t) { checkList_->setColumnTitle(1, t); });
    keepText(kResultHeading,
             [this](const std::u16string& t) { checkList_->setColumnTitle(2, t); });
    keepText(kCountText, [this](const std::u16string& t) {
        checkCount_->setText(checkCounted_ ? ChecksumCheck::countLine(t, checkCounts_) : u"", true);
    });
    column->add(checkList_);
    // The results are named by the page's title.
    s::gui::access::Access::labelledBy(checkList_, title);
    return column;
}

s::gui::IBox* Dialog::buildCreatePage() {
    gw::Box* column = newPageColumn();
    gw::Box* heading = newRow();
    gw::Label* title = label(kActionTexts[kCreateAction], kTitleSize);
    heading->add(title);
    heading->add(gw::newStretchSpacer(100));
    // The algorithm is the match type's: the two selectors show one choice.
    listType_ = gw::newComboBox(100, true);
    for (int i = 0; i < HashAlgorithms::kCount; ++i) {
        const HashAlgorithm& a = HashAlgorithms::at(HashAlgorithms::matchTypeAt(i));
        listType_->addItem(s::gui::combobox::newComboBoxItem(text(a.labelId), a.key));
    }
    // The match type's first item is "Auto", which no list has: SHA-256 then.
    const std::int32_t match = matchType_ ? matchType_->getSelectedIndex() : 0;
    listType_->select(match > 0 ? match - 1 : kSha256Position, false);
    heading->add(listType_);
    column->add(heading);
    column->add(gw::newSpacer(1, 8));
    createStatus_ = gw::newLabel(u"");
    createStatus_->setEllipsis(true);
    column->add(createStatus_);
    column->add(gw::newSpacer(1, 6));
    createList_ = gw::newListView({text(kNameHeading), text(kResultHeading)}, {360, 180});
    createList_->setComponentPercentWidth(100);
    createList_->setComponentPercentHeight(100);
    keepText(kNameHeading,
             [this](const std::u16string& t) { createList_->setColumnTitle(0, t); });
    keepText(kResultHeading,
             [this](const std::u16string& t) { createList_->setColumnTitle(1, t); });
    // The status of the last run follows the language.
    for (std::int32_t id : {kWrittenText, kNotWrittenText, kUnwritableText}) {
        keepText(id, [this, id](const std::u16string&) {
            if (createStatusId_ == id) showCreateStatus();
        });
    }
    column->add(createList_);
    s::gui::access::Access::labelledBy(createList_, title);
    return column;
}

bool Dialog::onListEvent(void* source, std::int32_t code) {
    using s::gui::eventSource;
    if (!checkList_) return false;
    if (source == eventSource(copyReport_)) {
        platform::window::setClipboardText(wide(report_));
        return true;
    }
    if (source == eventSource(copyRows_)) {
        checkList_->copyToClipboard(true);
        return true;
    }
    // Either selector changed: the other follows without telling anyone.
    if (source == eventSource(listType_)) {
        matchType_->select(listType_->getSelectedIndex() + 1, false);
        return true;
    }
    if (source == eventSource(matchType_)) {
        if (matchType_->getSelectedIndex() > 0)
            listType_->select(matchType_->getSelectedIndex() - 1, false);
        return false;
    }
    return false;
}

void Dialog::showCreateStatus() {
    createStatus_->setText(
        createStatusId_ ? withNumber(text(createStatusId_), createStatusValue_) : u"", true);
}

// ---- runs --------------------------------------------------------------------------------------

std::vector<std::string> Dialog::droppedPaths() {
    std::vector<std::string> paths;
    StrBuffer* entry = StrBuffer::create();
    for (std::uint32_t i = 0; entryAt(i, entry); ++i) {
        paths.push_back(str::toUtf8String(entry->data(), entry->length()));
        entry->clear();
    }
    entry->release();
    return paths;
}

void Dialog::listProgress(std::uint64_t done, std::uint64_t total) {
    // The frame's rate line (percent, speed, time left) is worked out from these bytes.
    progressBytes(done, total);
    const int percent = HashJob::percentOf(done, total);
    if (percent == shownPercent_) return;
    StrBuffer* shown = StrBuffer::create();
    str::appendUtf8(shown, listName_);
    notify(u"ProcessStatusUpdate", HashJob::kProgressScale, percent,
           reinterpret_cast<std::intptr_t>(shown));
    shown->release();
}

void Dialog::runCheck() {
    notify(u"ProcessStatusStart", 0, 0, 0);
    onUi([&] {
        checkList_->clearRows();
        checkCounted_ = false;
        checkCount_->setText(u"", true);
        report_.clear();
    });
    const std::u16string okText = text(kOkText), failedText = text(kFailedText),
                         missingText = text(kMissingText);
    // The algorithms' names as the list shows them, looked up once.
    std::u16string algorithmNames[HashAlgorithms::kCount];
    for (int i = 0; i < HashAlgorithms::kCount; ++i) {
        std::u16string name = text(HashAlgorithms::at(i).labelId);
        // The label's colon and no-break space are not part of the name.
        while (!name.empty() && (name.back() == u':' || name.back() == u'\u00a0')) name.pop_back();
        algorithmNames[i] = std::move(name);
    }
    std::vector<CheckedFile> all;
    CheckCounts total;
    bool anyEntry = false;
    progressBytes(0, 0);
    for (const std::string& listPath : droppedPaths()) {
        listName_ = nameOf(listPath);
        if (isCancelled()) break;
        ChecksumCheck check;
        std::string reason;
        if (!check.readList(listPath, &reason)) {
            const std::u16string message =
                std::u16string(text(kCannotHashText)) + u"\r\n\"" + wide(listPath) + u"\"\r\n" +
                wide(reason);
            onUi([&] { showMessage(message, true); });
            continue;
        }
        anyEntry = anyEntry || !check.entries().empty();
        std::vector<gw::ListRow> rows;
        auto toRow = [&](const CheckedFile& f) {
            gw::ListRow row;
            const std::u16string result = f.status == CheckStatus::Ok       ? okText
                                          : f.status == CheckStatus::Failed ? failedText
                                          : f.status == CheckStatus::Missing
                                              ? missingText
                                              : wide(f.reason);
            row.cells = {{wide(f.name)},
                         {algorithmNames[f.algorithm]},
                         {result, f.status == CheckStatus::Ok ? kOkColour : kFailColour}};
            row.group = orderOf(ChecksumCheck::rankOf(f.status), f.index);
            return row;
        };
        CheckCounts counts = check.run(
            &cancelFlag(),
            [&](const std::vector<CheckedFile>& files) {
                for (const CheckedFile& f : files) rows.push_back(toRow(f));
                if (rows.size() >= kRowBatch) checkList_->addRows(std::move(rows)), rows.clear();
            },
            [&](std::uint64_t done, std::uint64_t size) { listProgress(done, size); });
        checkList_->addRows(std::move(rows));
        total.ok += counts.ok;
        total.failed += counts.failed;
        total.missing += counts.missing;
        total.unreadable += counts.unreadable;
        total.malformed += counts.malformed;
        all.insert(all.end(), check.results().begin(), check.results().end());
    }
    const std::string report = ChecksumCheck::report(all);
    onUi([&] {
        checkList_->takeQueuedRows();
        report_ = report;
        checkCounts_ = total;
        checkCounted_ = true;
        checkCount_->setText(ChecksumCheck::countLine(text(kCountText), total), true);
    });
    if (!anyEntry && !isCancelled()) onUi([&] { showMessage(text(kNoLinesText), true); });
    notify(u"ProcessStatusEnd", 0, 0, 0);
}

void Dialog::runCreate() {
    notify(u"ProcessStatusStart", 0, 0, 0);
    int algorithm = 5;
    onUi([&] {
        createList_->clearRows();
        createStatusId_ = 0;
        showCreateStatus();
        s::gui::combobox::ComboBoxItem* item = listType_->getSelectedItem();
        if (item && item->getValue()) {
            algorithm = HashAlgorithms::indexOfKey(static_cast<const char16_t*>(item->getValue()));
        }
    });
    ListPlan plan;
    std::string reason;
    const std::vector<std::string> paths = droppedPaths();
    if (!ChecksumCreate::plan(paths, algorithm, &plan, &reason)) {
        const std::u16string message = paths.size() > 1 ? std::u16string(text(kOneFolderText))
                                                        : wide(reason);
        onUi([&] { showMessage(message, true); });
        notify(u"ProcessStatusEnd", 0, 0, 0);
        return;
    }
    const std::u16string listPath = wide(plan.listPath());
    bool replace = false;
    if (platform::fileStatus(plan.listPath()).exists || platform::linkStatus(plan.listPath()).exists) {
        const std::u16string question = withNumber(text(kReplaceText), listPath);
        if (messageObserver_) messageObserver_(question);
        auto* window = dynamic_cast<gw::Window*>(createList_->getWindow());
        replace = window && window->ask(question);
        if (!replace) {
            notify(u"ProcessStatusEnd", 0, 0, 0);
            return;
        }
    }
    const std::u16string okText = text(kOkText), missingText = text(kMissingText);
    std::vector<gw::ListRow> rows;
    std::string listText;
    std::size_t failures = 0;
    progressBytes(0, 0);
    listName_ = nameOf(plan.listPath());
    const bool made = ChecksumCreate::make(
        plan, &cancelFlag(),
        [&](const std::vector<MadeEntry>& entries) {
            for (const MadeEntry& e : entries) {
                const bool ok = e.code.status == FileCode::Status::Done;
                gw::ListRow row;
                row.cells = {{wide(e.name)},
                             {ok ? okText
                                 : e.code.status == FileCode::Status::Missing ? missingText
                                                                              : wide(e.code.reason),
                              ok ? kOkColour : kFailColour}};
                row.group = orderOf(ok ? 1 : 0, e.index);
                rows.push_back(std::move(row));
            }
            if (rows.size() >= kRowBatch) createList_->addRows(std::move(rows)), rows.clear();
        },
        [&](std::uint64_t done, std::uint64_t size) { listProgress(done, size); }, &listText,
        &failures);
    createList_->addRows(std::move(rows));
    std::int32_t statusId = 0;
    std::u16string statusValue;
    if (made) {
        const ChecksumCreate::Written written = ChecksumCreate::write(plan, listText, replace);
        // A folder that takes no file: the frame's words for an unwritable folder.
        statusId = written == ChecksumCreate::Written::Ok ? kWrittenText : kUnwritableText;
        statusValue = listPath;
    } else if (failures > 0) {
        statusId = kNotWrittenText;
        statusValue = numberText(failures);
    }
    onUi([&] {
        createList_->takeQueuedRows();
        createStatusId_ = statusId;
        createStatusValue_ = statusValue;
        showCreateStatus();
    });
    notify(u"ProcessStatusEnd", 0, 0, 0);
}

}  // namespace s::file::gui::dialogs::filehash
