// Shared state of one builder run and the writer of each reference table.
//
// Every writer fills its table(s) of the output database from the inputs;
// the builder has created all nine tables (UTF-8 names) before it calls them.
// A writer returns false with a message when an input it needs is missing or
// malformed, so a broken input fails the build instead of shipping a thin
// database.
#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

namespace nuvelo::dbbuild {

struct BuildContext {
    sqlite3* db = nullptr;
    std::filesystem::path sourceDir;   // the repository
    std::filesystem::path inputsDir;   // TSV files written by extract/*.mjs
    std::filesystem::path contentDir() const { return sourceDir / "data" / "content"; }
    std::filesystem::path modulesDir() const { return sourceDir / "data" / "build" / "node_modules"; }
};

// Inserts one row of UTF-8 texts; a value that reads as a plain decimal
// integer in an Integer column is stored by the column's affinity.
bool insertRow(BuildContext& ctx, const std::string& table, const std::vector<std::string>& values,
               std::string& error);

bool writeCharTable(BuildContext& ctx, std::string& error);       // NV_CNWord
bool writeLuckTables(BuildContext& ctx, std::string& error);      // NV_八一灵动数, NV_三才配置
bool writeSurnameTable(BuildContext& ctx, std::string& error);    // NV_百家姓
bool writePoemTables(BuildContext& ctx, std::string& error);      // NV_全唐诗, NV_Poet
bool writeEnglishTable(BuildContext& ctx, std::string& error);    // NV_EName
bool writeArticleTables(BuildContext& ctx, std::string& error);   // NV_育儿百科, NV_算命风水

}  // namespace nuvelo::dbbuild
