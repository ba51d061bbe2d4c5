#include <gtest/gtest.h>

#include <set>

#include "fixtures/fixture_db.h"
#include "generation/candidate_pools.h"
#include "generation/candidates.h"
#include "generation/collecting_host.h"
#include "generation/generation_run.h"
#include "generation/mode_pools.h"
#include "text/gbk.h"
#include "worker/generation_worker.h"

using namespace nuvelo;
using namespace nuvelo::generation;

namespace {

// Every boy and girl pool character with 10 strokes and element 木, plus
// the surnames used below; luck words for every number and key.
struct PoolFixture {
    fixtures::FixtureDb fixture;
    refdata::NameDb db;
    explicit PoolFixture(const std::string& luck = "吉") {
        fixture.addAllLuck(luck);
        std::set<std::string> seen;
        for (const std::string& c : text::splitChars(nicknamePool() + "李王"))
            if (seen.insert(c).second) fixture.addChar({c, 10, 10, "木", "", ""});
        EXPECT_TRUE(fixture.load(db));
    }
};

RunInputs inputs(Mode mode, const std::string& surname, int length = 2, const std::string& sex = "男") {
    RunInputs in;
    in.mode = mode;
    in.surname = surname;
    in.nameLength = length;
    in.sex = sex;
    in.seed = 42;
    return in;
}

std::vector<NameRow> run(PoolFixture& f, const RunInputs& in, CollectingHost& host, ListId list) {
    SharedRunInputs shared;
    shared.set(in);
    generationRun(shared, f.db, host, nullptr);
    return host.rows(list);
}

}  // namespace

TEST(CandidatePools, HaveTheirSizes) {
    EXPECT_EQ(text::splitChars(kBoyPool).size(), 1854u);
    EXPECT_EQ(text::splitChars(kGirlPool).size(), 973u);
    EXPECT_EQ(text::splitChars(nicknamePool()).size(), 2827u);
    EXPECT_EQ(text::splitText(kBoyNameList, ",").size(), 2910u);
    EXPECT_EQ(text::splitText(kGirlNameList, ",").size(), 2134u);
    EXPECT_EQ(text::splitChars(kBoyCharList).size(), 841u);
    EXPECT_EQ(text::splitChars(kGirlCharList).size(), 294u);
}

TEST(HighScoreRun, ListsAtMostTenThousandSortedNamesWithoutTheSurname) {
    PoolFixture f;
    CollectingHost host;
    std::vector<NameRow> rows = run(f, inputs(Mode::HighScore, "李"), host, ListId::HighScore);
    ASSERT_EQ(rows.size(), 10000u);  // 401 x 401 candidates all score 100
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].cells[0], std::to_string(i + 1));
        ASSERT_EQ(rows[i].cells[1].substr(0, 2), "李");
        EXPECT_FALSE(text::contains(rows[i].cells[1].substr(2), "李"));
        EXPECT_EQ(rows[i].cells[5], "11,20,20,30,11");
    }
    EXPECT_TRUE(host.ended());
    EXPECT_FALSE(host.waitingOpen());
}

TEST(HighScoreRun, OneCharacterNamesLowerTheBarAndTellTheUser) {
    PoolFixture f("凶");
    CollectingHost host;
    std::vector<NameRow> rows = run(f, inputs(Mode::HighScore, "李", 1, "女"), host, ListId::HighScore);
    EXPECT_EQ(rows.size(), 973u);  // the whole girl pool, minimum 0
    ASSERT_FALSE(host.messages().empty());
    EXPECT_EQ(host.messages()[0], kOneCharNameNotice);
}

TEST(HighScoreRun, SameSeedSameOrderOtherSeedOtherOrder) {
    PoolFixture f;
    CollectingHost a, b, c;
    RunInputs in = inputs(Mode::HighScore, "李");
    auto first = run(f, in, a, ListId::HighScore);
    auto second = run(f, in, b, ListId::HighScore);
    in.seed = 43;
    auto third = run(f, in, c, ListId::HighScore);
    EXPECT_EQ(first[0].cells[1], second[0].cells[1]);
    EXPECT_NE(first[0].cells[1] + first[1].cells[1], third[0].cells[1] + third[1].cells[1]);
}

