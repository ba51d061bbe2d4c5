#include "unihan_reader.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "utf8_chars.h"

namespace fs = std::filesystem;

namespace nuvelo::dbbuild {

namespace {

std::string firstWord(const std::string& value) {
    std::size_t end = value.find(' ');
    return end == std::string::npos ? value : value.substr(0, end);
}

// Runs bzcat on one Unihan file and hands each "U+XXXX<TAB>field<TAB>value"
// line of a wanted field to `take`.
template <typename Take>
bool readBz2Lines(const fs::path& file, Take take, std::string& error) {
    if (!fs::exists(file)) {
        error = "missing " + file.string() + " (install unicode-data)";
        return false;
    }
    std::string command = "bzcat '" + file.string() + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        error = "cannot run bzcat on " + file.string();
        return false;
    }
    std::string line;
    char buffer[8192];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        line += buffer;
        if (line.empty() || line.back() != '\n') continue;
        line.pop_back();
        if (!line.empty() && line[0] == 'U') {
            std::size_t tab1 = line.find('\t');
            std::size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
            if (tab2 != std::string::npos) {
                char32_t cp = parseCodePoint(line.substr(0, tab1));
                if (cp >= 0x3400) take(cp, line.substr(tab1 + 1, tab2 - tab1 - 1), line.substr(tab2 + 1));
            }
        }
        line.clear();
    }
    if (pclose(pipe) != 0) {
        error = "bzcat failed on " + file.string();
        return false;
    }
    return true;
}

}  // namespace

RadicalStroke parseRadicalStroke(const std::string& value) {
    RadicalStroke rs;
    std::string first = firstWord(value);
    std::size_t dot = first.find('.');
    if (dot == std::string::npos || dot == 0) return rs;
    std::string radical = first.substr(0, dot);
    if (radical.back() == '\'') {
        rs.simplifiedRadical = true;
        while (!radical.empty() && radical.back() == '\'') radical.pop_back();
    }
    try {
        rs.radical = std::stoi(radical);
        rs.residual = std::stoi(first.substr(dot + 1));
    } catch (...) {
        return RadicalStroke{};
    }
    return rs;
}

bool readUnihan(const fs::path& dir, UnihanTable& table, std::string& error) {
    auto take = [&table](char32_t cp, const std::string& field, const std::string& value) {
        if (field == "kRSKangXi") {
            table[cp].kangxi = parseRadicalStroke(value);
        } else if (field == "kRSUnicode") {
            table[cp].unicode = parseRadicalStroke(value);
        } else if (field == "kTotalStrokes") {
            std::istringstream in(value);
            int n = 0;
            while (in >> n) table[cp].totalStrokes.push_back(n);
        } else if (field == "kDefinition") {
            table[cp].definition = value;
        } else if (field == "kMandarin") {
            table[cp].mandarin = firstWord(value);
        } else if (field == "kGB0") {
            table[cp].gb2312 = true;
        }
    };
    for (const char* name : {"Unihan_IRGSources.txt.bz2", "Unihan_RadicalStrokeCounts.txt.bz2",
                             "Unihan_Readings.txt.bz2", "Unihan_OtherMappings.txt.bz2"}) {
        if (!readBz2Lines(dir / name, take, error)) return false;
    }
    return true;
}

bool readRadicalChars(const fs::path& file, RadicalChars& chars, std::string& error) {
    std::ifstream in(file);
    if (!in) {
        error = "missing " + file.string() + " (install unicode-data)";
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        // "120'; 2EB0; 7E9F": radical number, radical symbol, unified ideograph.
        std::size_t semi1 = line.find(';');
        std::size_t semi2 = semi1 == std::string::npos ? semi1 : line.find(';', semi1 + 1);
        if (semi2 == std::string::npos) continue;
        std::string number = line.substr(0, semi1);
        bool simplified = !number.empty() && number.back() == '\'';
        while (!number.empty() && number.back() == '\'') number.pop_back();
        std::string ideograph = line.substr(semi2 + 1);
        while (!ideograph.empty() && ideograph.front() == ' ') ideograph.erase(0, 1);
        int radical = 0;
        try {
            radical = std::stoi(number);
        } catch (...) {
            continue;
        }
        char32_t cp = parseCodePoint(ideograph);
        if (cp && !chars.count(simplified ? -radical : radical)) chars[simplified ? -radical : radical] = cp;
    }
    if (!chars.count(1) || !chars.count(214)) {
        error = file.string() + " holds no Kangxi radical table";
        return false;
    }
    return true;
}

}  // namespace nuvelo::dbbuild
