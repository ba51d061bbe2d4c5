#include "transliteration.h"

#include <array>
#include <cctype>
#include <map>
#include <vector>

namespace nuvelo::dbbuild {
namespace {

// Vowel columns of the table, then the column of a consonant standing alone.
enum Column { A, E, ER, I, O, U, AI, AU, AN, EN, IN, ON, UN, ANG, ING, ONG, ALONE, COLUMNS };

const char* u8text(const char8_t* s) { return reinterpret_cast<const char*>(s); }

// One row per consonant sound, COLUMNS characters in the order of Column.
// Codes: T = th (as in Ruth), S = sh, C = ch, Q = kw, "" = no consonant.
struct Row {
    const char* consonant;
    const char8_t* cells;
};
const Row kRows[] = {
    {"", u8"阿埃厄伊奥乌艾奥安恩因昂温昂英翁厄"},
    {"b", u8"巴贝伯比博布拜鲍班本宾邦本邦宾邦布"},
    {"p", u8"帕佩珀皮波普派保潘彭平庞彭庞平蓬普"},
    {"d", u8"达德德迪多杜戴道丹登丁东敦当丁东德"},
    {"t", u8"塔特特蒂托图泰陶坦滕廷通吞唐廷通特"},
    {"g", u8"加盖格吉戈古盖高甘根金冈贡冈金贡格"},
    {"k", u8"卡凯克基科库凯考坎肯金康昆康金孔克"},
    {"v", u8"瓦韦弗维沃武瓦沃万文文旺文万文翁夫"},
    {"w", u8"瓦韦沃威沃伍怀沃万文温旺文旺温翁夫"},
    {"f", u8"法费弗菲福富法福凡芬芬方丰方芬丰夫"},
    {"z", u8"扎泽泽齐佐祖宰藻赞曾津宗尊赞京宗兹"},
    {"s", u8"萨塞瑟西索苏赛绍桑森辛松孙桑辛松斯"},
    {"T", u8"萨塞瑟西索苏赛绍桑森辛松孙桑辛松思"},
    {"S", u8"沙谢舍希肖舒夏绍尚申欣雄顺尚兴雄什"},
    {"C", u8"查切彻奇乔丘柴乔钱琴钦琼春昌青琼奇"},
    {"j", u8"贾杰杰吉乔朱贾焦詹真金琼准章京琼奇"},
    {"h", u8"哈赫赫希霍胡海豪汉亨欣洪洪杭兴洪赫"},
    {"m", u8"马梅默米莫穆迈毛曼门明蒙蒙芒明蒙姆"},
    {"n", u8"纳内纳尼诺努奈瑙南嫩宁农农南宁农恩"},
    {"l", u8"拉莱勒利洛卢莱劳兰伦林隆伦朗林隆尔"},
    {"r", u8"拉雷勒里罗鲁赖劳兰伦林龙伦朗林龙尔"},
    {"y", u8"亚耶耶伊约尤耶尧扬延因永云扬英永伊"},
    {"Q", u8"夸奎奎奎阔库夸阔宽昆昆孔昆匡昆孔克"},
};

// Characters the table gives female names in place of the plain ones.
const std::pair<const char8_t*, const char8_t*> kFeminine[] = {
    {u8"马", u8"玛"}, {u8"纳", u8"娜"}, {u8"利", u8"莉"}, {u8"里", u8"丽"}, {u8"林", u8"琳"},
    {u8"尼", u8"妮"}, {u8"萨", u8"莎"}, {u8"沙", u8"莎"}, {u8"亚", u8"娅"}, {u8"戴", u8"黛"},
    {u8"迪", u8"蒂"}, {u8"斯", u8"丝"}, {u8"卢", u8"露"}, {u8"巴", u8"芭"}, {u8"瓦", u8"娃"},
    {u8"罗", u8"萝"}, {u8"雷", u8"蕾"}, {u8"维", u8"薇"}, {u8"西", u8"茜"}, {u8"真", u8"珍"},
};

// Established Chinese forms that usage keeps instead of the table's.
const std::pair<const char*, const char8_t*> kEstablished[] = {
    {"john", u8"约翰"},        {"david", u8"戴维"},       {"james", u8"詹姆斯"},
    {"william", u8"威廉"},     {"joseph", u8"约瑟夫"},    {"michael", u8"迈克尔"},
    {"peter", u8"彼得"},       {"paul", u8"保罗"},        {"george", u8"乔治"},
    {"jane", u8"简"},          {"elizabeth", u8"伊丽莎白"}, {"mark", u8"马克"},
    {"matthew", u8"马修"},     {"andrew", u8"安德鲁"},    {"edward", u8"爱德华"},
    {"henry", u8"亨利"},       {"victoria", u8"维多利亚"}, {"catherine", u8"凯瑟琳"},
    {"katherine", u8"凯瑟琳"}, {"jennifer", u8"珍妮弗"},  {"alice", u8"艾丽斯"},
    {"jack", u8"杰克"},        {"howard", u8"霍华德"},    {"louis", u8"路易斯"},
    {"adam", u8"亚当"},        {"eve", u8"夏娃"},         {"abraham", u8"亚伯拉罕"},
    {"isaac", u8"艾萨克"},     {"jacob", u8"雅各布"},     {"moses", u8"摩西"},
    {"samuel", u8"塞缪尔"},    {"stephen", u8"斯蒂芬"},   {"steven", u8"史蒂文"},
    {"helen", u8"海伦"},       {"lucy", u8"露西"},        {"charlotte", u8"夏洛特"},
    {"sophia", u8"索菲娅"},    {"grace", u8"格雷丝"},     {"rose", u8"罗丝"},
    {"anne", u8"安妮"},        {"ann", u8"安"},           {"susan", u8"苏珊"},
    {"margaret", u8"玛格丽特"}, {"alexander", u8"亚历山大"}, {"christopher", u8"克里斯托弗"},
    {"anthony", u8"安东尼"},   {"brian", u8"布赖恩"},     {"tom", u8"汤姆"},
    {"nancy", u8"南希"},       {"shirley", u8"雪莉"},     {"ryan", u8"瑞安"},
    {"richard", u8"理查德"},    {"jason", u8"杰森"},       {"joshua", u8"乔舒亚"},
    {"joan", u8"琼"},          {"jean", u8"琼"},          {"noah", u8"诺亚"},
};

bool isVowelLetter(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'y'; }

std::vector<std::string> splitUtf8(std::string_view text) {
    std::vector<std::string> chars;
    for (std::size_t i = 0; i < text.size();) {
        auto b = static_cast<unsigned char>(text[i]);
        std::size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        chars.emplace_back(text.substr(i, n));
        i += n;
    }
    return chars;
}

const std::map<std::string, std::array<std::string, COLUMNS>>& table() {
    static const auto rows = [] {
        std::map<std::string, std::array<std::string, COLUMNS>> out;
        for (const Row& row : kRows) {
            std::vector<std::string> cells = splitUtf8(u8text(row.cells));
            std::array<std::string, COLUMNS>& target = out[row.consonant];
            for (std::size_t i = 0; i < COLUMNS && i < cells.size(); ++i) target[i] = cells[i];
        }
        return out;
    }();
    return rows;
}

bool startsWith(const std::string& s, std::size_t pos, std::string_view what) {
    return s.compare(pos, what.size(), what) == 0;
}

// Rewrites the spelling into one letter per sound: T th, S sh, C ch, Q kw, N a
// nasal coda that also starts the next syllable (the first n of "nn");
// c, g, x, ph, th ... become the consonant they are read as. `magic` is set
// when a silent final e lengthens the vowel before the last consonant.
std::string soundLetters(std::string w, bool& magic) {
    magic = false;
    if (w.size() > 3 && w.back() == 'e' && !isVowelLetter(w[w.size() - 2])) {
        bool earlierVowel = false;
        for (std::size_t i = 0; i + 2 < w.size(); ++i) earlierVowel |= isVowelLetter(w[i]);
        if (earlierVowel) {
            magic = w.size() >= 3 && isVowelLetter(w[w.size() - 3]) &&
                    (w.size() < 4 || !isVowelLetter(w[w.size() - 4]));
            w.pop_back();
        }
    } else if (w.size() > 4 && w.ends_with("es") && std::string_view("sxzcgh").find(w[w.size() - 3]) == std::string_view::npos &&
               !isVowelLetter(w[w.size() - 3])) {
        w.erase(w.size() - 2, 1);
    }
    std::string out;
    for (std::size_t i = 0; i < w.size(); ++i) {
        char c = w[i];
        char next = i + 1 < w.size() ? w[i + 1] : '\0';
        bool front = next == 'e' || next == 'i' || next == 'y';
        if (i == 0 && (startsWith(w, 0, "kn") || startsWith(w, 0, "gn") || startsWith(w, 0, "wr"))) continue;
        if (startsWith(w, i, "sch")) { out += 'S'; i += 2; continue; }
        if (startsWith(w, i, "tch")) { out += 'C'; i += 2; continue; }
        if (startsWith(w, i, "chr") || startsWith(w, i, "chl")) { out += 'k'; ++i; continue; }
        if (startsWith(w, i, "sh")) { out += 'S'; ++i; continue; }
        if (startsWith(w, i, "ch")) { out += 'C'; ++i; continue; }
        if (startsWith(w, i, "ph")) { out += 'f'; ++i; continue; }
        if (startsWith(w, i, "th")) { out += i == 0 ? 't' : 'T'; ++i; continue; }  // Thomas, but Ruth
        if (startsWith(w, i, "wh")) { out += 'w'; ++i; continue; }
        if (startsWith(w, i, "ck")) { out += 'k'; ++i; continue; }
        if (startsWith(w, i, "dg")) { out += 'j'; ++i; continue; }
        if (startsWith(w, i, "qu")) { out += 'Q'; ++i; continue; }
        if (startsWith(w, i, "gh")) { if (i == 0) out += 'g'; ++i; continue; }
        if (c == 'q') { out += 'k'; continue; }
        if (c == 'x') { out += i == 0 ? "z" : "ks"; continue; }
        if (c == 'c') { out += front ? 's' : 'k'; continue; }
        if (c == 'g' && front && i + 1 < w.size()) { out += 'j'; continue; }
        if (c == 'h' && i > 0 && (!isVowelLetter(w[i - 1]) || next == '\0')) continue;
        if (!isVowelLetter(c) && c == next) {
            if (c == 'n' && !out.empty() && isVowelLetter(out.back()) && i + 2 < w.size()) out += 'N';
            continue;  // the second letter of a double consonant is read once
        }
        out += c;
    }
    return out;
}

struct Unit {
    std::string consonant;
    Column column;
};

Column vowelColumn(char c) {
    switch (c) {
        case 'a': return A;
        case 'e': return E;
        case 'o': return O;
        case 'u': return U;
        default: return I;
    }
}

Column nasalColumn(Column vowel, bool velar) {
    switch (vowel) {
        case A: return velar ? ANG : AN;
        case E: case ER: return velar ? ING : EN;
        case I: case AI: return velar ? ING : IN;
        case O: case AU: return velar ? ONG : ON;
        default: return velar ? ONG : UN;
    }
}

std::vector<Unit> soundUnits(const std::string& s, bool magic) {
    std::vector<Unit> units;
    auto vowelAt = [&](std::size_t i) {
        if (i >= s.size()) return false;
        if (s[i] == 'y') return i + 1 >= s.size() || !isVowelLetter(s[i + 1]) || i > 0;
        return isVowelLetter(s[i]);
    };
    std::string onset;
    std::size_t lastVowelEnd = std::string::npos;
    for (std::size_t i = 0; i < s.size();) {
        char c = s[i];
        bool consonantY = c == 'y' && i + 1 < s.size() && isVowelLetter(s[i + 1]) && (i == 0 || !isVowelLetter(s[i - 1]));
        if (!vowelAt(i) || consonantY) {
            bool afterVowel = !units.empty() && onset.empty() && lastVowelEnd == i;
            if (c == 'r' && afterVowel && !vowelAt(i + 1)) {  // r closing a syllable is not sounded
                Column& col = units.back().column;
                if (col == E || col == I || col == U) col = ER;
                ++i;
                continue;
            }
            if (c == 'w' && afterVowel && !vowelAt(i + 1)) { ++i; continue; }
            if (!onset.empty()) units.push_back({onset, ALONE});
            onset = std::string(1, c == 'N' ? 'n' : c);
            ++i;
            continue;
        }
        // A vowel group: one letter or a known pair.
        Column col = vowelColumn(c);
        std::size_t len = 1;
        char d = i + 1 < s.size() ? s[i + 1] : '\0';
        bool last2 = i + 2 >= s.size();
        std::string pair{c, d};
        if (pair == "ai" || pair == "ay" || pair == "ei" || pair == "ey") col = (last2 && d == 'y' && c == 'e') ? I : E, len = 2;
        else if (pair == "au" || pair == "aw" || pair == "ou" || pair == "ow") col = AU, len = 2;
        else if (pair == "oo" || pair == "ue" || pair == "ui" || pair == "eu" || pair == "ew") col = U, len = 2;
        else if (pair == "ee" || pair == "ea" || (pair == "ie" && last2)) col = I, len = 2;
        else if (pair == "oa" || pair == "oe") col = O, len = 2;
        std::size_t end = i + len;
        // A lengthened vowel before the last consonant and the silent e.
        if (magic && len == 1 && end + 1 == s.size()) {
            if (c == 'a') col = E;
            else if (c == 'i' || c == 'y') col = AI;
        }
        // A nasal coda joins the vowel when no vowel follows it.
        if (end < s.size() && (s[end] == 'n' || s[end] == 'N')) {
            bool forced = s[end] == 'N';
            bool velar = end + 1 < s.size() && s[end + 1] == 'g';
            bool vowelNext = end + 1 < s.size() && isVowelLetter(s[end + 1]) && !velar;
            if (forced || !vowelNext) {
                col = nasalColumn(col, velar);
                end += forced ? 1 : (velar ? 2 : 1);
            }
        }
        std::string consonant = onset;
        if (consonant.empty() && !units.empty() && lastVowelEnd == i && units.back().column != ALONE) {
            char before = s[i - 1];
            if (before == 'i' && c == 'e' && len == 1 && col == E) {  // Daniel, Gabriel: the e is not sounded
                lastVowelEnd = end;
                i = end;
                continue;
            }
            if (before == 'i' || before == 'e' || before == 'y') consonant = "y";  // Maria, Julia
        }
        units.push_back({consonant, col});
        onset.clear();
        lastVowelEnd = end;
        i = end;
    }
    if (!onset.empty()) units.push_back({onset, ALONE});
    return units;
}

}  // namespace

std::string transliterateName(std::string_view name, bool feminine) {
    std::string word;
    for (char c : name)
        if (std::isalpha(static_cast<unsigned char>(c))) word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (word.empty()) return {};
    for (const auto& [spelling, form] : kEstablished)
        if (word == spelling) return u8text(form);

    bool magic = false;
    std::string sounds = soundLetters(word, magic);
    std::string out;
    const std::vector<Unit> units = soundUnits(sounds, magic);
    for (const Unit& unit : units) {
        auto row = table().find(unit.consonant);
        if (row == table().end()) continue;
        std::string cell = row->second[unit.column];
        // f and v before another consonant are written 弗, at the end 夫.
        if (unit.column == ALONE && (unit.consonant == "f" || unit.consonant == "v") && &unit != &units.back())
            cell = u8text(u8"弗");
        if (feminine)
            for (const auto& [plain, female] : kFeminine)
                if (cell == u8text(plain)) cell = u8text(female);
        out += cell;
    }
    return out;
}

}  // namespace nuvelo::dbbuild
