// The Kangxi numerology count: the rule itself, and the counts the built
// reference database gives common surnames and name characters.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "kangxi_strokes.h"
#include "refdata/name_db.h"

using namespace nuvelo;

namespace {

TEST(KangxiRule, RadicalStrokesFollowTheRadicalTable) {
    struct Case {
        int radical, strokes;
    } cases[] = {
        {1, 1},    {6, 1},    {7, 2},    {29, 2},   {30, 3},   {60, 3},   {61, 4},   {85, 4},
        {94, 4},   {95, 5},   {96, 5},   {117, 5},  {118, 6},  {130, 6},  {140, 6},  {146, 6},
        {147, 7},  {162, 7},  {163, 7},  {166, 7},  {167, 8},  {170, 8},  {175, 8},  {176, 9},
        {186, 9},  {187, 10}, {194, 10}, {195, 11}, {200, 11}, {201, 12}, {204, 12}, {205, 13},
        {208, 13}, {209, 14}, {210, 14}, {211, 15}, {212, 16}, {213, 16}, {214, 17}, {0, 0},
        {215, 0},  {-3, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(dbbuild::radicalStrokes(c.radical), c.strokes) << "radical " << c.radical;
}

TEST(KangxiRule, NumeralsCountTheirValueAndTheWrittenCountIsAFloor) {
    struct Case {
        char32_t character;
        int radical, residual, written, expected;
    } cases[] = {
        {U'一', 1, 0, 1, 1},     {U'二', 7, 0, 2, 2},     {U'三', 1, 2, 3, 3},    {U'四', 31, 2, 5, 4},
        {U'五', 7, 2, 4, 5},     {U'六', 12, 2, 4, 6},    {U'七', 1, 1, 2, 7},    {U'八', 12, 0, 2, 8},
        {U'九', 5, 1, 2, 9},     {U'十', 24, 0, 2, 10},   {U'王', 96, -1, 4, 4},  {U'海', 85, 7, 10, 11},
        {U'鬼', 194, 0, 9, 10},  {U'政', 66, 5, 9, 9},    {U'紫', 120, 6, 12, 12}, {U'泰', 85, 5, 10, 10},
        {U'露', 173, 13, 21, 21}, {U'百', 106, 1, 6, 6},  {U'X', 0, 0, 0, 0},     {U'X', 0, 0, 7, 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dbbuild::kangxiStrokes(c.character, c.radical, c.residual, c.written), c.expected)
            << "U+" << std::hex << static_cast<unsigned>(c.character);
}

// Counts of naming books. The surnames include those whose traditional form
// is their own (于 范 余 岳 郁) and those with a chosen form (钟 as 鍾).
struct Expected {
    const char* character;  // GBK
    int kangxi;
};

constexpr Expected kSurnames[] = {
    {"王", 4},  {"李", 7},  {"张", 11}, {"刘", 15}, {"陈", 16}, {"杨", 13}, {"黄", 12}, {"赵", 14},
    {"吴", 7},  {"周", 8},  {"徐", 10}, {"孙", 10}, {"马", 10}, {"朱", 6},  {"胡", 11}, {"郭", 15},
    {"何", 7},  {"高", 10}, {"林", 8},  {"罗", 20}, {"郑", 19}, {"梁", 11}, {"谢", 17}, {"宋", 7},
    {"唐", 10}, {"许", 11}, {"韩", 17}, {"冯", 12}, {"邓", 19}, {"曹", 11}, {"彭", 12}, {"曾", 12},
    {"萧", 18}, {"田", 5},  {"董", 15}, {"潘", 16}, {"于", 3},  {"蒋", 17}, {"蔡", 17}, {"余", 7},
    {"杜", 7},  {"叶", 15}, {"程", 12}, {"苏", 22}, {"魏", 18}, {"吕", 7},  {"丁", 2},  {"任", 6},
    {"沈", 8},  {"姚", 9},  {"卢", 16}, {"姜", 9},  {"崔", 11}, {"钟", 17}, {"谭", 19}, {"陆", 16},
    {"汪", 8},  {"范", 11}, {"金", 8},  {"石", 5},  {"廖", 14}, {"贾", 13}, {"夏", 10}, {"韦", 9},
    {"傅", 12}, {"方", 4},  {"白", 5},  {"邹", 17}, {"孟", 8},  {"熊", 14}, {"秦", 10}, {"邱", 12},
    {"江", 7},  {"尹", 4},  {"薛", 19}, {"段", 9},  {"雷", 13}, {"侯", 9},  {"龙", 16}, {"史", 5},
    {"陶", 16}, {"黎", 15}, {"贺", 12}, {"顾", 21}, {"毛", 4},  {"郝", 14}, {"龚", 22}, {"邵", 12},
    {"万", 15}, {"钱", 16}, {"严", 20}, {"武", 8},  {"戴", 18}, {"莫", 13}, {"孔", 4},  {"汤", 13},
    {"岳", 8},  {"郁", 13}, {"关", 19}, {"欧", 15}, {"鲁", 15}, {"迟", 19}, {"单", 12}, {"解", 13},
};

constexpr Expected kNameChars[] = {
    {"四", 4},  {"五", 5},  {"九", 9},  {"十", 10}, {"一", 1},  {"三", 3},  {"六", 6},  {"七", 7},
    {"海", 11}, {"江", 7},  {"花", 10}, {"玲", 10}, {"朋", 8},  {"明", 8},  {"华", 14}, {"国", 11},
    {"建", 9},  {"伟", 11}, {"军", 9},  {"志", 7},  {"强", 11}, {"敏", 11}, {"静", 16}, {"丽", 19},
    {"芳", 10}, {"娜", 10}, {"雪", 11}, {"晨", 11}, {"宇", 6},  {"涵", 12}, {"欣", 8},  {"怡", 9},
    {"萱", 15}, {"琳", 13}, {"博", 12}, {"涛", 18}, {"鹏", 19}, {"飞", 9},  {"凤", 14}, {"嘉", 14},
    {"睿", 14}, {"泽", 17}, {"瑞", 14}, {"颖", 16}, {"慧", 15}, {"馨", 20}, {"鑫", 24}, {"磊", 15},
    {"翔", 12}, {"诚", 14}, {"德", 15}, {"礼", 18}, {"福", 14}, {"宝", 20}, {"红", 9},  {"荣", 14},
    {"辉", 15}, {"云", 12}, {"霞", 17}, {"冰", 6},  {"诗", 13}, {"语", 14}, {"鬼", 10}, {"政", 9},
    {"紫", 12}, {"泰", 10}, {"露", 21}, {"发", 12}, {"艳", 24}, {"阳", 17}, {"绿", 14},
};

class BuiltCounts : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(std::filesystem::exists(NUVELO_TEST_DB)) << "build the namedata target first: " << NUVELO_TEST_DB;
        ASSERT_TRUE(db_.openFile(NUVELO_TEST_DB));
    }
    void TearDown() override { db_.close(); }

    int kangxiOf(const std::string& character) {
        refdata::Statement st = db_.query("select 繁体笔画数 from NV_CNWord where 汉字=?", {character});
        int value = st.hasRow() ? db_.columnInt(st, 0) : -1;
        db_.finalize(st);
        return value;
    }
    std::string traditionalOf(const std::string& character) {
        refdata::Statement st = db_.query("select 繁体 from NV_CNWord where 汉字=?", {character});
        std::string value = st.hasRow() ? db_.columnText(st, 0) : "?";
        db_.finalize(st);
        return value;
    }

    refdata::NameDb db_;
};

TEST_F(BuiltCounts, SurnamesHaveTheirNumerologyCount) {
    static_assert(std::size(kSurnames) >= 60);
    for (const Expected& e : kSurnames) EXPECT_EQ(kangxiOf(e.character), e.kangxi) << "surname " << e.character;
}

TEST_F(BuiltCounts, NameCharactersHaveTheirNumerologyCount) {
    static_assert(std::size(kNameChars) >= 40);
    for (const Expected& e : kNameChars) EXPECT_EQ(kangxiOf(e.character), e.kangxi) << "character " << e.character;
}

TEST_F(BuiltCounts, TraditionalFormIsTheOneNamesUse) {
    const std::pair<const char*, const char*> forms[] = {
        {"于", "于"}, {"范", "范"}, {"余", "余"}, {"采", "采"}, {"后", "后"}, {"张", "張"},
        {"钟", "鍾"}, {"发", "發"}, {"复", "復"}, {"万", "萬"}, {"叶", "葉"}, {"海", "海"},
    };
    for (const auto& [simplified, traditional] : forms)
        EXPECT_EQ(traditionalOf(simplified), traditional) << simplified;
}

}  // namespace
