// The SQLite tables behind the registry-like tree. One row per key (parent, name) and one per
// value (key, name, type, data); names use SQLite's NOCASE collation. Every statement runs in
// SQLite's autocommit mode, so each change is atomic and durable when the call returns, unless
// a batch gathers several into one transaction.
#include "platform/store/Registry.h"

#include <pwd.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace platform::store {
namespace {

constexpr KeyId kTop = 1;  // the nameless row every tree hangs from

// Long enough to outlast another process's write, short enough not to freeze the program.
constexpr int kBusyMillis = 2000;

constexpr const char* kSchema =
    "PRAGMA foreign_keys=ON;"
    "BEGIN IMMEDIATE;"
    // AUTOINCREMENT: the id of a deleted key never comes back, so a stale handle cannot reach
    // a newer key.
    "CREATE TABLE IF NOT EXISTS keys(id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " parent INTEGER REFERENCES keys(id) ON DELETE CASCADE,"
    " name TEXT NOT NULL COLLATE NOCASE, UNIQUE(parent, name));"
    "CREATE TABLE IF NOT EXISTS vals(key INTEGER NOT NULL REFERENCES keys(id) ON DELETE CASCADE,"
    " name TEXT NOT NULL COLLATE NOCASE, type INTEGER NOT NULL, data BLOB,"
    " PRIMARY KEY(key, name)) WITHOUT ROWID;"
    "INSERT OR IGNORE INTO keys(id, parent, name) VALUES(1, NULL, '');"
    "COMMIT;";

// HOME, else the home of the user in the password database; never a folder others share.
std::string homeFolder() {
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return home;
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir && found->pw_dir[0] == '/') {
        return found->pw_dir;
    }
    return "/";  // no home at all: the root folder, which an unprivileged user cannot write
}

bool makeFolders(const std::string& file) {
    for (std::size_t at = file.find('/', 1); at != std::string::npos; at = file.find('/', at + 1)) {
        const std::string folder = file.substr(0, at);
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return true;
}

// Calls f on every non-empty segment of a "\"-separated path; stops when f returns false.
template <class F>
bool forEachSegment(std::u16string_view path, F f) {
    std::size_t from = 0;
    while (from <= path.size()) {
        std::size_t to = path.find(u'\\', from);
        if (to == std::u16string_view::npos) to = path.size();
        if (to > from && !f(path.substr(from, to - from))) return false;
        from = to + 1;
    }
    return true;
}

std::u16string asciiText(const std::string& s) {
    return std::u16string(s.begin(), s.end());
}

}  // namespace

