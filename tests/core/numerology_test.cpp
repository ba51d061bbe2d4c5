#include <gtest/gtest.h>

#include "fixtures/fixture_db.h"
#include "numerology/evaluate_name.h"

using namespace nuvelo;
using namespace nuvelo::numerology;


TEST(FiveGrids, FollowTheCharacterCounts) {
    struct Case {
        int ns, s1, s2, ng, g1, g2;
        FiveGrids expected;
    } cases[] = {
        {1, 7, 0, 1, 8, 0, {8, 15, 9, 15, 2}},
        {1, 7, 0, 2, 8, 9, {8, 15, 17, 24, 10}},
        {2, 10, 12, 2, 5, 6, {22, 17, 11, 33, 16}},
        {2, 10, 12, 1, 5, 0, {22, 17, 6, 27, 11}},
        {1, 0, 0, 1, 0, 0, {1, 0, 1, 0, 2}},       // surname without facts: 天格 1
        {3, 10, 12, 3, 5, 6, {22, 17, 11, 33, 16}},  // longer parts count as two characters
    };
    for (const Case& c : cases) {
        FiveGrids g = computeGrids(c.ns, c.s1, c.s2, c.ng, c.g1, c.g2);
        EXPECT_EQ(gridsText(g), gridsText(c.expected)) << c.ns << "/" << c.ng << " " << c.s1;
    }
    EXPECT_EQ(talentsKey({8, 15, 9, 15, 2}), "金土水");
    EXPECT_EQ(elementOfNumber(0), "水");
    EXPECT_EQ(elementOfNumber(1), "木");
    EXPECT_EQ(elementOfNumber(10), "");
}

TEST(Score, WorkedValues) {
    using G = LuckGrade;
    struct Case {
        LuckList luck;
        int score;
    } cases[] = {
        {{G::DaJi, G::Ji, G::DaJi, G::Ji, G::Ji, G::DaJi}, 100},
        {{G::DaXiong, G::Ji, G::Ji, G::Ji, G::Ji, G::Ji}, 96},
        {{G::Xiong, G::Ji, G::Ji, G::Ji, G::Ji, G::Ji}, 98},
        {{G::Zhong, G::Ji, G::Ji, G::Ji, G::Ji, G::Ji}, 99},
        {{G::DaJi, G::Xiong, G::DaJi, G::DaJi, G::DaJi, G::DaJi}, 88},
        {{G::DaXiong, G::DaXiong, G::DaXiong, G::DaXiong, G::DaXiong, G::DaXiong}, 30},
        {{G::Zhong, G::Zhong, G::Zhong, G::Zhong, G::Zhong, G::Zhong}, 85},
        {{G::Other, G::Other, G::Other, G::Other, G::Other, G::Other}, 0},
        {{G::DaJi, G::Ji, G::Zhong, G::Xiong, G::DaXiong, G::Other}, 67},
        {{G::Ji, G::Ji, G::Ji, G::Ji, G::Zhong, G::Ji}, 98},
    };
    for (const Case& c : cases) EXPECT_EQ(scoreOf(c.luck), c.score);
    EXPECT_EQ(gradeOf(" 吉"), G::Other);
    EXPECT_EQ(gradeOf("吉利"), G::Other);
    EXPECT_EQ(gradeOf(""), G::Other);
    EXPECT_EQ(bestScoreWithTian(G::Zhong), 99);
    EXPECT_EQ(bestScoreWithTian(G::Other), 95);
}

TEST(EvaluateName, LooksEverythingUpInOrder) {
    fixtures::FixtureDb fixture;
    fixture.addAllLuck("吉");
    fixture.addNumber(90, "大凶");  // only 1..81 carry words above; 90 has its own
    refdata::NameDb db;
    ASSERT_TRUE(fixture.load(db));
    LuckTable luck(db);

    RunCharTable table;
    table.add(CharFacts{"甲", 6, 7, "金"});
    table.add(CharFacts{"乙", 7, 8, "土"});
    table.add(CharFacts{"丙", 9, 9, ""});
    table.add(CharFacts{"甲", 1, 1, "火"});  // a later repeat never wins

    NameCandidate c = evaluateName("甲", "乙", table, luck);
    EXPECT_EQ(gridsText(c.grids), "8,15,9,15,2");
    EXPECT_EQ(c.talents, "金土水");
    EXPECT_EQ(c.elements, "金土");
    EXPECT_EQ(c.simplifiedTotal, 13);
    EXPECT_EQ(c.score, 100);
    EXPECT_EQ(c.luckWords[5], "吉");

    // a character missing from the run table adds 0 strokes and no element
    NameCandidate missing = evaluateName("丁", "乙丙", table, luck);
    EXPECT_EQ(missing.grids.tian, 1);
    EXPECT_EQ(missing.elements, "土");  // 丙 has facts but no element: adds nothing

    // a 总格 above 81 is looked up unchanged
    table.add(CharFacts{"重", 40, 40, "水"});
    NameCandidate big = evaluateName("重", "重重", table, luck);
    EXPECT_EQ(big.grids.zong, 120);
    EXPECT_EQ(big.luckWords[3], "");
    EXPECT_EQ(big.score, 80);  // 总格 loses its 20 points
}
