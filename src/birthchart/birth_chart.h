// The birth-chart page text: Gregorian and lunar dates, the four pillars,
// their five elements with the missing ones, the nayin and the zodiac advice.
#pragma once

#include <string>

namespace nuvelo::birthchart {

struct BirthChart { std::string text; std::string elementPairs; std::string missing; };  // GBK
BirthChart buildBirthChart(const std::string& year, const std::string& month, const std::string& day, const std::string& hour); // GBK texts of the selected list entries, e.g. "2013","1","1","0"

}  // namespace nuvelo::birthchart
