// nuvelo-dbbuild: writes namedata.db from installed packages and data/content.
//
//   nuvelo-dbbuild --source REPO --inputs DIR --out FILE
//
// The output is written to FILE.tmp and renamed when every table is filled,
// so an interrupted build never leaves a half-written database behind.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "build_context.h"
#include "refdata/name_db.h"
#include "refdata/reference_schema.h"
#include "text/gbk.h"

namespace fs = std::filesystem;
using namespace nuvelo;

namespace nuvelo::dbbuild {

bool insertRow(BuildContext& ctx, const std::string& table, const std::vector<std::string>& values,
               std::string& error) {
    std::string sql = "insert into " + table + " values (";
    for (std::size_t i = 0; i < values.size(); ++i) sql += i ? ",?" : "?";
    sql += ")";
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(ctx.db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        error = sqlite3_errmsg(ctx.db);
        return false;
    }
    for (std::size_t i = 0; i < values.size(); ++i)
        sqlite3_bind_text(stmt, static_cast<int>(i + 1), values[i].data(), static_cast<int>(values[i].size()),
                          SQLITE_TRANSIENT);
    bool ok = sqlite3_step(stmt) == SQLITE_DONE;
    if (!ok) error = table + ": " + sqlite3_errmsg(ctx.db);
    sqlite3_finalize(stmt);
    return ok;
}

}  // namespace nuvelo::dbbuild

namespace {

bool execOrFail(sqlite3* db, const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return true;
    std::fprintf(stderr, "nuvelo-dbbuild: %s: %s\n", sql.c_str(), message ? message : "");
    sqlite3_free(message);
    return false;
}

int usage() {
    std::fprintf(stderr, "usage: nuvelo-dbbuild --source REPO --inputs DIR --out FILE\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    dbbuild::BuildContext ctx;
    fs::path out;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--source")) ctx.sourceDir = argv[i + 1];
        else if (!std::strcmp(argv[i], "--inputs")) ctx.inputsDir = argv[i + 1];
        else if (!std::strcmp(argv[i], "--out")) out = argv[i + 1];
        else return usage();
    }
    if (ctx.sourceDir.empty() || ctx.inputsDir.empty() || out.empty()) return usage();

    fs::path tmp = out;
    tmp += ".tmp";
    std::error_code ec;
    fs::remove(tmp, ec);
    if (sqlite3_open(tmp.c_str(), &ctx.db) != SQLITE_OK) {
        std::fprintf(stderr, "nuvelo-dbbuild: cannot create %s\n", tmp.c_str());
        return 1;
    }
    bool ok = execOrFail(ctx.db, "PRAGMA journal_mode=OFF") && execOrFail(ctx.db, "BEGIN");
    for (const refdata::TableSchema& table : refdata::referenceTables()) {
        if (!ok) break;
        ok = execOrFail(ctx.db, text::toUtf8(refdata::createTableStatement(table.name, table.fields)));
    }
    using Writer = bool (*)(dbbuild::BuildContext&, std::string&);
    const std::pair<const char*, Writer> writers[] = {
        {"characters", dbbuild::writeCharTable},  {"luck tables", dbbuild::writeLuckTables},
        {"surnames", dbbuild::writeSurnameTable}, {"poems", dbbuild::writePoemTables},
        {"english names", dbbuild::writeEnglishTable}, {"articles", dbbuild::writeArticleTables},
    };
    for (const auto& [what, writer] : writers) {
        if (!ok) break;
        std::string error;
        ok = writer(ctx, error);
        if (!ok) std::fprintf(stderr, "nuvelo-dbbuild: %s: %s\n", what, error.c_str());
    }
    ok = ok && execOrFail(ctx.db, "COMMIT");
    sqlite3_close(ctx.db);
    if (!ok) {
        fs::remove(tmp, ec);
        return 1;
    }
    fs::rename(tmp, out, ec);
    if (ec) {
        std::fprintf(stderr, "nuvelo-dbbuild: cannot write %s: %s\n", out.c_str(), ec.message().c_str());
        return 1;
    }
    return 0;
}
