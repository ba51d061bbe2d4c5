// The facts of one character that the numerology uses, and their lookup.
#pragma once

#include <string>

#include "refdata/name_db.h"

namespace nuvelo::numerology {

struct CharFacts {
    std::string character;  // GBK, normally one character (two bytes)
    int simplified = 0;     // 简体笔画数
    int kangxi = 0;         // 繁体笔画数, the basis of every grid
    std::string element;    // 五行属性: 金 木 水 火 土, or empty

    // Usable characters have an element and a simplified stroke count.
    bool usable() const { return !element.empty() && simplified != 0; }
};

// Looks `character` up in NV_CNWord (first row). No row gives facts holding
// only the character, with zero counts and no element. Thread-safe.
CharFacts lookupFacts(refdata::NameDb& db, const std::string& character);

}  // namespace nuvelo::numerology
