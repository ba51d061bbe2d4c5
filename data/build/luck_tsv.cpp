#include "luck_tsv.h"

#include <fstream>

namespace nuvelo::dbbuild {

namespace {

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

}  // namespace

bool readTsv(const std::string& path, std::size_t fieldCount, std::vector<TsvLine>& lines, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (number == 1 || line.empty()) continue;
        TsvLine row{number, splitTabs(line)};
        if (row.fields.size() != fieldCount) {
            error = path + ":" + std::to_string(number) + ": " + std::to_string(row.fields.size()) +
                    " fields, expected " + std::to_string(fieldCount);
            return false;
        }
        lines.push_back(std::move(row));
    }
    return true;
}

std::string htmlReady(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            default: out += c;
        }
    }
    return out;
}

}  // namespace nuvelo::dbbuild
