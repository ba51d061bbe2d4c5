// NameDb: the one connection to the in-memory reference database.
//
// Callers see only GBK text: SQL texts, bound values, column values and error
// messages are converted to and from the engine's UTF-8 here.
//
// Thread safety: the connection is opened in SQLite's serialized (full mutex)
// mode, so any thread may call any operation at the same time as others. A
// Statement belongs to the thread that obtained it. Opening and closing
// publish the connection atomically; close() must only run once no other
// thread uses the database (the exit sequence stops the workers first).
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace nuvelo::refdata {

// Column description for createTable.
struct FieldDef {
    std::string name;        // GBK
    int32_t type = 0;        // 1 Byte .. 12 Text, see typeWordOf
    int32_t size = 0;        // 0 = no size
    int32_t attributes = 0;  // 1 Primary Key, 2 AutoIncrement, 4 Not Null
    std::string defaultValue;
};

// The type word written for a FieldDef type code, "" for unknown codes.
std::string typeWordOf(int32_t typeCode);
// The create statement createTable runs, in GBK.
std::string createTableStatement(const std::string& table, const std::vector<FieldDef>& fields);

// A prepared statement positioned on its first result row. Null statements
// are valid: every read gives empty values.
class Statement {
public:
    Statement() = default;
    explicit Statement(sqlite3_stmt* stmt, bool hasRow) : stmt_(stmt), hasRow_(hasRow) {}
    Statement(Statement&& other) noexcept { *this = std::move(other); }
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    bool isNull() const { return stmt_ == nullptr; }
    bool hasRow() const { return hasRow_; }

private:
    friend class NameDb;
    sqlite3_stmt* stmt_ = nullptr;
    bool hasRow_ = false;
};

class NameDb {
public:
    NameDb() = default;
    ~NameDb();
    NameDb(const NameDb&) = delete;
    NameDb& operator=(const NameDb&) = delete;

    // Opens ":memory:" read-write, without the create flag, serialized mode.
    bool openMemory();
    // Opens an existing database file (UTF-8 file-system path) read-only.
    bool openFile(const std::string& path);
    // False, doing nothing, when already closed.
    bool close();
    bool isOpen() const { return db_.load() != nullptr; }

    bool exec(const std::string& sql, std::string* error = nullptr);
    // Prepares the first statement of `sql` and steps it once. Null on failure.
    Statement query(const std::string& sql);
    // Same, with `?` placeholders bound to the GBK values in order.
    Statement query(const std::string& sql, const std::vector<std::string>& values);
    bool nextRow(Statement& stmt);
    std::string columnText(const Statement& stmt, int column);
    int32_t columnInt(const Statement& stmt, int column);
    // Releases the statement; false for a null statement.
    bool finalize(Statement& stmt);

    bool createTable(const std::string& table, const std::vector<FieldDef>& fields,
                     std::string* error = nullptr);
    bool begin();
    bool commit();
    bool rollback();
    // `path` is a file-system path (UTF-8); the alias is plain ASCII.
    bool attach(const std::string& path, const std::string& alias, std::string* error = nullptr);
    bool detach(const std::string& alias, std::string* error = nullptr);

private:
    bool execUtf8(const std::string& utf8, std::string* error);
    std::atomic<sqlite3*> db_{nullptr};
};

}  // namespace nuvelo::refdata
