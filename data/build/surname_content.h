// The surname texts we write ourselves: data/content/surnames/*.tsv.
//
// One row a line: 姓<TAB>姓氏起源<TAB>聚集地<TAB>历史名人, UTF-8. Blank lines
// and lines starting with '#' are skipped. The texts are plain text; & < >
// are escaped here so the pages can insert them as they are.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace nuvelo::dbbuild {

struct SurnameText {
    std::string surname;
    std::string origin;   // 姓氏起源
    std::string regions;  // 聚集地
    std::string people;   // 历史名人
    std::string where;    // file:line, for messages
    bool outsideList = false;  // from the file of surnames beyond the classical list
};

// Name of the content file that holds common surnames the classical list lacks.
inline constexpr const char* kOutsideListFile = "outside_list.tsv";

// Reads every *.tsv file of `dir` in name order. Fails on a row without four
// fields, an empty surname or origin, a text longer than the column allows,
// or a surname written twice.
bool readSurnameTexts(const std::filesystem::path& dir, std::vector<SurnameText>& rows, std::string& error);

}  // namespace nuvelo::dbbuild
