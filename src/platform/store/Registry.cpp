// The SQLite tables behind the registry-like tree. One row per key (parent, name) and one per
// value (key, name, type, data); names use SQLite's NOCASE collation. The file is kept in WAL
// mode with synchronous=NORMAL: a commit survives the process being killed at any moment, and
// readers never wait for a writer. The tree lives in memory; changes go to the file in order,
// each run of them in one transaction.
#include "platform/store/Registry.h"

#include <pwd.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace platform::store {
namespace {

constexpr KeyId kTop = 1;  // the nameless row every tree hangs from

// How long a write may wait for another process's lock: on the caller's thread (often the
// window's) only a moment; on the retrying thread and at the end longer.
constexpr int kMomentMillis = 50;
constexpr int kRetryMillis = 1000;
constexpr int kLastMillis = 1000;
// How long the opening waits to read a file another process is writing.
constexpr int kReadMillis = 500;
constexpr std::chrono::milliseconds kFirstRetry{250};
constexpr std::chrono::milliseconds kLongestRetry{8000};

constexpr const char* kSchema =
    // AUTOINCREMENT: the id of a deleted key never comes back, so a stale handle cannot reach
    // a newer key.
    "CREATE TABLE IF NOT EXISTS keys(id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " parent INTEGER REFERENCES keys(id) ON DELETE CASCADE,"
    " name TEXT NOT NULL COLLATE NOCASE, UNIQUE(parent, name));"
    "CREATE TABLE IF NOT EXISTS vals(key INTEGER NOT NULL REFERENCES keys(id) ON DELETE CASCADE,"
    " name TEXT NOT NULL COLLATE NOCASE, type INTEGER NOT NULL, data BLOB,"
    " PRIMARY KEY(key, name)) WITHOUT ROWID;"
    "INSERT OR IGNORE INTO keys(id, parent, name) VALUES(1, NULL, '');";

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

// Names compare as SQLite's NOCASE does: ASCII letters without case.
std::u16string folded(std::u16string_view name) {
    std::u16string out(name);
    for (char16_t& c : out) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    return out;
}

// Errors that leave a change unwritten for now (the file is locked, read-only, full...), as
// opposed to one change that cannot be made (a rename onto an existing name).
bool blocking(int code) {
    switch (code & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
        case SQLITE_READONLY:
        case SQLITE_IOERR:
        case SQLITE_FULL:
        case SQLITE_CANTOPEN:
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
        case SQLITE_NOMEM:
        case SQLITE_PERM:
            return true;
        default:
            return false;
    }
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
    keys_[kTop] = Node{};
    if (!makeFolders(path_)) {
        failure_ = "Could not create the folder of " + path_;
        std::fprintf(stderr, "%s\n", failure_.c_str());
        return;
    }
    openFile();
    if (!db_) return;
    if (!load()) {
        // A file that cannot be read as a database: kept for the user, a fresh one started.
        moveAside();
        if (!db_) return;
        load();
    }
    usable_ = true;
    const std::u16string user = currentUserRoot();
    const std::u16string_view roots[] = {
        user, u"\\Registry\\Machine\\SOFTWARE\\Classes",
        u"\\Registry\\Machine\\System\\CurrentControlSet\\Hardware Profiles\\Current"};
    // The roots of a new database in one transaction.
    beginBatch();
    for (std::u16string_view root : roots) ensurePath(root);
    endBatch();
}

Registry::~Registry() {
    {
        std::lock_guard<std::mutex> guard(lock_);
        stopping_ = true;
        batchDepth_ = 0;
    }
    retry_.notify_all();
    if (retrier_.joinable()) retrier_.join();
    if (!changes_.empty() && !write(kLastMillis, true)) {
        std::fprintf(stderr, "Could not write the settings database %s: %s\n", path_.c_str(),
                     db_ ? sqlite3_errmsg(db_) : "not open");
    }
    sqlite3_close(db_);
}

void Registry::openFile() {
    // A file the user may only read still gives its settings.
    if (sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        sqlite3_close(db_);
        db_ = nullptr;
        if (sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            fail("open");
            return;
        }
    }
    sqlite3_busy_timeout(db_, kReadMillis);
    sqlite3_exec(db_, "PRAGMA foreign_keys=ON;", nullptr, nullptr, nullptr);
}

bool Registry::load() {
    // A damaged file or one that is not a database fails here, before anything is written.
    bool intact = true;
    auto onRow = [](void* flag, int columns, char** values, char**) {
        if (columns < 1 || !values[0] || std::string_view(values[0]) != "ok") {
            *static_cast<bool*>(flag) = false;
        }
        return 0;
    };
    int checked = sqlite3_exec(db_, "PRAGMA quick_check;", onRow, &intact, nullptr);
    if (checked != SQLITE_OK && sqlite3_db_readonly(db_, "main") == 1 &&
        ::access((path_ + "-wal").c_str(), F_OK) != 0) {
        // A file in WAL mode in a folder the user cannot write: without a journal the file
        // itself holds everything, and it is read as it is.
        sqlite3_close(db_);
        db_ = nullptr;
        std::string uri = "file:";
        for (char c : path_) {
            if (c == '?' || c == '#' || c == '%') {
                char escaped[4];
                std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
                uri += escaped;
            } else {
                uri += c;
            }
        }
        uri += "?immutable=1";
        if (sqlite3_open_v2(uri.c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) !=
            SQLITE_OK) {
            sqlite3_close(db_);
            db_ = nullptr;
            return true;  // nothing to read: the defaults
        }
        intact = true;
        checked = sqlite3_exec(db_, "PRAGMA quick_check;", onRow, &intact, nullptr);
    }
    if (!intact || checked == SQLITE_CORRUPT || checked == SQLITE_NOTADB) return false;
    // These need the write lock; without it the file is read as it is and written later.
    sqlite3_exec(db_, "PRAGMA journal_mode=WAL;", nullptr, nullptr, nullptr);
    sqlite3_exec(db_, "PRAGMA synchronous=NORMAL;", nullptr, nullptr, nullptr);
    sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr);

