// The path object: splitting, file facts, folder sizes, streams, names that are not UTF-8.
#include "file/win/PathWin.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>

#include <filesystem>
#include <string>

#include "file/win/FileInputStream.h"
#include "file/win/TempFolder.h"
#include "io/IOutputStream.h"
#include "str/strbuffer/StrBuffer.h"

namespace {

using s::file::win::PathWin;
using s::str::strbuffer::StrBuffer;
using testing_files::TempFolder;

std::u16string textOf(const StrBuffer* text) {
    return std::u16string(text->data(), text->length());
}

struct SplitCase {
    std::u16string input;
    std::u16string full, directory, title, extension;
};

TEST(PathWin, SplitsIntoDirectoryTitleAndExtension) {
    const SplitCase cases[] = {
        {u"/dir/file.txt", u"/dir/file.txt", u"/dir/", u"file", u".txt"},
        {u"/dir/sub/", u"/dir/sub", u"/dir/", u"sub", u""},  // a folder loses its "/"
        {u"/dir//", u"/dir", u"/", u"dir", u""},
        {u"/", u"/", u"/", u"", u""},  // the root stays
        {u"///", u"/", u"/", u"", u""},
        {u"file", u"file", u"", u"file", u""},
        {u"a\\b.txt", u"a\\b.txt", u"", u"a\\b", u".txt"},  // "\" is a name character
        {u"C:/dir/x", u"C:/dir/x", u"C:/dir/", u"x", u""},  // no drives here
        {u"/d/archive.tar.gz", u"/d/archive.tar.gz", u"/d/", u"archive.tar", u".gz"},
        {u"/d.e/name", u"/d.e/name", u"/d.e/", u"name", u""},
        {u"/d/.profile", u"/d/.profile", u"/d/", u".profile", u""},
        {u"/d/.cfg.bak", u"/d/.cfg.bak", u"/d/", u".cfg", u".bak"},
        {u"/d/..", u"/d/..", u"/d/", u"..", u""},
        {u"/d/file.", u"/d/file.", u"/d/", u"file", u"."},
        {u"dir/file.txt:stream", u"dir/file.txt:stream", u"dir/", u"file", u".txt:stream"},
    };
    PathWin* path = PathWin::create();
    for (const SplitCase& c : cases) {
        path->set(c.input.c_str());
        SCOPED_TRACE(std::string(c.input.begin(), c.input.end()));
        EXPECT_TRUE(path->isValid());
        EXPECT_EQ(textOf(path->originalText()), c.input);
        EXPECT_EQ(textOf(path->fullPath()), c.full);
        EXPECT_EQ(textOf(path->longPath()), c.full);
        EXPECT_EQ(path->drive()->length(), 0u);
        EXPECT_EQ(textOf(path->directory()), c.directory);
        EXPECT_EQ(textOf(path->fileTitle()), c.title);
        EXPECT_EQ(textOf(path->extension()), c.extension);
        EXPECT_FALSE(path->isAlternateStream());
        StrBuffer* name = path->fileName(nullptr, false);
        EXPECT_EQ(textOf(name), c.title + c.extension);
        name->release();
    }
    // An empty text, or one with a zero character (the system would see only "/"), leaves
    // the object invalid and without facts.
    StrBuffer* withZero = StrBuffer::create();
    withZero->append(u"/\0etc", 5);
    for (int i = 0; i < 2; ++i) {
        if (i == 0) {
            path->set(u"");
        } else {
            path->set(withZero);
        }
        EXPECT_FALSE(path->isValid());
        EXPECT_FALSE(path->exists());
        EXPECT_FALSE(path->isDirectory());
        EXPECT_EQ(path->size(true, true, nullptr, nullptr, true), 0);
        EXPECT_EQ(path->openInputStream(), nullptr);
    }
    withZero->release();
    path->release();
}

TEST(PathWin, FileNameAppendsOrReplaces) {
    PathWin* path = PathWin::create();
    path->set(u"/x/report.pdf");
    StrBuffer* text = StrBuffer::create();
    text->appendText(u"name: ");
    path->fileName(text, true);
    EXPECT_EQ(textOf(text), u"name: report.pdf");
    path->fileName(text, false);
    EXPECT_EQ(textOf(text), u"report.pdf");
    text->release();
    path->release();
}

TEST(PathWin, FactsOfFilesAndFolders) {
    TempFolder folder;
    folder.write("f.txt", "12345");
    PathWin* path = PathWin::create();

    path->set(folder.text("f.txt").c_str());
    EXPECT_TRUE(path->exists());
    EXPECT_TRUE(path->isFile());
    EXPECT_TRUE(path->canReadWrite());
    EXPECT_EQ(path->size(false, true, nullptr, nullptr, true), 5);
    EXPECT_EQ(path->attributes(), PathWin::kNormal);
    EXPECT_EQ(textOf(path->root()), u"/");
    ASSERT_TRUE(path->addAttributes(PathWin::kReadOnly));
    EXPECT_EQ(path->attributes() & PathWin::kReadOnly, PathWin::kReadOnly);
    ASSERT_TRUE(path->setAttributes(0));
    EXPECT_EQ(path->attributes(), PathWin::kNormal);

    path->set(folder.text().c_str());
    EXPECT_TRUE(path->isDirectory());
    EXPECT_FALSE(path->isFile());

    // A missing file: no facts, and certainly not a folder.
    path->set(folder.text("missing").c_str());
    EXPECT_FALSE(path->exists());
    EXPECT_FALSE(path->canRead());
    EXPECT_FALSE(path->isDirectory());
    EXPECT_EQ(path->attributes(), PathWin::kInvalidAttributes);
    EXPECT_EQ(path->size(true, true, nullptr, nullptr, true), 0);
    EXPECT_EQ(path->modificationTime(false), 0);
    EXPECT_FALSE(path->addAttributes(PathWin::kReadOnly));
    path->release();
}

TEST(PathWin, TimesComeFromTheStatusAndStayCachedUntilRefresh) {
    TempFolder folder;
    folder.write("t", "x");
    const std::string file = folder.file("t");
    const struct timeval times[2] = {{1000000000, 0}, {1300000000, 0}};  // access, modification
    ASSERT_EQ(utimes(file.c_str(), times), 0);
    PathWin* path = PathWin::create();
    path->set(folder.text("t").c_str());
    EXPECT_EQ(path->accessTime(false), 1000000000);
    EXPECT_EQ(path->modificationTime(false), 1300000000);
    // Birth time where the file system keeps it (just now), else the modification time.
    const std::int64_t created = path->creationTime(false);
    EXPECT_TRUE(created == 1300000000 || created > 1700000000) << created;
    const struct timeval later[2] = {{1000000000, 0}, {1400000000, 0}};
    ASSERT_EQ(utimes(file.c_str(), later), 0);
    EXPECT_EQ(path->modificationTime(false), 1300000000);
    EXPECT_EQ(path->modificationTime(true), 1400000000);
    path->release();
}

TEST(PathWin, FolderSizeWalksTheTreeOnRefresh) {
    TempFolder folder;
    folder.write("a", std::string(100, 'a'));
    std::filesystem::create_directories(folder.file("sub/deeper"));
    folder.write("sub/b", std::string(20, 'b'));
    folder.write("sub/deeper/c", std::string(3, 'c'));
    // A link to a folder is not followed; a link to a file counts as that file.
    std::filesystem::create_directory_symlink(folder.file("sub"), folder.file("loop"));
    std::filesystem::create_symlink(folder.file("a"), folder.file("alias"));
    struct Case {
        bool recursive;
        bool countFiles;
        std::int64_t bytes;
        std::uint32_t files, dirs;
    };
    const Case cases[] = {
        {true, true, 223, 4, 2},
        {false, true, 200, 2, 0},
        {true, false, 223, 0, 2},
    };
    PathWin* path = PathWin::create();
    path->set(folder.text().c_str());
    for (const Case& c : cases) {
        std::uint32_t files = 99, dirs = 99;
        EXPECT_EQ(path->size(true, c.recursive, &files, &dirs, c.countFiles), c.bytes);
        EXPECT_EQ(files, c.files);
        EXPECT_EQ(dirs, c.dirs);
    }
    path->release();
}

TEST(PathWin, OutputStreamMakesTheParentFolders) {
    TempFolder folder;
    PathWin* path = PathWin::create();
    path->set(folder.text("new/inner/settings.xml").c_str());
    s::io::IOutputStream* out = path->openOutputStream(false);
    ASSERT_NE(out, nullptr);
    std::uint32_t n = 0;
    ASSERT_TRUE(out->write("<x/>", 4, &n));
    out->release();
    EXPECT_EQ(TempFolder::read(folder.file("new/inner/settings.xml")), "<x/>");
    path->release();
}

// A name that is not UTF-8 (0xFF 0xFE) travels as U+DCFF U+DCFE and back to the same bytes.
TEST(PathWin, NameThatIsNotUtf8IsReadNamedAndRoundTripped) {
    TempFolder folder;
    const std::string badName = "bad\xff\xfe.bin";
    folder.write(badName, "payload");
    std::u16string text = folder.text() + u"/bad";
    text += u'\xDCFF';
    text += u'\xDCFE';
    text += u".bin";
    PathWin* path = PathWin::create();
    path->set(text.c_str());
    ASSERT_TRUE(path->exists());
    EXPECT_EQ(path->size(false, true, nullptr, nullptr, true), 7);
    StrBuffer* name = path->fileName(nullptr, false);
    EXPECT_EQ(textOf(name), std::u16string(u"bad\xDCFF\xDCFE.bin"));
    name->release();
    s::io::IInputStream* in = path->openInputStream();
    ASSERT_NE(in, nullptr);
    char buffer[16];
    std::uint32_t got = 0;
    ASSERT_TRUE(in->read(buffer, sizeof buffer, &got));
    EXPECT_EQ(std::string(buffer, got), "payload");
    in->release();
    // Written back under a derived name: the bytes on disk are the original ones.
    path->set((text + u".copy").c_str());
    s::io::IOutputStream* out = path->openOutputStream(false);
    ASSERT_NE(out, nullptr);
    ASSERT_TRUE(out->write("again", 5, &got));
    out->release();
    EXPECT_EQ(TempFolder::read(folder.file(badName + ".copy")), "again");
    path->release();
}

}  // namespace
