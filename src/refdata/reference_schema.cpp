#include "refdata/reference_schema.h"

namespace nuvelo::refdata {

const char* const kCharTable = "NV_CNWord";
const char* const kTalentTable = "NV_三才配置";
const char* const kNumberTable = "NV_八一灵动数";
const char* const kEnglishTable = "NV_EName";
const char* const kPoetTable = "NV_Poet";
const char* const kPoemTable = "NV_全唐诗";
const char* const kParentingTable = "NV_育儿百科";
const char* const kFortuneTable = "NV_算命风水";
const char* const kSurnameTable = "NV_百家姓";

namespace {

constexpr int32_t kInteger = 3;
constexpr int32_t kVarChar = 10;

FieldDef integer(const char* name) { return FieldDef{name, kInteger, 10, 0, {}}; }
FieldDef varchar(const char* name, int32_t size) { return FieldDef{name, kVarChar, size, 0, {}}; }

std::vector<TableSchema> buildTables() {
    std::vector<TableSchema> t;
    t.push_back({kCharTable,
                 {integer("Id"), integer("code"), varchar("汉字", 2), varchar("简体", 2), varchar("繁体", 2),
                  integer("简体笔画数"), integer("繁体笔画数"), varchar("拼音1", 20), varchar("拼音2", 20),
                  varchar("声母", 1), varchar("韵母", 3), varchar("部首", 1), varchar("五行属性", 2),
                  varchar("五笔", 4), varchar("基本解释", 700), varchar("详细解释", 700)}});
    std::vector<FieldDef> talent{integer("Id"), varchar("三才", 6), varchar("吉凶", 4), varchar("解释一", 140),
                                 varchar("解释二", 80), varchar("总论", 92), varchar("性格", 200),
                                 varchar("意志", 100)};
    for (const char* name : {"事业", "家庭", "婚姻", "子女", "社交", "精神", "财运", "健康", "老运", "对基础运的影响",
                             "对成功运的影响", "对人际关系的影响"})
        talent.push_back(varchar(name, 100));
    talent.push_back(varchar("对性格的影响", 150));
    t.push_back({kTalentTable, talent});
    t.push_back({kNumberTable,
                 {integer("Id"), varchar("吉凶", 4), varchar("解释一", 100), varchar("解释二", 100),
                  varchar("解释三", 1000), varchar("基业", 1000), varchar("家庭", 1000), varchar("健康", 1000),
                  varchar("含义", 1000), varchar("数理暗示", 1000)}});
    t.push_back({kEnglishTable,
                 {integer("Id"), varchar("EIndex", 1), varchar("EIndex2", 2), varchar("Name", 20),
                  varchar("NameLength", 10), integer("Sex"), varchar("Cnword", 50), varchar("Morphology", 20),
                  varchar("Languag", 20), varchar("Mean", 20)}});
    t.push_back({kPoetTable, {integer("Id"), varchar("Poet", 10), varchar("PoemCount", 10), integer("OrderId")}});
    t.push_back({kPoemTable,
                 {integer("Id"), varchar("标题", 30), varchar("作者", 10), varchar("内容", 1000),
                  varchar("首字母", 400), integer("内容长度")}});
    std::vector<FieldDef> article{integer("ID"), varchar("分类ID", 50), varchar("分类标题", 20), varchar("标题", 100),
                                  varchar("内容", 2000)};
    t.push_back({kParentingTable, article});
    t.push_back({kFortuneTable, article});
    t.push_back({kSurnameTable,
                 {integer("Id"), varchar("姓", 8), varchar("姓氏起源", 1000), varchar("聚集地", 1000),
                  varchar("历史名人", 1000)}});
    return t;
}

}  // namespace

const std::vector<TableSchema>& referenceTables() {
    static const std::vector<TableSchema> tables = buildTables();
    return tables;
}

}  // namespace nuvelo::refdata