    KeyId highest = kTop;
    {
        Statement s(db_, "SELECT id, parent, name FROM keys ORDER BY id");
        while (s.ok() && s.step() == SQLITE_ROW) {
            const KeyId id = s.integer(0);
            highest = std::max(highest, id);
            if (id <= kTop) continue;
            const KeyId parent = s.integer(1);
            if (!keys_.count(parent)) continue;  // rows are ordered: parents come first
            Node& node = keys_[id];
            node.parent = parent;
            node.name = s.text(2);
            children_[{parent, folded(node.name)}] = id;
        }
    }
    {
        Statement s(db_, "SELECT key, name, type, data FROM vals");
        while (s.ok() && s.step() == SQLITE_ROW) {
            auto key = keys_.find(s.integer(0));
            if (key == keys_.end()) continue;
            std::u16string name = s.text(1);
            Value value{static_cast<std::uint32_t>(s.integer(2)), s.blob(3)};
            const std::u16string fold = folded(name);
            key->second.values[fold] = {std::move(name), std::move(value)};
        }
    }
    nextId_ = highest + 1;
    return true;
}

void Registry::moveAside() {
    sqlite3_close(db_);
    db_ = nullptr;
    const std::string copy = path_ + ".damaged";
    if (std::rename(path_.c_str(), copy.c_str()) != 0) {
        failure_ = "Could not move the damaged settings database " + path_ + " aside";
        std::fprintf(stderr, "%s\n", failure_.c_str());
        return;
    }
    // What a journal held belonged to the damaged file.
    std::rename((path_ + "-wal").c_str(), (copy + "-wal").c_str());
    std::remove((path_ + "-shm").c_str());
    damagedCopy_ = copy;
    std::fprintf(stderr, "The settings database %s was damaged; it was moved to %s.\n",
                 path_.c_str(), copy.c_str());
    openFile();
}

