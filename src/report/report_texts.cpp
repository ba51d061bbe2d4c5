#include "report/report_texts.h"

#include <array>

#include "text/gbk.h"

namespace nuvelo::report {

namespace {

// Columns of NV_八一灵动数.
constexpr int kNumText1 = 2, kNumText2 = 3, kNumText3 = 4, kNumFoundation = 5, kNumFamily = 6, kNumHealth = 7,
              kNumMeaning = 8, kNumHint = 9;
// Columns of NV_三才配置: 解释一, then 总论 .. 老运 and the four influences.
constexpr int kTalSummary = 3, kTalFirstAspect = 5, kTalBasic = 17, kTalSuccess = 18, kTalRelations = 19,
              kTalCharacter = 20;

}  // namespace

GridTexts gridTexts(refdata::NameDb& db, int number) {
    refdata::Statement row = db.query("select * from NV_八一灵动数 where Id=?", {std::to_string(number)});
    auto col = [&](int c) { return db.columnText(row, c); };
    GridTexts t;
    t.summary = col(kNumText1) + "(" + col(kNumText3) + ")";
    // The 健康 label is followed by the 含义 column and the 含义 label by the
    // 健康 column: that is the order the texts were written for.
    t.explanation = col(kNumText2) + "<BR>基业:" + col(kNumFoundation) + "<BR>家庭:" + col(kNumFamily) +
                    "<BR>健康:" + col(kNumMeaning) + "<BR>含义:" + col(kNumHealth);
    t.hint = text::replaceAll(col(kNumHint), "|", "<BR>");
    db.finalize(row);
    return t;
}

TalentTexts talentTexts(refdata::NameDb& db, const std::string& key) {
    static const std::array<const char*, 12> kAspects = {
        "1、总论:",     "<BR>2、性格:", "<BR>3、意志:", "<BR>4、事业:",  "<BR>5、家庭:",  "<BR>6、婚姻:",
        "<BR>7、子女:", "<BR>8、社交:", "<BR>9、精神:", "<BR>10、财运:", "<BR>11、健康:", "<BR>12、老运:"};
    refdata::Statement row = db.query("select * from NV_三才配置 where 三才=?", {key});
    TalentTexts t;
    t.summary = db.columnText(row, kTalSummary);
    for (std::size_t i = 0; i < kAspects.size(); ++i)
        t.explanation += kAspects[i] + db.columnText(row, kTalFirstAspect + static_cast<int>(i));
    t.basicLuck = db.columnText(row, kTalBasic);
    t.success = db.columnText(row, kTalSuccess);
    t.relations = db.columnText(row, kTalRelations);
    t.character = db.columnText(row, kTalCharacter);
    db.finalize(row);
    return t;
}

const std::string& scoreComment(int scoreHundredths) {
    // The bands are meant on the unrounded score with a tolerance of 1e-7
    // below each bound. The score is held exactly in hundredths, so no score
    // lies strictly between a bound and 1e-7 below it: comparing the
    // hundredths with the bound times 100 is the tolerant comparison.
    static const std::array<std::string, 5> kComments = {
        "你的名字取得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心。",
        "你的名字取得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！",
        "你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，改个名字也未尝不可。",
        "你的名字不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。",
        "你的名字很不好！强烈建议你换个名字试试，也许人生会因此而改变的。"};
    if (scoreHundredths >= 9000) return kComments[0];
    if (scoreHundredths >= 8000) return kComments[1];
    if (scoreHundredths >= 7000) return kComments[2];
    if (scoreHundredths >= 6000) return kComments[3];
    return kComments[4];
}

}  // namespace nuvelo::report
