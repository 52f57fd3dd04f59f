// The registry store and its key objects on the SQLite-backed registry: value kinds and sizes,
// section selection, key operations, and damaged or locked databases.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "col/_array/ArrayU08.h"
#include "platform/store/Registry.h"
#include "reg/MappedData.h"
#include "reg/win/RegDir.h"

namespace {

using platform::store::Registry;
using s::reg::MappedData;
using s::reg::win::RegDir;
using s::str::strbuffer::StrBuffer;
namespace fs = std::filesystem;
namespace win = s::reg::win;

constexpr const char16_t* kBase = u"Software\\Zarnek\\Zarnek Veritome\\SaveData";

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class RegistryStore : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::path(::testing::TempDir()) /
               ("registry_" + std::to_string(::getpid()) + "_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        db_ = dir_ / "veritome" / "registry.db";
        Registry::useDatabase(db_.string());
        store_ = MappedData::open(win::kCurrentUser, kBase);
    }
    void TearDown() override {
        if (store_) store_->release();
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // Type and size of a stored value, through a fresh key object.
    std::pair<std::uint32_t, std::uint32_t> stored(const char16_t* section, const char16_t* key) {
        std::u16string path = std::u16string(kBase) + u"\\" + section;
        RegDir* dir = RegDir::at(win::kCurrentUser, path.c_str());
        std::uint32_t type = 0, size = 0;
        dir->queryValue(key, &type, &size);
        dir->release();
        return {type, size};
    }

    fs::path dir_, db_;
    MappedData* store_ = nullptr;
};

TEST_F(RegistryStore, ValueKindsTypesAndSizes) {
    const char16_t* s = u"Kinds";
    store_->setU8(s, u"u8", 200);
    store_->setS16(s, u"s16", -2);
    store_->setU64(s, u"u64", 0x0102030405060708ull);
    store_->setFloat(s, u"f", 0.5f);
    store_->setDouble(s, u"d", 1.5);
    store_->setBool(s, u"b", true);
    store_->setText(s, u"t", u"abc");
    store_->setExpandableText(s, u"e", u"%VERITOME_TEST_HOME%\\x");
    auto* bytes = s::col::_array::ArrayU08::create();
    const std::uint8_t raw[] = {1, 2, 3, 0, 5};
    bytes->append(raw, 5);
    store_->setBytes(s, u"bin", bytes);

    const struct {
        const char16_t* key;
        std::uint32_t type;
        std::uint32_t size;
    } kinds[] = {
        {u"u8", win::kRegDword, 4}, {u"s16", win::kRegDword, 4},   {u"u64", win::kRegBinary, 8},
        {u"f", win::kRegBinary, 4}, {u"d", win::kRegBinary, 8},    {u"b", win::kRegDword, 4},
        {u"t", win::kRegSz, 8},     {u"e", win::kRegExpandSz, 46}, {u"bin", win::kRegBinary, 5}};
    for (const auto& k : kinds) {
        EXPECT_EQ(stored(s, k.key), std::make_pair(k.type, k.size)) << (&k - kinds);
    }

    EXPECT_EQ(store_->getS8(s, u"u8", 0), -56);
    EXPECT_EQ(store_->getU32(s, u"s16", 0), 4294967294u);
    EXPECT_EQ(store_->getU64(s, u"u8", 7), 7u);  // a DWORD has 4 bytes, not 8
    EXPECT_EQ(store_->getU64(s, u"u64", 0), 0x0102030405060708ull);
    EXPECT_EQ(store_->getFloat(s, u"f", 0), 0.5f);
    EXPECT_EQ(store_->getDouble(s, u"d", 0), 1.5);
    double d = 1.5;
    std::int64_t bits = 0;
    std::memcpy(&bits, &d, 8);
    EXPECT_EQ(store_->getS64(s, u"d", 0), bits);
    EXPECT_EQ(store_->getDouble(s, u"u8", -1), -1);  // size 4
    EXPECT_TRUE(store_->getBool(s, u"B", false));
    EXPECT_EQ(std::u16string(store_->getText(s, u"T", u"")), u"abc");
    EXPECT_EQ(std::u16string(store_->getText(s, u"u8", u"def")), u"def");  // not a text type

    ::setenv("VERITOME_TEST_HOME", "/home/x", 1);
    bool expandable = false;
    EXPECT_EQ(std::u16string(store_->getText(s, u"e", u"", &expandable, true)), u"/home/x\\x");
    EXPECT_TRUE(expandable);
    EXPECT_EQ(std::u16string(store_->getText(s, u"e", u"", nullptr, false)),
              u"%VERITOME_TEST_HOME%\\x");

    bytes->clear();
    ASSERT_EQ(store_->getBytes(s, u"bin", bytes), bytes);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes->data(), bytes->data() + bytes->length()),
              std::vector<std::uint8_t>(raw, raw + 5));
    EXPECT_EQ(store_->getBytes(s, u"none", bytes), nullptr);  // section exists, value not
    EXPECT_EQ(store_->getBytes(u"NoSection", u"bin", bytes), bytes);
    bytes->release();
}

