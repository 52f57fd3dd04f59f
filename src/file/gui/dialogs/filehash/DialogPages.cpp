// The two pages of the dialog: their widgets, layout, first states and pack texts.
#include "file/gui/dialogs/filehash/Dialog.h"

#include <algorithm>
#include <cmath>

#include "file/gui/dialogs/filehash/FileFacts.h"
#include "file/gui/dialogs/filehash/HashAlgorithms.h"
#include "file/gui/dialogs/filehash/RowSettings.h"
#include "gui/access/Access.h"
#include "gui/combobox/ComboBoxItem.h"
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
#include "map/IMappedData.h"
#include "str/strbuffer/StrBuffer.h"

namespace s::file::gui::dialogs::filehash {

using str::strbuffer::StrBuffer;
namespace gw = s::gui::win;
namespace layout = s::gui::layout;

namespace {

constexpr std::int32_t kPasteText = 1009100;
constexpr std::int32_t kCommaText = 1201100;

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

// The least width of the label column, at 96 dpi.
constexpr std::int32_t kLabelColumn = 100;

}  // namespace

gw::Box* Dialog::labelCell(s::gui::IComponent* inside) {
    gw::Box* cell = gw::newBoxFixed(layout::kRow, kLabelColumn, -1, layout::kCentre, 0, 0);
    cell->add(inside);
    labelCells_.push_back(cell);
    return cell;
}

void Dialog::fitLabelColumn() {
    std::int32_t widest = 0;  // screen pixels
    for (gw::Box* cell : labelCells_)
        if (cell->getChildCount() > 0)
            widest = std::max(widest, cell->getChild(0)->getNaturalWidth());
    // Rounded up, so that the widest label is never cut by a pixel at the factor.
    const std::int32_t width = std::max(
        kLabelColumn, static_cast<std::int32_t>(std::ceil(widest / gw::scaleFactor() - 0.01)));
    for (gw::Box* cell : labelCells_) cell->setFixedWidth(width, true);
}

std::int32_t Dialog::matchTypePosition(const char16_t* key) {
    StrBuffer* text = StrBuffer::create();
    text->appendText(key);
    const bool automatic = text->equalsTextIgnoreCase(HashJob::kAutoKey);
    const int algorithm = HashAlgorithms::indexOfKey(text);
    text->release();
    if (automatic) return 0;
    for (int i = 0; i < HashAlgorithms::kCount; ++i) {
        if (HashAlgorithms::matchTypeAt(i) == (algorithm < 0 ? 3 : algorithm)) return i + 1;
    }
    return 0;
}

s::gui::IBox* Dialog::newContent() {
    map::IMappedData* store = settingsStore();
    // 1. The size-type selector.
    sizeType_ = gw::newComboBox(60, true);
    for (int i = 0; i < 4; ++i)
        sizeType_->addItem(s::gui::combobox::newComboBoxItem(
            i == 3 ? std::u16string(text(kAutoText))
                   : std::u16string(FileFacts::sizeTypeKey(static_cast<SizeType>(i))),
            FileFacts::sizeTypeKey(static_cast<SizeType>(i))));
    {
        StrBuffer* key = StrBuffer::create();
        key->appendText(store ? store->getText(kSection, u"SizeType", u"Bytes") : u"Bytes");
        sizeType_->select(static_cast<std::int32_t>(FileFacts::sizeTypeOf(key)), false);
        key->release();
    }
    // 2. The match-type selector.
    // Auto first, the default of a new settings file; then the twelve algorithms.
    matchType_ = gw::newComboBox(100, true);
    matchType_->addItem(s::gui::combobox::newComboBoxItem(text(kMatchAutoText), HashJob::kAutoKey));
    for (int i = 0; i < HashAlgorithms::kCount; ++i) {
        const HashAlgorithm& a = HashAlgorithms::at(HashAlgorithms::matchTypeAt(i));
        matchType_->addItem(s::gui::combobox::newComboBoxItem(text(a.labelId), a.key));
    }
    matchType_->select(
        matchTypePosition(store ? store->getText(kSection, u"MatchType", HashJob::kAutoKey)
                                : HashJob::kAutoKey),
        false);
    // 3. Both pages, their label columns as wide as the widest label.
    s::gui::IBox* calculate = buildCalculatePage();
    s::gui::IBox* verify = buildVerifyPage();
    fitLabelColumn();
    // 4. The calculate rows from their settings.
    for (int i = 0; i < kRowCount; ++i)
        rows_[i].box->setCheckedSilently(
            store ? store->getBool(kSection, RowSettings::at(i).key, RowSettings::at(i).ticked)
                  : RowSettings::at(i).ticked);
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
    pile_->add(buildCheckPage());
    pile_->add(buildCreatePage());
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
    nameRow(name, *field, *copy);
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
        nameRow(name.box, name.field, name.copy);
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
        common->getContentBox()->add(codeRow(r, RowSettings::at(r).labelId));
    column->add(common);
    column->add(gapV(10));

    gw::GroupBox* more = group(2002500);
    for (Row r : {Row::Adler32, Row::Gost, Row::Md2, Row::Md4, Row::Ripemd_128, Row::Ripemd_160,
                  Row::Sha2_384, Row::Sha2_512})
        more->getContentBox()->add(codeRow(r, RowSettings::at(r).labelId));
    column->add(more);
    column->add(gapV(10));

    gw::GroupBox* summary = group(2003000);
    {
        RowWidgets& s = rows_[static_cast<int>(Row::Summary)];
        s.box = checkBox(2003000, false);
        summary->getContentBox()->add(s.box);
        summary->getContentBox()->add(gapV(5));
        summary->getContentBox()->add(summaryArea(&s.field, &s.copy));
        nameRow(s.box, s.field, s.copy);
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
    gw::Label* enterLabel = label(3001000, 0);
    enterRow->add(enterLabel);
    enterRow->add(gw::newStretchSpacer(100));
    enterRow->add(matchType_);
    column->add(enterRow);
    column->add(gapV(2));

    entered_ = gw::newTextField(100);
    paste_ = button(kPasteText, 75, -1);
    s::gui::access::Access::labelledBy(entered_, enterLabel);
    codeLine_ = newRow();
    codeLine_->add(entered_);
    codeLine_->add(gapH(2));
    codeLine_->add(paste_);
    column->add(codeLine_);
    column->add(gapV(15));

    gw::GroupBox* dropped = groupBox(3010000);
    s::gui::IBox* in = dropped->getContentBox();
    result_ = gw::newLabel(u"");
    setResultText(3023000);
    // The verdict is spoken when it appears.
    s::gui::access::Access::live(result_);
    gw::Box* resultRow = newRow();
    gw::Label* resultLabel = label(3020000, 0);
    s::gui::access::Access::labelledBy(result_, resultLabel);
    resultRow->add(labelCell(resultLabel));
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
    gw::Label* summaryLabel = label(2003000, 0);
    in->add(summaryLabel);
    in->add(gapV(5));
    {
        VerifyWidgets& s = verify_[static_cast<int>(VerifyField::Summary)];
        in->add(summaryArea(&s.field, &s.copy));
        nameRow(summaryLabel, s.field, s.copy);
    }
    column->add(dropped);
    return scroll;
}

void Dialog::nameRow(s::gui::IComponent* name, s::gui::IComponent* field,
                     s::gui::IComponent* copy) {
    s::gui::access::Access::labelledBy(field, name);
    s::gui::access::Access::rowButton(copy, name);
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

}  // namespace s::file::gui::dialogs::filehash
