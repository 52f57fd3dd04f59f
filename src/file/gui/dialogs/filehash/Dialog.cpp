// The file-hash dialog: pages, settings, listeners, copy and paste, and the job's view.
#include "file/gui/dialogs/filehash/Dialog.h"

#include <chrono>

#include "app/IAppWindow.h"
#include "file/gui/dialogs/filehash/FileFacts.h"
#include "file/gui/dialogs/filehash/HashAlgorithms.h"
#include "file/win/PathWin.h"
#include "gui/IComboBox.h"
#include "gui/IWindow.h"
#include "gui/combobox/ComboBoxItem.h"
#include "gui/dialogs/dragndrop/IDialogView.h"
#include "gui/win/Box.h"
#include "gui/win/Button.h"
#include "gui/win/CheckBox.h"
#include "gui/win/ComboBox.h"
#include "gui/win/EditBase.h"
#include "gui/win/GroupBox.h"
#include "gui/win/Label.h"
#include "gui/win/ScrollBox.h"
#include "gui/win/Spacer.h"
#include "gui/win/TextEdit.h"
#include "gui/win/TextField.h"
#include "lang/Localizer.h"
#include "map/IMappedData.h"
#include "platform/window/Clipboard.h"
#include "platform/window/Window.h"
#include "str/strarray/StrArray.h"
#include "str/strbuffer/StrBuffer.h"