TEST_F(RegistryStore, FirstRunReadsDefaultsAndFirstWriteCreatesTheKeys) {
    EXPECT_EQ(store_->getS32(u"MainWindow\\View", u"Width", 480), 480);
    EXPECT_EQ(std::u16string(store_->getText(u"Language", u"", u"English")), u"English");
    RegDir* software = RegDir::at(win::kCurrentUser, u"Software");
    EXPECT_FALSE(software->isOpen());
    software->release();

    store_->setS32(u"MainWindow\\View", u"Width", 640);
    RegDir* key = RegDir::at(win::kCurrentUser,
                             u"software\\ZARNEK\\Zarnek Veritome\\SaveData\\mainwindow\\VIEW");
    EXPECT_TRUE(key->isOpen());
    EXPECT_EQ(key->getS32(u"WIDTH", 0), 640);
    key->release();
    // Section names ignore case, in a new store as well.
    MappedData* again = MappedData::open(win::kCurrentUser, kBase);
    EXPECT_EQ(again->getS32(u"MAINWINDOW\\view", u"width", 0), 640);
    again->release();
    // The unnamed value of a section.
    store_->setText(u"Language", u"", u"German");
    EXPECT_EQ(std::u16string(store_->getText(u"language", nullptr, u"")), u"German");
}

TEST_F(RegistryStore, SelectionAndRemoval) {
    // A repeated selection of a missing section still answers false; its reads give defaults.
    EXPECT_FALSE(store_->selectForRead(u"Missing"));
    EXPECT_FALSE(store_->selectForRead(u"missing"));
    EXPECT_EQ(store_->getU32(u"Missing", u"x", 3), 3u);

    store_->setU32(u"A\\B\\C", u"x", 1);
    store_->setU32(u"A", u"y", 2);
    EXPECT_TRUE(store_->hasValue(u"A\\B\\C", u"X"));
    store_->removeValue(u"A\\B\\C", u"x");
    EXPECT_FALSE(store_->hasValue(u"A\\B\\C", u"x"));
    store_->removeSection(u"A");
    EXPECT_EQ(store_->current(), nullptr);
    EXPECT_FALSE(store_->selectForRead(u"A"));
    EXPECT_FALSE(store_->selectForRead(u"A\\B"));
    EXPECT_EQ(store_->getU32(u"A", u"y", 9), 9u);
    // Writing after a removal creates the section again.
    store_->setU32(u"A", u"y", 5);
    EXPECT_EQ(store_->getU32(u"a", u"Y", 0), 5u);
}

