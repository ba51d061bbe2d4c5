#include "talent_composer.h"

#include "luck_tsv.h"

namespace nuvelo::dbbuild {

namespace {

// The generating cycle 木 → 火 → 土 → 金 → 水 → 木; each element overcomes the
// one two steps ahead of it (木克土, 火克金, 土克水, 金克木, 水克火).
const char* const kCycle[] = {"木", "火", "土", "金", "水"};

int cycleIndex(const std::string& element) {
    for (int i = 0; i < 5; ++i)
        if (element == kCycle[i]) return i;
    return -1;
}

const char* const kRelations[] = {"生", "泄", "和", "压", "逆"};
const char* const kLuckWords[] = {"大吉", "吉", "中", "凶", "大凶"};

// Which pieces each group needs, for every key of the group.
struct GroupNeeds {
    const char* group;
    std::vector<const char*> keys;
    std::vector<const char*> fields;
};

const std::vector<GroupNeeds>& needs() {
    static const std::vector<GroupNeeds> table = {
        {"天人", {std::begin(kRelations), std::end(kRelations)}, {"摘要", "总论", "事业", "精神", "成功运"}},
        {"人地", {std::begin(kRelations), std::end(kRelations)}, {"摘要", "总论", "家庭", "子女", "健康", "基础运"}},
        {"人格", {std::begin(kCycle), std::end(kCycle)}, {"性格", "意志", "社交", "体质", "人际", "对性格"}},
        {"吉凶", {std::begin(kLuckWords), std::end(kLuckWords)}, {"解释二", "结语", "婚姻", "财运", "老运"}},
    };
    return table;
}

std::string replaceAllOf(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace

std::string relationOf(const std::string& other, const std::string& self) {
    int o = cycleIndex(other), s = cycleIndex(self);
    if (o < 0 || s < 0) return "";
    if (o == s) return "和";
    if ((o + 1) % 5 == s) return "生";
    if ((s + 1) % 5 == o) return "泄";
    if ((o + 2) % 5 == s) return "压";
    return "逆";  // (s + 2) % 5 == o: self overcomes the other
}

bool TalentComposer::load(const std::string& path, std::string& error) {
    std::vector<TsvLine> lines;
    if (!readTsv(path, 4, lines, error)) return false;
    for (const TsvLine& line : lines) {
        std::string id = line.fields[0] + "/" + line.fields[1] + "/" + line.fields[2];
        if (line.fields[3].empty()) {
            error = path + ":" + std::to_string(line.number) + ": empty text for " + id;
            return false;
        }
        if (!pieces_.emplace(id, line.fields[3]).second) {
            error = path + ":" + std::to_string(line.number) + ": " + id + " given twice";
            return false;
        }
    }
    for (const GroupNeeds& group : needs())
        for (const char* key : group.keys)
            for (const char* field : group.fields) {
                std::string id = std::string(group.group) + "/" + key + "/" + field;
                if (!pieces_.count(id)) {
                    error = path + ": missing piece " + id;
                    return false;
                }
            }
    return true;
}

const std::string& TalentComposer::piece(const std::string& group, const std::string& key,
                                         const std::string& field) const {
    static const std::string none;
    auto it = pieces_.find(group + "/" + key + "/" + field);
    return it == pieces_.end() ? none : it->second;
}

bool TalentComposer::compose(const std::string& heaven, const std::string& person, const std::string& earth,
                             const std::string& luck, std::vector<std::string>& columns,
                             std::string& error) const {
    const std::string key = heaven + person + earth;
    const std::string upper = relationOf(heaven, person);
    const std::string lower = relationOf(earth, person);
    if (upper.empty() || lower.empty()) {
        error = key + ": not three of 木火土金水";
        return false;
    }
    auto up = [&](const char* field) { return piece("天人", upper, field); };
    auto down = [&](const char* field) { return piece("人地", lower, field); };
    auto self = [&](const char* field) { return piece("人格", person, field); };
    auto word = [&](const char* field) { return piece("吉凶", luck, field); };

    columns = {
        key + "：" + up("摘要") + "；" + down("摘要"),  // 解释一
        word("解释二"),                                  // 解释二
        up("总论") + down("总论") + word("结语"),        // 总论
        self("性格"),                                    // 性格
        self("意志"),                                    // 意志
        up("事业"),                                      // 事业
        down("家庭"),                                    // 家庭
        word("婚姻"),                                    // 婚姻
        down("子女"),                                    // 子女
        self("社交"),                                    // 社交
        up("精神"),                                      // 精神
        word("财运"),                                    // 财运
        down("健康") + self("体质"),                     // 健康
        word("老运"),                                    // 老运
        down("基础运"),                                  // 对基础运的影响
        up("成功运"),                                    // 对成功运的影响
        self("人际"),                                    // 对人际关系的影响
        self("对性格"),                                  // 对性格的影响
    };
    for (std::string& text : columns) {
        text = replaceAllOf(text, "{天}", heaven);
        text = replaceAllOf(text, "{人}", person);
        text = replaceAllOf(text, "{地}", earth);
        if (text.find('{') != std::string::npos || text.find('}') != std::string::npos) {
            error = key + ": unknown marker left in \"" + text + "\"";
            return false;
        }
        if (text.empty()) {
            error = key + ": a composed text is empty (luck word " + luck + ")";
            return false;
        }
        text = htmlReady(text);
    }
    return true;
}

}  // namespace nuvelo::dbbuild