bool Registry::execute(const char* sql) {
    return db_ && sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

void Registry::fail(const char* what) {
    failure_ = std::string("Could not ") + what + " the settings database " + path_ + ": " +
               (db_ ? sqlite3_errmsg(db_) : "out of memory");
    std::fprintf(stderr, "%s\n", failure_.c_str());  // once: the registry stays unusable
    sqlite3_close(db_);
    db_ = nullptr;
}

// ---- writing --------------------------------------------------------------------------------

void Registry::beginBatch() {
    std::lock_guard<std::mutex> guard(lock_);
    ++batchDepth_;
}

void Registry::endBatch() {
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (batchDepth_ == 0 || --batchDepth_ > 0 || changes_.empty()) return;
    }
    write(kMomentMillis, false);
}

void Registry::record(Change change) {
    changes_.push_back(std::move(change));
}

std::size_t Registry::unwritten() {
    std::lock_guard<std::mutex> guard(lock_);
    return changes_.size();
}

bool Registry::writeNow(int waitMillis) {
    return write(waitMillis, true);
}

bool Registry::write(int waitMillis, bool wait) {
    std::unique_lock<std::mutex> connection(writing_, std::defer_lock);
    if (wait) {
        connection.lock();
    } else if (!connection.try_lock()) {
        // Another thread is writing (perhaps waiting for the lock): it, or the retrying
        // thread, takes these changes too.
        writeLater();
        return false;
    }
    std::vector<Change> run;
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (changes_.empty()) return true;
        if (batchDepth_ > 0 || !db_) return false;  // a batch is written when it ends
        // While the file refuses writes, a caller does not wait for it again and again (a drop
        // changes many values): the retrying thread writes them all once it can.
        if (!wait && refusing_) {
            retry_.notify_all();
            return false;
        }
        run.assign(changes_.begin(), changes_.end());
    }
    sqlite3_busy_timeout(db_, waitMillis);
    bool ok = execute("BEGIN IMMEDIATE;") && execute(kSchema);
    for (std::size_t i = 0; ok && i < run.size(); ++i) ok = apply(run[i]);
    ok = ok && execute("COMMIT;");
    if (!ok) {
        if (!sqlite3_get_autocommit(db_)) execute("ROLLBACK;");
        connection.unlock();
        {
            std::lock_guard<std::mutex> guard(lock_);
            refusing_ = true;
        }
        writeLater();
        return false;
    }
    std::lock_guard<std::mutex> guard(lock_);
    refusing_ = false;
    changes_.erase(changes_.begin(), changes_.begin() + static_cast<std::ptrdiff_t>(run.size()));
    return changes_.empty();
}

void Registry::writeLater() {
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (stopping_) return;
        if (!retrier_.joinable()) retrier_ = std::thread([this] { retryLoop(); });
    }
    retry_.notify_all();
}

void Registry::retryLoop() {
    std::unique_lock<std::mutex> guard(lock_);
    std::chrono::milliseconds delay = kFirstRetry;
    while (!stopping_) {
        if (changes_.empty() || batchDepth_ > 0) {
            delay = kFirstRetry;
            retry_.wait(guard);
            continue;
        }
        if (retry_.wait_for(guard, delay, [this] { return stopping_; })) return;
        guard.unlock();
        const bool ok = write(kRetryMillis, true);
        guard.lock();
        delay = ok ? kFirstRetry : std::min(delay * 2, kLongestRetry);
    }
}

namespace {
// The key at path in the database: found, or created with its missing parents (0 when that
// failed).
KeyId databaseKey(sqlite3* db, const std::vector<std::u16string>& path, bool create,
                  int* error) {
    KeyId key = kTop;
    for (const std::u16string& name : path) {
        sqlite3_stmt* find = nullptr;
        sqlite3_prepare_v2(db, "SELECT id FROM keys WHERE parent=?1 AND name=?2", -1, &find,
                           nullptr);
        sqlite3_bind_int64(find, 1, key);
        sqlite3_bind_text16(find, 2, name.data(), static_cast<int>(name.size() * 2),
                            SQLITE_TRANSIENT);
        const int found = sqlite3_step(find);
        KeyId child = found == SQLITE_ROW ? sqlite3_column_int64(find, 0) : 0;
        sqlite3_finalize(find);
        if (found != SQLITE_ROW && found != SQLITE_DONE) *error = sqlite3_errcode(db);
        if (!child && create && found == SQLITE_DONE) {
            sqlite3_stmt* insert = nullptr;
            sqlite3_prepare_v2(db, "INSERT INTO keys(parent, name) VALUES(?1, ?2)", -1, &insert,
                               nullptr);
            sqlite3_bind_int64(insert, 1, key);
            sqlite3_bind_text16(insert, 2, name.data(), static_cast<int>(name.size() * 2),
                                SQLITE_TRANSIENT);
            if (sqlite3_step(insert) == SQLITE_DONE) {
                child = sqlite3_last_insert_rowid(db);
            } else {
                *error = sqlite3_errcode(db);
            }
            sqlite3_finalize(insert);
        }
        if (!child) return 0;
        key = child;
    }
    return key;
}
}  // namespace

