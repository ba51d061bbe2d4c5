#include "generation/english_names.h"

#include <cctype>

#include "text/gbk.h"

namespace nuvelo::generation {

std::string groupKeyOf(const std::string& initial) {
    static const std::pair<const char*, const char*> kMap[] = {{"a", "i"}, {"c", "s"}, {"j", "g"},
                                                               {"k", "ch"}, {"o", "a"}, {"q", "ch"},
                                                               {"x", "sh"}, {"y", "e"}, {"z", "th"}};
    for (const auto& [from, to] : kMap)
        if (initial == from) return to;
    return initial;
}

std::string initialOf(refdata::NameDb& db, const std::string& character) {
    refdata::Statement row = db.query("select * from NV_CNWord where 汉字=?", {character});
    std::string initial = db.columnText(row, 9);
    std::string pinyin = db.columnText(row, 7);
    db.finalize(row);
    for (char& c : initial) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (initial.empty() && !pinyin.empty()) initial = pinyin.substr(0, 1);
    return initial;
}

std::vector<NameRow> englishNameRows(refdata::NameDb& db, const std::string& givenName, int sex) {
    std::vector<NameRow> rows;
    std::vector<std::string> chars = text::splitChars(givenName);
    if (chars.empty()) return rows;
    std::string key = groupKeyOf(initialOf(db, chars[0]));
    refdata::Statement s = db.query("select * from NV_EName");
    for (bool more = s.hasRow(); more; more = db.nextRow(s)) {
        std::string index = db.columnText(s, 2);
        if (index.empty()) index = db.columnText(s, 1);
        if (index != key || db.columnInt(s, 5) != sex) continue;
        NameRow row;
        row.cells[0] = std::to_string(rows.size() + 1);
        row.cells[1] = db.columnText(s, 3);
        row.cells[2] = db.columnText(s, 6);
        row.cells[3] = db.columnText(s, 9);
        rows.push_back(std::move(row));
    }
    db.finalize(s);
    return rows;
}

}  // namespace nuvelo::generation
