#include "generation/list_candidates.h"

#include <time.h>

#include "numerology/evaluate_name.h"
#include "text/gbk.h"

namespace nuvelo::generation {

using numerology::CharFacts;

namespace {

long long nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

// The surname and its facts as one candidate loop needs them.
struct SurnameView {
    std::string text;
    int count = 0;
    CharFacts s1, s2;
    bool oneChar = false;

    SurnameView(const std::string& surname, const numerology::RunCharTable& table) : text(surname) {
        std::vector<std::string> chars = text::splitChars(surname);
        count = static_cast<int>(chars.size());
        if (!chars.empty()) s1 = table.findFacts(chars[0]);
        if (chars.size() > 1) s2 = table.findFacts(chars[1]);
        oneChar = surname.size() == 2 && count == 1;
    }
};

}  // namespace

NameRow rowOf(std::size_t number, const std::string& surname, const std::string& given, const CharFacts* s1,
              const CharFacts* s2, const CharFacts* g1, const CharFacts* g2, int surnameCount, int givenCount,
              numerology::LuckTable& luck) {
    numerology::NameNumbers n = numerology::evaluateFacts(surnameCount, s1, s2, givenCount, g1, g2, luck);
    NameRow row;
    row.cells[0] = std::to_string(number);
    row.cells[1] = surname + given;
    row.cells[2] = std::to_string(n.simplifiedTotal);
    row.cells[3] = std::to_string(n.grids.zong);
    row.cells[4] = numerology::elementsOf(s1, surnameCount == 1 ? nullptr : s2, g1, givenCount == 1 ? nullptr : g2);
    row.cells[5] = numerology::gridsText(n.grids);
    row.cells[6] = numerology::talentsKey(n.grids);
    row.cells[7] = std::to_string(n.score);
    row.sortKey = n.score;
    return row;
}

ListOutcome listCandidates(const ListRequest& request, const CandidateSet& candidates,
                           const numerology::RunCharTable& table, numerology::LuckTable& luck,
                           const SharedRunInputs& inputs, RunHost& host, worker::WorkerControl* control) {
    ListOutcome outcome;
    SurnameView surname(inputs.get().surname, table);
    // Per entry: does its text contain the surname? Candidates of two entries
    // contain a one-character surname only through one of their entries.
    std::vector<char> holds(candidates.chars.size());
    auto refreshHolds = [&] {
        for (std::size_t i = 0; i < holds.size(); ++i)
            holds[i] = text::contains(candidates.chars[i].character, surname.text) ? 1 : 0;
    };
    refreshHolds();

    std::vector<NameRow> batch;
    long long lastFlush = nowMs();
    auto flush = [&] {
        if (!batch.empty()) host.appendRows(request.list, std::move(batch));
        batch.clear();
        lastFlush = nowMs();
    };

    const std::size_t total = candidates.names.size();
    for (std::size_t i = 0; i < total; ++i) {
        if (control) {
            worker::WorkerControl::Step step = control->checkpoint(flush);
            if (step == worker::WorkerControl::Step::Stop) {
                outcome.stopped = true;
                return outcome;
            }
            if (step == worker::WorkerControl::Step::Resumed) {
                surname = SurnameView(inputs.get().surname, table);
                refreshHolds();
            }
        }
        const auto& name = candidates.names[i];
        const CharFacts& g1 = candidates.chars[static_cast<std::size_t>(name[0])];
        const CharFacts* g2 = name[1] >= 0 ? &candidates.chars[static_cast<std::size_t>(name[1])] : nullptr;
        if (holds[static_cast<std::size_t>(name[0])] || (g2 && holds[static_cast<std::size_t>(name[1])])) continue;
        if (!surname.oneChar && text::contains(candidates.text(i), surname.text)) continue;

        int givenCount = g2 ? 2 : 1;
        numerology::NameNumbers n =
            numerology::evaluateFacts(surname.count, &surname.s1, &surname.s2, givenCount, &g1, g2, luck);
        if (n.score < request.minimum) continue;

        ++outcome.listed;
        batch.push_back(rowOf(outcome.listed, surname.text, candidates.text(i), &surname.s1, &surname.s2, &g1, g2,
                              surname.count, givenCount, luck));
        if (outcome.listed == 1 && request.closesWaiting) {
            flush();
            host.closeWaiting();
            host.setEnabled(request.pauseButton, true);
        }
        if (request.capacity && outcome.listed >= request.capacity) break;
        if (batch.size() >= 512 || ((i & 1023) == 0 && nowMs() - lastFlush > 40)) flush();
    }
    flush();
    host.finishList(request.list);
    return outcome;
}

}  // namespace nuvelo::generation
