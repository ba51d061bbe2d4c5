#include "export/name_list_export.h"

namespace nuvelo::exporting {
namespace {

const char* const kSeparator = "    ";
const char* const kLineEnd = "\r\n";

}  // namespace

const char* const kNameListFile = "NameList.txt";
const char* const kSuperNameListFile = "100NameList.txt";
const char* const kClassicNameListFile = "ClassNameList.txt";

const std::string& nameListHeaderLine() {
    static const std::string header = "编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分\r\n";
    return header;
}

std::string nameListText(const std::vector<NameListRow>& rows, const RowWritten& onRow) {
    std::string out = nameListHeaderLine();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const NameListRow& row = rows[i];
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c) out += kSeparator;
            out += row[c];
        }
        out += kLineEnd;
        if (onRow) onRow(i);
        // A row without a number marks the end of the list's real rows.
        if (row[0].empty()) break;
    }
    return out;
}

WriteResult exportNameList(const std::vector<NameListRow>& rows, const std::string& path, const RowWritten& onRow) {
    return writeFileReplacing(path, nameListText(rows, onRow));
}

WriteResult exportClassicNames(const std::string& text, const std::string& path) {
    return writeFileReplacing(path, text);
}

}  // namespace nuvelo::exporting
