// nuvelo-cli report SURNAME GIVEN -o FILE: writes the name report page (GBK).
#include <cstdio>

#include "cli/cli_command.h"
#include "report/name_report.h"
#include "text/gbk.h"

namespace nuvelo::cli {
namespace {

int runReport(const Args& args) {
    std::string out = args.has("-o") ? args.option("-o") : args.option("--out");
    if (args.positional.size() != 2 || out.empty()) return badInput("usage: report SURNAME GIVEN -o FILE");
    std::string surname, given;
    if (int status = readNameArgs(args, surname, given)) return status;
    refdata::NameDb db;
    if (!openReference(args, db)) return 1;

    report::NameReportOutcome r = report::buildNameReport(db, surname, given, out);
    db.close();
    if (!r.pageWritten) {
        std::fprintf(stderr, "nuvelo-cli: %s\n", text::toUtf8(r.message).c_str());
        return 1;
    }
    if (args.json)
        std::printf("{\"surname\":%s,\"given\":%s,\"file\":%s,\"score\":%d}\n", jsonString(surname).c_str(),
                    jsonString(given).c_str(), jsonString(text::toGbk(out)).c_str(), r.result.score);
    else
        printGbk(surname + given + "  评分 " + std::to_string(r.result.score) + "  -> " + text::toGbk(out) + "\n");
    return 0;
}

const CommandRegistrar reg("report", "SURNAME GIVEN -o FILE    write the name report page (GBK HTML)", runReport);

}  // namespace
}  // namespace nuvelo::cli