TEST(ClassicRun, PrintsFourteenNamesPerLine) {
    PoolFixture f;
    CollectingHost host;
    run(f, inputs(Mode::Classic, "李", 2, "女"), host, ListId::HighScore);
    std::vector<std::string> lines = text::splitText(host.classicText(), "\r\n\r\n");
    ASSERT_EQ(lines.size(), (2134u + 13) / 14);
    std::vector<std::string> names = text::splitText(lines[0], "  ");
    EXPECT_EQ(names.size(), 14u);
    EXPECT_EQ(names[0].substr(0, 2), "李");
    CollectingHost one;
    run(f, inputs(Mode::Classic, "李", 1), one, ListId::HighScore);
    lines = text::splitText(one.classicText(), "\r\n\r\n");
    EXPECT_EQ(text::splitText(lines[0], "   ").size(), 16u);
}

TEST(SuperRun, ListsOnlyTheBestScoreTheSurnameAllows) {
    PoolFixture f;
    // 王 has 4 strokes here: 天格 5 is 凶, every other number and key 吉
    f.db.exec("update NV_CNWord set 繁体笔画数=4 where 汉字='王'");
    f.db.exec("update NV_八一灵动数 set 吉凶='凶' where Id in (5, 3)");
    CollectingHost host;
    std::vector<NameRow> rows = run(f, inputs(Mode::Super, "王"), host, ListId::Super);
    ASSERT_FALSE(rows.empty());
    for (const NameRow& r : rows) EXPECT_EQ(r.cells[7], "98");
}

TEST(SuperFilters, SetsAndWholeNameMasters) {
    ElementFilters f;
    f.requiredMaster = false;
    f.secondMaster = true;
    f.second = {true, false, true, false, false};
    FilterSets s = filterSets(f);
    EXPECT_EQ(s.second, "金水");
    EXPECT_EQ(s.third, "金木水火土");
    EXPECT_EQ(s.required, "金木水火土");
    EXPECT_EQ(s.forbidden, "");

    PoolFixture fx;
    ElementFilters both;
    both.required = {false, true, false, false, false};
    both.forbiddenMaster = true;
    both.forbidden = {false, true, false, false, false};
    numerology::RunCharTable table;
    CandidateSet out;
    superCandidates({"明", "华"}, both, fx.db, table, out, nullptr);
    EXPECT_TRUE(out.names.empty());  // 木 required and forbidden
}

TEST(CombinationPool, KeepsGb2312HanziOnly) {
    EXPECT_EQ(keepGb2312Hanzi("明 a1,华，明Ｘ"), "明华明");
    RunInputs in = inputs(Mode::Combination, "李");
    in.combinationText = "明 华 明";
    EXPECT_EQ(combinationPool(in), (std::vector<std::string>{"明", "华", "明", "李"}));
}

TEST(NicknameRun, SkipsTheSurnameItself) {
    PoolFixture f;
    RunInputs in = inputs(Mode::Nickname, "张");
    in.nicknameStyle = NicknameStyle::XiaoA;
    f.fixture.addChar({"张", 7, 11, "火", "張", ""});
    refdata::NameDb db;
    ASSERT_TRUE(f.fixture.load(db));
    SharedRunInputs shared;
    shared.set(in);
    CollectingHost host;
    generationRun(shared, db, host, nullptr);
    std::vector<NameRow> rows = host.rows(ListId::Nickname);
    ASSERT_FALSE(rows.empty());
    for (const NameRow& r : rows) {
        EXPECT_EQ(r.cells[1].substr(0, 4), "张小");
        EXPECT_NE(r.cells[1], "张小张");
    }
}

TEST(Worker, StartPauseResumeStopManyTimes) {
    PoolFixture f;
    SharedRunInputs shared;
    shared.set(inputs(Mode::HighScore, "李"));
    worker::线程操作类 worker;
    for (int i = 0; i < 200; ++i) {
        auto host = std::make_shared<CollectingHost>();
        worker.startWorker([&, host](worker::WorkerControl& control, int) {
            generationRun(shared, f.db, *host, &control);
        });
        if (i % 3 == 0) worker.pauseWorker();
        if (i % 5 == 0) worker.resumeWorker();
        if (i % 7 == 0) worker.stopWorker();
    }
    worker.pauseWorker();
    worker.stopWorker();  // stopping a paused worker ends it
    EXPECT_FALSE(worker.isRunning());

    // a paused run lists nothing more until it is resumed, then finishes
    auto host = std::make_shared<CollectingHost>();
    worker.startWorker([&, host](worker::WorkerControl& control, int) { generationRun(shared, f.db, *host, &control); });
    worker.pauseWorker();
    std::size_t before = host->rows(ListId::HighScore).size();
    EXPECT_EQ(host->rows(ListId::HighScore).size(), before);
    worker.resumeWorker();
    while (worker.isRunning()) std::this_thread::yield();
    EXPECT_TRUE(host->ended());
    EXPECT_EQ(host->rows(ListId::HighScore).size(), 10000u);
}
