// The character pools and texts each mode starts from.
#pragma once

#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "generation/run_inputs.h"

namespace nuvelo::generation {

// High-score pool: the sex's pool shuffled, its first 400 (name length 2) or
// 1000 characters, then the surname as one more entry.
std::vector<std::string> highScorePool(const RunInputs& in, std::mt19937_64& random);
// Super-auspicious pool: the whole shuffled pool, then the surname.
std::vector<std::string> superPool(const RunInputs& in, std::mt19937_64& random);
// Poetry pool: ticked captions, each once, in box order, then the surname
// if it does not occur yet; cut into characters.
std::vector<std::string> poetryPool(const RunInputs& in);
// Combination pool: the typed text plus the surname (when absent), keeping
// only GB2312 hanzi (first byte 176..247, second 161..254); repeats stay.
std::vector<std::string> combinationPool(const RunInputs& in);
// The most entries a combination pool may have: a pool of n entries gives
// n × n names, all of them listed, so a pasted page of text would need
// gigabytes. 500 entries give at most 250,000 names.
constexpr std::size_t kCombinationLimit = 500;
std::string keepGb2312Hanzi(const std::string& text);
// Nickname pool: boy pool then girl pool, then the surname when absent.
std::vector<std::string> nicknamePoolFor(const RunInputs& in);

// The classic page text: every ready-made name (or character) of the sex,
// shuffled, as surname + entry + separator, with an empty line after every
// 14th name (16th character).
std::string classicText(const RunInputs& in, std::mt19937_64& random);

}  // namespace nuvelo::generation
