// Fixed readings of a pillar for the birth chart: the five elements of its
// stem and branch, its nayin (纳音), and the naming advice for the zodiac
// animal of the year branch.
#pragma once

#include <string>

#include "birthchart/chinese_calendar.h"

namespace nuvelo::birthchart {

// Element of the stem then of the branch, each followed by ",": "木,水," for
// 甲子; "" outside 1..60.
std::string elementPairOf(SexagenaryIndex index);

// Elements of 金 木 水 火 土, in that order, that do not occur in `elements`.
std::string missingElementsOf(const std::string& elements);
// "五行不缺" when nothing is missing, else "五行缺：" followed by the missing ones.
std::string missingElementsText(const std::string& missing);

// Nayin of the pillar, e.g. "海中金" for 甲子 and 乙丑; "" outside 1..60.
std::string nayinOf(SexagenaryIndex index);

// Naming advice for the zodiac animal of a branch number 1..12 (子 = 鼠 ...);
// "" outside 1..12.
std::string zodiacAdviceOf(int branch);

}  // namespace nuvelo::birthchart
