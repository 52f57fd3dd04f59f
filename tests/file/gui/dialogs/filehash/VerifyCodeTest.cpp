// What the verification takes for a code: pasted forms, the algorithm found from the code's
// length (Auto), the code file beside the download, and another file's code.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "FakeJobView.h"
#include "file/gui/dialogs/filehash/ChecksumLine.h"
#include "file/gui/dialogs/filehash/CodeFileLookup.h"
#include "file/gui/dialogs/filehash/EnteredCode.h"
#include "file/gui/dialogs/filehash/HashAlgorithms.h"
#include "file/gui/dialogs/filehash/HashJob.h"
#include "file/gui/dialogs/filehash/ProgressRate.h"

namespace {

namespace fs = std::filesystem;
using fh::VerifyField;

// The code of "abc" in one algorithm (feeding order), from its digester.
std::string codeOfAbc(int algorithm) {
    s::digest::IDigester* d = fh::HashAlgorithms::newDigester(algorithm);
    d->update("abc", 3);
    d->finish(nullptr);
    StrBuffer* code = d->toText(nullptr, false);
    std::string out = utf8Of(code);
    code->release();
    d->release();
    return out;
}

constexpr int kCrc32 = 0, kMd5 = 3, kSha256 = 5, kSha512 = 7, kAdler32 = 10;

class VerifyCode : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("verifycode-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        abc_ = write("abc.txt", "abc");
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string write(const std::string& name, const std::string& content) {
        fs::path p = dir_ / name;
        std::ofstream(p, std::ios::binary) << content;
        return p.string();
    }
    // A verify run on abc.txt with this entered code and match type.
    void verify(FakeJobView& view, const std::string& entered, std::u16string key = u"Auto") {
        view.action = 1;
        view.entries = {abc_};
        view.entered = entered;
        view.matchKey = std::move(key);
        fh::HashJob job(&view);
        job.run();
    }
    static const Notification* verdict(const FakeJobView& view) {
        for (const Notification& n : view.notes) {
            if (n.name == "VeritomeForVerify") return &n;
        }
        return nullptr;
    }
    static std::string resultLine(const FakeJobView& view) {
        const std::string& summary = view.verify.at(VerifyField::Summary);
        std::size_t at = summary.find("Result:\u00a0");
        return at == std::string::npos ? ""
                                       : summary.substr(at + 9, summary.find('\r', at) - at - 9);
    }

    fs::path dir_;
    std::string abc_;
};

TEST_F(VerifyCode, TakesTheCodeOfEveryPastedForm) {
    const std::string md5 = codeOfAbc(kMd5);
    struct Case {
        std::string entered;
        std::u16string key;
        std::string result;
    } cases[] = {
        {"900150983CD24FB0D6963F7D28E17F72", u"Md5", "Perfect Match!"},
        {" \t" + md5 + " \r\n", u"Md5", "Perfect Match!"},
        {md5 + "  abc.txt\r\n", u"Md5", "Perfect Match!"},
        {md5 + " *abc.txt", u"Md5", "Perfect Match!"},
        // The tag names the algorithm, whatever the match type says.
        {"MD5 (abc.txt) = " + md5, u"Crc32", "Perfect Match! (MD5)"},
        {"SHA256 (abc.txt) = " + codeOfAbc(kSha256), u"Md5", "Perfect Match! (SHA-256)"},
        // A chosen algorithm compares whatever is left, as before.
        {"0x" + md5, u"Md5", "Different!"},
        {md5 + "0", u"Md5", "Different!"},
        {std::string(5000, 'a'), u"Md5", "Different!"},
    };
    for (const Case& c : cases) {
        FakeJobView view;
        verify(view, c.entered, c.key);
        ASSERT_NE(verdict(view), nullptr) << c.entered;
        EXPECT_EQ(resultLine(view), c.result) << c.entered;
    }
    EXPECT_EQ(fh::EnteredCode::clean(std::u16string(5000, u'a')).size(),
              fh::EnteredCode::kMaxLength);
    EXPECT_EQ(fh::EnteredCode::clean(u"\u00a0\u3000 ab\r\n"), u"ab");
}

// Each length group computed in one pass; the code matches the group's second candidate.
TEST_F(VerifyCode, AutoFindsTheAlgorithmOfEveryLength) {
    struct Case {
        int algorithm;
        std::uint32_t tried;
        const char* name;
    } cases[] = {
        {kAdler32, 1u << 0 | 1u << 10, "Adler32"},
        {2, 1u << 1 | 1u << 2 | 1u << 3 | 1u << 8, "MD4"},
        {9, 1u << 4 | 1u << 9, "RIPEMD-160"},
        {11, 1u << 5 | 1u << 11, "GOST"},
        {6, 1u << 6, "SHA-384"},
        {kSha512, 1u << 7, "SHA-512"},
    };
    for (const Case& c : cases) {
        const std::string code = codeOfAbc(c.algorithm);
        FakeJobView view;
        verify(view, code);
        const Notification* v = verdict(view);
        ASSERT_NE(v, nullptr) << c.name;
        EXPECT_EQ(v->text, code);
        EXPECT_EQ(static_cast<std::uint32_t>(v->b), c.tried) << c.name;
        EXPECT_EQ(v->c, c.algorithm + 1);
        EXPECT_EQ(resultLine(view), std::string("Perfect Match! (") + c.name + ")");
        // One read of the file whatever the number of candidates.
        const std::vector<std::string> names = view.names();
        EXPECT_EQ(std::count(names.begin(), names.end(), "ProcessStatusUpdate"), 1);
    }
    FakeJobView view;
    verify(view, "00000000");
    ASSERT_NE(verdict(view), nullptr);
    EXPECT_EQ(verdict(view)->c, 0);
    EXPECT_EQ(verdict(view)->text, codeOfAbc(kCrc32));  // the first tried is shown
    EXPECT_EQ(resultLine(view), "Different! (Tried:\u00a0CRC32, Adler32)");
}

TEST_F(VerifyCode, AutoRefusesWhatIsNoCodeBeforeReading) {
    for (std::string entered : {"0x352441c2", "xyz", "12345", "352441c2352441c2", "zz  abc.txt"}) {
        FakeJobView view;
        verify(view, entered);
        EXPECT_EQ(view.names(), (std::vector<std::string>{"ProcessStatusStart", "WrongVeritome",
                                                          "ProcessStatusEnd"}))
            << entered;
        EXPECT_EQ(view.resultId, 3023000);
    }
}

TEST_F(VerifyCode, FindsTheCodeInTheCodeFilesBesideTheFile) {
    const std::string sha256 = codeOfAbc(kSha256);
    const std::string md5 = codeOfAbc(kMd5);
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> files;
        std::string source;  // empty: nothing found
        int algorithm;
    } cases[] = {
        {"sidecar", {{"abc.txt.sha256", sha256 + "  abc.txt\n"}}, "abc.txt.sha256", kSha256},
        {"upper-case sidecar of a bare code", {{"abc.txt.MD5", md5 + "\r\n"}}, "abc.txt.MD5", kMd5},
        {"list naming it among others",
         {{"SHA256SUMS", std::string(64, '0') + "  other.iso\n" + sha256 + " *abc.txt\n" +
                             std::string(64, '1') + "  zzz\n"}},
         "SHA256SUMS",
         kSha256},
        {"signed list of tagged lines",
         {{"CHECKSUM",
           "-----BEGIN PGP SIGNED MESSAGE-----\nHash: SHA256\n\n# release\nSHA256 (abc.txt) = " +
               sha256 + "\n-----BEGIN PGP SIGNATURE-----\n\nSHA256 (abc.txt) = " +
               std::string(64, 'f') + "\n-----END PGP SIGNATURE-----\n"}},
         "CHECKSUM",
         kSha256},
        {"list that does not name it", {{"SHA256SUMS", sha256 + "  other.txt\n"}}, "", -1},
        {"two candidates: the stronger",
         {{"MD5SUMS", md5 + "  abc.txt\n"}, {"SHA512SUMS", codeOfAbc(kSha512) + "  abc.txt\n"}},
         "SHA512SUMS",
         kSha512},
    };
    for (const Case& c : cases) {
        for (const auto& [name, text] : c.files) write(name, text);
        FakeJobView view;
        verify(view, "");
        for (const auto& [name, text] : c.files) fs::remove(dir_ / name);
        if (c.source.empty()) {
            EXPECT_EQ(view.names(), (std::vector<std::string>{"ProcessStatusStart", "EmptyVeritome",
                                                              "ProcessStatusEnd"}))
                << c.what;
            EXPECT_TRUE(view.found.empty());
            continue;
        }
        ASSERT_EQ(view.found.size(), 1u) << c.what;
        EXPECT_EQ(view.found[0].source, c.source) << c.what;
        EXPECT_TRUE(view.found[0].fromList);
        EXPECT_EQ(view.found[0].line, std::string(fh::ChecksumLine::tagOf(c.algorithm)) +
                                          " (abc.txt) = " + codeOfAbc(c.algorithm));
        ASSERT_NE(verdict(view), nullptr) << c.what;
        EXPECT_EQ(verdict(view)->c, c.algorithm + 1) << c.what;
    }
}

