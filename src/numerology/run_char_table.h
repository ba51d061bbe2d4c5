// RunCharTable: the character facts of one generation run, in pool order.
//
// While a run evaluates names it reads facts only from here, never from the
// database. Search is by exact text; the first matching entry wins; a text
// without an entry has zero counts and no element. Not thread-safe for
// writes; concurrent reads are fine once filled.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "numerology/char_facts.h"

namespace nuvelo::numerology {

class RunCharTable {
public:
    void clear();
    // Appends an entry; returns its index.
    int add(CharFacts facts);
    // Index of the first entry with this text, -1 when none.
    int indexOf(const std::string& character) const;
    // Facts of the first entry with this text, or empty facts for it.
    CharFacts findFacts(const std::string& character) const;

    const CharFacts& at(int index) const { return entries_[static_cast<std::size_t>(index)]; }
    int size() const { return static_cast<int>(entries_.size()); }

private:
    std::vector<CharFacts> entries_;
    std::unordered_map<std::string, int> first_;
};

}  // namespace nuvelo::numerology
