// The saved names (name records) and their form in the settings file.
//
// A record is one row of the record list: 姓名 (surname + "\r\n" + given
// name) and the six texts 简体笔划, 繁体笔划, 五行, 五格, 三才, 评分. In the
// settings file each record is its seven fields joined by ";" and followed
// by "|", with every "\r\n" of 姓名 written as one space.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace nuvelo::settings {

using NameRecord = std::array<std::string, 7>;  // columns 1..7 of the list

std::string serializeRecords(const std::vector<NameRecord>& records);
// Every space becomes "\r\n", pieces are split at "|" (a trailing empty
// piece dropped, empty pieces in between kept as empty records) and each
// piece at ";" (first seven fields kept, missing ones empty). A lead byte
// that ends the value is the first half of a cut character and is dropped:
// kept, it would join the ";" written after it when the records are saved.
std::vector<NameRecord> parseRecords(const std::string& value);

// 姓名 of a record: surname + "\r\n" + given.
std::string recordName(const std::string& surname, const std::string& given);
// Splits a 姓名 cell at its first "\r\n"; no line break: empty surname and
// the whole text as given name.
void splitRecordName(const std::string& cell, std::string& surname, std::string& given);

// The given name of a generated list's 姓名 cell (surname and given name run
// together): the cell without its first 2 bytes for a surname shorter than
// 3 bytes, else without its first 4.
std::string givenFromGeneratedCell(const std::string& cell, const std::string& surname);

// The settings of the main window that persist between runs.
struct SavedInputs {
    std::string surname;           // 姓氏
    int sexIndex = 0;              // 性别: 0 男, 1 女
    int lengthIndex = 0;           // 名字个数: 0 一字, 1 二字
    std::string combination;       // 组合的字
    std::string englishGiven;      // 英文名字
    std::string scoringGiven;      // 评分名字
    std::vector<NameRecord> records;  // 名字记录
};

// Reads the seven keys of section 设置 (missing keys: empty values).
SavedInputs loadSavedInputs(const std::string& path);
// Writes the seven keys in order; false when the file cannot be written
// (the earlier file then stays as it was).
bool saveSavedInputs(const std::string& path, const SavedInputs& inputs);

}  // namespace nuvelo::settings
