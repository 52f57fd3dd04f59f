// A hash-job view over plain values that records what the job did, for the tests.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "file/gui/dialogs/filehash/IHashJobView.h"
#include "str/Utf8.h"

namespace fh = s::file::gui::dialogs::filehash;
using s::str::strbuffer::StrBuffer;

inline std::string utf8Of(const StrBuffer* text) {
    return s::str::toUtf8String(text->data(), text->length());
}

struct Notification {
    std::string name;
    std::intptr_t a, b;
    std::string text;  // c for "ProcessStatusUpdate", a for "VeritomeForVerify"
    std::intptr_t c = 0;
};

class FakeJobView : public fh::IHashJobView {
public:
    std::vector<std::string> entries;
    int action = 0;
    bool ticked[fh::kRowCount] = {};
    std::string rows[fh::kRowCount];
    std::map<fh::VerifyField, std::string> verify;
    std::vector<fh::VerifyField> enabled;
    fh::SizeType type = fh::SizeType::Bytes;
    bool comma = true;
    std::string entered;
    std::u16string matchKey = u"Md5";
    std::int32_t resultId = 0;
    std::uint32_t resultColour = 1;
    std::vector<Notification> notes;
    int cancelAfterUpdates = -1;  // sets the cancel flag after that many updates

    FakeJobView() {
        for (auto& [id, text] :
             std::map<std::int32_t, std::u16string>{{1200000, u"File Name:\u00a0"},
                                                    {1201000, u"Size:\u00a0"},
                                                    {1202000, u"Created:\u00a0"},
                                                    {1203000, u"Modified:\u00a0"},
                                                    {1203500, u"Accessed:\u00a0"},
                                                    {1204000, u"CRC32:\u00a0"},
                                                    {1205000, u"MD5:\u00a0"},
                                                    {1205100, u"MD4:\u00a0"},
                                                    {1205200, u"MD2:\u00a0"},
                                                    {1206000, u"SHA-1:\u00a0"},
                                                    {1207000, u"SHA-256:\u00a0"},
                                                    {1208000, u"SHA-384:\u00a0"},
                                                    {1209000, u"SHA-512:\u00a0"},
                                                    {1210000, u"RIPEMD-128:\u00a0"},
                                                    {1211000, u"RIPEMD-160:\u00a0"},
                                                    {1212000, u"Adler32:\u00a0"},
                                                    {1213000, u"GOST:\u00a0"},
                                                    {3040300, u"Tried:\u00a0"},
                                                    {3001000, u"Enter Hash Code to Match:\u00a0"},
                                                    {3030000, u"Hash Code:\u00a0"},
                                                    {3020000, u"Result:\u00a0"},
                                                    {3021000, u"Perfect Match!"},
                                                    {3022000, u"Different!"}}) {
            StrBuffer* s = StrBuffer::create();
            s->append(text.data(), static_cast<std::int32_t>(text.size()));
            texts_[id] = s;
        }
        empty_ = StrBuffer::create();
    }
    ~FakeJobView() override {
        for (auto& [id, s] : texts_) s->release();
        empty_->release();
    }
    void tick(std::initializer_list<fh::Row> rowsToTick) {
        for (fh::Row r : rowsToTick) ticked[static_cast<int>(r)] = true;
    }
    std::string& row(fh::Row r) { return rows[static_cast<int>(r)]; }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& n : notes) out.push_back(n.name);
        return out;
    }
    std::vector<std::intptr_t> percents() const {
        std::vector<std::intptr_t> out;
        for (const auto& n : notes) {
            if (n.name == "ProcessStatusUpdate") out.push_back(n.b);
        }
        return out;
    }

    bool firstEntry(StrBuffer* path) override {
        if (entries.empty()) return false;
        s::str::appendUtf8(path, entries.front());
        return true;
    }
    bool isCancelled() override {
        return cancelAfterUpdates >= 0 && static_cast<int>(percents().size()) >= cancelAfterUpdates;
    }
    void notify(const char16_t* name, std::intptr_t a, std::intptr_t b, std::intptr_t c) override {
        std::u16string n(name);
        Notification note{std::string(n.begin(), n.end()), a, b, {}, c};
        if (note.name == "ProcessStatusUpdate") note.text = utf8Of(reinterpret_cast<StrBuffer*>(c));
        if (note.name == "VeritomeForVerify") note.text = utf8Of(reinterpret_cast<StrBuffer*>(a));
        notes.push_back(note);
    }
    void reportFailure(const StrBuffer* name, const StrBuffer* reason) override {
        failures.push_back(utf8Of(name) + ": " + utf8Of(reason));
    }
    s::io::IInputStream* givenInput() override { return given; }
    int actionIndex() override { return action; }
    const char16_t* text(std::int32_t id) override {
        auto it = texts_.find(id);
        return (it == texts_.end() ? empty_ : it->second)->text();
    }
    bool isTicked(fh::Row r) override { return ticked[static_cast<int>(r)]; }
    void setRowText(fh::Row r, const StrBuffer* text) override { row(r) = utf8Of(text); }
    fh::SizeType sizeType() override { return type; }
    bool sizeComma() override { return comma; }
    void setStoredSize(std::uint64_t size) override { storedSize = size; }
    void enteredCode(StrBuffer* into) override { s::str::appendUtf8(into, entered); }
    void matchTypeKey(StrBuffer* into) override {
        into->append(matchKey.data(), static_cast<std::int32_t>(matchKey.size()));
    }
    void setResultLine(std::int32_t id, std::uint32_t colour, bool) override {
        resultId = id;
        resultColour = colour;
    }
    void setVerifyText(fh::VerifyField f, const StrBuffer* text) override {
        verify[f] = utf8Of(text);
    }
    void enableVerifyField(fh::VerifyField f) override { enabled.push_back(f); }
    bool verifyComma() override { return comma; }
    void setVerifyStoredSize(std::uint64_t size) override { verifyStoredSize = size; }
    void showFoundCode(const StrBuffer* line, const StrBuffer* source, bool fromList) override {
        found.push_back({utf8Of(line), utf8Of(source), fromList});
    }
    bool takeCodeOfFile() override { return codeOfFile; }
    struct Found {
        std::string line, source;
        bool fromList;
    };
    std::vector<Found> found;
    bool codeOfFile = false;

    std::vector<std::string> failures;  // "name: reason"
    s::io::IInputStream* given = nullptr;
    std::uint64_t storedSize = 99;
    std::uint64_t verifyStoredSize = 99;

private:
    std::map<std::int32_t, StrBuffer*> texts_;
    StrBuffer* empty_;
};
