// Bad input through the core's entry points: every case ends with the
// described empty result or a clear message, never with a crash, a hang or a
// half-written file. Runs against the built reference database.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "birthchart/birth_chart.h"
#include "fixtures/read_file.h"
#include "generation/collecting_host.h"
#include "generation/generation_run.h"
#include "generation/mode_pools.h"
#include "refdata/reference_load.h"
#include "report/name_report.h"
#include "settings/ini_file.h"
#include "settings/name_records.h"
#include "text/gbk.h"

using namespace nuvelo;
using fixtures::readFile;

namespace {

namespace fs = std::filesystem;

std::string repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

struct BadText {
    const char* label;
    std::string text;
    bool blank;  // no name can be made of it
};

const std::vector<BadText>& badTexts() {
    static const std::vector<BadText> texts = {
        {"empty", "", true},
        {"blank", "   ", true},
        {"double quote", "\"", false},
        {"single quote", "'", false},
        {"semicolon", ";", false},
        {"script tag", "<script>alert(1)</script>", false},
        {"invalid GBK bytes", "\xff\xfe\x81", false},
        {"a lone lead byte", "\xd5", false},
        {"10,000 characters", repeat("张", 10000), false},
    };
    return texts;
}

class BadInput : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        db_ = new refdata::NameDb;
        ASSERT_TRUE(refdata::loadReferenceData(*db_, NUVELO_TEST_DB).ok);
    }
    static void TearDownTestSuite() {
        delete db_;
        db_ = nullptr;
    }
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("nuvelo-bad-input-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    static void run(const generation::RunInputs& in, generation::CollectingHost& host) {
        generation::SharedRunInputs shared;
        shared.set(in);
        generation::generationRun(shared, *db_, host, nullptr);
    }

    static refdata::NameDb* db_;
    fs::path dir_;
};

refdata::NameDb* BadInput::db_ = nullptr;

}  // namespace

TEST_F(BadInput, NameReportWritesAnEscapedPageOrSaysWhyNot) {
    const std::string page = (dir_ / "temp.html").string();
    for (const BadText& t : badTexts()) {
        for (bool asSurname : {true, false}) {
            SCOPED_TRACE(std::string(t.label) + (asSurname ? " as surname" : " as given name"));
            fs::remove(page);
            report::NameReportOutcome out = asSurname ? report::buildNameReport(*db_, t.text, "三", page)
                                                      : report::buildNameReport(*db_, "张", t.text, page);
            if (t.blank) {
                EXPECT_FALSE(out.pageWritten);
                EXPECT_FALSE(out.message.empty());
                EXPECT_FALSE(fs::exists(page));
                continue;
            }
            ASSERT_TRUE(out.pageWritten) << out.message;
            EXPECT_EQ(readFile(page).find("<script>"), std::string::npos);
        }
    }
}

TEST_F(BadInput, GenerationRunsEndWithAListOrAMessage) {
    for (const BadText& t : badTexts()) {
        SCOPED_TRACE(t.label);
        // as the surname of a high-score run
        generation::RunInputs high;
        high.mode = generation::Mode::HighScore;
        high.surname = t.text;
        high.nameLength = 2;
        high.seed = 7;
        generation::CollectingHost a;
        run(high, a);
        EXPECT_TRUE(a.ended());
        if (t.text.empty()) {
            EXPECT_EQ(a.messages(), std::vector<std::string>{generation::kNeedSurname});
        }
        EXPECT_LE(a.rows(generation::ListId::HighScore).size(), 10000u);

        // as the typed characters of a combination run
        generation::RunInputs combination;
        combination.mode = generation::Mode::Combination;
        combination.surname = "李";
        combination.nameLength = 2;
        combination.combinationText = t.text;
        generation::CollectingHost b;
        run(combination, b);
        EXPECT_TRUE(b.ended());
        std::vector<generation::NameRow> rows = b.rows(generation::ListId::Combination);
        if (generation::combinationPool(combination).size() > generation::kCombinationLimit) {
            EXPECT_EQ(b.messages(), std::vector<std::string>{generation::kTooManyCombinationChars});
            EXPECT_TRUE(rows.empty());
        } else {
            EXPECT_TRUE(b.messages().empty());
        }
        for (const generation::NameRow& r : rows) EXPECT_EQ(r.cells[1].find('<'), std::string::npos);
    }
}

