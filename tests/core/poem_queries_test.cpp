#include <gtest/gtest.h>

#include "fixtures/fixture_db.h"
#include "reader/poem_queries.h"
#include "refdata/reference_schema.h"

using namespace nuvelo;

namespace {

class PoemQueries : public ::testing::Test {
protected:
    void SetUp() override {
        // OrderId differs from the row order: the poet list follows OrderId.
        fixture.addRow(refdata::kPoetTable, {"1", "王维", "2", "3"});
        fixture.addRow(refdata::kPoetTable, {"2", "李白", "1", "1"});
        fixture.addRow(refdata::kPoetTable, {"3", "杜甫", "1", "2"});
        poem("1", "相思", "王维", "红豆生南国，春来发几枝。", "红南");
        poem("2", "山居秋暝", "王维", "空山新雨后，天气晚来秋。", "");
        poem("3", "静夜思", "李白", "床前明月光，疑是地上霜。", "明");
        poem("4", "相思", "杜甫", "另一首同题诗。", "");
        ASSERT_TRUE(fixture.load(db));
    }
    void poem(const char* id, const char* title, const char* author, const char* text, const char* preset) {
        fixture.addRow(refdata::kPoemTable, {id, title, author, text, preset, "0"});
    }
    fixtures::FixtureDb fixture;
    refdata::NameDb db;
};

TEST_F(PoemQueries, PoetsByDisplayOrder) {
    EXPECT_EQ(reader::poetNames(db), (std::vector<std::string>{"李白", "杜甫", "王维"}));
}

TEST_F(PoemQueries, TitlesOfAPoetAndNoEntryForAnUnknownOne) {
    struct Case {
        const char* poet;
        std::vector<std::string> titles;
    };
    const Case cases[] = {
        {"王维", {"相思", "山居秋暝"}},
        {"李白", {"静夜思"}},
        {"白居易", {}},
        {"王\"维", {}},  // a quote is part of the bound value, not of the statement
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(reader::poemTitlesOf(db, c.poet), c.titles) << c.poet;
}

TEST_F(PoemQueries, TheFirstPoemOfATitleWhoeverWroteIt) {
    const reader::PoemRecord same = reader::findPoemByTitle(db, "相思");
    EXPECT_TRUE(same.found);
    EXPECT_EQ(same.text, "红豆生南国，春来发几枝。");
    EXPECT_EQ(same.preset, "红南");
    const reader::PoemRecord none = reader::findPoemByTitle(db, "\"无题");
    EXPECT_FALSE(none.found);
    EXPECT_EQ(none.text, "");
}

TEST(PoemPreview, HeadingTwiceAndABreakAfterEverySentence) {
    EXPECT_EQ(reader::poemPreviewPage("李白", "静夜思", "床前明月光，疑是地上霜。举头望明月，低头思故乡。"),
              "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">"
              "<title>李白:静夜思</title></head><body><b>李白:静夜思</b><br><br>"
              "床前明月光，疑是地上霜。<br>举头望明月，低头思故乡。<br></body></html>");
}

TEST(PoemBoxes, OneBoxPerCharacterWithoutCommaAndFullStop) {
    struct Case {
        const char* text;
        const char* preset;
        std::vector<std::string> captions;
        std::vector<bool> ticks;
    };
    const Case cases[] = {
        // a repeated character gets a box each time, both preset
        {"明月明，", "明", {"明", "月", "明"}, {true, false, true}},
        // other punctuation stays and becomes a box
        {"何处？春。", "", {"何", "处", "？", "春"}, {false, false, false, false}},
        {"A1，白", "A白", {"A", "1", "白"}, {true, false, true}},
        {"，。", "", {}, {}},
    };
    for (const Case& c : cases) {
        const std::vector<reader::PoemBox> boxes = reader::poemBoxes({true, c.text, c.preset});
        ASSERT_EQ(boxes.size(), c.captions.size()) << c.text;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_EQ(boxes[i].caption, c.captions[i]) << c.text << " " << i;
            EXPECT_EQ(boxes[i].ticked, c.ticks[i]) << c.text << " " << i;
        }
    }
}

TEST(PoemBoxes, FifteenToARow) {
    struct Case {
        int index;
        int x;
        int y;
    };
    const Case cases[] = {{0, 0, 0}, {1, 40, 0}, {14, 560, 0}, {15, 0, 20}, {16, 40, 20}, {30, 0, 40}};
    for (const Case& c : cases) {
        const reader::BoxPlace place = reader::poemBoxPlace(c.index);
        EXPECT_EQ(place.x, c.x) << c.index;
        EXPECT_EQ(place.y, c.y) << c.index;
        EXPECT_EQ(place.width, 70);
        EXPECT_EQ(place.height, 20);
    }
}

}  // namespace
