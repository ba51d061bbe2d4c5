#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "export/name_list_export.h"

using namespace nuvelo::exporting;

namespace {

class NameListExport : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/nuvelo-export-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::string dir;
};

std::string fromHex(const std::string& hex) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return out;
}

NameListRow row(const std::string& no, const std::string& name) {
    return {no, name, "12", "14", "金木", "11,13,15,17,5", "木火土", "95"};
}

}  // namespace

TEST_F(NameListExport, HeaderLineIsByteExactGbkWithCrLfAndNoBom) {
    // 编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分 CR LF in GBK.
    const std::string expected = fromHex(
        "b1e0bac520202020d0d5c3fb20202020bcf2cce5b1cabbae20202020b7b1cce5b1cabbae20202020"
        "cee5d0d020202020cee5b8f120202020c8fdb2c520202020c6c0b7d60d0a");
    std::string path = dir + "/NameList.txt";
    ASSERT_TRUE(exportNameList({}, path).ok);
    // An empty list gives the header line alone.
    EXPECT_EQ(read(path), expected);
    EXPECT_EQ(nameListHeaderLine(), expected);
}

TEST_F(NameListExport, RowsAreJoinedByFourBlanksAndStopAfterAnEmptyNumber) {
    const std::string header = nameListHeaderLine();
    struct Case {
        const char* what;
        std::vector<NameListRow> rows;
        std::string body;
        std::vector<std::size_t> reported;  // indexes given to the row callback
    } cases[] = {
        {"two rows in list order",
         {row("1", "张伟"), row("2", "张强")},
         "1    张伟    12    14    金木    11,13,15,17,5    木火土    95\r\n"
         "2    张强    12    14    金木    11,13,15,17,5    木火土    95\r\n",
         {0, 1}},
        {"a row with an empty number is written and ends the list",
         {row("1", "张伟"), row("", "张强"), row("3", "张三")},
         "1    张伟    12    14    金木    11,13,15,17,5    木火土    95\r\n"
         "    张强    12    14    金木    11,13,15,17,5    木火土    95\r\n",
         {0, 1}},
        {"an empty first number ends at once",
         {NameListRow{}, row("2", "张强")},
         std::string(7 * 4, ' ') + "\r\n",  // seven separators, nothing else
         {0}},
        {"cells are neither trimmed nor quoted",
         {NameListRow{"1", " 欧阳明 ", "a\"b", "", "", "", "", ""}},
         "1     欧阳明     a\"b" + std::string(5 * 4, ' ') + "\r\n",
         {0}},
    };
    for (const Case& c : cases) {
        std::vector<std::size_t> reported;
        std::string path = dir + "/list.txt";
        WriteResult r = exportNameList(c.rows, path, [&](std::size_t i) { reported.push_back(i); });
        ASSERT_TRUE(r.ok) << c.what << ": " << r.message;
        EXPECT_EQ(read(path), header + c.body) << c.what;
        EXPECT_EQ(reported, c.reported) << c.what;
    }
}

TEST_F(NameListExport, ExportingTwiceReplacesTheFile) {
    std::string path = dir + "/100NameList.txt";
    std::vector<NameListRow> rows{row("1", "李明"), row("2", "李华")};
    ASSERT_TRUE(exportNameList(rows, path).ok);
    std::string first = read(path);
    ASSERT_TRUE(exportNameList(rows, path).ok);
    EXPECT_EQ(read(path), first);
    // No temporary file is left beside the list.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);
}

TEST_F(NameListExport, ClassicNamesAreWrittenExactly) {
    std::string path = dir + "/ClassNameList.txt";
    const std::string text = "王子涵\r\n王雨轩\r\n";
    ASSERT_TRUE(exportClassicNames("old and longer text", path).ok);
    ASSERT_TRUE(exportClassicNames(text, path).ok);
    EXPECT_EQ(read(path), text);
    ASSERT_TRUE(exportClassicNames("", path).ok);
    EXPECT_EQ(read(path), "");
}

TEST_F(NameListExport, AnUnwritableFolderGivesAMessageAndKeepsNothingHalfWritten) {
    WriteResult r = exportNameList({row("1", "张伟")}, dir + "/missing/NameList.txt");
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.message.empty());
    EXPECT_FALSE(exportClassicNames("x", dir).ok);  // the path is a folder
    EXPECT_TRUE(std::filesystem::is_directory(dir));
}