TEST_F(RegistryStore, KeyObjectOperations) {
    const std::uint8_t hexAuthority[6] = {0x12, 0x34, 0, 0, 0, 5};
    const std::uint8_t ntAuthority[6] = {0, 0, 0, 0, 0, 5};
    const std::uint32_t subs[] = {21, 7, 1001};
    StrBuffer* sid = win::formatSid(1, ntAuthority, subs, 3);
    EXPECT_EQ(std::u16string(sid->text()), u"S-1-5-21-7-1001");
    win::formatSid(1, hexAuthority, subs, 1, sid);
    EXPECT_EQ(std::u16string(sid->text()), u"S-1-0x123400000005-21");
    sid->release();
    EXPECT_EQ(std::u16string(win::currentUserSid()).rfind(u"S-1-22-1-", 0), 0u);

    RegDir* key = RegDir::at(win::kCurrentUser, u"Software\\T\\Leaf\\");
    EXPECT_EQ(std::u16string(key->path()), u"Software\\T\\Leaf");
    EXPECT_EQ(std::u16string(key->displayPath()), u"HKEY_CURRENT_USER\\Software\\T\\Leaf");
    EXPECT_EQ(
        std::u16string(key->nativePath()),
        u"\\Registry\\User\\" + std::u16string(win::currentUserSid()) + u"\\Software\\T\\Leaf");
    EXPECT_FALSE(key->isOpen());
    ASSERT_TRUE(key->create());
    StrBuffer* leaf = key->leafName(nullptr);
    EXPECT_EQ(std::u16string(leaf->text()), u"Leaf");
    leaf->release();

    RegDir* list = RegDir::at(win::kCurrentUser, u"Software\\T");
    auto* texts = s::col::_array::ArrayP::newArrayP(&StrBuffer::pool());
    for (const char16_t* t : {u"one", u"two"}) {
        StrBuffer* s = StrBuffer::create();
        s->assignText(t);
        texts->add(s);
    }
    ASSERT_TRUE(list->setTextList(u"list", texts));
    texts->release();
    auto* back = list->getTextList(u"LIST");
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(back->length(), 2u);
    EXPECT_EQ(std::u16string(static_cast<StrBuffer*>(back->get(1))->text()), u"two");
    back->release();
    EXPECT_EQ(list->valueSize(u"list"), 18u);  // "one\0two\0\0" in UTF-16
    list->setU32(u"n", 1);
    EXPECT_EQ(list->totalSize(false), 22u);
    key->setU64(u"big", 1);
    EXPECT_EQ(list->totalSize(true), 30u);
    auto* names = list->valueNames();
    EXPECT_EQ(names->length(), 2u);
    names->release();

    RegDir* up = key->parent();
    EXPECT_EQ(std::u16string(up->path()), u"Software\\T");
    up->release();
    auto* subkeys = list->subkeys();
    ASSERT_EQ(subkeys->length(), 1u);
    EXPECT_EQ(std::u16string(static_cast<RegDir*>(subkeys->get(0))->path()), u"Software\\T\\Leaf");
    subkeys->release();
    ASSERT_TRUE(key->rename(u"Renamed"));
    EXPECT_EQ(std::u16string(key->path()), u"Software\\T\\Renamed");
    EXPECT_EQ(key->getU64(u"big", 0), 1u);

    RegDir* full = RegDir::newKey();
    EXPECT_TRUE(full->openFullName(u"HKEY_CURRENT_USER\\Software\\T\\Renamed"));
    EXPECT_EQ(full->root(), win::kCurrentUser);
    EXPECT_FALSE(full->openFullName(u"HKEY_NOWHERE\\Software"));
    EXPECT_EQ(std::u16string(full->displayPath()), u"HKEY_CURRENT_USER\\InvalidKey");
    full->release();

    EXPECT_TRUE(list->deleteTree(true));
    EXPECT_FALSE(list->isOpen());
    RegDir* gone = RegDir::at(win::kCurrentUser, u"Software\\T\\Renamed");
    EXPECT_FALSE(gone->isOpen());
    gone->release();
    EXPECT_FALSE(key->setU32(u"after", 1));  // its key is gone: nothing is written
    key->release();
    list->release();
}

