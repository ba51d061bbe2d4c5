#include "numerology/luck.h"

namespace nuvelo::numerology {

LuckGrade gradeOf(const std::string& w) {
    if (w == "大吉") return LuckGrade::DaJi;
    if (w == "吉") return LuckGrade::Ji;
    if (w == "中") return LuckGrade::Zhong;
    if (w == "凶") return LuckGrade::Xiong;
    if (w == "大凶") return LuckGrade::DaXiong;
    return LuckGrade::Other;
}

namespace {
const std::string kElementWords[5] = {"木", "火", "土", "金", "水"};
const std::string kNoElement;
// digit -> element index
constexpr int kDigitElement[10] = {4, 0, 0, 1, 1, 2, 2, 3, 3, 4};
}  // namespace

const std::string& elementOfNumber(int digit) {
    if (digit < 0 || digit > 9) return kNoElement;
    return kElementWords[kDigitElement[digit]];
}

int elementIndex(const std::string& element) {
    for (int i = 0; i < 5; ++i)
        if (element == kElementWords[i]) return i;
    return -1;
}

LuckTable::NumberEntry& LuckTable::numberEntry(int n) {
    std::vector<NumberEntry>& store = n >= 0 ? numbers_ : negativeNumbers_;
    std::size_t slot = static_cast<std::size_t>(n >= 0 ? n : -static_cast<long long>(n));
    if (slot >= store.size()) store.resize(slot + 1);
    NumberEntry& e = store[slot];
    if (!e.known) {
        refdata::Statement row = db_.query("select * from NV_八一灵动数 where Id=" + std::to_string(n));
        e.word = db_.columnText(row, 1);
        db_.finalize(row);
        e.grade = gradeOf(e.word);
        e.known = true;
    }
    return e;
}

LuckTable::NumberEntry& LuckTable::talentsEntry(int a, int b, int c) {
    NumberEntry& e = talents_[static_cast<std::size_t>(a * 25 + b * 5 + c)];
    if (!e.known) {
        std::string key = kElementWords[a] + kElementWords[b] + kElementWords[c];
        refdata::Statement row = db_.query("select * from NV_三才配置 where 三才=?", {key});
        e.word = db_.columnText(row, 2);
        db_.finalize(row);
        e.grade = gradeOf(e.word);
        e.known = true;
    }
    return e;
}

const std::string& LuckTable::luckOfNumber(int n) { return numberEntry(n).word; }

const std::string& LuckTable::luckOfTalents(const std::string& key) {
    if (key.size() == 6) {
        int a = elementIndex(key.substr(0, 2)), b = elementIndex(key.substr(2, 2)), c = elementIndex(key.substr(4, 2));
        if (a >= 0 && b >= 0 && c >= 0) return talentsEntry(a, b, c).word;
    }
    if (!otherTalents_.known || otherKey_ != key) {
        refdata::Statement row = db_.query("select * from NV_三才配置 where 三才=?", {key});
        otherTalents_.word = db_.columnText(row, 2);
        db_.finalize(row);
        otherTalents_.grade = gradeOf(otherTalents_.word);
        otherTalents_.known = true;
        otherKey_ = key;
    }
    return otherTalents_.word;
}

LuckGrade LuckTable::numberGrade(int n) { return numberEntry(n).grade; }

LuckGrade LuckTable::talentsGrade(int tianDigit, int renDigit, int diDigit) {
    return talentsEntry(kDigitElement[tianDigit], kDigitElement[renDigit], kDigitElement[diDigit]).grade;
}

}  // namespace nuvelo::numerology
