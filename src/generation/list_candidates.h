// listCandidates: evaluates a run's candidates and hands qualifying rows over.
#pragma once

#include <string>

#include "generation/candidates.h"
#include "generation/run_host.h"
#include "numerology/luck.h"
#include "worker/worker_control.h"

namespace nuvelo::generation {

struct ListRequest {
    ListId list = ListId::HighScore;
    std::size_t capacity = 0;   // 0: unlimited
    int minimum = 0;            // minimum score
    bool closesWaiting = false; // the first row closes the waiting window
    RunControl pauseButton = RunControl::HighPause;  // enabled with the first row when closesWaiting
};

struct ListOutcome {
    std::size_t listed = 0;
    bool stopped = false;
};

// Evaluates surname + candidate for every candidate in generation order,
// skipping candidates that contain the surname text, and hands the rows of
// names scoring at least the minimum to `host` in batches, numbered in the
// order they qualified, until `capacity` rows are listed. Finally asks the
// host to sort and renumber the list. While paused no row is handed over;
// after a resume the surname is read again from `inputs`.
ListOutcome listCandidates(const ListRequest& request, const CandidateSet& candidates,
                           const numerology::RunCharTable& table, numerology::LuckTable& luck,
                           const SharedRunInputs& inputs, RunHost& host, worker::WorkerControl* control);

// One list row of a name (cells as in every scored list).
NameRow rowOf(std::size_t number, const std::string& surname, const std::string& given,
              const numerology::CharFacts* s1, const numerology::CharFacts* s2,
              const numerology::CharFacts* g1, const numerology::CharFacts* g2, int surnameCount,
              int givenCount, numerology::LuckTable& luck);

}  // namespace nuvelo::generation
