// The nine reference tables: names, column order and declared types.
//
// Every reader addresses columns by position, so the order here is a
// contract shared by the builder, the start-up load and all readers.
#pragma once

#include <string>
#include <vector>

#include "refdata/name_db.h"

namespace nuvelo::refdata {

struct TableSchema {
    std::string name;  // GBK
    std::vector<FieldDef> fields;
};

// The nine tables in load order: NV_CNWord, NV_三才配置, NV_八一灵动数,
// NV_EName, NV_Poet, NV_全唐诗, NV_育儿百科, NV_算命风水, NV_百家姓.
const std::vector<TableSchema>& referenceTables();

// Table names, GBK.
extern const char* const kCharTable;      // NV_CNWord
extern const char* const kTalentTable;    // NV_三才配置
extern const char* const kNumberTable;    // NV_八一灵动数
extern const char* const kEnglishTable;   // NV_EName
extern const char* const kPoetTable;      // NV_Poet
extern const char* const kPoemTable;      // NV_全唐诗
extern const char* const kParentingTable; // NV_育儿百科
extern const char* const kFortuneTable;   // NV_算命风水
extern const char* const kSurnameTable;   // NV_百家姓

}  // namespace nuvelo::refdata