TEST_F(RegistryStore, ValuesSurviveReopeningTheDatabase) {
    store_->setText(u"Language", u"", u"Deutsch");
    store_->release();
    Registry::useDatabase(db_.string());
    store_ = MappedData::open(win::kCurrentUser, kBase);
    EXPECT_EQ(std::u16string(store_->getText(u"Language", u"", u"")), u"Deutsch");
}

TEST_F(RegistryStore, DamagedDatabaseIsMovedAsideAndAFreshOneStarted) {
    fs::create_directories(db_.parent_path());
    const std::string garbage(4096, 'x');
    const fs::path copy = db_.string() + ".damaged";
    store_->release();
    store_ = nullptr;
    for (const std::string& content : {garbage, std::string("SQLite format 3") + '\0' + garbage}) {
        Registry::useDatabase(db_.string() + ".other");  // lets go of the file
        fs::remove(copy);
        for (const char* extra : {"-wal", "-shm"}) fs::remove(db_.string() + extra);
        std::ofstream(db_, std::ios::binary) << content;
        Registry::useDatabase(db_.string());
        ASSERT_TRUE(Registry::instance().usable());
        EXPECT_EQ(Registry::instance().damagedCopy(), copy.string());
        EXPECT_TRUE(slurp(copy) == content);  // the user's file is kept as it was
        MappedData* store = MappedData::open(win::kCurrentUser, kBase);
        store->setU32(u"S", u"v", 1);
        store->release();
        // The fresh file holds what was written since, and is not damaged.
        Registry::useDatabase(db_.string());
        EXPECT_EQ(Registry::instance().damagedCopy(), "");
        store = MappedData::open(win::kCurrentUser, kBase);
        EXPECT_EQ(store->getU32(u"S", u"v", 42), 1u);
        store->release();
    }
}

