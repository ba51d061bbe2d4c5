// The numbers of the name report, computed the report's own way.
//
// The report looks every character up in the database itself and keeps its
// facts only when the character is usable (else 0, 0 and empty texts); a
// one-character surname 于 counts its simplified strokes as Kangxi strokes.
// Only the first two characters of each part take part.
#pragma once

#include <array>
#include <string>

#include "numerology/five_grids.h"
#include "numerology/luck.h"
#include "numerology/score.h"
#include "refdata/name_db.h"

namespace nuvelo::report {

// Facts of one report position.
struct PositionFacts {
    std::string character;  // as entered; empty when the position is absent
    std::string traditional;
    std::string pinyin;
    std::string element;
    int simplified = 0;
    int kangxi = 0;
    bool present = false;   // the name has a character at this position
};

// What the report leaves for its caller, plus the working values it shows.
struct NameReportResult {
    std::array<PositionFacts, 4> positions;  // surname 1, surname 2, given 1, given 2
    int surnameCount = 0;
    int givenCount = 0;
    int simplifiedTotal = 0;
    numerology::FiveGrids grids;
    std::string elements;   // usable elements of the four positions, joined
    std::string talents;    // 三才
    std::array<std::string, 6> luckWords;  // 天 人 地 总 外 三才
    int scoreHundredths = 0;
    int score = 0;          // integer part
};

// Computes the report's numbers for surname + given (GBK).
NameReportResult reportNumbers(refdata::NameDb& db, const std::string& surname, const std::string& given);

}  // namespace nuvelo::report
