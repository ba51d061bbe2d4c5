#include "birthchart/pillar_readings.h"

#include "text/gbk.h"

namespace nuvelo::birthchart {

namespace {

// Element of each stem (甲..癸) and each branch (子..亥).
constexpr const char* kStemElements[] = {"木", "木", "火", "火", "土", "土", "金", "金", "水", "水"};
constexpr const char* kBranchElements[] = {"水", "土", "木", "木", "土", "火", "火", "土", "金", "金", "土", "水"};
constexpr const char* kElementOrder[] = {"金", "木", "水", "火", "土"};

// One nayin per pair of consecutive indices (甲子 乙丑, 丙寅 丁卯, ...).
constexpr const char* kNayin[] = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火",
    "涧下水", "城头土", "白蜡金", "杨柳木", "泉中水", "屋上土",
    "霹雳火", "松柏木", "长流水", "砂石金", "山下火", "平地木",
    "壁上土", "金箔金", "灯头火", "天河水", "大驿土", "钗钏金",
    "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水",
};

// Advice per year branch, in branch order 子..亥.
constexpr const char* kZodiacAdvice[] = {
    /* 子 */ "生肖属相：鼠。\r\n\r\n鼠年出生的人取名偏旁部首：\r\n\r\n宜：宀、米、豆、鱼、艹、金、玉、人、木、月、田、钅等部首为吉。\r\n\r\n忌：山、刀、力、弓、土、穴、心、石、皮、氵、马、酉、才、火、车等部首。",
    /* 丑 */ "生肖属相：牛。\r\n\r\n牛年出生的人取名偏旁部首：\r\n\r\n宜：水、艹、豆、米、金、玉、宀、人、木、氵、钅等部首为吉。\r\n\r\n忌：月、火、田、车、马、石、血、纟、刀、几等部首。",
    /* 寅 */ "生肖属相：虎。\r\n\r\n虎年出生的人取名偏旁部首：\r\n\r\n宜：山、玉、金、木、示、水、月、犭、马、氵、钅等部首为吉。\r\n\r\n忌：日、火、田、口、几、纟、石、刀、血、弓、父、足等部首。",
    /* 卯 */ "生肖属相：兔。\r\n\r\n兔年出生的人取名偏旁部首：\r\n\r\n宜：月、艹、山、田、人、禾、木、宀、金、白、玉、豆、钅等部首为吉。\r\n\r\n忌：马、车、石、刀、力、皮、水、川等部首。",
    /* 辰 */ "生肖属相：龙。\r\n\r\n龙年出生的人取名偏旁部首：\r\n\r\n宜：水、金、玉、白、赤、月、鱼、酉、人、氵、钅等部首为吉。\r\n\r\n忌：土、田、木、禾、示、心、日、石、艹、力、刀、纟、犭、火等部首。",
    /* 巳 */ "生肖属相：蛇。\r\n\r\n蛇年出生的人取名偏旁部首：\r\n\r\n宜：艹、虫、豆、鱼、酉、木、田、山、金、玉、月、土、钅等部首为吉。\r\n\r\n忌：小、石、刀、血、弓、火、人、犭、父、纟等部首。 ",
    /* 午 */ "生肖属相：马。\r\n\r\n马年出生的人取名偏旁部首：\r\n\r\n宜：艹、金、玉、木、禾、虫、米、人、月、土、才、钅等部首为吉。\r\n\r\n忌：田、日、火、水、车、石、力、刀、酉、马等部首。 ",
    /* 未 */ "生肖属相：羊。\r\n\r\n羊年出生的人取名偏旁部首：\r\n\r\n宜：金、白、玉、月、田、豆、米、马、禾、木、人、艹、鱼等部首为吉。\r\n\r\n忌：小、犭、纟、车、山、水、日、火等部首。",
    /* 申 */ "生肖属相：猴。\r\n\r\n猴年出生的人取名偏旁部首：\r\n\r\n宜：木、禾、金、玉、豆、米、田、山、月、水、人、氵等部首为吉。\r\n\r\n忌：火、石、口、冖、纟、刀、力、皮、犭等部首。",
    /* 酉 */ "生肖属相：鸡。\r\n\r\n鸡年出生的人取名偏旁部首：\r\n\r\n宜：米、豆、虫、木、禾、玉、月、宀、山、艹、金、钅等部首为吉。\r\n\r\n忌：石、犭、刀、力、日、酉、血、弓、才、乡、车、马等部首。",
    /* 戌 */ "生肖属相：狗。\r\n\r\n狗年出生的人取名偏旁部首：\r\n\r\n宜：鱼、豆、米、宀、马、金、玉、艹、田、木、月、禾、水、人、氵、钅等部首为吉。\r\n\r\n忌：火、石、纟、山、才、日、酉、车、刀、父、言等部首。",
    /* 亥 */ "生肖属相：猪。\r\n\r\n猪年出生的人取名偏旁部首：\r\n\r\n宜：豆、米、鱼、水、金、玉、月、木、人、山、土、艹、氵等部首为吉。\r\n\r\n忌：纟、石、刀、力、血、弓、几、皮、父等部首。",
};

}  // namespace

std::string elementPairOf(SexagenaryIndex index) {
    if (index < 1 || index > 60) return {};
    return std::string(kStemElements[stemOf(index) - 1]) + "," + kBranchElements[branchOf(index) - 1] + ",";
}

std::string missingElementsOf(const std::string& elements) {
    std::string missing;
    for (const char* element : kElementOrder)
        if (!text::contains(elements, element)) missing += element;
    return missing;
}

std::string missingElementsText(const std::string& missing) {
    return missing.empty() ? std::string("五行不缺") : "五行缺：" + missing;
}

std::string nayinOf(SexagenaryIndex index) {
    if (index < 1 || index > 60) return {};
    return kNayin[(index + 1) / 2 - 1];
}

std::string zodiacAdviceOf(int branch) {
    if (branch < 1 || branch > 12) return {};
    return kZodiacAdvice[branch - 1];
}

}  // namespace nuvelo::birthchart
