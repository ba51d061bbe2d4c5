#include "kangxi_strokes.h"

#include <algorithm>

namespace nuvelo::dbbuild {

int radicalStrokes(int radicalNumber) {
    // Last radical number of each stroke group, for 1 to 17 strokes.
    static constexpr int kLastOfGroup[] = {6,   29,  60,  94,  117, 146, 166, 175, 186,
                                           194, 200, 204, 208, 210, 211, 213, 214};
    if (radicalNumber < 1 || radicalNumber > 214) return 0;
    int strokes = 1;
    for (int last : kLastOfGroup) {
        if (radicalNumber <= last) return strokes;
        ++strokes;
    }
    return 0;
}

int numeralValue(char32_t character) {
    static constexpr char32_t kNumerals[] = {0x4E00, 0x4E8C, 0x4E09, 0x56DB, 0x4E94,
                                             0x516D, 0x4E03, 0x516B, 0x4E5D, 0x5341};
    for (int i = 0; i < 10; ++i)
        if (kNumerals[i] == character) return i + 1;
    return 0;
}

int kangxiStrokes(char32_t traditional, int radicalNumber, int residual, int writtenStrokes) {
    if (int value = numeralValue(traditional)) return value;
    int radical = radicalStrokes(radicalNumber);
    int counted = radical ? radical + residual : 0;
    return std::max(counted, writtenStrokes);
}

}  // namespace nuvelo::dbbuild