// Another connection holding the write lock of the database until released.
class Locker {
public:
    explicit Locker(const fs::path& db) {
        sqlite3_open(db.string().c_str(), &db_);
        locked_ = sqlite3_exec(db_, "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~Locker() { release(); }
    bool locked() const { return locked_; }
    void release() {
        if (locked_) sqlite3_exec(db_, "COMMIT;", nullptr, nullptr, nullptr);
        locked_ = false;
        sqlite3_close(db_);
        db_ = nullptr;
    }

private:
    sqlite3* db_ = nullptr;
    bool locked_ = false;
};

TEST_F(RegistryStore, LockedDatabaseIsReadAndWrittenOnceFree) {
    store_->setU32(u"S", u"v", 7);
    store_->release();
    store_ = nullptr;
    Locker other(db_);
    ASSERT_TRUE(other.locked());
    Registry::useDatabase(db_.string());
    Registry& registry = Registry::instance();
    ASSERT_TRUE(registry.usable());
    MappedData* store = MappedData::open(win::kCurrentUser, kBase);
    EXPECT_EQ(store->getU32(u"S", u"v", 42), 7u);  // read although another process writes
    // Only a change waits to be written; the new value reads back at once.
    store->setU32(u"S", u"v", 7);
    EXPECT_EQ(registry.unwritten(), 0u);
    store->setU32(u"S", u"v", 8);
    store->setU32(u"S", u"w", 9);
    EXPECT_EQ(store->getU32(u"S", u"v", 0), 8u);
    EXPECT_EQ(registry.unwritten(), 2u);
    EXPECT_FALSE(registry.writeNow(0));
    store->release();
    other.release();
    // Retried later on a thread of its own.
    for (int i = 0; i < 1000 && registry.unwritten() > 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(registry.unwritten(), 0u);
    Registry::useDatabase(db_.string());
    store_ = MappedData::open(win::kCurrentUser, kBase);
    EXPECT_EQ(store_->getU32(u"S", u"v", 0), 8u);
    EXPECT_EQ(store_->getU32(u"S", u"w", 0), 9u);
}

// Runs read in a child process that cannot write the database (root gives up its rights:
// permissions do not hold it back); the child's exit status is what read returns.
template <typename F>
int asReader(const fs::path& db, F read) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0) {
            passwd* nobody = ::getpwnam("nobody");
            if (!nobody || ::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0) {
                ::_exit(100);
            }
        }
        // The rights of the test's own user are taken away instead.
        ::chmod(db.c_str(), 0444);
        ::_exit(read());
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}

TEST_F(RegistryStore, ReadOnlyDatabaseIsStillRead) {
    store_->setText(u"Language", u"", u"Deutsch");
    store_->release();
    store_ = nullptr;
    Registry::useDatabase(db_.string() + ".other");  // the test's registry lets go of the file
    // Everyone may read the file and its folders, nobody but its owner write them.
    for (fs::path p = db_; p != dir_.parent_path(); p = p.parent_path()) {
        ::chmod(p.c_str(), fs::is_directory(p) ? 0755 : 0644);
    }
    for (const char* extra : {"-wal", "-shm"}) ::chmod((db_.string() + extra).c_str(), 0644);
    const std::u16string section = Registry::currentUserRoot() + u"\\" + kBase + u"\\Language";
    const int status = asReader(db_, [&] {
        Registry registry(db_.string());
        const platform::store::KeyId key = registry.openKey(section);
        Registry::Value value;
        if (!registry.usable() || !registry.queryValue(key, u"", &value)) return 1;
        const std::u16string want = u"Deutsch";
        if (value.data.size() != (want.size() + 1) * 2 ||
            std::memcmp(value.data.data(), want.data(), want.size() * 2) != 0) {
            return 2;
        }
        // A change is kept in memory for later; nothing is lost or damaged meanwhile.
        const char16_t english[] = u"English";
        const std::size_t before = registry.unwritten();
        registry.setValue(key, u"", win::kRegSz, english, sizeof english);
        if (!registry.queryValue(key, u"", &value) || value.data.size() != sizeof english) return 3;
        return registry.unwritten() == before + 1 ? 0 : 4;
    });
    EXPECT_EQ(status, 0);
    Registry::useDatabase(db_.string());
    store_ = MappedData::open(win::kCurrentUser, kBase);
    EXPECT_EQ(std::u16string(store_->getText(u"Language", u"", u"")), u"Deutsch");
}

// Settings written in a loop by a child killed at random moments: the file opens every time,
// passes its check and holds, for every key, the value of one whole batch.
TEST_F(RegistryStore, KilledWriterLeavesAnIntactDatabase) {
    store_->release();
    store_ = nullptr;
    Registry::useDatabase(db_.string() + ".other");
    const char16_t* names[] = {u"a", u"b", u"c", u"d"};
    std::uint32_t last = 0;
    std::srand(static_cast<unsigned>(::getpid()));
    for (int round = 0; round < 20; ++round) {
        const pid_t child = ::fork();
        if (child == 0) {
            Registry registry(db_.string());
            const platform::store::KeyId key =
                registry.createKey(Registry::currentUserRoot() + u"\\Loop");
            for (std::uint32_t i = last + 1;; ++i) {
                registry.beginBatch();
                for (const char16_t* name : names) registry.setValue(key, name, 4, &i, 4);
                registry.endBatch();
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + std::rand() % 60));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        Registry registry(db_.string());
        ASSERT_TRUE(registry.usable()) << round;
        ASSERT_EQ(registry.damagedCopy(), "") << round;
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(db_.string().c_str(), &db), SQLITE_OK);
        std::string check;
        sqlite3_exec(
            db, "PRAGMA quick_check;",
            [](void* out, int, char** values, char**) {
                *static_cast<std::string*>(out) += values[0] ? values[0] : "";
                return 0;
            },
            &check, nullptr);
        sqlite3_close(db);
        EXPECT_EQ(check, "ok") << round;
        const platform::store::KeyId key = registry.openKey(Registry::currentUserRoot() + u"\\Loop");
        std::uint32_t first = 0;
        for (const char16_t* name : names) {
            Registry::Value value;
            std::uint32_t now = 0;
            if (key && registry.queryValue(key, name, &value) && value.data.size() == 4) {
                std::memcpy(&now, value.data.data(), 4);
            }
            if (name == names[0]) first = now;
            EXPECT_EQ(now, first) << round;  // one batch, all or nothing
            EXPECT_GE(now, last) << round;   // never older than what was there
        }
        last = first;
    }
}

