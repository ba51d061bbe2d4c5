// nuvelo-cli generate MODE --surname S [...]: the rows a generation mode lists.
#include <cstdio>
#include <cstdlib>

#include "cli/cli_command.h"
#include "generation/collecting_host.h"
#include "generation/generation_run.h"
#include "text/gbk.h"

namespace nuvelo::cli {
namespace {

using namespace generation;

bool parseMode(const std::string& s, Mode& mode) {
    static const std::pair<const char*, Mode> kModes[] = {
        {"high", Mode::HighScore}, {"super", Mode::Super},         {"classic", Mode::Classic},
        {"poetry", Mode::Poetry},  {"combination", Mode::Combination}, {"nickname", Mode::Nickname},
        {"english", Mode::English}};
    for (const auto& [name, m] : kModes)
        if (s == name) {
            mode = m;
            return true;
        }
    return false;
}

// --filter "second:金水,third:,required:木,forbidden:火" turns the named
// masters on with the listed element boxes; "none" turns every master off.
bool parseFilter(const std::string& filtersUtf8, ElementFilters& f, std::string& error) {
    f = ElementFilters{};
    f.requiredMaster = false;
    f.required = {};
    if (filtersUtf8 == "none") return true;
    std::string filters;
    if (!argToGbk(filtersUtf8, filters)) {
        error = "filter holds characters outside GBK";
        return false;
    }
    static const char* const kElements[5] = {"金", "木", "水", "火", "土"};
    for (const std::string& part : text::splitText(filters, ",")) {
        std::size_t colon = part.find(':');
        std::string family = part.substr(0, colon);
        std::string elements = colon == std::string::npos ? std::string() : part.substr(colon + 1);
        bool* master = nullptr;
        std::array<bool, 5>* boxes = nullptr;
        if (family == "second") master = &f.secondMaster, boxes = &f.second;
        else if (family == "third") master = &f.thirdMaster, boxes = &f.third;
        else if (family == "required") master = &f.requiredMaster, boxes = &f.required;
        else if (family == "forbidden") master = &f.forbiddenMaster, boxes = &f.forbidden;
        else {
            error = "unknown filter family: " + family;
            return false;
        }
        *master = true;
        for (const std::string& e : text::splitChars(elements)) {
            int index = -1;
            for (int i = 0; i < 5; ++i)
                if (e == kElements[i]) index = i;
            if (index < 0) {
                error = "unknown element: " + e;
                return false;
            }
            (*boxes)[static_cast<std::size_t>(index)] = true;
        }
    }
    return true;
}

bool parseStyle(const std::string& s, NicknameStyle& style) {
    std::string g = text::toGbk(s);
    if (g == "AA") style = NicknameStyle::AA;
    else if (g == "小A") style = NicknameStyle::XiaoA;
    else if (g == "A儿") style = NicknameStyle::AEr;
    else if (g == "阿A") style = NicknameStyle::AhA;
    else return false;
    return true;
}

void printRow(const NameRow& r, Mode mode, bool json) {
    if (!json) {
        printGbk(text::joinText(std::vector<std::string>(r.cells.begin(), r.cells.begin() + (mode == Mode::English ? 4 : 8)),
                                "    ") +
                 "\n");
        return;
    }
    if (mode == Mode::English) {
        std::printf("{\"no\":%s,\"name\":%s,\"cnword\":%s,\"mean\":%s}\n", r.cells[0].c_str(),
                    jsonString(r.cells[1]).c_str(), jsonString(r.cells[2]).c_str(), jsonString(r.cells[3]).c_str());
        return;
    }
    std::printf("{\"no\":%s,\"name\":%s,\"simplified\":%s,\"traditional\":%s,\"elements\":%s,\"grids\":%s,"
                "\"sancai\":%s,\"score\":%s}\n",
                r.cells[0].c_str(), jsonString(r.cells[1]).c_str(), r.cells[2].c_str(), r.cells[3].c_str(),
                jsonString(r.cells[4]).c_str(), jsonString(r.cells[5]).c_str(), jsonString(r.cells[6]).c_str(),
                r.cells[7].c_str());
}

int runGenerate(const Args& args) {
    RunInputs in;
    if (args.positional.size() != 1 || !parseMode(args.positional[0], in.mode))
        return badInput("usage: generate high|super|classic|poetry|combination|nickname|english --surname S ...");
    if (!argToGbk(args.option("--surname"), in.surname)) return badInput("surname holds characters outside GBK");
    if (text::isBlank(in.surname)) return badInput("--surname is required");
    // Arguments are UTF-8; the default is spelled as UTF-8 too.
    std::string sex = args.option("--sex", in.mode == Mode::English ? "1" : reinterpret_cast<const char*>(u8"男"));
    if (in.mode == Mode::English) {
        in.englishSex = text::toNumber(sex);
        if (in.englishSex < 1 || in.englishSex > 3) return badInput("--sex must be 1, 2 or 3 for english");
        if (!argToGbk(args.option("--given"), in.englishGiven) || text::isBlank(in.englishGiven))
            return badInput("--given is required for english");
    } else {
        in.sex = text::toGbk(sex);
        if (in.sex != "男" && in.sex != "女") return badInput("--sex must be 男 or 女");
    }
    std::string length = args.option("--length", "2");
    if (length != "1" && length != "2") return badInput("--length must be 1 or 2");
    in.nameLength = length == "2" ? 2 : 1;
    if (args.has("--second") && args.has("--third")) return badInput("use --second or --third, not both");
    if (args.has("--second")) {
        in.generationChar = GenerationChar::Second;
        if (!argToGbk(args.option("--second"), in.fixedSecond) || in.fixedSecond.empty())
            return badInput("--second needs a character");
    }
    if (args.has("--third")) {
        in.generationChar = GenerationChar::Third;
        if (!argToGbk(args.option("--third"), in.fixedThird) || in.fixedThird.empty())
            return badInput("--third needs a character");
    }
    std::string chars;
    if (!argToGbk(args.option("--chars"), chars)) return badInput("--chars holds characters outside GBK");
    if (in.mode == Mode::Combination) in.combinationText = chars.empty() ? "圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇" : chars;
    if (in.mode == Mode::Poetry) {
        if (chars.empty()) return badInput("--chars is required for poetry (the ticked characters)");
        for (const std::string& c : text::splitChars(chars)) in.poemBoxes.emplace_back(c, true);
    }
    if (args.has("--style") && !parseStyle(args.option("--style"), in.nicknameStyle))
        return badInput("--style must be AA, 小A, A儿 or 阿A");
    if (args.has("--filter")) {
        std::string error;
        if (!parseFilter(args.option("--filter"), in.filters, error)) return badInput(error);
    }
    if (args.has("--seed")) {
        char* end = nullptr;
        std::string seed = args.option("--seed");
        in.seed = std::strtoull(seed.c_str(), &end, 10);
        if (seed.empty() || *end != '\0') return badInput("--seed must be a number");
    }

    refdata::NameDb db;
    if (!openReference(args, db)) return 1;
    SharedRunInputs shared;
    shared.set(in);
    CollectingHost host;
    generationRun(shared, db, host, nullptr);
    db.close();
    // A run that refuses its input says so instead of listing.
    for (const std::string& message : host.messages())
        if (message == kTooManyCombinationChars) return badInput(message);

    if (in.mode == Mode::Classic) {
        if (args.json) std::printf("{\"text\":%s}\n", jsonString(host.classicText()).c_str());
        else printGbk(host.classicText() + "\n");
        return 0;
    }
    static const std::pair<Mode, ListId> kLists[] = {{Mode::HighScore, ListId::HighScore}, {Mode::Super, ListId::Super},
                                                     {Mode::Poetry, ListId::Poetry}, {Mode::Combination, ListId::Combination},
                                                     {Mode::Nickname, ListId::Nickname}, {Mode::English, ListId::English}};
    for (const auto& [m, list] : kLists)
        if (m == in.mode)
            for (const NameRow& r : host.rows(list)) printRow(r, in.mode, args.json);
    return 0;
}

const CommandRegistrar reg("generate",
                           "MODE --surname S [--sex 男|女] [--length 1|2] [--chars T] [--given G] [--style S]\n"
                           "             [--second X | --third Y] [--filter FILTERS] [--seed N]   the names a mode lists",
                           runGenerate);

}  // namespace
}  // namespace nuvelo::cli
