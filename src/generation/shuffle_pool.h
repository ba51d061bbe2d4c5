// Uniform in-place shuffle of a pool.
#pragma once

#include <random>
#include <string>
#include <vector>

namespace nuvelo::generation {

// A random generator seeded from `seed`, or from the clock when it is 0.
std::mt19937_64 makeRandom(unsigned long long seed);

// Exchanges each entry i (0-based, from the first to the next-to-last) with
// an entry chosen uniformly among positions i..n-1: every order is equally
// likely.
void shufflePool(std::vector<std::string>& pool, std::mt19937_64& random);

}  // namespace nuvelo::generation
