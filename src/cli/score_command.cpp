// nuvelo-cli score SURNAME GIVEN: the numbers of one name.
#include <cstdio>

#include "cli/cli_command.h"
#include "report/report_numbers.h"
#include "numerology/five_grids.h"
#include "text/gbk.h"

namespace nuvelo::cli {
namespace {

int runScore(const Args& args) {
    if (args.positional.size() != 2) return badInput("usage: score SURNAME GIVEN");
    std::string surname, given;
    if (int status = readNameArgs(args, surname, given)) return status;
    refdata::NameDb db;
    if (!openReference(args, db)) return 1;

    report::NameReportResult n = report::reportNumbers(db, surname, given);
    const numerology::FiveGrids& g = n.grids;
    std::vector<int> grids{g.tian, g.ren, g.di, g.zong, g.wai};
    std::vector<std::string> words(n.luckWords.begin(), n.luckWords.end());
    if (args.json) {
        std::printf("{\"surname\":%s,\"given\":%s,\"simplified_total\":%d,\"grids\":%s,\"elements\":%s,"
                    "\"sancai\":%s,\"luck\":%s,\"score\":%d}\n",
                    jsonString(surname).c_str(), jsonString(given).c_str(), n.simplifiedTotal,
                    jsonNumbers(grids).c_str(), jsonString(n.elements).c_str(), jsonString(n.talents).c_str(),
                    jsonStrings(words).c_str(), n.score);
    } else {
        printGbk(surname + given + "  五格 " + numerology::gridsText(g) + "  五行 " + n.elements + "  三才 " +
                 n.talents + "  吉凶 " + text::joinText(words, ",") + "  评分 " + std::to_string(n.score) +
                 "  简体笔划 " + std::to_string(n.simplifiedTotal) + "\n");
    }
    db.close();
    return 0;
}

const CommandRegistrar reg("score", "SURNAME GIVEN            five grids, elements, luck and score of a name", runScore);

}  // namespace
}  // namespace nuvelo::cli
