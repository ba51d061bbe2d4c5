// The candidates of a run: given names made of one or two character entries.
//
// Entry indices point into `chars`: first the run's RunCharTable entries (same
// indices), then fixed texts (a generation character, a nickname pattern
// character) whose facts were found in the RunCharTable by text.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "generation/run_inputs.h"
#include "numerology/run_char_table.h"
#include "worker/worker_control.h"

namespace nuvelo::generation {

struct CandidateSet {
    std::vector<numerology::CharFacts> chars;
    std::vector<std::array<int32_t, 2>> names;  // second index -1: one character

    void clear() {
        chars.clear();
        names.clear();
    }
    std::string text(std::size_t i) const;
    // Index of a fixed text's entry, its facts taken from `table`.
    int32_t addFixed(const numerology::RunCharTable& table, const std::string& character);
};

// Outcome of a pass that may be stopped between two pool entries.
enum class PassResult { Done, Stopped };

// Fills `table` with the facts of every pool entry (lookupFacts, pool order)
// and generates the high-score / poetry / combination candidates:
// all pairs p + q of a usable p with every entry q; or X + p / p + Y with a
// generation character; or single characters for name length 1.
PassResult generateCandidates(const std::vector<std::string>& pool, int nameLength, const RunInputs& inputs,
                              refdata::NameDb& db, numerology::RunCharTable& table, CandidateSet& out,
                              worker::WorkerControl* control);

// The four filter sets of the super-auspicious mode (texts of element names).
struct FilterSets {
    std::string second, third, required, forbidden;
};
FilterSets filterSets(const ElementFilters& f);

// Super-auspicious pass: facts of every entry, the position and whole-name
// lists by element, then second × third and whole × whole candidates.
PassResult superCandidates(const std::vector<std::string>& pool, const ElementFilters& filters,
                           refdata::NameDb& db, numerology::RunCharTable& table, CandidateSet& out,
                           worker::WorkerControl* control);

// Nickname pass: one candidate per usable entry in the chosen style.
PassResult nicknameCandidates(const std::vector<std::string>& pool, NicknameStyle style, refdata::NameDb& db,
                              numerology::RunCharTable& table, CandidateSet& out,
                              worker::WorkerControl* control);

}  // namespace nuvelo::generation
