// Luck classes (吉凶) and the two luck tables, with per-owner caches.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "refdata/name_db.h"

namespace nuvelo::numerology {

// The five recognised luck words; Other stands for any other text (the
// empty text included), which earns no points.
enum class LuckGrade : uint8_t { Other, DaJi, Ji, Zhong, Xiong, DaXiong };

// Exact comparison with "大吉" "吉" "中" "凶" "大凶".
LuckGrade gradeOf(const std::string& luckWord);

// The element of a grid number's last digit: 1,2 木; 3,4 火; 5,6 土;
// 7,8 金; 9,0 水. Any argument outside 0..9 gives "".
const std::string& elementOfNumber(int digit);
// Position of an element word in 木火土金水 (0..4), -1 for anything else.
int elementIndex(const std::string& element);

// Looks luck words up in NV_八一灵动数 and NV_三才配置 and remembers them:
// both are pure functions of their argument while the data is loaded. One
// table per owner (a run, a report); not shared between threads.
class LuckTable {
public:
    explicit LuckTable(refdata::NameDb& db) : db_(db) {}

    // Luck word of grid number n (not reduced above 81); "" without a row.
    const std::string& luckOfNumber(int n);
    // Luck word of a three-element key such as 木火土; "" without a row.
    const std::string& luckOfTalents(const std::string& key);

    LuckGrade numberGrade(int n);
    // Grade of the key made of three digits' elements (each 0..9).
    LuckGrade talentsGrade(int tianDigit, int renDigit, int diDigit);

private:
    struct NumberEntry {
        bool known = false;
        std::string word;
        LuckGrade grade = LuckGrade::Other;
    };
    NumberEntry& numberEntry(int n);
    NumberEntry& talentsEntry(int a, int b, int c);  // element indices 0..4

    refdata::NameDb& db_;
    std::vector<NumberEntry> numbers_;          // indexed by n >= 0
    std::vector<NumberEntry> negativeNumbers_;  // indexed by -n
    std::array<NumberEntry, 125> talents_{};
    NumberEntry otherTalents_;                  // keys outside the 125
    std::string otherKey_;
};

}  // namespace nuvelo::numerology