TEST_F(BadInput, ACombinationPoolAtTheLimitIsStillListed) {
    // 499 typed characters plus the surname: 500 entries, 250,000 pairs
    generation::RunInputs in;
    in.mode = generation::Mode::Combination;
    in.surname = "李";
    in.nameLength = 2;
    in.combinationText = repeat("明", 499);
    ASSERT_EQ(generation::combinationPool(in).size(), generation::kCombinationLimit);
    generation::CollectingHost host;
    run(in, host);
    EXPECT_TRUE(host.messages().empty());
    EXPECT_EQ(host.rows(generation::ListId::Combination).size(), 499u * 499u);  // pairs without 李
}

TEST_F(BadInput, BirthChartsOfImpossibleDatesSaySo) {
    const struct {
        const char *year, *month, *day, *hour;
        const char* expected;  // part of the text
    } cases[] = {
        {"2013", "2", "30", "1", "该日期不存在"},
        {"2013", "13", "1", "0", ""},
        {"2013", "1", "1", "24", ""},
        {"1800", "1", "1", "0", ""},
        {"2200", "1", "1", "0", ""},
        {"abc", "", "", "", ""},
        {"", "", "", "", ""},
        {"99999999999999999999", "1", "1", "0", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.year) + "-" + c.month + "-" + c.day + " " + c.hour);
        birthchart::BirthChart chart = birthchart::buildBirthChart(c.year, c.month, c.day, c.hour);
        EXPECT_FALSE(chart.text.empty());
        EXPECT_NE(chart.text.find(c.expected), std::string::npos);
        EXPECT_TRUE(chart.elementPairs.empty()) << chart.elementPairs;
    }
}

TEST_F(BadInput, SettingsSurviveJunkAndAnUnwritableFolder) {
    // junk in the file: no crash, unknown lines are ignored, values stay readable
    const fs::path junk = dir_ / "junk.ini";
    std::ofstream(junk, std::ios::binary) << "\xff\xfe[\r\n=\n[设置]\n姓氏=" << repeat("张", 20000)
                                          << "\n名字记录=\"';<script>\xd5\n[broken\nkey without value\n";
    settings::SavedInputs loaded = settings::loadSavedInputs(junk.string());
    EXPECT_EQ(loaded.surname, repeat("张", 20000));

    // a folder that cannot be made: false, and the earlier file is untouched
    const fs::path good = dir_ / "Config.ini";
    settings::SavedInputs inputs;
    inputs.surname = "张";
    ASSERT_TRUE(settings::saveSavedInputs(good.string(), inputs));
    const std::string before = readFile(good);
    std::ofstream(dir_ / "blocker") << "a file where the folder should be";
    EXPECT_FALSE(settings::saveSavedInputs((dir_ / "blocker" / "Config.ini").string(), inputs));
    inputs.surname = "李";
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    bool saved = settings::saveSavedInputs(good.string(), inputs);
    fs::permissions(dir_, fs::perms::owner_all);
    if (!saved) {
        EXPECT_EQ(readFile(good), before);  // root may write anyway
    }
    for (const auto& entry : fs::directory_iterator(dir_))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST_F(BadInput, DamagedDatabasesGiveOneMessage) {
    const fs::path empty = dir_ / "empty.db";
    std::ofstream(empty).close();
    const fs::path truncated = dir_ / "truncated.db";
    {
        std::ifstream in(NUVELO_TEST_DB, std::ios::binary);
        std::string head(8192, '\0');
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        std::ofstream(truncated, std::ios::binary) << head;
    }
    for (const fs::path& path : {empty, truncated, dir_ / "missing.db"}) {
        SCOPED_TRACE(path.filename().string());
        std::vector<std::string> shown;
        refdata::NameDb db;
        refdata::LoadResult r =
            refdata::loadReferenceData(db, path.string(), [&](const std::string& m) { shown.push_back(m); });
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(shown.size(), 1u);
        EXPECT_FALSE(db.isOpen());
    }
}
