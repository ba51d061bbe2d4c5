#include "numerology/run_char_table.h"

namespace nuvelo::numerology {

void RunCharTable::clear() {
    entries_.clear();
    first_.clear();
}

int RunCharTable::add(CharFacts facts) {
    int index = size();
    first_.emplace(facts.character, index);  // keeps the earlier entry on a repeat
    entries_.push_back(std::move(facts));
    return index;
}

int RunCharTable::indexOf(const std::string& character) const {
    auto it = first_.find(character);
    return it == first_.end() ? -1 : it->second;
}

CharFacts RunCharTable::findFacts(const std::string& character) const {
    int index = indexOf(character);
    if (index >= 0) return entries_[static_cast<std::size_t>(index)];
    CharFacts empty;
    empty.character = character;
    return empty;
}

}  // namespace nuvelo::numerology
