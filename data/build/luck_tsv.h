// Reader of the tab-separated content files of the luck tables.
//
// The first line of each file names its columns and is skipped; blank lines
// are skipped; a trailing CR is dropped. Every other line must have exactly
// the expected number of fields.
#pragma once

#include <string>
#include <vector>

namespace nuvelo::dbbuild {

struct TsvLine {
    int number = 0;  // 1-based line number in the file, for messages
    std::vector<std::string> fields;
};

bool readTsv(const std::string& path, std::size_t fieldCount, std::vector<TsvLine>& lines, std::string& error);

// The text with &, < and > written as HTML entities: the pages paste these
// texts in as they are.
std::string htmlReady(const std::string& text);

}  // namespace nuvelo::dbbuild
