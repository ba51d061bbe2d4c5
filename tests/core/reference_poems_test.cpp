// The poem tables of the built reference database, queried the way the
// poem picker queries them.
#include <gtest/gtest.h>

#include <filesystem>

#include "refdata/name_db.h"
#include "text/gbk.h"

using namespace nuvelo;

namespace {

class ReferencePoems : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(NUVELO_TEST_DB)) GTEST_SKIP() << "no built database at " << NUVELO_TEST_DB;
        ASSERT_TRUE(db.openFile(NUVELO_TEST_DB));
    }
    int count(const std::string& sql, const std::vector<std::string>& values = {}) {
        refdata::Statement s = db.query(sql, values);
        int n = db.columnInt(s, 0);
        db.finalize(s);
        return n;
    }
    refdata::NameDb db;
};

}  // namespace

TEST_F(ReferencePoems, PoetsComeLargestFirstAndEachHasHisPoems) {
    refdata::Statement s = db.query("select * from NV_Poet order by OrderId ASC");
    ASSERT_TRUE(s.hasRow());
    EXPECT_EQ(db.columnText(s, 1), "白居易");
    int rows = 0;
    int previous = 1 << 30;
    do {
        int poems = text::toNumber(db.columnText(s, 2));
        EXPECT_LE(poems, previous) << db.columnText(s, 1);
        EXPECT_EQ(db.columnInt(s, 3), rows + 1);
        previous = poems;
        ++rows;
    } while (db.nextRow(s));
    db.finalize(s);
    EXPECT_GE(rows, 2600);
    // Every poet's count is the number of poems under his name.
    EXPECT_EQ(count("select count(*) from NV_Poet p join (select 作者, count(*) n from NV_全唐诗 group by 作者) c "
                    "on c.作者 = p.Poet where cast(p.PoemCount as integer) = c.n"),
              rows);
}

TEST_F(ReferencePoems, LiBaiAndDuFuAreListedWithTheirPoems) {
    const std::pair<const char*, int> poets[] = {{"李白", 800}, {"杜甫", 1000}};
    for (const auto& [poet, atLeast] : poets) {
        EXPECT_GE(count("select count(*) from NV_全唐诗 where 作者=?", {poet}), atLeast) << poet;
        EXPECT_EQ(count("select count(*) from NV_Poet where Poet=?", {poet}), 1) << poet;
    }
}

TEST_F(ReferencePoems, QuietNightThoughtIsFoundByItsTitleWithItsPresetCharacters) {
    refdata::Statement s = db.query("select * from NV_全唐诗 where 标题=\"静夜思\"");
    ASSERT_TRUE(s.hasRow());
    EXPECT_EQ(db.columnText(s, 2), "李白");
    EXPECT_EQ(db.columnText(s, 3), "床前看月光，疑是地上霜。举头望山月，低头思故乡。");
    EXPECT_EQ(db.columnText(s, 4), "床疑举低");
    EXPECT_EQ(db.columnInt(s, 5), 20);
    EXPECT_FALSE(db.nextRow(s));
    db.finalize(s);
}

TEST_F(ReferencePoems, EveryTitleNamesOnePoem) {
    EXPECT_EQ(count("select count(*) from (select 标题 from NV_全唐诗 group by 标题 having count(*) > 1)"), 0);
    EXPECT_EQ(count("select count(*) from NV_全唐诗 where 标题 like '%\"%' or 作者 like '%\"%'"), 0);
}

TEST_F(ReferencePoems, EveryPoemIsGbkTextWithOneBoxPerCountedCharacter) {
    refdata::Statement s = db.query("select * from NV_全唐诗");
    ASSERT_TRUE(s.hasRow());
    int rows = 0, faults = 0;
    do {
        std::string content = db.columnText(s, 3);
        std::string boxes = text::replaceAll(text::replaceAll(content, "，", ""), "。", "");
        bool ok = !content.empty() && !db.columnText(s, 1).empty() &&
                  static_cast<int>(text::splitChars(boxes).size()) == db.columnInt(s, 5);
        for (const std::string& c : text::splitChars(db.columnText(s, 4))) ok = ok && text::contains(boxes, c);
        if (!ok && ++faults <= 3) ADD_FAILURE() << "poem " << db.columnInt(s, 0);
        ++rows;
    } while (db.nextRow(s));
    db.finalize(s);
    EXPECT_GE(rows, 43000);
}
