// The five grids (五格) of a name from the Kangxi counts of its characters.
#pragma once

#include <string>

namespace nuvelo::numerology {

struct FiveGrids {
    int tian = 0;   // 天格
    int ren = 0;    // 人格
    int di = 0;     // 地格
    int zong = 0;   // 总格
    int wai = 0;    // 外格
};

// Grid numbers for a surname of `surnameCount` characters with counts
// s1, s2 and a given name of `givenCount` characters with counts g1, g2
// (0 where a position does not exist). A count other than one is treated as
// two: only the first two characters of each part take part, so a longer
// part gets the 外格 of a two-character part.
FiveGrids computeGrids(int surnameCount, int s1, int s2, int givenCount, int g1, int g2);

// "天,人,地,总,外" as shown in the name lists.
std::string gridsText(const FiveGrids& g);

// Three-talent key: elements of the last digits of 天格, 人格 and 地格.
std::string talentsKey(const FiveGrids& g);

}  // namespace nuvelo::numerology