TEST_F(VerifyCode, AnotherFilesCodeIsComparedLikeAnyCode) {
    // A file dropped onto the code field: its SHA-256 under Auto fills the field, no verdict.
    const std::string reference = write("reference.bin", "abc");
    FakeJobView drop;
    drop.action = 1;
    drop.codeOfFile = true;
    drop.entries = {reference};
    drop.matchKey = u"Auto";
    fh::HashJob(&drop).run();
    ASSERT_EQ(drop.found.size(), 1u);
    EXPECT_EQ(drop.found[0].line, "SHA256 (reference.bin) = " + codeOfAbc(kSha256));
    EXPECT_EQ(drop.found[0].source, "reference.bin");
    EXPECT_FALSE(drop.found[0].fromList);
    EXPECT_EQ(verdict(drop), nullptr);
    // The next drop compares with it.
    FakeJobView same;
    verify(same, drop.found[0].line);
    EXPECT_EQ(resultLine(same), "Perfect Match! (SHA-256)");
    abc_ = write("changed.txt", "abd");
    FakeJobView changed;
    verify(changed, drop.found[0].line);
    EXPECT_EQ(resultLine(changed), "Different! (Tried:\u00a0SHA-256)");
    // A chosen algorithm is the one computed.
    drop.found.clear();
    drop.matchKey = u"Md5";
    fh::HashJob(&drop).run();
    ASSERT_EQ(drop.found.size(), 1u);
    EXPECT_EQ(drop.found[0].line, "MD5 (reference.bin) = " + codeOfAbc(kMd5));
}

TEST(ProgressRate, TellsSpeedAndTimeLeftAfterTheFirstSecond) {
    fh::ProgressRate rate;
    rate.start(10000);
    double speed = 0;
    std::int64_t left = 0;
    EXPECT_FALSE(rate.measure(1 << 20, 4 << 20, 11000, &speed, &left));  // the quiet second
    ASSERT_TRUE(rate.measure(3 << 20, 8 << 20, 12000, &speed, &left));
    EXPECT_DOUBLE_EQ(speed, 1.5);
    EXPECT_EQ(left, 4);  // 5 MiB at 1.5 MiB/s: 3.33 s, rounded up
    ASSERT_TRUE(rate.measure(3 << 20, 0, 12000, &speed, &left));
    EXPECT_EQ(left, -1);  // no total, no time left
    EXPECT_EQ(fh::ProgressRate::speedText(12.345), "12.3 MB/s");
    EXPECT_EQ(fh::ProgressRate::timeText(42), "0:42");
    EXPECT_EQ(fh::ProgressRate::timeText(725), "12:05");
    EXPECT_EQ(fh::ProgressRate::timeText(3723), "1:02:03");
}

}  // namespace
