// NV_百家姓: the surnames of the classical list in list order (Id = position
// from 1), keyed by the simplified spelling, joined with our own texts; the
// common surnames the list lacks follow with the next Ids.
#include <fstream>
#include <map>

#include "build_context.h"
#include "refdata/reference_schema.h"
#include "surname_content.h"
#include "surname_spelling.h"
#include "text/gbk.h"

namespace nuvelo::dbbuild {

namespace {

// surnames_list.tsv from extract/surnames_list.mjs: position<TAB>traditional.
bool readSurnameList(const std::filesystem::path& file, std::vector<std::string>& traditional, std::string& error) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        error = "cannot read " + file.string();
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos || tab + 1 == line.size()) {
            error = file.string() + ": malformed line \"" + line + "\"";
            return false;
        }
        if (std::to_string(traditional.size() + 1) != line.substr(0, tab)) {
            error = file.string() + ": positions out of order at \"" + line + "\"";
            return false;
        }
        traditional.push_back(line.substr(tab + 1));
    }
    if (traditional.empty()) {
        error = file.string() + " is empty";
        return false;
    }
    return true;
}

}  // namespace

bool writeSurnameTable(BuildContext& ctx, std::string& error) {
    std::vector<std::string> traditional;
    std::vector<std::string> surnames;
    std::vector<SurnameText> texts;
    if (!readSurnameList(ctx.inputsDir / "surnames_list.tsv", traditional, error) ||
        !simplifySurnames(traditional, surnames, error) ||
        !readSurnameTexts(ctx.contentDir() / "surnames", texts, error))
        return false;

    std::map<std::string, const SurnameText*> byName;
    for (const SurnameText& row : texts) byName[row.surname] = &row;
    std::map<std::string, std::size_t> position;
    for (std::size_t i = 0; i < surnames.size(); ++i) position[surnames[i]] = i;

    std::string missing;
    for (const std::string& name : surnames) {
        auto it = byName.find(name);
        if (it == byName.end() || it->second->outsideList) missing += " " + name;
    }
    if (!missing.empty()) {
        error = "surnames of the list without a text:" + missing;
        return false;
    }
    for (const SurnameText& row : texts) {
        if (row.outsideList == (position.count(row.surname) > 0)) {
            error = row.where + ": " + row.surname +
                    (row.outsideList ? " is in the classical list" : " is not a surname of the classical list");
            return false;
        }
    }

    const std::string table = text::toUtf8(refdata::kSurnameTable);
    int id = 0;
    auto insert = [&](const SurnameText& row) {
        if (text::toGbk(row.surname + row.origin + row.regions + row.people).empty()) {
            error = row.where + ": text cannot be written in GBK";
            return false;
        }
        return insertRow(ctx, table, {std::to_string(++id), row.surname, row.origin, row.regions, row.people},
                         error);
    };
    for (const std::string& name : surnames)
        if (!insert(*byName[name])) return false;
    for (const SurnameText& row : texts)
        if (row.outsideList && !insert(row)) return false;
    return true;
}

}  // namespace nuvelo::dbbuild
