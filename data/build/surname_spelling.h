// Simplified spellings of the surnames of the classical list.
#pragma once

#include <string>
#include <vector>

namespace nuvelo::dbbuild {

// Converts the traditional surnames (UTF-8, list order) to the simplified keys
// users type, with OpenCC's t2s conversion (opencc_forms.h). Where the conversion would merge a
// later surname into an earlier one (於 and 于 both become 于), the later one
// keeps a distinct spelling of its own; a merge without such a spelling fails.
bool simplifySurnames(const std::vector<std::string>& traditional, std::vector<std::string>& simplified,
                      std::string& error);

}  // namespace nuvelo::dbbuild