// A prepared statement, finalised when it goes out of scope.
class Registry::Statement {
public:
    Statement(sqlite3* db, const char* sql) {
        if (db) sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    bool ok() const { return stmt_ != nullptr; }
    Statement& bind(int i, std::int64_t v) {
        if (stmt_) sqlite3_bind_int64(stmt_, i, v);
        return *this;
    }
    Statement& bind(int i, std::u16string_view text) {
        if (stmt_) {
            sqlite3_bind_text16(stmt_, i, text.data(), static_cast<int>(text.size() * 2),
                                SQLITE_TRANSIENT);
        }
        return *this;
    }
    Statement& bindBlob(int i, const void* data, std::size_t size) {
        if (stmt_) {
            sqlite3_bind_blob(stmt_, i, size ? data : "", static_cast<int>(size), SQLITE_TRANSIENT);
        }
        return *this;
    }
    int step() { return stmt_ ? sqlite3_step(stmt_) : SQLITE_ERROR; }
    bool done() { return step() == SQLITE_DONE; }
    std::int64_t integer(int col) { return sqlite3_column_int64(stmt_, col); }
    std::u16string text(int col) {
        const void* t = sqlite3_column_text16(stmt_, col);
        const int bytes = sqlite3_column_bytes16(stmt_, col);
        return t ? std::u16string(static_cast<const char16_t*>(t), bytes / 2) : u"";
    }
    std::vector<std::uint8_t> blob(int col) {
        const auto* b = static_cast<const std::uint8_t*>(sqlite3_column_blob(stmt_, col));
        const int size = sqlite3_column_bytes(stmt_, col);
        return b ? std::vector<std::uint8_t>(b, b + size) : std::vector<std::uint8_t>();
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

Registry::Registry(std::string path) : path_(std::move(path)) {
    if (!makeFolders(path_)) {
        failure_ = "Could not create the folder of " + path_;
        std::fprintf(stderr, "%s\n", failure_.c_str());
        return;
    }
    if (sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        fail("open");
        return;
    }
    sqlite3_busy_timeout(db_, kBusyMillis);
    if (!initialise()) return;
    const std::u16string user = currentUserRoot();
    const std::u16string_view roots[] = {
        user, u"\\Registry\\Machine\\SOFTWARE\\Classes",
        u"\\Registry\\Machine\\System\\CurrentControlSet\\Hardware Profiles\\Current"};
    // The roots of a new database in one transaction.
    const bool began = execute("BEGIN IMMEDIATE;");
    for (std::u16string_view root : roots) {
        if (!ensurePath(root)) {
            if (began) execute("ROLLBACK;");
            fail("prepare the root keys of");
            return;
        }
    }
    if (began && !execute("COMMIT;")) {
        execute("ROLLBACK;");
        fail("prepare the root keys of");
    }
}

bool Registry::execute(const char* sql) {
    return db_ && sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

void Registry::beginBatch() {
    std::lock_guard<std::mutex> guard(lock_);
    if (batchDepth_++ == 0) batchOpen_ = execute("BEGIN IMMEDIATE;");
}

void Registry::endBatch() {
    std::lock_guard<std::mutex> guard(lock_);
    if (batchDepth_ == 0 || --batchDepth_ > 0 || !batchOpen_) return;
    batchOpen_ = false;
    if (execute("COMMIT;")) return;
    // Still locked by another process after the busy wait: the batch's changes are given up
    // rather than leaving the connection inside a transaction.
    std::fprintf(stderr, "Could not write the settings database %s: %s\n", path_.c_str(),
                 sqlite3_errmsg(db_));
    execute("ROLLBACK;");
}

Registry::~Registry() {
    sqlite3_close(db_);
}

bool Registry::initialise() {
    // A damaged file or one that is not a database fails here, before anything is written.
    bool intact = true;
    auto onRow = [](void* flag, int columns, char** values, char**) {
        if (columns < 1 || !values[0] || std::string_view(values[0]) != "ok") {
            *static_cast<bool*>(flag) = false;
        }
        return 0;
    };
    if (sqlite3_exec(db_, "PRAGMA quick_check;", onRow, &intact, nullptr) != SQLITE_OK || !intact ||
        sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK) {
        fail(intact ? "use" : "use the damaged");
        return false;
    }
    return true;
}

void Registry::fail(const char* what) {
    failure_ = std::string("Could not ") + what + " the settings database " + path_ + ": " +
               (db_ ? sqlite3_errmsg(db_) : "out of memory");
    std::fprintf(stderr, "%s\n", failure_.c_str());  // once: the registry stays unusable
    sqlite3_close(db_);
    db_ = nullptr;
}

namespace {
std::unique_ptr<Registry>& processRegistry() {
    static std::unique_ptr<Registry> registry;
    return registry;
}
std::mutex& processRegistryLock() {
    static std::mutex lock;
    return lock;
}
}  // namespace

Registry& Registry::instance() {
    std::lock_guard<std::mutex> guard(processRegistryLock());
    auto& r = processRegistry();
    if (!r) r = std::make_unique<Registry>(defaultPath());
    return *r;
}

void Registry::useDatabase(const std::string& path) {
    std::lock_guard<std::mutex> guard(processRegistryLock());
    processRegistry() = std::make_unique<Registry>(path);
}

std::string Registry::defaultPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config && config[0] == '/') {
        base = config;
    } else {
        base = homeFolder() + "/.config";
    }
    return base + "/veritome/registry.db";
}

std::u16string Registry::currentUserRoot() {
    return u"\\Registry\\User\\S-1-22-1-" + asciiText(std::to_string(currentUserId()));
}

std::uint32_t Registry::currentUserId() {
    return static_cast<std::uint32_t>(::getuid());
}

KeyId Registry::childOf(KeyId parent, std::u16string_view name) {
    Statement s(db_, "SELECT id FROM keys WHERE parent=?1 AND name=?2");
    s.bind(1, parent).bind(2, name);
    return s.step() == SQLITE_ROW ? s.integer(0) : 0;
}

KeyId Registry::openKey(std::u16string_view path) {
    std::lock_guard<std::mutex> guard(lock_);
    if (!db_) return 0;
    KeyId key = kTop;
    const bool found = forEachSegment(path, [&](std::u16string_view name) {
        key = childOf(key, name);
        return key != 0;
    });
    return found ? key : 0;
}

KeyId Registry::createKey(std::u16string_view path) {
    std::lock_guard<std::mutex> guard(lock_);
    if (!db_) return 0;
    const std::size_t cut = path.find_last_of(u'\\');
    std::u16string_view leaf = cut == std::u16string_view::npos ? path : path.substr(cut + 1);
    if (leaf.empty()) return 0;
    KeyId parent = kTop;
    if (cut != std::u16string_view::npos) {
        const bool found = forEachSegment(path.substr(0, cut), [&](std::u16string_view name) {
            parent = childOf(parent, name);
            return parent != 0;
        });
        if (!found) return 0;
    }
    if (KeyId existing = childOf(parent, leaf)) return existing;
    Statement s(db_, "INSERT INTO keys(parent, name) VALUES(?1, ?2)");
    if (!s.bind(1, parent).bind(2, leaf).done()) return 0;
    return sqlite3_last_insert_rowid(db_);
}

KeyId Registry::ensurePath(std::u16string_view path) {
    KeyId key = kTop;
    forEachSegment(path, [&](std::u16string_view name) {
        KeyId child = childOf(key, name);
        if (!child) {
            Statement s(db_, "INSERT INTO keys(parent, name) VALUES(?1, ?2)");
            child = s.bind(1, key).bind(2, name).done() ? sqlite3_last_insert_rowid(db_) : 0;
        }
        key = child;
        return key != 0;
    });
    return key;
}

bool Registry::keyExists(KeyId key) {
    std::lock_guard<std::mutex> guard(lock_);
    Statement s(db_, "SELECT 1 FROM keys WHERE id=?1");
    return key > kTop && s.bind(1, key).step() == SQLITE_ROW;
}

bool Registry::deleteKey(KeyId key) {
    std::lock_guard<std::mutex> guard(lock_);
    if (key <= kTop) return false;  // the top of the tree stays
    Statement s(db_, "DELETE FROM keys WHERE id=?1");
    return s.bind(1, key).done() && sqlite3_changes(db_) > 0;
}

bool Registry::renameKey(KeyId key, std::u16string_view newName) {
    std::lock_guard<std::mutex> guard(lock_);
    if (key <= kTop || newName.empty() || newName.find(u'\\') != std::u16string_view::npos) {
        return false;
    }
    Statement s(db_, "UPDATE keys SET name=?2 WHERE id=?1");
    return s.bind(1, key).bind(2, newName).done() && sqlite3_changes(db_) > 0;
}

std::vector<std::u16string> Registry::subkeyNames(KeyId key) {
    std::lock_guard<std::mutex> guard(lock_);
    std::vector<std::u16string> names;
    Statement s(db_, "SELECT name FROM keys WHERE parent=?1 ORDER BY id");
    s.bind(1, key);
    while (s.step() == SQLITE_ROW) names.push_back(s.text(0));
    return names;
}

std::vector<std::u16string> Registry::valueNames(KeyId key) {
    std::lock_guard<std::mutex> guard(lock_);
    std::vector<std::u16string> names;
    Statement s(db_, "SELECT name FROM vals WHERE key=?1");
    s.bind(1, key);
    while (s.step() == SQLITE_ROW) names.push_back(s.text(0));
    return names;
}

bool Registry::queryValue(KeyId key, std::u16string_view name, Value* out) {
    std::lock_guard<std::mutex> guard(lock_);
    Statement s(db_, "SELECT type, data FROM vals WHERE key=?1 AND name=?2");
    if (s.bind(1, key).bind(2, name).step() != SQLITE_ROW) return false;
    if (out) {
        out->type = static_cast<std::uint32_t>(s.integer(0));
        out->data = s.blob(1);
    }
    return true;
}

bool Registry::setValue(KeyId key, std::u16string_view name, std::uint32_t type, const void* data,
                        std::size_t size) {
    std::lock_guard<std::mutex> guard(lock_);
    // The foreign key refuses a value for a key that was deleted meanwhile.
    Statement s(db_, "INSERT OR REPLACE INTO vals(key, name, type, data) VALUES(?1, ?2, ?3, ?4)");
    s.bind(1, key).bind(2, name).bind(3, static_cast<std::int64_t>(type)).bindBlob(4, data, size);
    return s.done();
}

bool Registry::deleteValue(KeyId key, std::u16string_view name) {
    std::lock_guard<std::mutex> guard(lock_);
    Statement s(db_, "DELETE FROM vals WHERE key=?1 AND name=?2");
    return s.bind(1, key).bind(2, name).done() && sqlite3_changes(db_) > 0;
}

}  // namespace platform::store
