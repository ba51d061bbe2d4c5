#include "surname_spelling.h"

#include <map>
#include <set>

#include "opencc_forms.h"

namespace nuvelo::dbbuild {

namespace {

// Spellings of a surname whose simplified form an earlier surname of the list
// already holds. 於 (Yū) and 鬱 are surnames of their own beside 于 and 郁 and
// keep their old spelling; the package writes 后 twice, where the second one
// (况后有琴) is the surname 郈.
const std::map<std::string, std::string>& laterSpellings() {
    static const std::map<std::string, std::string> spellings = {
        {"于", "於"},
        {"郁", "鬱"},
        {"后", "郈"},
    };
    return spellings;
}

}  // namespace

bool simplifySurnames(const std::vector<std::string>& traditional, std::vector<std::string>& simplified,
                      std::string& error) {
    OpenccConverter converter;
    if (!converter.open("t2s.json", error)) return false;
    simplified.clear();
    std::set<std::string> taken;
    std::string merged;
    for (const std::string& name : traditional) {
        std::string key = converter.convert(name);
        if (taken.count(key)) {
            auto later = laterSpellings().find(key);
            if (later == laterSpellings().end() || taken.count(later->second)) {
                merged += (merged.empty() ? "" : " ") + name;
            } else {
                key = later->second;
            }
        }
        taken.insert(key);
        simplified.push_back(key);
    }
    if (!merged.empty()) {
        error = "surnames that fall together with an earlier one: " + merged;
        return false;
    }
    return true;
}

}  // namespace nuvelo::dbbuild
