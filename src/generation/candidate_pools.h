// The constant candidate pools of the generators. GBK texts: a character
// pool is characters without separators (cut with splitChars), a name list
// is two-character names separated by ",".
#pragma once

#include <string>

namespace nuvelo::generation {

extern const char* const kBoyPool;       // 1854 characters
extern const char* const kGirlPool;      // 973 characters
extern const char* const kBoyNameList;   // 2910 names
extern const char* const kGirlNameList;  // 2134 names
extern const char* const kBoyCharList;   // 841 characters
extern const char* const kGirlCharList;  // 294 characters

// Boy pool followed by girl pool (2827 characters, 703 of them twice).
std::string nicknamePool();

}  // namespace nuvelo::generation
