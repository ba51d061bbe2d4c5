#include "char_overrides.h"

#include <fstream>
#include <sstream>

#include "utf8_chars.h"

namespace fs = std::filesystem;

namespace nuvelo::dbbuild {

namespace {

// Calls `take(fields, where)` for every non-empty line of `file` with the
// comment removed and the line cut at blanks.
template <typename Take>
bool forEachEntry(const fs::path& file, bool mustExist, Take take, std::string& error) {
    std::ifstream in(file);
    if (!in) {
        if (!mustExist) return true;
        error = "missing " + file.string();
        return false;
    }
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::vector<std::string> fields;
        for (std::string w; words >> w;) fields.push_back(w);
        if (fields.empty()) continue;
        std::string where = file.filename().string() + ":" + std::to_string(number);
        if (!take(fields, where)) return false;
    }
    return true;
}

}  // namespace

bool readCharOverrides(const fs::path& dir, CharOverrides& o, std::string& error) {
    auto keyOf = [&error](const std::vector<std::string>& fields, std::size_t count, const std::string& where) {
        char32_t key = singleCodePoint(fields[0]);
        if (!key || fields.size() != count) {
            error = where + ": expected a character and " + std::to_string(count - 1) + " value(s)";
            return char32_t{0};
        }
        return key;
    };
    bool ok = forEachEntry(
        dir / "traditional_forms.txt", true,
        [&](const std::vector<std::string>& f, const std::string& where) {
            char32_t key = keyOf(f, 2, where);
            char32_t form = key ? singleCodePoint(f[1]) : 0;
            if (!form) {
                if (key) error = where + ": the form must be one character";
                return false;
            }
            o.traditional[key] = form;
            return true;
        },
        error);
    ok = ok && forEachEntry(
                   dir / "readings.txt", true,
                   [&](const std::vector<std::string>& f, const std::string& where) {
                       char32_t key = keyOf(f, 2, where);
                       if (!key) return false;
                       std::vector<std::string>& list = o.readings[key];
                       std::istringstream parts(f[1]);
                       for (std::string r; std::getline(parts, r, ',');)
                           if (!r.empty()) list.push_back(r);
                       return true;
                   },
                   error);
    ok = ok && forEachEntry(
                   dir / "strokes.txt", false,
                   [&](const std::vector<std::string>& f, const std::string& where) {
                       char32_t key = keyOf(f, 2, where);
                       int count = 0;
                       try {
                           count = key ? std::stoi(f[1]) : 0;
                       } catch (...) {
                       }
                       if (count <= 0) {
                           if (key) error = where + ": the count must be a positive number";
                           return false;
                       }
                       o.kangxiStrokes[key] = count;
                       return true;
                   },
                   error);
    ok = ok && forEachEntry(
                   dir / "extra_chars.txt", true,
                   [&](const std::vector<std::string>& f, const std::string&) {
                       for (const std::string& field : f)
                           for (char32_t cp : codePointsOf(field)) o.required.insert(cp);
                       return true;
                   },
                   error);
    return ok;
}

}  // namespace nuvelo::dbbuild
