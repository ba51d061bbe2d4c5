#include "generation/generation_run.h"

#include "generation/candidates.h"
#include "generation/english_names.h"
#include "generation/list_candidates.h"
#include "generation/mode_pools.h"
#include "generation/shuffle_pool.h"
#include "numerology/score.h"
#include "text/gbk.h"

namespace nuvelo::generation {

const char* const kNeedSurname = "请输入姓氏";
const char* const kOneCharNameNotice = "一字名数理得分较低,所以软件自动降低评分标准!";
const char* const kGenerationCharNotice = "设定辈份后,产生的名字较少,所以系统将显示全部名字";
const char* const kNoticeTitle = "提示";
const char* const kTooManyCombinationChars = "要组合的字太多了，请不要超过500个字";

int superMinimum(const std::string& tianLuck) {
    numerology::LuckGrade g = numerology::gradeOf(tianLuck);
    return g == numerology::LuckGrade::Other ? 0 : numerology::bestScoreWithTian(g);
}

namespace {

using numerology::LuckTable;
using numerology::RunCharTable;

struct Run {
    const SharedRunInputs& shared;
    RunInputs in;
    refdata::NameDb& db;
    RunHost& host;
    worker::WorkerControl* control;
    std::mt19937_64 random;
    RunCharTable table;
    CandidateSet candidates;

    bool stopped() const { return control && control->stopRequested(); }

    // A name-length-1 run of the pair modes tells the user first and waits.
    bool noticeOneChar() {
        if (in.nameLength == 2) return true;
        return host.waitForMessage(kOneCharNameNotice, kNoticeTitle, MessageIcon::Information) && !stopped();
    }

    ListOutcome list(ListId id, std::size_t capacity, int minimum, bool closes, RunControl pause) {
        LuckTable luck(db);
        return listCandidates(ListRequest{id, capacity, minimum, closes, pause}, candidates, table, luck, shared,
                              host, control);
    }

    // Steps 5 to 8 of the mode; false when the run was stopped.
    bool modeSteps() {
        switch (in.mode) {
            case Mode::Classic:
                host.showPage(10);
                host.setClassicText("");
                host.setClassicText(classicText(in, random));
                return true;
            case Mode::English:
                host.closeWaiting();
                host.appendRows(ListId::English, englishNameRows(db, in.englishGiven, in.englishSex));
                return true;
            case Mode::HighScore: {
                host.setEnabled(RunControl::HighPause, false);
                host.setEnabled(RunControl::Regenerate, false);
                host.setEnabled(RunControl::HighExport, false);
                host.showPage(1);
                std::vector<std::string> pool = highScorePool(in, random);
                if (!noticeOneChar()) return false;
                if (generateCandidates(pool, in.nameLength, in, db, table, candidates, control) ==
                    PassResult::Stopped)
                    return false;
                bool fixedChar = in.nameLength == 2 && in.generationChar != GenerationChar::None;
                if (fixedChar && !host.waitForMessage(kGenerationCharNotice, kNoticeTitle, MessageIcon::Warning))
                    return false;
                int minimum = in.nameLength == 2 && !fixedChar ? 90 : 0;
                if (list(ListId::HighScore, 10000, minimum, true, RunControl::HighPause).stopped) return false;
                host.setEnabled(RunControl::Regenerate, true);
                return true;
            }
            case Mode::Super: {
                host.setEnabled(RunControl::SuperGenerate, false);
                host.setEnabled(RunControl::SuperPause, false);
                host.setEnabled(RunControl::SuperExport, false);
                std::vector<std::string> pool = superPool(in, random);
                if (superCandidates(pool, in.filters, db, table, candidates, control) == PassResult::Stopped)
                    return false;
                std::vector<std::string> s = text::splitChars(in.surname);
                int s1 = s.empty() ? 0 : table.findFacts(s[0]).kangxi;
                int tian = s.size() == 1 ? s1 + 1 : s1 + (s.size() > 1 ? table.findFacts(s[1]).kangxi : 0);
                LuckTable luck(db);
                int minimum = superMinimum(luck.luckOfNumber(tian));
                if (list(ListId::Super, 100000, minimum, true, RunControl::SuperPause).stopped) return false;
                host.setEnabled(RunControl::SuperGenerate, true);
                host.setEnabled(RunControl::SuperExport, true);
                return true;
            }
            case Mode::Poetry:
            case Mode::Combination: {
                if (in.mode == Mode::Poetry) host.showPoemResultPage();
                std::vector<std::string> pool = in.mode == Mode::Poetry ? poetryPool(in) : combinationPool(in);
                if (in.mode == Mode::Combination && pool.size() > kCombinationLimit) {
                    host.closeWaiting();
                    host.showMessage(kTooManyCombinationChars, kNoticeTitle, MessageIcon::Warning);
                    return true;
                }
                if (!noticeOneChar()) return false;
                if (generateCandidates(pool, in.nameLength, in, db, table, candidates, control) ==
                    PassResult::Stopped)
                    return false;
                host.closeWaiting();
                ListId id = in.mode == Mode::Poetry ? ListId::Poetry : ListId::Combination;
                return !list(id, 0, 0, false, RunControl::HighPause).stopped;
            }
            case Mode::Nickname: {
                std::vector<std::string> pool = nicknamePoolFor(in);
                if (nicknameCandidates(pool, in.nicknameStyle, db, table, candidates, control) ==
                    PassResult::Stopped)
                    return false;
                host.closeWaiting();
                return !list(ListId::Nickname, 0, 0, false, RunControl::HighPause).stopped;
            }
        }
        return true;
    }
};

}  // namespace

void generationRun(const SharedRunInputs& inputs, refdata::NameDb& db, RunHost& host,
                   worker::WorkerControl* control) {
    RunInputs in = inputs.get();
    const unsigned long long seed = in.seed;
    Run run{inputs, std::move(in), db, host, control, makeRandom(seed), {}, {}};
    host.beginRun();
    if (run.in.surname.empty()) {
        host.showMessage(kNeedSurname, kNoticeTitle, MessageIcon::None);
    } else if (!run.modeSteps()) {
        return;  // stopped: no further window changes
    }
    if (run.stopped()) return;
    host.endRun();
}

}  // namespace nuvelo::generation
