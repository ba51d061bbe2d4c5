#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include <sqlite3.h>
#include "text/gbk.h"

#include "fixtures/fixture_db.h"
#include "refdata/name_db.h"
#include "refdata/reference_load.h"
#include "refdata/reference_schema.h"

using namespace nuvelo;
using namespace nuvelo::refdata;

TEST(CreateTable, ComposesTheStatement) {
    EXPECT_EQ(createTableStatement("T", {}), "create table T");
    EXPECT_EQ(createTableStatement("NV_CNWord", {{"汉字", 10, 2, 0, ""}, {"Id", 3, 10, 0, ""}}),
              "create table NV_CNWord (汉字 VarChar(2),Id Integer(10))");
    EXPECT_EQ(createTableStatement("T", {{"a", 3, 0, 1 | 2 | 4, "0"}, {"b", 9, 0, 4, ""}}),
              "create table T (a Integer Primary Key AutoIncrement Not Null Default 0,b   Not Null)");
    const char* words[] = {"", "Byte", "Smallint", "Integer", "BigInt", "Decimal", "Double", "Bit", "DateTime",
                           "", "VarChar", "Blob", "Text", ""};
    for (int code = 0; code <= 13; ++code) EXPECT_EQ(typeWordOf(code), words[code]) << code;
}

TEST(NameDb, ClosedDatabaseGivesEmptyResults) {
    NameDb db;
    EXPECT_FALSE(db.exec("select 1"));
    EXPECT_FALSE(db.createTable("T", {{"a", 3, 0, 0, ""}}));
    Statement s = db.query("select 1");
    EXPECT_TRUE(s.isNull());
    EXPECT_EQ(db.columnText(s, 0), "");
    EXPECT_EQ(db.columnInt(s, 0), 0);
    EXPECT_FALSE(db.nextRow(s));
    EXPECT_FALSE(db.finalize(s));
    EXPECT_FALSE(db.close());
}

TEST(NameDb, ReadsRowsAndEdgeValues) {
    NameDb db;
    ASSERT_TRUE(db.openMemory());
    std::string error;
    ASSERT_TRUE(db.createTable("T", {{"k", 10, 2, 0, ""}, {"n", 3, 10, 0, ""}}, &error)) << error;
    ASSERT_TRUE(db.exec("insert into T values ('张', 12), ('李', NULL)"));

    Statement hit = db.query("select * from T where k=?", {"张"});
    EXPECT_EQ(db.columnText(hit, 0), "张");
    EXPECT_EQ(db.columnText(hit, 1), "12");  // integers read as digits
    EXPECT_EQ(db.columnInt(hit, 1), 12);
    EXPECT_EQ(db.columnText(hit, 2), "");    // past the last column
    EXPECT_TRUE(db.finalize(hit));

    Statement miss = db.query("select * from T where k=?", {"王"});
    EXPECT_FALSE(miss.isNull());
    EXPECT_EQ(db.columnText(miss, 0), "");
    EXPECT_EQ(db.columnInt(miss, 1), 0);
    EXPECT_FALSE(db.nextRow(miss));
    EXPECT_TRUE(db.finalize(miss));

    Statement quote = db.query("select * from T where k=?", {"\""});
    EXPECT_EQ(db.columnText(quote, 0), "");  // a typed quote finds nothing and breaks nothing
    db.finalize(quote);

    Statement list = db.query("select k from T order by n desc");
    std::vector<std::string> keys;
    do keys.push_back(db.columnText(list, 0)); while (db.nextRow(list));
    EXPECT_EQ(keys, (std::vector<std::string>{"张", "李"}));
    db.finalize(list);

    Statement bad = db.query("select * from NoSuchTable");
    EXPECT_TRUE(bad.isNull());
    EXPECT_FALSE(db.nextRow(bad));
    EXPECT_FALSE(db.finalize(bad));

    std::string err;
    EXPECT_FALSE(db.exec("insert into NoSuchTable values (1)", &err));
    EXPECT_NE(err.find("NoSuchTable"), std::string::npos);
    EXPECT_TRUE(db.close());
    EXPECT_FALSE(db.close());
}

TEST(NameDb, ServesSeveralThreadsAtOnce) {
    NameDb db;
    ASSERT_TRUE(db.openMemory());
    ASSERT_TRUE(db.exec("create table T (n Integer); insert into T values (1),(2),(3)"));
    std::vector<std::thread> threads;
    std::atomic<int> sum{0};
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 500; ++i) {
                Statement s = db.query("select sum(n) from T");
                sum += db.columnInt(s, 0);
                db.finalize(s);
            }
        });
    for (auto& t : threads) t.join();
    EXPECT_EQ(sum.load(), 4 * 500 * 6);
}

TEST(ReferenceLoad, CopiesTablesAndBuildsIndexes) {
    fixtures::FixtureDb fixture;
    fixture.addChar({"张", 7, 11, "火", "張", "zhāng"});
    NameDb db;
    ASSERT_TRUE(fixture.load(db));
    Statement s = db.query("select * from NV_CNWord where 汉字=?", {"张"});
    EXPECT_EQ(db.columnText(s, 4), "張");
    EXPECT_EQ(db.columnInt(s, 6), 11);
    db.finalize(s);
    Statement idx = db.query("select count(*) from sqlite_master where type='index'");
    EXPECT_EQ(db.columnInt(idx, 0), 3);
    db.finalize(idx);
    // the file is detached: replacing it has no effect on the loaded copy
    std::filesystem::remove(fixture.path());
    Statement again = db.query("select count(*) from NV_CNWord");
    EXPECT_EQ(db.columnInt(again, 0), 1);
    db.finalize(again);
}

TEST(ReferenceLoad, FailuresShowOneMessageAndLeaveTheDatabaseClosed) {
    std::vector<std::string> shown;
    auto sink = [&](const std::string& m) { shown.push_back(m); };

    NameDb missing;
    LoadResult r = loadReferenceData(missing, "/nonexistent/data/namedata.db", sink);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(shown, std::vector<std::string>{kAttachFailed});
    EXPECT_FALSE(missing.isOpen());

    // a table with one column fewer: the engine's own message, closed afterwards
    fixtures::FixtureDb fixture;
    std::string path = fixture.dir() + "/data/short.db";
    {
        sqlite3* writer = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &writer), SQLITE_OK);
        for (const TableSchema& t : referenceTables()) {
            std::vector<FieldDef> fields = t.fields;
            if (t.name == kPoetTable) fields.pop_back();
            std::string sql = text::toUtf8(createTableStatement(t.name, fields));
            ASSERT_EQ(sqlite3_exec(writer, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        }
        sqlite3_close(writer);
    }
    shown.clear();
    NameDb shortDb;
    r = loadReferenceData(shortDb, path, sink);
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("NV_Poet"), std::string::npos) << shown[0];
    EXPECT_FALSE(shortDb.isOpen());
    Statement s = shortDb.query("select * from NV_CNWord");
    EXPECT_EQ(shortDb.columnText(s, 2), "");

    // a file that is not a database
    std::string junk = fixture.dir() + "/data/junk.db";
    std::ofstream(junk) << "this is not a database file, only some text that fills a page";
    shown.clear();
    NameDb junkDb;
    EXPECT_FALSE(loadReferenceData(junkDb, junk, sink).ok);
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_FALSE(junkDb.isOpen());
}
