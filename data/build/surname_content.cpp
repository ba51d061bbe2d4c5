#include "surname_content.h"

#include <algorithm>
#include <fstream>
#include <map>

namespace nuvelo::dbbuild {

namespace {

// The text columns of the table are VarChar(1000).
constexpr std::size_t kMaxChars = 1000;

std::size_t utf8Length(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string escapeHtml(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else out += c;
    }
    return out;
}

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

bool readFile(const std::filesystem::path& file, std::vector<SurnameText>& rows, std::string& error) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        error = "cannot read " + file.string();
        return false;
    }
    const bool outside = file.filename() == kOutsideListFile;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const std::string where = file.filename().string() + ":" + std::to_string(number);
        std::vector<std::string> fields = splitTabs(line);
        if (fields.size() != 4) {
            error = where + ": expected 4 tab-separated fields, found " + std::to_string(fields.size());
            return false;
        }
        if (fields[0].empty() || fields[1].empty()) {
            error = where + ": surname and origin must not be empty";
            return false;
        }
        for (std::size_t i = 1; i < 4; ++i) {
            fields[i] = escapeHtml(fields[i]);
            if (utf8Length(fields[i]) > kMaxChars) {
                error = where + ": text longer than " + std::to_string(kMaxChars) + " characters";
                return false;
            }
        }
        rows.push_back({fields[0], fields[1], fields[2], fields[3], where, outside});
    }
    return true;
}

}  // namespace

bool readSurnameTexts(const std::filesystem::path& dir, std::vector<SurnameText>& rows, std::string& error) {
    std::error_code ec;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
        if (entry.is_regular_file() && entry.path().extension() == ".tsv") files.push_back(entry.path());
    if (ec || files.empty()) {
        error = "no surname texts in " + dir.string();
        return false;
    }
    std::sort(files.begin(), files.end());
    rows.clear();
    for (const auto& file : files)
        if (!readFile(file, rows, error)) return false;

    std::map<std::string, std::string> seen;
    for (const SurnameText& row : rows) {
        auto [it, added] = seen.emplace(row.surname, row.where);
        if (!added) {
            error = row.where + ": surname " + row.surname + " already written at " + it->second;
            return false;
        }
    }
    return true;
}

}  // namespace nuvelo::dbbuild
