// NV_EName from the English first-name lists (enames_lists.tsv), the US
// birth counts (us-name-data.sqlite) and our meanings
// (data/content/english_names/meanings.tsv).
//
// Sex: 3 (either sex) when the less frequent sex has at least 20 % of the
// name's US births; otherwise the sex with more births; a name without
// births takes the list it is in (both lists: 3). Rows run from the most
// to the least given name (births, then spelling). EIndex is the first
// letter in lower case; EIndex2 is "ch", "sh" or "th" for names that begin
// so. Cnword is our transliteration; Languag and Mean come from the
// meanings file, which must cover the 500 most given names.
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <map>

#include "build_context.h"
#include "transliteration.h"

namespace nuvelo::dbbuild {
namespace {

constexpr int kMeaningsRequired = 500;

struct NameFacts {
    bool male = false, female = false;
    long long maleBirths = 0, femaleBirths = 0;
    long long births() const { return maleBirths + femaleBirths; }
};

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

int sexCode(const NameFacts& f) {
    if (f.births() > 0) {
        if (std::min(f.maleBirths, f.femaleBirths) * 5 >= f.births()) return 3;
        return f.maleBirths > f.femaleBirths ? 1 : 2;
    }
    if (f.male && f.female) return 3;
    return f.male ? 1 : 2;
}

bool readBirths(const std::filesystem::path& file, std::map<std::string, NameFacts>& names, std::string& error) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        error = "cannot open " + file.string();
        sqlite3_close(db);
        return false;
    }
    sqlite3_stmt* stmt = nullptr;
    const char* sql = "select lower(trim(name)), sex, sum(births) from usNameData group by 1, 2";
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        error = file.string() + ": " + sqlite3_errmsg(db);
        sqlite3_close(db);
        return false;
    }
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        auto key = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        auto sex = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1));
        if (!key || !sex) continue;
        auto it = names.find(key);
        if (it == names.end()) continue;
        (sex[0] == 'M' ? it->second.maleBirths : it->second.femaleBirths) += sqlite3_column_int64(stmt, 2);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return true;
}

struct Meaning {
    std::string language, mean;
};

bool readMeanings(const std::filesystem::path& file, std::map<std::string, Meaning>& meanings, std::string& error) {
    std::ifstream in(file);
    if (!in) {
        error = "missing " + file.string();
        return false;
    }
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (line.empty() || line[0] == '#') continue;
        std::size_t tab1 = line.find('\t');
        std::size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string::npos || tab2 + 1 >= line.size()) {
            error = file.filename().string() + ":" + std::to_string(lineNo) + ": expected Name, Languag and Mean";
            return false;
        }
        meanings[lower(line.substr(0, tab1))] = {line.substr(tab1 + 1, tab2 - tab1 - 1), line.substr(tab2 + 1)};
    }
    return true;
}

}  // namespace

bool writeEnglishTable(BuildContext& ctx, std::string& error) {
    std::ifstream lists(ctx.inputsDir / "enames_lists.tsv");
    if (!lists) {
        error = "missing " + (ctx.inputsDir / "enames_lists.tsv").string();
        return false;
    }
    std::map<std::string, NameFacts> names;    // by lower-case spelling
    std::map<std::string, std::string> spelling;  // as the lists write it
    std::string line;
    while (std::getline(lists, line)) {
        std::size_t tab = line.find('\t');
        if (tab == std::string::npos || tab == 0) continue;
        std::string name = line.substr(0, tab);
        std::string key = lower(name);
        spelling.try_emplace(key, name);
        (line.compare(tab + 1, 1, "M") == 0 ? names[key].male : names[key].female) = true;
    }
    if (names.empty()) {
        error = "enames_lists.tsv holds no name";
        return false;
    }
    std::map<std::string, Meaning> meanings;
    if (!readBirths(ctx.inputsDir / "us-name-data.sqlite", names, error) ||
        !readMeanings(ctx.contentDir() / "english_names" / "meanings.tsv", meanings, error))
        return false;

    std::vector<std::string> order;
    for (const auto& [key, facts] : names) order.push_back(key);
    std::stable_sort(order.begin(), order.end(),
                     [&](const std::string& a, const std::string& b) { return names[a].births() > names[b].births(); });

    std::map<std::string, std::map<int, int>> perGroup;
    std::map<int, int> perSex;
    int id = 0;
    for (const std::string& key : order) {
        const NameFacts& facts = names[key];
        auto meaning = meanings.find(key);
        if (meaning == meanings.end() && id < kMeaningsRequired) {
            error = "meanings.tsv lacks " + spelling[key] + ", one of the " + std::to_string(kMeaningsRequired) +
                    " most given names";
            return false;
        }
        int sex = sexCode(facts);
        std::string index(1, key[0]);
        std::string index2 = key.starts_with("ch") || key.starts_with("sh") || key.starts_with("th") ? key.substr(0, 2) : "";
        std::string cn = transliterateName(key, sex == 2);
        ++id;
        if (!insertRow(ctx, "NV_EName",
                       {std::to_string(id), index, index2, spelling[key], std::to_string(key.size()),
                        std::to_string(sex), cn, "", meaning == meanings.end() ? "" : meaning->second.language,
                        meaning == meanings.end() ? "" : meaning->second.mean},
                       error))
            return false;
        ++perSex[sex];
        ++perGroup[index2.empty() ? index : index2][sex];
    }
    std::printf("english names: %d (male %d, female %d, either %d), %zu meanings\n", id, perSex[1], perSex[2],
                perSex[3], meanings.size());
    std::string groups;
    for (const auto& [group, bySex] : perGroup) {
        auto count = [&](int s) { auto it = bySex.find(s); return it == bySex.end() ? 0 : it->second; };
        groups += " " + group + ":" + std::to_string(count(1)) + "/" + std::to_string(count(2)) + "/" +
                  std::to_string(count(3));
    }
    std::printf("english names per group (male/female/either):%s\n", groups.c_str());
    return true;
}

}  // namespace nuvelo::dbbuild