bool Registry::apply(const Change& change) {
    int error = SQLITE_OK;
    const bool create = change.kind == Change::kCreateKey || change.kind == Change::kSetValue;
    const KeyId key = databaseKey(db_, change.path, create, &error);
    if (!key) return !blocking(error);
    bool done = true;
    switch (change.kind) {
        case Change::kCreateKey:
            break;
        case Change::kDeleteKey: {
            Statement s(db_, "DELETE FROM keys WHERE id=?1");
            done = s.bind(1, key).done();
            break;
        }
        case Change::kRenameKey: {
            Statement s(db_, "UPDATE keys SET name=?2 WHERE id=?1");
            done = s.bind(1, key).bind(2, change.name).done();
            break;
        }
        case Change::kSetValue: {
            Statement s(db_,
                        "INSERT OR REPLACE INTO vals(key, name, type, data) VALUES(?1, ?2, ?3, ?4)");
            s.bind(1, key).bind(2, change.name).bind(3, static_cast<std::int64_t>(change.value.type));
            s.bindBlob(4, change.value.data.data(), change.value.data.size());
            done = s.done();
            break;
        }
        case Change::kDeleteValue: {
            Statement s(db_, "DELETE FROM vals WHERE key=?1 AND name=?2");
            done = s.bind(1, key).bind(2, change.name).done();
            break;
        }
    }
    return done || !blocking(sqlite3_errcode(db_));
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


// ---- the tree in memory ---------------------------------------------------------------------

KeyId Registry::childOf(KeyId parent, std::u16string_view name) const {
    auto it = children_.find({parent, folded(name)});
    return it == children_.end() ? 0 : it->second;
}

std::vector<std::u16string> Registry::pathOf(KeyId key) const {
    std::vector<std::u16string> path;
    for (auto it = keys_.find(key); it != keys_.end() && it->first != kTop;
         it = keys_.find(it->second.parent)) {
        path.push_back(it->second.name);
    }
    return {path.rbegin(), path.rend()};
}

KeyId Registry::addKey(KeyId parent, std::u16string_view name) {
    const KeyId id = nextId_++;
    Node& node = keys_[id];
    node.parent = parent;
    node.name = std::u16string(name);
    children_[{parent, folded(name)}] = id;
    record(Change{Change::kCreateKey, pathOf(id), {}, {}});
    return id;
}

void Registry::dropKey(KeyId key) {
    std::vector<KeyId> below;
    for (const auto& [child, id] : children_) {
        if (child.first == key) below.push_back(id);
    }
    for (KeyId id : below) dropKey(id);
    auto it = keys_.find(key);
    children_.erase({it->second.parent, folded(it->second.name)});
    keys_.erase(it);
}

KeyId Registry::openKey(std::u16string_view path) {
    std::lock_guard<std::mutex> guard(lock_);
    if (!usable_) return 0;
    KeyId key = kTop;
    const bool found = forEachSegment(path, [&](std::u16string_view name) {
        key = childOf(key, name);
        return key != 0;
    });
    return found ? key : 0;
}

KeyId Registry::createKey(std::u16string_view path) {
    KeyId made = 0;
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (!usable_) return 0;
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
        made = addKey(parent, leaf);
        if (batchDepth_ > 0) return made;
    }
    write(kMomentMillis, false);
    return made;
}

