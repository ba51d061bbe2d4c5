// The combination pool of generation/mode_pools.h over any typed text and
// surname.
//
// Every entry is one GB2312 hanzi (first byte 176..247, second 161..254).
// For GBK texts the pool is exactly the hanzi of the typed text, in order
// and with repeats, followed by those of the surname when the text does not
// hold it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "generation/mode_pools.h"
#include "generation/run_inputs.h"
#include "text/gbk.h"

namespace {

bool isGb2312Hanzi(const std::string& c) {
    if (c.size() != 2) return false;
    auto lead = static_cast<unsigned char>(c[0]), trail = static_cast<unsigned char>(c[1]);
    return lead >= 176 && lead <= 247 && trail >= 161 && trail <= 254;
}

// The GB2312 hanzi of a GBK text, character by character.
std::vector<std::string> hanziOf(const std::string& gbk) {
    std::vector<std::string> hanzi;
    for (std::size_t i = 0; i < gbk.size();) {
        std::size_t len = nuvelo::text::charLength(gbk, i);
        std::string c = gbk.substr(i, len);
        if (isGb2312Hanzi(c)) hanzi.push_back(c);
        i += len;
    }
    return hanzi;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // run_inputs.h is compiled from its GBK copy: its default sex is GBK 男.
    FUZZ_CHECK(nuvelo::generation::RunInputs{}.sex == "\xC4\xD0");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nuvelo;
    FuzzedDataProvider input(data, size);
    generation::RunInputs in;
    in.mode = generation::Mode::Combination;
    in.surname = input.ConsumeRandomLengthString(8);
    in.combinationText = input.ConsumeRemainingBytesAsString();
    std::vector<std::string> pool = generation::combinationPool(in);
    for (const std::string& c : pool) FUZZ_CHECK(isGb2312Hanzi(c));
    FUZZ_CHECK(pool.size() <= (in.combinationText.size() + in.surname.size()) / 2);

    if (text::isValidGbk(in.combinationText) && text::isValidGbk(in.surname)) {
        std::vector<std::string> expected = hanziOf(in.combinationText);
        if (!text::contains(in.combinationText, in.surname))
            for (const std::string& c : hanziOf(in.surname)) expected.push_back(c);
        FUZZ_CHECK(pool == expected);
    }
    return 0;
}
