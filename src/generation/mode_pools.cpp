#include "generation/mode_pools.h"

#include "generation/candidate_pools.h"
#include "generation/shuffle_pool.h"
#include "text/gbk.h"

namespace nuvelo::generation {

namespace {
bool isGirl(const RunInputs& in) { return in.sex == "女"; }

std::vector<std::string> shuffledSexPool(const RunInputs& in, std::mt19937_64& random) {
    std::vector<std::string> pool = text::splitChars(isGirl(in) ? kGirlPool : kBoyPool);
    shufflePool(pool, random);
    return pool;
}
}  // namespace

std::vector<std::string> highScorePool(const RunInputs& in, std::mt19937_64& random) {
    std::vector<std::string> pool = shuffledSexPool(in, random);
    std::size_t keep = in.nameLength == 2 ? 400 : 1000;
    if (pool.size() > keep) pool.resize(keep);
    pool.push_back(in.surname);
    return pool;
}

std::vector<std::string> superPool(const RunInputs& in, std::mt19937_64& random) {
    std::vector<std::string> pool = shuffledSexPool(in, random);
    pool.push_back(in.surname);
    return pool;
}

std::vector<std::string> poetryPool(const RunInputs& in) {
    std::string poolText;
    for (const auto& [caption, ticked] : in.poemBoxes)
        if (ticked && !text::contains(poolText, caption)) poolText += caption;
    if (!text::contains(poolText, in.surname)) poolText += in.surname;
    return text::splitChars(poolText);
}

std::string keepGb2312Hanzi(const std::string& input) {
    std::string noSpaces = text::withoutSpaces(input);
    std::string out;
    for (std::size_t i = 0; i < noSpaces.size();) {
        auto lead = static_cast<unsigned char>(noSpaces[i]);
        if (lead < 128 || i + 1 >= noSpaces.size()) {
            ++i;
            continue;
        }
        auto trail = static_cast<unsigned char>(noSpaces[i + 1]);
        if (lead >= 176 && lead <= 247 && trail >= 161 && trail <= 254) out.append(noSpaces, i, 2);
        i += 2;
    }
    return out;
}

std::vector<std::string> combinationPool(const RunInputs& in) {
    std::string poolText = in.combinationText;
    if (!text::contains(poolText, in.surname)) poolText += in.surname;
    return text::splitChars(keepGb2312Hanzi(poolText));
}

std::vector<std::string> nicknamePoolFor(const RunInputs& in) {
    std::string poolText = nicknamePool();
    if (!text::contains(poolText, in.surname)) poolText += in.surname;
    return text::splitChars(poolText);
}

std::string classicText(const RunInputs& in, std::mt19937_64& random) {
    bool two = in.nameLength == 2;
    std::vector<std::string> source = two ? text::splitText(isGirl(in) ? kGirlNameList : kBoyNameList, ",")
                                          : text::splitChars(isGirl(in) ? kGirlCharList : kBoyCharList);
    shufflePool(source, random);
    const std::string separator = two ? "  " : "   ";
    const std::size_t perLine = two ? 14 : 16;
    std::string out;
    out.reserve(source.size() * (in.surname.size() + 8));
    for (std::size_t i = 1; i <= source.size(); ++i) {
        out += in.surname + source[i - 1] + separator;
        if (i % perLine == 0) out += "\r\n\r\n";
    }
    return out;
}

}  // namespace nuvelo::generation
