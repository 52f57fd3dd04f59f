// The XML settings store: file layout, value kinds through a file round trip, section
// selection and the write-through behaviour.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "col/_array/ArrayU08.h"
#include "xml/MappedData.h"

namespace {

using s::xml::MappedData;
namespace fs = std::filesystem;

class XmlStore : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::path(::testing::TempDir()) /
               ("xml_store_" + std::to_string(::getpid()) + "_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        file_ = dir_ / "savedata" / "SaveData.xml";
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    MappedData* open() { return MappedData::open(file_.u16string().c_str()); }
    std::string fileText() const {
        std::ifstream in(file_, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    fs::path dir_, file_;
};

TEST_F(XmlStore, WritesTheDocumentLayout) {
    MappedData* store = open();
    EXPECT_EQ(std::u16string(store->getText(u"Language", u"", u"def")), u"def");
    store->setS32(u"MainWindow\\View", u"Width", 480);
    store->setText(u"Language", u"", u"English");
    EXPECT_FALSE(fs::exists(file_));  // auto-flush is off
    ASSERT_TRUE(store->flush());
    EXPECT_EQ(fileText(),
              "<savedata><MainWindow><View Width=\"480\"></View></MainWindow>"
              "<Language>English</Language></savedata>");
    store->release();
}

TEST_F(XmlStore, ValueKindsSurviveAFileRoundTrip) {
    MappedData* store = open();
    store->setAutoFlush(true);
    store->setU8(u"K", u"u8", 255);
    store->setU16(u"K", u"u16", 65535);
    store->setU32(u"K", u"u32", 4000000000u);
    store->setU64(u"K", u"u64", 0xFFFFFFFFFFFFFFFEull);
    store->setS8(u"K", u"s8", -128);
    store->setS16(u"K", u"s16", -32768);
    store->setS32(u"K", u"s32", -5);
    store->setS64(u"K", u"s64", INT64_MIN);
    store->setFloat(u"K", u"f", 0.25f);
    store->setDouble(u"K", u"d", -1234.5);
    store->setBool(u"K", u"b", true);
    store->setText(u"K\\T", u"", u"  two  spaces & <tags> \"q\"\r\n ");
    store->setText(u"K\\T", u"attr", u"  a & \"b\" <c>\r\n");
    auto* bytes = s::col::_array::ArrayU08::create();
    const std::uint8_t raw[] = {0x00, 0x7F, 0x80, 0xFF};
    bytes->append(raw, 4);
    store->setBytes(u"K", u"bin", bytes);
    store->release();

    MappedData* back = open();
    EXPECT_EQ(back->getU8(u"K", u"u8", 0), 255);
    EXPECT_EQ(back->getU16(u"K", u"u16", 0), 65535);
    EXPECT_EQ(back->getU32(u"K", u"u32", 0), 4000000000u);
    EXPECT_EQ(back->getU64(u"K", u"u64", 0), 0xFFFFFFFFFFFFFFFEull);
    EXPECT_EQ(back->getS8(u"K", u"s8", 0), -128);
    EXPECT_EQ(back->getS16(u"K", u"s16", 0), -32768);
    EXPECT_EQ(back->getS32(u"K", u"s32", 0), -5);
    EXPECT_EQ(back->getU32(u"K", u"s32", 0), 4294967291u);  // wcstoul of "-5"
    EXPECT_EQ(back->getS64(u"K", u"s64", 0), INT64_MIN);
    EXPECT_EQ(back->getFloat(u"K", u"f", 0), 0.25f);
    EXPECT_EQ(back->getDouble(u"K", u"d", 0), -1234.5);
    EXPECT_TRUE(back->getBool(u"K", u"b", false));
    bool expandable = true;
    // Element text loses its outer blanks except those written as references.
    EXPECT_EQ(std::u16string(back->getText(u"K\\T", u"", u"", &expandable)),
              u"  two  spaces & <tags> \"q\"\r\n ");
    EXPECT_FALSE(expandable);
    EXPECT_EQ(std::u16string(back->getText(u"K\\T", u"ATTR", u"")), u"  a & \"b\" <c>\r\n");
    back->getBytes(u"K", u"bin", bytes);
    ASSERT_EQ(bytes->length(), 4u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes->data(), bytes->data() + 4),
              std::vector<std::uint8_t>(raw, raw + 4));
    // Missing key: emptied array; missing section: the array unchanged.
    EXPECT_EQ(back->getBytes(u"K", u"none", bytes)->length(), 0u);
    bytes->appendOne(9);
    EXPECT_EQ(back->getBytes(u"None", u"bin", bytes)->length(), 1u);
    EXPECT_EQ(back->getS32(u"None", u"s32", 77), 77);
    EXPECT_EQ(back->getS32(u"K", u"none", 77), 77);
    bytes->release();
    back->release();
}

TEST_F(XmlStore, RewritingMovesTheAttributeToTheEnd) {
    MappedData* store = open();
    store->setU32(u"W", u"Width", 1);
    store->setU32(u"W", u"Height", 2);
    store->setU32(u"W", u"width", 3);
    store->flush();
    EXPECT_EQ(fileText(), "<savedata><W Height=\"2\" width=\"3\"></W></savedata>");
    store->release();
}

TEST_F(XmlStore, SectionSelection) {
    MappedData* store = open();
    store->setU32(u"MainWindow\\View", u"Width", 1);
    store->selectForRead(u"");
    EXPECT_TRUE(store->selectForRead(u"MainWindow/View"));
    EXPECT_TRUE(store->selectForRead(u"MainWindow\\View\\"));
    // The walk compares names exactly; the remembered name ignores case.
    EXPECT_TRUE(store->selectForRead(u"MainWindow\\View"));
    EXPECT_TRUE(store->selectForRead(u"mainwindow\\view"));
    store->selectForRead(u"");
    EXPECT_FALSE(store->selectForRead(u"mainwindow\\view"));
    // A failed selection does not stick to the name in other letter case.
    EXPECT_TRUE(store->selectForRead(u"MainWindow\\View"));
    EXPECT_FALSE(store->hasValue(u"MainWindow\\View", u"Height"));
    EXPECT_TRUE(store->hasValue(u"MainWindow\\View", u"width"));

    store->removeValue(u"MainWindow\\View", u"Width");
    EXPECT_FALSE(store->hasValue(u"MainWindow\\View", u"Width"));
    store->setU32(u"MainWindow\\Other", u"x", 1);
    store->removeSection(u"MainWindow\\View");
    EXPECT_FALSE(store->selectForRead(u"MainWindow\\View"));
    EXPECT_TRUE(store->selectForRead(u"MainWindow\\Other"));
    store->removeSection(u"MainWindow");
    EXPECT_EQ(store->root()->childCount(), 0u);
    store->release();
}

TEST_F(XmlStore, BoolTextsAndUnparsableNumbers) {
    MappedData* store = open();
    const struct {
        const char16_t* text;
        bool value;
    } cases[] = {{u"true", true}, {u"1", true}, {u"yes", false}, {u"True", false}};
    for (const auto& c : cases) {
        store->setText(u"B", u"v", c.text);
        EXPECT_EQ(store->getBool(u"B", u"v", !c.value), c.value);
    }
    store->setText(u"B", u"n", u"abc");
    EXPECT_EQ(store->getS32(u"B", u"n", 5), 0);  // C-library conversion, not the default
    EXPECT_EQ(store->getDouble(u"B", u"n", 5), 0);
    store->release();
}

TEST_F(XmlStore, KeepsAForeignRootAndNeverReplacesAnUnreadableFile) {
    fs::create_directories(file_.parent_path());
    std::ofstream(file_) << "<settings><Language>Deutsch</Language></settings>";
    MappedData* store = open();
    EXPECT_EQ(std::u16string(store->getText(u"Language", u"", u"")), u"Deutsch");
    store->setAutoFlush(true);
    store->setText(u"Language", u"", u"English");
    EXPECT_EQ(fileText(), "<settings><Language>English</Language></settings>");
    store->release();

    // A name that exists but cannot be read as a file: an empty document, and nothing is
    // written in its place.
    const fs::path folder = dir_ / "folder.xml";
    fs::create_directories(folder / "inside");
    MappedData* odd = MappedData::open(folder.u16string().c_str());
    EXPECT_TRUE(odd->root()->nameEquals(u"savedata"));
    EXPECT_FALSE(odd->flush());
    odd->release();
    EXPECT_TRUE(fs::exists(folder / "inside"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);

    // A file without read permission: the same, and the file keeps the user's settings. (The
    // superuser reads anything: there the case does not arise.)
    fs::permissions(file_, fs::perms::none);
    if (!std::ifstream(file_).good()) {
        MappedData* unreadable = open();
        EXPECT_TRUE(unreadable->root()->nameEquals(u"savedata"));
        unreadable->setText(u"Language", u"", u"French");
        EXPECT_FALSE(unreadable->flush());
        unreadable->release();
    }
    fs::permissions(file_, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(fileText(), "<settings><Language>English</Language></settings>");
}

}  // namespace

namespace {

TEST_F(XmlStore, NamesThatAreNotXmlNamesAreRefusedAndTheFileStaysReadable) {
    MappedData* store = open();
    store->setAutoFlush(true);
    store->setS32(u"Good", u"ok", 1);
    for (const char16_t* bad : {u"a b", u"a\"b", u"a=b", u"a>b", u"1st", u"-x"}) {
        store->setS32(u"Good", bad, 2);
        EXPECT_FALSE(store->selectForWrite((std::u16string(u"Good\\") + bad).c_str()));
        store->setS32((std::u16string(u"Good\\") + bad).c_str(), u"k", 3);
    }
    store->setS32(u"Good", u"x.y-z_1", 4);  // a valid name with the other allowed signs
    store->release();
    MappedData* back = open();
    EXPECT_EQ(back->getS32(u"Good", u"ok", 0), 1);
    EXPECT_EQ(back->getS32(u"Good", u"x.y-z_1", 0), 4);
    EXPECT_EQ(back->getS32(u"Good", u"a b", 0), 0);
    back->setS32(u"Good", u"later", 5);  // the document still parses and flushes
    EXPECT_TRUE(back->flush());
    back->release();
}

TEST_F(XmlStore, ElementTextKeepsOuterTabsAndIdeographicSpaces) {
    const char16_t* texts[] = {u"\tlead", u"trail\t", u"wide\u3000", u"\t\u3000 both \u3000\t"};
    auto key = [](int i) { return std::u16string{u'T', static_cast<char16_t>(u'0' + i)}; };
    MappedData* store = open();
    for (int i = 0; i < 4; ++i) {
        store->setText(key(i).c_str(), u"", texts[i]);
    }
    ASSERT_TRUE(store->flush());
    store->release();
    MappedData* back = open();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(std::u16string(back->getText(key(i).c_str(), u"", u"")), texts[i]);
    }
    back->release();
}

}  // namespace
