// The start-up load: copies the reference file into the in-memory NameDb.
#pragma once

#include <functional>
#include <string>

#include "refdata/name_db.h"

namespace nuvelo::refdata {

// Receives the one message a failed load shows (GBK text).
using LoadMessageSink = std::function<void(const std::string& message)>;

struct LoadResult {
    bool ok = false;
    std::string message;  // GBK; empty on success
};

extern const char* const kOpenMemoryFailed;  // "打开内存数据库失败！"
extern const char* const kAttachFailed;      // "将磁盘数据库附加到内存数据库失败！"

// Opens `db` in memory, creates the nine tables, copies every table of the
// file at `dbPath` (UTF-8 path) in one transaction, detaches the file and
// builds the lookup indexes. On failure `db` is left closed (except when the
// in-memory open itself failed), the message is passed to `sink` once and
// returned. Runs on the caller's thread; readers may query `db` meanwhile.
LoadResult loadReferenceData(NameDb& db, const std::string& dbPath, const LoadMessageSink& sink = {});

}  // namespace nuvelo::refdata
