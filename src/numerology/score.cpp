#include "numerology/score.h"

namespace nuvelo::numerology {
namespace {
constexpr int kPoints[6] = {5, 30, 20, 20, 10, 15};
// indexed by LuckGrade: Other, 大吉, 吉, 中, 凶, 大凶
constexpr int kSharePercent[6] = {0, 100, 100, 85, 60, 30};
}  // namespace

int scoreHundredths(const LuckList& luck) {
    int sum = 0;
    for (int i = 0; i < 6; ++i) sum += kPoints[i] * kSharePercent[static_cast<int>(luck[static_cast<std::size_t>(i)])];
    return sum;
}

int bestScoreWithTian(LuckGrade tian) {
    LuckList list{tian, LuckGrade::Ji, LuckGrade::Ji, LuckGrade::Ji, LuckGrade::Ji, LuckGrade::Ji};
    return scoreOf(list);
}

}  // namespace nuvelo::numerology
