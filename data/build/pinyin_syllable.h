// One pinyin syllable taken apart: toneless spelling, initial and final.
#pragma once

#include <string>
#include <string_view>

namespace nuvelo::dbbuild {

struct Syllable {
    std::string toneless;  // ASCII, ü written v: "lv", "hai"
    std::string initial;   // one of the 21 initials, "" for a zero initial (y and w are not initials)
    std::string final;     // the final in its standard spelling, ü written v: "ai", "iang", "ve"
};

// Takes apart a toned UTF-8 syllable such as "hǎi" or "lǜ". A letter that is
// not part of pinyin leaves the result empty.
Syllable splitSyllable(std::string_view toned);

}  // namespace nuvelo::dbbuild
