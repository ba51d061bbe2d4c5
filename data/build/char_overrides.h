// Our reviewed decisions about single characters, kept in
// data/content/characters/ (UTF-8, one character per line, "#" starts a comment):
//   traditional_forms.txt  CHAR FORM          the traditional form to use
//   readings.txt           CHAR READING[,..]  readings that come first, in order
//   strokes.txt            CHAR COUNT         a Kangxi count the rule gets wrong
//   extra_chars.txt        CHARS...           characters that must have a row
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace nuvelo::dbbuild {

struct CharOverrides {
    std::map<char32_t, char32_t> traditional;
    std::map<char32_t, std::vector<std::string>> readings;
    std::map<char32_t, int> kangxiStrokes;
    std::set<char32_t> required;
};

// Reads the four files of `dir`; strokes.txt may be absent. False with a
// message naming the file and line of a malformed entry.
bool readCharOverrides(const std::filesystem::path& dir, CharOverrides& overrides, std::string& error);

}  // namespace nuvelo::dbbuild
