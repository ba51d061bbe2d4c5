// The explaining texts of the name report, read from the reference tables.
//
// The texts are HTML fragments from the reference data and go into the page
// as they are. A number or key without a row still gets its labels (empty
// columns read as empty text), so a grid above 81 shows "()" as its summary.
#pragma once

#include <string>

#include "refdata/name_db.h"

namespace nuvelo::report {

// Texts of one grid number (NV_八一灵动数).
struct GridTexts {
    std::string summary;      // 解释一(解释三)
    std::string explanation;  // 解释二, 基业, 家庭, 健康 and 含义 lines
    std::string hint;         // 数理暗示, one line per "|"-separated piece
};
GridTexts gridTexts(refdata::NameDb& db, int number);

// Texts of one three-talent key (NV_三才配置).
struct TalentTexts {
    std::string summary;      // 解释一
    std::string explanation;  // the twelve numbered aspects
    std::string basicLuck;    // 对基础运的影响
    std::string success;      // 对成功运的影响
    std::string relations;    // 对人际关系的影响
    std::string character;    // 对性格的影响
};
TalentTexts talentTexts(refdata::NameDb& db, const std::string& key);

// The closing comment for a score given in exact hundredths of a point.
const std::string& scoreComment(int scoreHundredths);

}  // namespace nuvelo::report
