#include "numerology/five_grids.h"

#include "numerology/luck.h"

namespace nuvelo::numerology {

FiveGrids computeGrids(int surnameCount, int s1, int s2, int givenCount, int g1, int g2) {
    bool oneSurname = surnameCount == 1;
    bool oneGiven = givenCount == 1;
    if (oneSurname) s2 = 0;
    if (oneGiven) g2 = 0;
    FiveGrids g;
    g.tian = oneSurname ? s1 + 1 : s1 + s2;
    g.ren = (oneSurname ? s1 : s2) + g1;
    g.di = oneGiven ? g1 + 1 : g1 + g2;
    g.zong = s1 + s2 + g1 + g2;
    if (oneSurname && oneGiven) g.wai = 2;
    else if (!oneSurname && !oneGiven) g.wai = g.zong - g.ren;
    else g.wai = g.zong - g.ren + 1;
    return g;
}

std::string gridsText(const FiveGrids& g) {
    return std::to_string(g.tian) + "," + std::to_string(g.ren) + "," + std::to_string(g.di) + "," +
           std::to_string(g.zong) + "," + std::to_string(g.wai);
}

std::string talentsKey(const FiveGrids& g) {
    return elementOfNumber(g.tian % 10) + elementOfNumber(g.ren % 10) + elementOfNumber(g.di % 10);
}

}  // namespace nuvelo::numerology
