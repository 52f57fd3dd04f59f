// A registry-like tree of keys and typed values kept in an SQLite database: key names and
// value names compare ignoring (ASCII) case, keys have subkeys, values carry a type number and
// bytes. The key objects of s::reg::win reach the operating system's registry through this.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
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

    // Opens (creating when missing) the database file at path. A file that is not a database,
    // is damaged or stays locked makes the registry unusable: it is never written, every
    // operation fails, and failure() says why (written once to standard error as well).
    explicit Registry(std::string path);
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;
    ~Registry();

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

    bool usable() const { return db_ != nullptr; }
    const std::string& failure() const { return failure_; }
    const std::string& path() const { return path_; }

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
    bool initialise();
    void fail(const char* what);
    KeyId childOf(KeyId parent, std::u16string_view name);
    KeyId ensurePath(std::u16string_view path);

    // Runs a statement without rows (transaction control); false on failure.
    bool execute(const char* sql);

    std::mutex lock_;
    int batchDepth_ = 0;
    bool batchOpen_ = false;  // the outermost batch began a transaction
    std::string path_;
    std::string failure_;
    sqlite3* db_ = nullptr;
};

}  // namespace platform::store
