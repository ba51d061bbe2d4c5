// Prints a digest of every GBK literal the fuzz build compiles from converted
// sources. The fuzz build compiles this file twice, with clang over the
// converted copies and with GCC (-fexec-charset=GBK) over the original
// sources, and fails unless both print the same lines.
//
// Usage: gbk_literal_probe DIGEST_FILE SCRATCH_FILE (the scratch file is a
// settings file it overwrites).
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include "generation/candidate_pools.h"
#include "generation/mode_pools.h"
#include "generation/run_inputs.h"
#include "settings/name_records.h"

namespace {

std::uint64_t fnv1a(std::string_view bytes) {
    std::uint64_t h = 14695981039346656037ULL;
    for (char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ULL;
    }
    return h;
}

std::FILE* digest = nullptr;

void print(const char* name, std::string_view bytes) {
    std::fprintf(digest, "%s %zu %016llx\n", name, bytes.size(), static_cast<unsigned long long>(fnv1a(bytes)));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: gbk_literal_probe DIGEST_FILE SCRATCH_FILE\n");
        return 2;
    }
    digest = std::fopen(argv[1], "w");
    if (!digest) {
        std::fprintf(stderr, "%s: cannot be written\n", argv[1]);
        return 1;
    }
    using namespace nuvelo;
    print("kBoyPool", generation::kBoyPool);
    print("kGirlPool", generation::kGirlPool);
    print("kBoyNameList", generation::kBoyNameList);
    print("kGirlNameList", generation::kGirlNameList);
    print("kBoyCharList", generation::kBoyCharList);
    print("kGirlCharList", generation::kGirlCharList);

    // run_inputs.h: the default sex; mode_pools.cpp: its test for a girl.
    generation::RunInputs in;
    print("RunInputs.sex", in.sex);
    in.surname = "\xD5\xC5";  // GBK 张
    in.sex = "\xC5\xAE";      // GBK 女
    std::mt19937_64 random(7);
    print("classicText.girl", generation::classicText(in, random));

    // name_records.cpp: the section and key names of the settings file.
    settings::SavedInputs saved;
    saved.surname = "\xD5\xC5";
    saved.records = settings::parseRecords("a;b|c|");
    if (!settings::saveSavedInputs(argv[2], saved)) {
        std::fprintf(stderr, "%s: cannot be written\n", argv[2]);
        return 1;
    }
    std::ifstream file(argv[2], std::ios::binary);
    std::string written((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    print("saveSavedInputs", written);
    print("loadSavedInputs.surname", settings::loadSavedInputs(argv[2]).surname);
    return std::fclose(digest) == 0 ? 0 : 1;
}