namespace s::file::gui::dialogs::filehash {

using str::strbuffer::StrBuffer;
namespace gw = s::gui::win;
namespace layout = s::gui::layout;

namespace {

// Settings keys of the calculate rows, in Row order, and their first-start states.
struct RowSetting {
    const char16_t* key;
    std::int32_t labelId;
    bool ticked;
};
constexpr RowSetting kRowSettings[kRowCount] = {
    {u"FileName", 1200000, true},  {u"Size", 1201000, true},        {u"Creation", 1202000, false},
    {u"Modified", 1203000, true},  {u"Accessed", 1203500, true},    {u"Crc32", 1204000, true},
    {u"Md2", 1205200, false},      {u"Md4", 1205100, false},        {u"Md5", 1205000, true},
    {u"Sha2_160", 1206000, false}, {u"Sha2_256", 1207000, false},   {u"Sha2_384", 1208000, false},
    {u"Sha2_512", 1209000, false}, {u"Ripemd_128", 1210000, false}, {u"Ripemd_160", 1211000, false},
    {u"Adler32", 1212000, false},  {u"Gost", 1213000, false},       {u"Summary", 2003000, true},
};

constexpr std::int32_t kCopyText = 1009000;
constexpr std::int32_t kPasteText = 1009100;
constexpr std::int32_t kCommaText = 1201100;
constexpr std::int32_t kAutoText = 1201050;
constexpr std::int32_t kTitleSize = 104;  // 18 points, bold
constexpr const char16_t* kSizeKeys[] = {u"Bytes", u"KB", u"MB", u"Auto"};

std::u16string toCrLf(const std::u16string& text) {
    std::u16string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r') {
            out += u"\r\n";
            if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else if (c == u'\n') {
            out += u"\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f' ||
           c == 0x00A0 || c == 0x3000 || c == 0xFEFF || c == 0x2028 || c == 0x2029;
}

std::u16string bufferText(const StrBuffer* text) {
    if (!text || text->length() == 0) return std::u16string();
    return std::u16string(text->text(), text->length());
}

gw::Spacer* gapH(std::int32_t length) {
    return gw::newSpacer(0, length);
}
gw::Spacer* gapV(std::int32_t length) {
    return gw::newSpacer(1, length);
}

gw::Box* newRow() {
    return gw::newBox(100, -1, layout::kStart, layout::kCentre, 0, 0, 0, 0, layout::kRow);
}

// The column of a page: the one child of the scroll box's view, which the bars move when the
// window is lower than the page's rows.
s::gui::IBox* pageColumn(gw::ScrollBox* scroll) {
    scroll->setScrollable(true);
    gw::Box* column =
        gw::newBox(100, -1, layout::kStart, layout::kStart, 0, 0, 0, 0, layout::kColumn);
    column->setMargins(10);
    scroll->getViewBox()->add(column);
    return column;
}

// A box of the label column (100 pixels) holding one component.
gw::Box* labelCell(s::gui::IComponent* inside) {
    gw::Box* cell = gw::newBoxFixed(layout::kRow, 100, -1, layout::kCentre, 0, 0);
    cell->add(inside);
    return cell;
}

}  // namespace

Dialog::Dialog() : job_(this) {
    // Only the folder is checked before a run: a file that is missing, unreadable or not a file
    // is named with its reason by the run itself, not mistaken for a bad output folder.
    setAccessCheck([](win::PathWin* folder, win::PathWin*, bool write) {
        return folder->isDirectory() && (!write || folder->canReadWrite());
    });
}

Dialog::~Dialog() {
    if (getLocalizer()) getLocalizer()->removeListener(this);
}

void Dialog::recycle() {
    if (getLocalizer()) getLocalizer()->removeListener(this);
    reset();
    clearWidgets();
}

void Dialog::clearWidgets() {
    for (RowWidgets& r : rows_) r = RowWidgets();
    for (VerifyWidgets& v : verify_) v = VerifyWidgets();
    sizeType_ = matchType_ = actions_ = nullptr;
    sizeComma_ = verifyComma_ = nullptr;
    entered_ = nullptr;
    paste_ = nullptr;
    result_ = nullptr;
    pile_ = nullptr;
    calculatePage_ = verifyPage_ = nullptr;
    storedSize_ = 0;
    verifyStoredSize_ = 0;
    sizeShown_ = verifySizeShown_ = false;
    shownPercent_ = -1;
    pendingName_.clear();
    pendingReason_.clear();
    texts_.clear();
}

map::IMappedData* Dialog::settingsStore() const {
    app::IAppWindow* settings = getAppWindow();
    return settings ? settings->getStore() : nullptr;
}

std::int32_t Dialog::actionTextId(std::uint32_t index) const {
    return index == 0 ? 1100000 : index == 1 ? 1101000 : -1;
}

// ---- settings ----------------------------------------------------------------------------------

bool Dialog::saveSettings() {
    map::IMappedData* store = settingsStore();
    if (!store || !rows_[0].box) return true;
    for (int i = 0; i < kRowCount; ++i)
        store->setBool(kSection, kRowSettings[i].key, rows_[i].box->isChecked());
    store->setBool(kSection, u"SizeComma", sizeComma_->isChecked());
    store->setText(kSection, u"SizeType", sizeTypeKey().c_str());
    const std::int32_t match = matchType_->getSelectedIndex();
    store->setText(kSection, u"MatchType",
                   HashAlgorithms::at(HashAlgorithms::matchTypeAt(match < 0 ? 5 : match)).key);
    store->setBool(kSection, u"VerifySizeComma", verifyComma_->isChecked());
    return true;
}

std::u16string Dialog::sizeTypeKey() const {
    const std::int32_t i = sizeType_ ? sizeType_->getSelectedIndex() : 0;
    return kSizeKeys[i >= 0 && i < 4 ? i : 3];
}

// ---- pages -------------------------------------------------------------------------------------

s::gui::IComboBox* Dialog::newActionSelector() {
    actions_ = gw::newComboBox(200, true);
    actions_->addItem(s::gui::combobox::newComboBoxItem(text(1100000), nullptr));
    actions_->addItem(s::gui::combobox::newComboBoxItem(text(1101000), nullptr));
    actions_->select(0, false);
    return actions_;
}

s::gui::IBox* Dialog::newContent() {
    map::IMappedData* store = settingsStore();
    // 1. The size-type selector.
    sizeType_ = gw::newComboBox(60, true);
    for (int i = 0; i < 4; ++i)
        sizeType_->addItem(s::gui::combobox::newComboBoxItem(
            i == 3 ? std::u16string(text(kAutoText)) : std::u16string(kSizeKeys[i]), kSizeKeys[i]));
    {
        StrBuffer* key = StrBuffer::create();
        key->appendText(store ? store->getText(kSection, u"SizeType", u"Bytes") : u"Bytes");
        sizeType_->select(static_cast<std::int32_t>(FileFacts::sizeTypeOf(key)), false);
        key->release();
    }
    // 2. The match-type selector.
    matchType_ = gw::newComboBox(100, true);
    for (int i = 0; i < HashAlgorithms::kCount; ++i) {
        const HashAlgorithm& a = HashAlgorithms::at(HashAlgorithms::matchTypeAt(i));
        matchType_->addItem(s::gui::combobox::newComboBoxItem(text(a.labelId), a.key));
    }
    {
        const int stored = HashAlgorithms::indexOfKey(
            store ? store->getText(kSection, u"MatchType", u"Md5") : u"Md5");
        std::int32_t position = 5;
        for (int i = 0; i < HashAlgorithms::kCount; ++i)
            if (HashAlgorithms::matchTypeAt(i) == stored) position = i;
        matchType_->select(position, false);
    }
    // 3. Both pages.
    s::gui::IBox* calculate = buildCalculatePage();
    s::gui::IBox* verify = buildVerifyPage();
    // 4. The calculate rows from their settings.
    for (int i = 0; i < kRowCount; ++i)
        rows_[i].box->setCheckedSilently(
            store ? store->getBool(kSection, kRowSettings[i].key, kRowSettings[i].ticked)
                  : kRowSettings[i].ticked);
    sizeComma_->setCheckedSilently(store ? store->getBool(kSection, u"SizeComma", true) : true);
    applyRowStates();
    // 5. The verify fields wait for a result.
    for (VerifyWidgets& v : verify_) {
        v.field->setEnabled(false);
        v.copy->setEnabled(false);
    }
    verifyComma_->setCheckedSilently(store ? store->getBool(kSection, u"VerifySizeComma", true)
                                           : true);
    verifyComma_->setEnabled(false);
    // 6. The pile of the two pages, calculate first.
    pile_ = gw::newBox(100, 100, layout::kStart, layout::kStart, 0, 0, 0, 0, layout::kPile);
    pile_->add(calculate);
    pile_->add(verify);
    // Both pages stay shown until the frame picks the action, so that every text is measured
    // while it is on screen.
    return pile_;
}

void Dialog::applyRowStates() {
    for (int i = 0; i < kRowCount; ++i) {
        const bool on = rows_[i].box->isChecked();
        rows_[i].field->setEnabled(on);
        rows_[i].copy->setEnabled(on);
    }
    const bool size = rows_[static_cast<int>(Row::Size)].box->isChecked();
    sizeType_->setEnabled(size);
    sizeComma_->setEnabled(size && sizeTypeKey() != u"Auto");
}

gw::Box* Dialog::fieldRow(s::gui::IComponent* name, gw::EditBase** field, gw::Button** copy,
                          std::initializer_list<s::gui::IComponent*> extras) {
    *field = gw::newTextField(100);
    *copy = button(kCopyText, 75, -1);
    gw::Box* box = newRow();
    box->add(labelCell(name));
    box->add(*field);
    for (s::gui::IComponent* extra : extras) {
        box->add(gapH(5));
        box->add(extra);
    }
    box->add(gapH(2));
    box->add(*copy);
    return box;
}

gw::Box* Dialog::summaryArea(gw::EditBase** field, gw::Button** copy) {
    *field = gw::newTextEdit(100);
    *copy = button(kCopyText, 75, 100);
    gw::Box* area =
        gw::newBoxFixedHeight(100, 100, layout::kStart, layout::kStart, 0, 0, 0, layout::kRow);
    area->setHorizontalGap(2);
    area->add(*field);
    area->add(*copy);
    return area;
}

s::gui::IBox* Dialog::codeRow(Row row, std::int32_t textId) {
    RowWidgets& r = rows_[static_cast<int>(row)];
    r.box = checkBox(textId, false);
    return fieldRow(r.box, &r.field, &r.copy, {});
}

s::gui::IBox* Dialog::buildCalculatePage() {
    gw::ScrollBox* scroll = gw::newScrollBox(100, 100);
    calculatePage_ = scroll;
    s::gui::IBox* column = pageColumn(scroll);

    gw::Box* heading = newRow();
    heading->setNoMinWidth(true);
    heading->add(label(1100000, kTitleSize));
    heading->add(gapH(7));
    heading->add(hint(1100001));
    column->add(heading);
    column->add(gapV(7));

    auto group = [this](std::int32_t id) { return groupBox(id); };

    // Name and size.
    gw::GroupBox* nameSize = group(2000000);
    {
        s::gui::IBox* in = nameSize->getContentBox();
        RowWidgets& name = rows_[static_cast<int>(Row::FileName)];
        name.box = checkBox(1200000, false);
        name.field = gw::newTextField(100);
        name.copy = button(kCopyText, 75, -1);
        in->add(name.field);
        gw::Box* nameRow = newRow();
        nameRow->add(name.box);
        nameRow->add(gw::newStretchSpacer(100));
        nameRow->add(name.copy);
        in->add(nameRow);

        RowWidgets& size = rows_[static_cast<int>(Row::Size)];
        size.box = checkBox(1201000, false);
        sizeComma_ = checkBox(kCommaText, true);
        in->add(fieldRow(size.box, &size.field, &size.copy, {sizeType_, sizeComma_}));
    }
    column->add(nameSize);
    column->add(gapV(10));

    gw::GroupBox* times = group(2001000);
    times->getContentBox()->add(codeRow(Row::Creation, 1202000));
    times->getContentBox()->add(codeRow(Row::Modified, 1203000));
    times->getContentBox()->add(codeRow(Row::Accessed, 1203500));
    column->add(times);
    column->add(gapV(10));

    gw::GroupBox* common = group(2002000);
    for (Row r : {Row::Crc32, Row::Md5, Row::Sha2_160, Row::Sha2_256})
        common->getContentBox()->add(codeRow(r, kRowSettings[static_cast<int>(r)].labelId));
    column->add(common);
    column->add(gapV(10));

    gw::GroupBox* more = group(2002500);
    for (Row r : {Row::Adler32, Row::Gost, Row::Md2, Row::Md4, Row::Ripemd_128, Row::Ripemd_160,
                  Row::Sha2_384, Row::Sha2_512})
        more->getContentBox()->add(codeRow(r, kRowSettings[static_cast<int>(r)].labelId));
    column->add(more);
    column->add(gapV(10));

    gw::GroupBox* summary = group(2003000);
    {
        RowWidgets& s = rows_[static_cast<int>(Row::Summary)];
        s.box = checkBox(2003000, false);
        summary->getContentBox()->add(s.box);
        summary->getContentBox()->add(gapV(5));
        summary->getContentBox()->add(summaryArea(&s.field, &s.copy));
    }
    column->add(summary);
    return scroll;
}

s::gui::IBox* Dialog::verifyRow(VerifyField field, std::int32_t labelId, bool withComma) {
    VerifyWidgets& v = verify_[static_cast<int>(field)];
    if (!withComma) return fieldRow(label(labelId, 0), &v.field, &v.copy, {});
    verifyComma_ = checkBox(kCommaText, true);
    return fieldRow(label(labelId, 0), &v.field, &v.copy, {verifyComma_});
}

s::gui::IBox* Dialog::buildVerifyPage() {
    gw::ScrollBox* scroll = gw::newScrollBox(100, 100);
    verifyPage_ = scroll;
    s::gui::IBox* column = pageColumn(scroll);

    gw::Box* heading = newRow();
    heading->setNoMinWidth(true);
    heading->add(label(1101000, kTitleSize));
    heading->add(gapH(7));
    heading->add(hint(1101001));
    column->add(heading);
    column->add(gapV(8));

    gw::Box* enterRow = newRow();
    enterRow->add(label(3001000, 0));
    enterRow->add(gw::newStretchSpacer(100));
    enterRow->add(matchType_);
    column->add(enterRow);
    column->add(gapV(2));

    entered_ = gw::newTextField(100);
    paste_ = button(kPasteText, 75, -1);
    gw::Box* codeLine = newRow();
    codeLine->add(entered_);
    codeLine->add(gapH(2));
    codeLine->add(paste_);
    column->add(codeLine);
    column->add(gapV(15));

    gw::GroupBox* dropped = groupBox(3010000);
    s::gui::IBox* in = dropped->getContentBox();
    result_ = gw::newLabel(u"");
    setResultText(3023000);
    gw::Box* resultRow = newRow();
    resultRow->add(labelCell(label(3020000, 0)));
    resultRow->add(result_);
    in->add(resultRow);
    in->add(verifyRow(VerifyField::ComputedCode, 3030000, false));
    in->add(gapV(10));
    in->add(verifyRow(VerifyField::FileName, 1200000, false));
    in->add(verifyRow(VerifyField::Size, 1201000, true));
    in->add(verifyRow(VerifyField::Created, 1202000, false));
    in->add(verifyRow(VerifyField::Modified, 1203000, false));
    in->add(verifyRow(VerifyField::Accessed, 1203500, false));
    in->add(gapV(10));
    in->add(label(2003000, 0));
    in->add(gapV(5));
    {
        VerifyWidgets& s = verify_[static_cast<int>(VerifyField::Summary)];
        in->add(summaryArea(&s.field, &s.copy));
    }
    column->add(dropped);
    return scroll;
}

// ---- texts -------------------------------------------------------------------------------------

void Dialog::keepText(std::int32_t id, std::function<void(const std::u16string&)> set) {
    set(text(id));
    texts_.push_back({id, std::move(set)});
}

gw::Label* Dialog::label(std::int32_t id, std::int32_t sizeCode) {
    gw::Label* l = gw::newLabelByNumber(id, false, false, sizeCode);
    keepText(id, [l](const std::u16string& t) { l->setText(t, true); });
    return l;
}

gw::Label* Dialog::hint(std::int32_t id) {
    // The hint beside a heading gives way to the page's width, ending in an ellipsis.
    gw::Label* l = label(id, 0);
    l->setEllipsis(true);
    return l;
}

gw::CheckBox* Dialog::checkBox(std::int32_t id, bool checked) {
    gw::CheckBox* box = gw::newCheckBox(id, checked);
    keepText(id, [box](const std::u16string& t) { box->setText(t); });
    return box;
}

gw::Button* Dialog::button(std::int32_t id, std::int32_t width, std::int32_t height) {
    gw::Button* b = gw::newButtonByNumber(width, id, height);
    keepText(id, [b](const std::u16string& t) { b->setText(t); });
    return b;
}

gw::GroupBox* Dialog::groupBox(std::int32_t id) {
    gw::GroupBox* g = gw::newGroupBox(id, 10, 7, 7, 100, layout::kColumn);
    keepText(id, [g](const std::u16string& t) { g->setTitle(t); });
    return g;
}

// ---- listeners ---------------------------------------------------------------------------------

void Dialog::addListeners() {
    // The links first, so that the dialog's own listener of the Size box runs after them.
    for (int i = 0; i < kRowCount; ++i) {
        rows_[i].box->linkEnable(rows_[i].field);
        rows_[i].box->linkEnable(rows_[i].copy);
    }
    gw::CheckBox* size = rows_[static_cast<int>(Row::Size)].box;
    size->linkEnable(sizeType_);
    size->linkEnable(sizeComma_);
    size->addCheckedListener(this);
    for (RowWidgets& r : rows_) r.copy->addClickListener(this);
    for (VerifyWidgets& v : verify_) v.copy->addClickListener(this);
    paste_->addClickListener(this);
    sizeType_->addChangeListener(this);
    sizeComma_->addCheckedListener(this);
    sizeComma_->addUncheckedListener(this);
    verifyComma_->addCheckedListener(this);
    verifyComma_->addUncheckedListener(this);
    // Files dropped anywhere on the pages start a run like the drop area.
    pile_->setAcceptDroppedFiles(true);
    pile_->addDropListener(this);
    if (getLocalizer()) getLocalizer()->addListener(this);
}

bool Dialog::onDialogEvent(void* source, std::int32_t code) {
    using s::gui::eventSource;
    if (source == windowSource() && source) {
        if (code == 1) {
            saveSettings();
            return false;
        }
        if (code != 2 || !notificationName()) return false;
        const std::u16string name = notificationName();
        if (name == u"EmptyVeritome") {
            onEmptyCode();
            return true;
        }
        if (name == u"VeritomeForVerify") {
            onComputedCode(reinterpret_cast<const StrBuffer*>(notificationValue(0)));
            return true;
        }
        return false;
    }
    if (!rows_[0].box) return false;
    if (getLocalizer() && source == getLocalizer()) {
        relabelSelectors();
        return true;
    }
    if (pile_ && source == eventSource(pile_)) {
        if (code == s::gui::boxevent::kDrop) drop(pile_->getDroppedFiles());
        return true;
    }
    for (int i = 0; i < kRowCount; ++i) {
        if (source != eventSource(rows_[i].copy)) continue;
        std::u16string suffix;
        if (static_cast<Row>(i) == Row::Size && sizeTypeKey() != u"Auto")
            suffix = u" " + sizeTypeKey();
        copyField(rows_[i].field, suffix, static_cast<Row>(i) == Row::Summary);
        return true;
    }
    if (source == eventSource(rows_[static_cast<int>(Row::Size)].box)) {
        sizeComma_->setEnabled(sizeTypeKey() != u"Auto");
        return false;
    }
    if (source == eventSource(sizeType_)) {
        sizeComma_->setEnabled(sizeTypeKey() != u"Auto");
        reformatSize();
        return true;
    }
    if (source == eventSource(sizeComma_)) {
        reformatSize();
        return true;
    }
    if (source == eventSource(paste_)) {
        paste();
        return true;
    }
    for (int i = 0; i < kVerifyFieldCount; ++i) {
        if (source != eventSource(verify_[i].copy)) continue;
        const VerifyField f = static_cast<VerifyField>(i);
        copyField(verify_[i].field, f == VerifyField::Size ? u" Bytes" : u"",
                  f == VerifyField::Summary);
        return true;
    }
    if (source == eventSource(verifyComma_)) {
        reformatVerifySize();
        return false;
    }
    return false;
}

void Dialog::relabelSelectors() {
    for (const KeptText& k : texts_) k.set(text(k.id));
    if (result_) result_->setText(text(resultId_), true);
    // The items keep their keys; only the shown texts follow the language.
    if (s::gui::combobox::ComboBoxItem* item = sizeType_->getItem(3))
        item->setText(text(kAutoText));
    for (int i = 0; i < HashAlgorithms::kCount; ++i)
        if (s::gui::combobox::ComboBoxItem* item = matchType_->getItem(i))
            item->setText(text(HashAlgorithms::at(HashAlgorithms::matchTypeAt(i)).labelId));
    sizeType_->repaint();
    matchType_->repaint();
}

void Dialog::reformatSize() {
    // A zero-byte file is shown too: what counts is that a size is on screen.
    if (!sizeShown_) return;
    StrBuffer* field = StrBuffer::create();
    StrBuffer* key = StrBuffer::create();
    key->appendText(sizeTypeKey().c_str());
    FileFacts::formatCalculateSize(storedSize_, FileFacts::sizeTypeOf(key), sizeComma_->isChecked(),
                                   field);
    rows_[static_cast<int>(Row::Size)].field->setText(bufferText(field), false);
    key->release();
    field->release();
}

void Dialog::reformatVerifySize() {
    if (!verifySizeShown_) return;
    StrBuffer* field = StrBuffer::create();
    FileFacts::formatVerifySize(verifyStoredSize_, verifyComma_->isChecked(), field);
    verify_[static_cast<int>(VerifyField::Size)].field->setText(bufferText(field), false);
    field->release();
}

// ---- clipboard ---------------------------------------------------------------------------------

void Dialog::copyField(gw::EditBase* field, const std::u16string& suffix, bool crlf) {
    std::u16string value = field->getText();
    // An empty field leaves the clipboard as it was.
    if (value.empty()) return;
    value += suffix;
    if (crlf) value = toCrLf(value);
    platform::window::setClipboardText(value);
    if (field->getEditControl() != platform::window::kNoWindow)
        platform::window::setFocus(field->getEditControl());
    field->selectAll();
}

std::u16string Dialog::cleanPastedCode(const std::u16string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    std::u16string code = text.substr(begin, end - begin);
    if (code.size() > kMaxPastedLength) code.resize(kMaxPastedLength);
    return code;
}

void Dialog::paste() {
    std::u16string text;
    // A clipboard without text leaves what the user typed.
    if (!platform::window::clipboardText(&text) || text.empty()) return;
    entered_->setText(cleanPastedCode(text), true);
}

// ---- verify reactions --------------------------------------------------------------------------

bool Dialog::sameCode(const StrBuffer* code) const {
    StrBuffer* entered = StrBuffer::create();
    entered->appendText(entered_->getText().c_str());
    const bool same =
        code && entered->length() == code->length() && entered->equalsIgnoreCase(code);
    entered->release();
    return same;
}

void Dialog::showMessage(const std::u16string& message, bool error) {
    if (messageObserver_) messageObserver_(message);
    s::gui::IWindow* window = entered_ ? entered_->getWindow() : nullptr;
    if (!window) return;
    if (error) {
        window->showError(message);
    } else {
        window->showMessage(message);
    }
}

void Dialog::setResultText(std::int32_t id) {
    // The id is kept so that a change of language relabels the line.
    resultId_ = id;
    result_->setText(text(id), true);
}

void Dialog::onEmptyCode() {
    // The box must not hide behind a window kept on top.
    s::gui::IWindow* window = entered_->getWindow();
    const bool onTop = window && window->isKeptOnTop();
    if (onTop) window->setKeepOnTop(false);
    showMessage(text(3001010), false);
    if (onTop) window->setKeepOnTop(true);
}

void Dialog::onComputedCode(const StrBuffer* code) {
    const bool same = sameCode(code);
    setResultText(same ? 3021000 : 3022000);
    if (same) {
        result_->setTextColour(0, 187, 0);
    } else {
        result_->setTextColour(255, 0, 0);
    }
    result_->setBold(true);
    VerifyWidgets& computed = verify_[static_cast<int>(VerifyField::ComputedCode)];
    computed.field->setEnabled(true);
    computed.field->setText(bufferText(code), false);
    for (VerifyWidgets& v : verify_) v.copy->setEnabled(true);
    showMessage(text(sameCode(code) ? 3021000 : 3022000), false);
}

// ---- the job's view ----------------------------------------------------------------------------

void Dialog::onUi(const std::function<void()>& call) {
    if (getView()) {
        getView()->handOff(call);
    } else {
        call();
    }
}

void Dialog::run() {
    job_.run();
}

bool Dialog::firstEntry(StrBuffer* path) {
    if (!s::gui::dialogs::dragndrop::Dialog::firstEntry(path)) return false;
    // A path the job will not read is reported when the run ends; the job itself only clears.
    win::PathWin* p = win::PathWin::create();
    p->set(path);
    pendingReason_.clear();
    if (!p->isValid() || !p->exists()) {
        pendingReason_ = u"No such file or directory";
    } else if (p->isDirectory()) {
        pendingReason_ = u"Is a directory";
    }
    if (!pendingReason_.empty()) {
        StrBuffer* name = p->fileName(nullptr, false);
        pendingName_ = bufferText(name);
        name->release();
    }
    p->release();
    return true;
}

void Dialog::notify(const char16_t* name, std::intptr_t a, std::intptr_t b, std::intptr_t c) {
    namespace dnd = s::gui::dialogs::dragndrop;
    const std::u16string_view note(name);
    // The job tells every block; the window's thread is waited for only when the percent it
    // shows changes, and at most every kProgressInterval until the run is done, so the reading
    // seldom waits on painting (on a fast disk a percent takes a few milliseconds).
    if (note == dnd::kProcessStatusUpdate) {
        if (b == shownPercent_) return;
        const auto now = std::chrono::steady_clock::now();
        if (b < 100 && shownPercent_ >= 0 && now - shownAt_ < kProgressInterval) return;
        shownPercent_ = b;
        shownAt_ = now;
    } else if (note == dnd::kProcessStatusStart) {
        shownPercent_ = -1;
    }
    if (!pendingReason_.empty() && note == dnd::kProcessStatusEnd) {
        StrBuffer* n = StrBuffer::create();
        StrBuffer* r = StrBuffer::create();
        n->appendText(pendingName_.c_str());
        r->appendText(pendingReason_.c_str());
        pendingReason_.clear();
        reportFailure(n, r);
        n->release();
        r->release();
    }
    dnd::Dialog::notify(name, a, b, c);
}

void Dialog::reportFailure(const StrBuffer* name, const StrBuffer* reason) {
    std::u16string message = text(kCannotHashText);
    message += u"\r\n\"" + bufferText(name) + u"\"\r\n" + bufferText(reason);
    onUi([&] { showMessage(message, true); });
}

int Dialog::actionIndex() {
    int index = 0;
    onUi([&] { index = getView() ? getView()->selectedAction() : 0; });
    return index;
}

bool Dialog::isTicked(Row row) {
    bool on = false;
    onUi([&] { on = rows_[static_cast<int>(row)].box->isChecked(); });
    return on;
}

void Dialog::setRowText(Row row, const StrBuffer* text) {
    const std::u16string value = bufferText(text);
    if (row == Row::Size) sizeShown_ = !value.empty();
    onUi([&] { rows_[static_cast<int>(row)].field->setText(value, false); });
}

SizeType Dialog::sizeType() {
    SizeType type = SizeType::Bytes;
    onUi([&] {
        const std::int32_t i = sizeType_->getSelectedIndex();
        type = static_cast<SizeType>(i >= 0 && i < 4 ? i : 3);
    });
    return type;
}

bool Dialog::sizeComma() {
    bool on = false;
    onUi([&] { on = sizeComma_->isChecked(); });
    return on;
}

void Dialog::setStoredSize(std::uint64_t size) {
    // Whether a size is on screen is told by the size field, so that 0 bytes re-formats too.
    storedSize_ = size;
}

void Dialog::enteredCode(StrBuffer* into) {
    std::u16string value;
    onUi([&] { value = entered_->getText(); });
    into->clear();
    into->appendText(value.c_str());
}

void Dialog::matchTypeKey(StrBuffer* into) {
    const char16_t* key = u"Md5";
    onUi([&] {
        s::gui::combobox::ComboBoxItem* item = matchType_->getSelectedItem();
        if (item && item->getValue()) key = static_cast<const char16_t*>(item->getValue());
    });
    into->clear();
    into->appendText(key);
}

void Dialog::setResultLine(std::int32_t textId, std::uint32_t colour, bool bold) {
    onUi([&] {
        setResultText(textId);
        result_->setTextColour(static_cast<std::int32_t>(colour & 0xFF),
                               static_cast<std::int32_t>((colour >> 8) & 0xFF),
                               static_cast<std::int32_t>((colour >> 16) & 0xFF));
        result_->setBold(bold);
    });
}

void Dialog::setVerifyText(VerifyField field, const StrBuffer* text) {
    const std::u16string value = bufferText(text);
    if (field == VerifyField::Size) verifySizeShown_ = !value.empty();
    onUi([&] { verify_[static_cast<int>(field)].field->setText(value, false); });
}

void Dialog::enableVerifyField(VerifyField field) {
    onUi([&] {
        verify_[static_cast<int>(field)].field->setEnabled(true);
        if (field == VerifyField::Size) verifyComma_->setEnabled(true);
    });
}

bool Dialog::verifyComma() {
    bool on = false;
    onUi([&] { on = verifyComma_->isChecked(); });
    return on;
}

void Dialog::setVerifyStoredSize(std::uint64_t size) {
    verifyStoredSize_ = size;
}

}  // namespace s::file::gui::dialogs::filehash
