// The score out of 100 from the six luck classes of a name.
#pragma once

#include <array>

#include "numerology/luck.h"

namespace nuvelo::numerology {

// Luck list order: 天格, 人格, 地格, 总格, 外格, 三才.
using LuckList = std::array<LuckGrade, 6>;

// Exact sum in hundredths of a point: Σ points × share-percent
// (points 5, 30, 20, 20, 10, 15; shares 100 100 85 60 30 0 percent).
int scoreHundredths(const LuckList& luck);
// The score: the sum rounded down to a whole number. Allocates nothing.
inline int scoreOf(const LuckList& luck) { return scoreHundredths(luck) / 100; }

// Best score reachable with a 天格 of this grade (the other five items all
// 吉 or 大吉): 100, 100, 99, 98, 96; 95 for an unrecognised class.
int bestScoreWithTian(LuckGrade tian);

}  // namespace nuvelo::numerology
