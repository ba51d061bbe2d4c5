// nuvelo-cli char C: the facts of one character from NV_CNWord.
#include <cstdio>
#include <string>

#include "cli/cli_command.h"
#include "text/gbk.h"

namespace nuvelo::cli {

namespace {

struct CharRow {
    std::string character, traditional, pinyin, initial, radical, element;
    int simplifiedStrokes = 0;
    int kangxiStrokes = 0;
};

// Column positions of NV_CNWord.
constexpr int kTraditional = 4, kSimplifiedStrokes = 5, kKangxiStrokes = 6, kPinyin = 8, kInitial = 9,
              kRadical = 11, kElement = 12;

bool lookUp(refdata::NameDb& db, const std::string& character, CharRow& row) {
    refdata::Statement st = db.query("select * from NV_CNWord where 汉字=?", {character});
    bool found = st.hasRow();
    if (found) {
        row.character = character;
        row.traditional = db.columnText(st, kTraditional);
        row.simplifiedStrokes = db.columnInt(st, kSimplifiedStrokes);
        row.kangxiStrokes = db.columnInt(st, kKangxiStrokes);
        row.pinyin = db.columnText(st, kPinyin);
        row.initial = db.columnText(st, kInitial);
        row.radical = db.columnText(st, kRadical);
        row.element = db.columnText(st, kElement);
    }
    db.finalize(st);
    return found;
}

int runChar(const Args& args) {
    if (args.positional.size() != 1) return badInput("char takes one Chinese character");
    std::string character;
    if (!argToGbk(args.positional[0], character) || character.size() != 2 || text::splitChars(character).size() != 1)
        return badInput("not one Chinese character: " + args.positional[0]);
    refdata::NameDb db;
    if (!openReference(args, db)) return 1;
    CharRow row;
    if (!lookUp(db, character, row)) return badInput("no such character in the reference data: " + args.positional[0]);
    if (args.json) {
        // jsonString gives UTF-8 already, so the line is written as it is.
        std::string line = "{\"char\":" + jsonString(row.character) + ",\"traditional\":" + jsonString(row.traditional) +
                 ",\"simplified_strokes\":" + std::to_string(row.simplifiedStrokes) +
                 ",\"kangxi_strokes\":" + std::to_string(row.kangxiStrokes) + ",\"pinyin\":" + jsonString(row.pinyin) +
                 ",\"initial\":" + jsonString(row.initial) + ",\"radical\":" + jsonString(row.radical) +
                 ",\"element\":" + jsonString(row.element) + "}\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
        return 0;
    }
    printGbk("汉字：" + row.character + "\n繁体：" + row.traditional + "\n简体笔画：" +
             std::to_string(row.simplifiedStrokes) + "\n康熙笔画：" + std::to_string(row.kangxiStrokes) +
             "\n拼音：" + row.pinyin + "\n声母：" + (row.initial.empty() ? "（零声母）" : row.initial) +
             "\n部首：" + row.radical + "\n五行：" + row.element + "\n");
    return 0;
}

static CommandRegistrar registrar("char", "C                        facts of one character: strokes, pinyin, radical, element",
                                   runChar);

}  // namespace

}  // namespace nuvelo::cli
