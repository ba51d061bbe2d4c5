#include "refdata/reference_load.h"

#include "refdata/reference_schema.h"

namespace nuvelo::refdata {

const char* const kOpenMemoryFailed = "打开内存数据库失败！";
const char* const kAttachFailed = "将磁盘数据库附加到内存数据库失败！";

namespace {

LoadResult fail(const std::string& message, const LoadMessageSink& sink) {
    if (sink) sink(message);
    return LoadResult{false, message};
}

}  // namespace

LoadResult loadReferenceData(NameDb& db, const std::string& dbPath, const LoadMessageSink& sink) {
    if (!db.openMemory()) return fail(kOpenMemoryFailed, sink);

    std::string error;
    for (const TableSchema& table : referenceTables()) {
        if (!db.createTable(table.name, table.fields, &error)) {
            db.close();
            return fail(error, sink);
        }
    }
    if (!db.attach(dbPath, "new_db", &error)) {
        db.close();
        return fail(kAttachFailed, sink);
    }
    db.begin();
    for (const TableSchema& table : referenceTables()) {
        if (!db.exec("insert into " + table.name + " select * from new_db." + table.name, &error)) {
            db.rollback();
            db.close();
            return fail(error, sink);
        }
    }
    db.commit();
    db.detach("new_db");
    db.exec("CREATE INDEX NewIndex1 on NV_CNWord(汉字 ASC)");
    db.exec("CREATE INDEX NewIndex2 on NV_八一灵动数(Id ASC)");
    db.exec("CREATE INDEX NewIndex3 on NV_三才配置(三才 ASC)");
    return LoadResult{true, {}};
}

}  // namespace nuvelo::refdata
