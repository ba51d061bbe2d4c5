// Saving generated name lists and the classic names as text files.
//
// Both files are GBK without byte-order mark. A list file starts with the
// column titles and holds one line per list row; every line ends in CR LF.
// Each export rewrites its file completely.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "export/file_write.h"

namespace nuvelo::exporting {

// The eight cells of a list row as shown: 编号, 姓名, 简体笔划, 繁体笔划,
// 五行, 五格, 三才, 评分 (GBK).
using NameListRow = std::array<std::string, 8>;

// File names under the page folder.
extern const char* const kNameListFile;         // "NameList.txt"
extern const char* const kSuperNameListFile;    // "100NameList.txt"
extern const char* const kClassicNameListFile;  // "ClassNameList.txt"

// "编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分\r\n"
const std::string& nameListHeaderLine();

// Called after each written row with its 0-based index; the window lets its
// pending events run here.
using RowWritten = std::function<void(std::size_t index)>;

// The file text: the header line, then one line per row (cells joined by
// four blanks, nothing trimmed or quoted). A row whose 编号 is empty is
// written and ends the list.
std::string nameListText(const std::vector<NameListRow>& rows, const RowWritten& onRow = {});

// Writes nameListText(rows) to `path` (UTF-8), replacing the file.
WriteResult exportNameList(const std::vector<NameListRow>& rows, const std::string& path, const RowWritten& onRow = {});

// Writes the classic names exactly as the edit box holds them.
WriteResult exportClassicNames(const std::string& text, const std::string& path);

}  // namespace nuvelo::exporting
