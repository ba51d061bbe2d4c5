// evaluateName: one full name to its grids, elements, luck and score.
//
// This is the single numerology routine of every generated list. The facts
// come from the run's RunCharTable only; luck words from the owner's
// LuckTable. Neither is shared between threads.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "numerology/char_facts.h"
#include "numerology/five_grids.h"
#include "numerology/luck.h"
#include "numerology/run_char_table.h"
#include "numerology/score.h"

namespace nuvelo::numerology {

struct NameCandidate {
    std::vector<std::string> surnameChars;
    std::vector<std::string> givenChars;
    int s1 = 0, s2 = 0, g1 = 0, g2 = 0;  // Kangxi counts, 0 where absent
    int simplifiedTotal = 0;
    std::string elements;                 // e.g. 金木水火 (absent facts add nothing)
    FiveGrids grids;
    std::string talents;                  // e.g. 金土水
    std::array<std::string, 6> luckWords; // 天 人 地 总 外 三才
    LuckList luck{};
    int score = 0;
};

// The numbers of a name from the facts of its (at most four) positions.
// `surname[1]` / `given[1]` may be null when that position is absent.
// This is the allocation-free inner step of evaluateName.
struct NameNumbers {
    FiveGrids grids;
    int simplifiedTotal = 0;
    LuckList luck{};
    int score = 0;
};
NameNumbers evaluateFacts(int surnameCount, const CharFacts* s1, const CharFacts* s2, int givenCount,
                          const CharFacts* g1, const CharFacts* g2, LuckTable& luck);

// The element string of the same positions.
std::string elementsOf(const CharFacts* s1, const CharFacts* s2, const CharFacts* g1, const CharFacts* g2);

// Surname + given name (GBK texts), facts from `facts`.
NameCandidate evaluateName(const std::string& surname, const std::string& given, const RunCharTable& facts,
                           LuckTable& luck);

}  // namespace nuvelo::numerology