// What another process sees of the database: the committed values only.
std::string committedValue(const fs::path& db, const char* name) {
    sqlite3* other = nullptr;
    std::string found = "-";
    if (sqlite3_open_v2(db.string().c_str(), &other, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(other);
        return "?";
    }
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(other, "SELECT data FROM vals WHERE name=?1", -1, &stmt, nullptr);
    sqlite3_bind_text(stmt, 1, name, -1, SQLITE_STATIC);
    if (sqlite3_step(stmt) == SQLITE_ROW) {
        const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(stmt, 0));
        found = data ? std::to_string(data[0]) : "";
    }
    sqlite3_finalize(stmt);
    sqlite3_close(other);
    return found;
}

TEST_F(RegistryStore, ABatchCommitsItsChangesTogetherWhenTheOutermostPairEnds) {
    store_->setU32(u"S", u"before", 1);
    EXPECT_EQ(committedValue(db_, "before"), "1");
    {
        Registry::Batch outer;
        store_->setU32(u"S", u"first", 2);
        {
            Registry::Batch inner;
            store_->setU32(u"S", u"second", 3);
        }
        // Read back at once by this process, not yet by others.
        EXPECT_EQ(store_->getU32(u"S", u"second", 0), 3u);
        EXPECT_EQ(committedValue(db_, "first"), "-");
        EXPECT_EQ(committedValue(db_, "second"), "-");
    }
    EXPECT_EQ(committedValue(db_, "first"), "2");
    EXPECT_EQ(committedValue(db_, "second"), "3");
    // Without a batch every change is committed when made again.
    store_->setU32(u"S", u"after", 4);
    EXPECT_EQ(committedValue(db_, "after"), "4");
}

TEST_F(RegistryStore, DeletedKeyIdsAreNeverGivenToNewKeys) {
    Registry& registry = Registry::instance();
    platform::store::KeyId old = registry.createKey(Registry::currentUserRoot() + u"\\Old");
    ASSERT_NE(old, 0);
    ASSERT_TRUE(registry.deleteKey(old));
    platform::store::KeyId fresh = registry.createKey(Registry::currentUserRoot() + u"\\New");
    EXPECT_NE(fresh, old);
    // The stale handle fails instead of writing into the new key.
    EXPECT_FALSE(registry.setValue(old, u"v", win::kRegDword, "\1\0\0\0", 4));
    EXPECT_TRUE(registry.valueNames(fresh).empty());
}

TEST_F(RegistryStore, ExpansionDecodesTheEnvironmentAsUtf8) {
    ::setenv("VERITOME_TEST_NAME", "J\xc3\xbcrgen \xe2\x82\xac", 1);
    store_->setExpandableText(u"E", u"e", u"%VERITOME_TEST_NAME%!");
    EXPECT_EQ(std::u16string(store_->getText(u"E", u"e", u"", nullptr, true)),
              u"J\u00fcrgen \u20ac!");
}

TEST(RegistryHome, WithoutHomeTheDatabaseIsInThePasswordDatabasesHome) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    std::string savedConfig = config ? config : "", savedHome = home ? home : "";
    ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("HOME");
    std::string path = Registry::defaultPath();
    if (config) ::setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
    if (home) ::setenv("HOME", savedHome.c_str(), 1);
    EXPECT_EQ(path.rfind("/tmp", 0), std::string::npos) << path;
    EXPECT_NE(path.find("/.config/veritome/registry.db"), std::string::npos) << path;
}

}  // namespace
