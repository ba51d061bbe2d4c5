#include "refdata/name_db.h"

#include <sqlite3.h>

#include "text/gbk.h"

namespace nuvelo::refdata {

using text::toGbk;
using text::toUtf8;

std::string typeWordOf(int32_t typeCode) {
    switch (typeCode) {
        case 1: return "Byte";
        case 2: return "Smallint";
        case 3: return "Integer";
        case 4: return "BigInt";
        case 5: return "Decimal";
        case 6: return "Double";
        case 7: return "Bit";
        case 8: return "DateTime";
        case 10: return "VarChar";
        case 11: return "Blob";
        case 12: return "Text";
        default: return "";
    }
}

std::string createTableStatement(const std::string& table, const std::vector<FieldDef>& fields) {
    std::string sql = "create table " + table;
    if (!fields.empty()) sql += " (";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const FieldDef& f = fields[i];
        sql += f.name + " " + typeWordOf(f.type);
        if (f.size != 0) sql += "(" + std::to_string(f.size) + ")";
        if (f.attributes != 0) {
            std::string attr;
            if (f.attributes & 1) attr += "Primary Key";
            if (f.attributes & 2) attr += " AutoIncrement";
            if (f.attributes & 4) attr += " Not Null";
            sql += " " + attr;
        }
        if (!f.defaultValue.empty()) sql += " Default " + f.defaultValue;
        if (i + 1 < fields.size()) sql += ",";
    }
    if (!fields.empty()) sql += ")";
    return sql;
}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        if (stmt_) sqlite3_finalize(stmt_);
        stmt_ = other.stmt_;
        hasRow_ = other.hasRow_;
        other.stmt_ = nullptr;
        other.hasRow_ = false;
    }
    return *this;
}

Statement::~Statement() {
    if (stmt_) sqlite3_finalize(stmt_);
}

NameDb::~NameDb() { close(); }

bool NameDb::openMemory() {
    if (isOpen()) return false;
    sqlite3* handle = nullptr;
    int rc = sqlite3_open_v2(":memory:", &handle, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(handle);
        return false;
    }
    db_.store(handle);
    return true;
}

bool NameDb::openFile(const std::string& path) {
    if (isOpen()) return false;
    sqlite3* handle = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &handle, SQLITE_OPEN_READONLY | SQLITE_OPEN_FULLMUTEX,
                             nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(handle);
        return false;
    }
    db_.store(handle);
    return true;
}

bool NameDb::close() {
    sqlite3* handle = db_.exchange(nullptr);
    if (!handle) return false;
    return sqlite3_close(handle) == SQLITE_OK;
}

bool NameDb::exec(const std::string& sql, std::string* error) {
    if (error) error->clear();
    std::string utf8 = toUtf8(sql);
    if (utf8.empty() && !sql.empty()) return false;
    return execUtf8(utf8, error);
}

bool NameDb::execUtf8(const std::string& utf8, std::string* error) {
    if (error) error->clear();
    sqlite3* handle = db_.load();
    if (!handle) return false;
    char* message = nullptr;
    int rc = sqlite3_exec(handle, utf8.c_str(), nullptr, nullptr, &message);
    if (message) {
        if (error) *error = toGbk(message);
        sqlite3_free(message);
    }
    return rc == SQLITE_OK;
}

Statement NameDb::query(const std::string& sql) { return query(sql, {}); }

Statement NameDb::query(const std::string& sql, const std::vector<std::string>& values) {
    sqlite3* handle = db_.load();
    if (!handle) return {};
    std::string utf8 = toUtf8(sql);
    if (utf8.empty()) return {};
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(handle, utf8.c_str(), static_cast<int>(utf8.size()), &stmt, nullptr) != SQLITE_OK ||
        !stmt) {
        if (stmt) sqlite3_finalize(stmt);
        return {};
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        // A value that is not valid GBK is bound as a text that matches nothing
        // rather than as an empty text that could match empty keys.
        std::string v = values[i].empty() ? std::string() : toUtf8(values[i]);
        if (v.empty() && !values[i].empty()) v = std::string("\x01", 1);
        sqlite3_bind_text(stmt, static_cast<int>(i + 1), v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    }
    bool hasRow = sqlite3_step(stmt) == SQLITE_ROW;
    return Statement(stmt, hasRow);
}

bool NameDb::nextRow(Statement& stmt) {
    if (!stmt.stmt_ || !stmt.hasRow_) return false;
    stmt.hasRow_ = sqlite3_step(stmt.stmt_) == SQLITE_ROW;
    return stmt.hasRow_;
}

std::string NameDb::columnText(const Statement& stmt, int column) {
    if (!stmt.stmt_ || !stmt.hasRow_ || column < 0 || column >= sqlite3_column_count(stmt.stmt_)) return {};
    const unsigned char* value = sqlite3_column_text(stmt.stmt_, column);
    if (!value) return {};
    int bytes = sqlite3_column_bytes(stmt.stmt_, column);
    return toGbk(std::string_view(reinterpret_cast<const char*>(value), static_cast<std::size_t>(bytes)));
}

int32_t NameDb::columnInt(const Statement& stmt, int column) {
    if (!stmt.stmt_ || !stmt.hasRow_ || column < 0 || column >= sqlite3_column_count(stmt.stmt_)) return 0;
    if (sqlite3_column_type(stmt.stmt_, column) == SQLITE_NULL) return 0;
    return sqlite3_column_int(stmt.stmt_, column);
}

bool NameDb::finalize(Statement& stmt) {
    if (!stmt.stmt_) return false;
    int rc = sqlite3_finalize(stmt.stmt_);
    stmt.stmt_ = nullptr;
    stmt.hasRow_ = false;
    return rc == SQLITE_OK;
}

bool NameDb::createTable(const std::string& table, const std::vector<FieldDef>& fields, std::string* error) {
    return exec(createTableStatement(table, fields), error);
}

bool NameDb::begin() { return exec("BEGIN"); }
bool NameDb::commit() { return exec("COMMIT"); }
bool NameDb::rollback() { return exec("ROLLBACK"); }

bool NameDb::attach(const std::string& path, const std::string& alias, std::string* error) {
    // The path is a file-system path (UTF-8), not GBK text; quotes in it are
    // doubled so that no folder name can bend the statement.
    std::string quoted = text::replaceAll(path, "'", "''");
    return execUtf8("Attach Database '" + quoted + "' as " + alias, error);
}

bool NameDb::detach(const std::string& alias, std::string* error) {
    return exec("Detach Database " + alias, error);
}

}  // namespace nuvelo::refdata
