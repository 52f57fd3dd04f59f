// A registry-like tree of keys and typed values kept in an SQLite database: key names and
// value names compare ignoring (ASCII) case, keys have subkeys, values carry a type number and
// bytes. The key objects of s::reg::win reach the operating system's registry through this.
//
// The whole tree is read into memory when the file is opened, and every operation works on that
// copy: reads never wait for the file, and the settings are there even when the file cannot be
// written (locked by another process, read-only). Changes are kept in order and written in one
// transaction, only when something really changed; a write that finds the file locked waits a
// moment at most and is retried later on a thread of its own.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace platform::store {

// Value type numbers, as the framework's registry code knows them.
enum ValueType : std::uint32_t {
    kNone = 0,
    kText = 1,            // REG_SZ
    kExpandableText = 2,  // REG_EXPAND_SZ
    kBinary = 3,          // REG_BINARY
    kDword = 4,           // REG_DWORD
    kTextList = 7,        // REG_MULTI_SZ
};

// A key is named by its database row; 0 is no key.
using KeyId = std::int64_t;

class Registry {
public:
    struct Value {
        std::uint32_t type = kNone;
        std::vector<std::uint8_t> data;
    };

    // Opens (creating when missing) the database file at path and reads it. A file that is not
    // a database or is damaged is moved aside to path + ".damaged" and a fresh one is started
    // (damagedCopy() names it; standard error says so once). A file that cannot be opened at all
    // makes the registry unusable: every operation fails and failure() says why.
    explicit Registry(std::string path);
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;
    ~Registry();  // a last attempt to write what is still unwritten

    // The process-wide registry, opened at defaultPath() on first use.
    static Registry& instance();
    // Replaces the process-wide registry by one on another file (tests, other profiles).
    static void useDatabase(const std::string& path);
    // $XDG_CONFIG_HOME (default ~/.config)/veritome/registry.db
    static std::string defaultPath();
    // The predefined trees: "\Registry\User\S-1-22-1-<uid>" and the machine tree exist from the
    // start, so creation below them needs no parents above the roots.
    static std::u16string currentUserRoot();
    static std::uint32_t currentUserId();

    bool usable() const { return usable_; }
    const std::string& failure() const { return failure_; }
    const std::string& path() const { return path_; }
    // Where a damaged file found at the opening was moved ("" when none was).
    const std::string& damagedCopy() const { return damagedCopy_; }

    // path: names separated by "\" from the top of the tree (a leading "\" is ignored).
    KeyId openKey(std::u16string_view path);
    // Creates the key when its parent exists (the existing key when present); 0 otherwise.
    KeyId createKey(std::u16string_view path);
    bool keyExists(KeyId key);
    // Deletes the key with its values and everything below it.
    bool deleteKey(KeyId key);
    bool renameKey(KeyId key, std::u16string_view newName);
    std::vector<std::u16string> subkeyNames(KeyId key);
    std::vector<std::u16string> valueNames(KeyId key);

    bool queryValue(KeyId key, std::u16string_view name, Value* out);
    bool setValue(KeyId key, std::u16string_view name, std::uint32_t type, const void* data,
                  std::size_t size);
    bool deleteValue(KeyId key, std::u16string_view name);
    // Every change is committed when made (in a batch, when it ends); true when the key still
    // exists.
    bool flushKey(KeyId key) { return keyExists(key); }
    // Changes not yet in the file (its lock or its permissions kept them out so far).
    std::size_t unwritten();
    // Tries to write the unwritten changes now, waiting up to waitMillis for the file's lock;
    // true when nothing is left unwritten.
    bool writeNow(int waitMillis);

    // Changes made from beginBatch to the matching endBatch (pairs nest; the outermost counts)
    // are committed together when it ends: one transaction instead of one a change, for the
    // many small writes of a first start. Changes by other threads meanwhile join it.
    void beginBatch();
    void endBatch();
    // A batch on the process-wide registry for the life of the object.
    class Batch {
    public:
        Batch() { instance().beginBatch(); }
        ~Batch() { instance().endBatch(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
    };

private:
    class Statement;
    struct Node {
        KeyId parent = 0;
        std::u16string name;
        std::map<std::u16string, std::pair<std::u16string, Value>> values;  // by folded name
    };
    // One change, named by the path of its key at the time it was made.
    struct Change {
        enum Kind { kCreateKey, kDeleteKey, kRenameKey, kSetValue, kDeleteValue } kind;
        std::vector<std::u16string> path;
        std::u16string name;  // the value name, or the new key name
        Value value;
    };

    void openFile();
    bool load();
    void moveAside();
    void fail(const char* what);
    KeyId childOf(KeyId parent, std::u16string_view name) const;
    KeyId addKey(KeyId parent, std::u16string_view name);
    KeyId ensurePath(std::u16string_view path);
    void dropKey(KeyId key);
    std::vector<std::u16string> pathOf(KeyId key) const;
    // Records a change (lock_ held) and, outside a batch, writes it.
    void record(Change change);
    // Writes the recorded changes in one transaction; false when they stay unwritten.
    bool write(int waitMillis, bool wait);
    bool apply(const Change& change);
    void writeLater();
    void retryLoop();

    // Runs a statement without rows (transaction control); false on failure.
    bool execute(const char* sql);

    std::mutex lock_;                // the tree and the changes
    std::mutex writing_;             // the database connection
    std::condition_variable retry_;  // wakes the retrying thread
    std::thread retrier_;
    bool stopping_ = false;
    bool refusing_ = false;  // the last write found the file locked or read-only
    int batchDepth_ = 0;
    std::map<KeyId, Node> keys_;
    std::map<std::pair<KeyId, std::u16string>, KeyId> children_;  // (parent, folded name)
    KeyId nextId_ = 2;
    std::deque<Change> changes_;
    bool usable_ = false;
    std::string path_;
    std::string failure_;
    std::string damagedCopy_;
    sqlite3* db_ = nullptr;
};

}  // namespace platform::store
