// The calculate rows' settings keys, label texts and first-start states, in Row order.
#pragma once

#include <cstdint>

#include "file/gui/dialogs/filehash/IHashJobView.h"

namespace s::file::gui::dialogs::filehash {

struct RowSetting {
    const char16_t* key;
    std::int32_t labelId;
    bool ticked;
};

class RowSettings {
public:
    static constexpr const RowSetting& at(Row row) { return kRows[static_cast<int>(row)]; }
    static constexpr const RowSetting& at(int row) { return kRows[row]; }

private:
    static constexpr RowSetting kRows[kRowCount] = {
        {u"FileName", 1200000, true},    {u"Size", 1201000, true},
        {u"Creation", 1202000, false},   {u"Modified", 1203000, true},
        {u"Accessed", 1203500, true},    {u"Crc32", 1204000, true},
        {u"Md2", 1205200, false},        {u"Md4", 1205100, false},
        {u"Md5", 1205000, true},         {u"Sha2_160", 1206000, false},
        {u"Sha2_256", 1207000, false},   {u"Sha2_384", 1208000, false},
        {u"Sha2_512", 1209000, false},   {u"Ripemd_128", 1210000, false},
        {u"Ripemd_160", 1211000, false}, {u"Adler32", 1212000, false},
        {u"Gost", 1213000, false},       {u"Summary", 2003000, true},
    };
};

}  // namespace s::file::gui::dialogs::filehash
