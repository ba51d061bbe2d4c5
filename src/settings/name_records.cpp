#include "settings/name_records.h"

#include "settings/ini_file.h"
#include "text/gbk.h"

namespace nuvelo::settings {

namespace {
const char* const kSection = "设置";

// The value without a lead byte standing alone at its end.
std::string withoutCutLastChar(const std::string& value) {
    std::size_t last = 0;  // where the last character starts
    for (std::size_t i = 0; i < value.size(); i += text::charLength(value, i)) last = i;
    auto byte = value.empty() ? 0 : static_cast<unsigned char>(value[last]);
    bool cut = last + 1 == value.size() && byte >= 0x81 && byte <= 0xFE;
    return cut ? value.substr(0, last) : value;
}
}  // namespace

std::string serializeRecords(const std::vector<NameRecord>& records) {
    std::string out;
    for (const NameRecord& r : records) {
        for (std::size_t i = 0; i < r.size(); ++i) {
            if (i) out += ";";
            out += i == 0 ? text::replaceAll(r[i], "\r\n", " ") : r[i];
        }
        out += "|";
    }
    return out;
}

std::vector<NameRecord> parseRecords(const std::string& value) {
    std::vector<NameRecord> records;
    for (const std::string& piece : text::splitText(text::replaceAll(withoutCutLastChar(value), " ", "\r\n"), "|")) {
        NameRecord r;
        std::vector<std::string> fields = text::splitText(piece, ";");
        for (std::size_t i = 0; i < r.size() && i < fields.size(); ++i) r[i] = fields[i];
        records.push_back(std::move(r));
    }
    return records;
}

std::string recordName(const std::string& surname, const std::string& given) { return surname + "\r\n" + given; }

void splitRecordName(const std::string& cell, std::string& surname, std::string& given) {
    std::size_t p = text::findText(cell, "\r\n");
    if (p == 0) {
        surname.clear();
        given = cell;
        return;
    }
    surname = cell.substr(0, p - 1);
    given = cell.substr(p + 1);
}

std::string givenFromGeneratedCell(const std::string& cell, const std::string& surname) {
    std::size_t cut = surname.size() < 3 ? 2 : 4;
    return cell.size() > cut ? cell.substr(cut) : std::string();
}

SavedInputs loadSavedInputs(const std::string& path) {
    IniFile ini = IniFile::load(path);
    SavedInputs s;
    s.surname = ini.value(kSection, "姓氏");
    s.sexIndex = text::toNumber(ini.value(kSection, "性别")) != 0 ? 1 : 0;
    s.lengthIndex = text::toNumber(ini.value(kSection, "名字个数")) == 1 ? 1 : 0;
    s.combination = ini.value(kSection, "组合的字");
    s.englishGiven = ini.value(kSection, "英文名字");
    s.scoringGiven = ini.value(kSection, "评分名字");
    s.records = parseRecords(ini.value(kSection, "名字记录"));
    return s;
}

bool saveSavedInputs(const std::string& path, const SavedInputs& s) {
    // Keys of other sections (and unknown keys) of an existing file are kept.
    IniFile ini = IniFile::load(path);
    ini.setValue(kSection, "姓氏", s.surname);
    ini.setValue(kSection, "性别", std::to_string(s.sexIndex));
    ini.setValue(kSection, "名字个数", std::to_string(s.lengthIndex));
    ini.setValue(kSection, "组合的字", s.combination);
    ini.setValue(kSection, "英文名字", s.englishGiven);
    ini.setValue(kSection, "评分名字", s.scoringGiven);
    ini.setValue(kSection, "名字记录", serializeRecords(s.records));
    return ini.save(path);
}

}  // namespace nuvelo::settings
