#include "generation/shuffle_pool.h"

#include <time.h>

namespace nuvelo::generation {

std::mt19937_64 makeRandom(unsigned long long seed) {
    if (seed == 0) {
        // <chrono> cannot be included here: its literals do not fit the GBK
        // execution character set, so the clock is read the C way.
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        seed = (static_cast<unsigned long long>(now.tv_sec) * 1000000000ULL +
                static_cast<unsigned long long>(now.tv_nsec)) ^ std::random_device{}();
    }
    return std::mt19937_64(seed);
}

void shufflePool(std::vector<std::string>& pool, std::mt19937_64& random) {
    if (pool.size() < 2) return;
    for (std::size_t i = 0; i + 1 < pool.size(); ++i) {
        std::uniform_int_distribution<std::size_t> pick(i, pool.size() - 1);
        std::swap(pool[i], pool[pick(random)]);
    }
}

}  // namespace nuvelo::generation