KeyId Registry::ensurePath(std::u16string_view path) {
    std::lock_guard<std::mutex> guard(lock_);
    KeyId key = kTop;
    forEachSegment(path, [&](std::u16string_view name) {
        KeyId child = childOf(key, name);
        key = child ? child : addKey(key, name);
        return true;
    });
    return key;
}

bool Registry::keyExists(KeyId key) {
    std::lock_guard<std::mutex> guard(lock_);
    return key > kTop && keys_.count(key) > 0;
}

bool Registry::deleteKey(KeyId key) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (key <= kTop || !keys_.count(key)) return false;  // the top of the tree stays
        record(Change{Change::kDeleteKey, pathOf(key), {}, {}});
        dropKey(key);
        if (batchDepth_ > 0) return true;
    }
    write(kMomentMillis, false);
    return true;
}

bool Registry::renameKey(KeyId key, std::u16string_view newName) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (key <= kTop || newName.empty() || newName.find(u'\\') != std::u16string_view::npos) {
            return false;
        }
        auto it = keys_.find(key);
        if (it == keys_.end()) return false;
        Node& node = it->second;
        const KeyId same = childOf(node.parent, newName);
        if (same && same != key) return false;
        record(Change{Change::kRenameKey, pathOf(key), std::u16string(newName), {}});
        children_.erase({node.parent, folded(node.name)});
        node.name = std::u16string(newName);
        children_[{node.parent, folded(newName)}] = key;
        if (batchDepth_ > 0) return true;
    }
    write(kMomentMillis, false);
    return true;
}

std::vector<std::u16string> Registry::subkeyNames(KeyId key) {
    std::lock_guard<std::mutex> guard(lock_);
    std::vector<std::pair<KeyId, std::u16string>> found;
    for (const auto& [child, id] : children_) {
        if (child.first == key) found.emplace_back(id, keys_[id].name);
    }
    std::sort(found.begin(), found.end());  // in the order of creation
    std::vector<std::u16string> names;
    for (auto& [id, name] : found) names.push_back(std::move(name));
    return names;
}

std::vector<std::u16string> Registry::valueNames(KeyId key) {
    std::lock_guard<std::mutex> guard(lock_);
    std::vector<std::u16string> names;
    auto it = keys_.find(key);
    if (it == keys_.end()) return names;
    for (const auto& [fold, entry] : it->second.values) names.push_back(entry.first);
    return names;
}

bool Registry::queryValue(KeyId key, std::u16string_view name, Value* out) {
    std::lock_guard<std::mutex> guard(lock_);
    auto it = keys_.find(key);
    if (it == keys_.end()) return false;
    auto value = it->second.values.find(folded(name));
    if (value == it->second.values.end()) return false;
    if (out) *out = value->second.second;
    return true;
}

bool Registry::setValue(KeyId key, std::u16string_view name, std::uint32_t type, const void* data,
                        std::size_t size) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        // A key deleted meanwhile takes no value.
        auto it = keys_.find(key);
        if (key <= kTop || it == keys_.end()) return false;
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        Value value{type, std::vector<std::uint8_t>(bytes, bytes + (data ? size : 0))};
        const std::u16string fold = folded(name);
        auto old = it->second.values.find(fold);
        // Only what changes is written.
        if (old != it->second.values.end() && old->second.first == name &&
            old->second.second.type == type && old->second.second.data == value.data) {
            return true;
        }
        record(Change{Change::kSetValue, pathOf(key), std::u16string(name), value});
        it->second.values[fold] = {std::u16string(name), std::move(value)};
        if (batchDepth_ > 0) return true;
    }
    write(kMomentMillis, false);
    return true;
}

bool Registry::deleteValue(KeyId key, std::u16string_view name) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        auto it = keys_.find(key);
        if (it == keys_.end() || !it->second.values.erase(folded(name))) return false;
        record(Change{Change::kDeleteValue, pathOf(key), std::u16string(name), {}});
        if (batchDepth_ > 0) return true;
    }
    write(kMomentMillis, false);
    return true;
}

}  // namespace platform::store
