// Benchmarks of the numerology and of whole generation runs.
//
// The reference data is synthetic (every pool character, every luck word),
// loaded into an in-memory NameDb, so the figures measure our code only.
#include <benchmark/benchmark.h>

#include <set>

#include "generation/candidate_pools.h"
#include "generation/candidates.h"
#include "generation/collecting_host.h"
#include "generation/generation_run.h"
#include "generation/list_candidates.h"
#include "generation/mode_pools.h"
#include "generation/shuffle_pool.h"
#include "numerology/evaluate_name.h"
#include "refdata/reference_schema.h"
#include "text/gbk.h"

using namespace nuvelo;

namespace {

refdata::NameDb& syntheticDb() {
    static refdata::NameDb db;
    static bool ready = false;
    if (ready) return db;
    db.openMemory();
    for (const refdata::TableSchema& t : refdata::referenceTables()) db.createTable(t.name, t.fields);
    db.begin();
    const char* elements[] = {"木", "火", "土", "金", "水"};
    const char* words[] = {"大吉", "吉", "中", "凶", "大凶"};
    int i = 0;
    std::set<std::string> seen;
    for (const std::string& c : text::splitChars(generation::nicknamePool() + "李")) {
        if (!seen.insert(c).second) continue;
        ++i;
        db.query("insert into NV_CNWord (汉字, 简体笔画数, 繁体笔画数, 五行属性) values (?, ?, ?, ?)",
                 {c, std::to_string(3 + i % 17), std::to_string(4 + i % 19), elements[i % 5]});
    }
    for (int n = 1; n <= 81; ++n)
        db.query("insert into NV_八一灵动数 (Id, 吉凶) values (?, ?)", {std::to_string(n), words[(n * 7) % 5 < 2 ? 0 : 1]});
    for (const char* a : elements)
        for (const char* b : elements)
            for (const char* c : elements)
                db.query("insert into NV_三才配置 (三才, 吉凶) values (?, ?)", {std::string(a) + b + c, "吉"});
    db.commit();
    db.exec("CREATE INDEX i1 on NV_CNWord(汉字 ASC)");
    ready = true;
    return db;
}

void BM_EvaluateFacts(benchmark::State& state) {
    numerology::LuckTable luck(syntheticDb());
    numerology::CharFacts s{"李", 7, 7, "木"}, a{"明", 8, 8, "火"}, b{"华", 12, 14, "水"};
    int k = 0;
    for (auto _ : state) {
        a.kangxi = 4 + (k++ & 15);
        numerology::NameNumbers n = numerology::evaluateFacts(1, &s, nullptr, 2, &a, &b, luck);
        benchmark::DoNotOptimize(n.score);
    }
}
BENCHMARK(BM_EvaluateFacts);

void BM_HighScoreRun(benchmark::State& state) {
    generation::RunInputs in;
    in.mode = generation::Mode::HighScore;
    in.surname = "李";
    in.nameLength = 2;
    in.seed = 7;
    generation::SharedRunInputs shared;
    shared.set(in);
    for (auto _ : state) {
        generation::CollectingHost host;
        generation::generationRun(shared, syntheticDb(), host, nullptr);
        benchmark::DoNotOptimize(host.rows(generation::ListId::HighScore).size());
    }
}
BENCHMARK(BM_HighScoreRun)->Unit(benchmark::kMillisecond);

// The super-auspicious shape: the whole boy pool squared, about 3.4 million
// candidates, each evaluated; nothing qualifies, so the loop itself is timed.
void BM_SuperShapeLoop(benchmark::State& state) {
    generation::RunInputs in;
    in.surname = "李";
    auto random = generation::makeRandom(7);
    std::vector<std::string> pool = generation::superPool(in, random);
    numerology::RunCharTable table;
    generation::CandidateSet candidates;
    generation::superCandidates(pool, in.filters, syntheticDb(), table, candidates, nullptr);
    generation::SharedRunInputs shared;
    shared.set(in);
    for (auto _ : state) {
        numerology::LuckTable luck(syntheticDb());
        generation::CollectingHost host;
        generation::ListRequest request{generation::ListId::Super, 100000, 101, true,
                                        generation::RunControl::SuperPause};
        auto outcome = generation::listCandidates(request, candidates, table, luck, shared, host, nullptr);
        benchmark::DoNotOptimize(outcome.listed);
    }
    state.SetLabel(std::to_string(candidates.names.size()) + " candidates");
}
BENCHMARK(BM_SuperShapeLoop)->Unit(benchmark::kMillisecond);

}  // namespace
