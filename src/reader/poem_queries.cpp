#include "reader/poem_queries.h"

#include "text/gbk.h"

namespace nuvelo::reader {
namespace {

constexpr int kPoetNameField = 1;
constexpr int kTitleField = 1;
constexpr int kTextField = 3;
constexpr int kPresetField = 4;

constexpr int kBoxesPerRow = 15;
constexpr int kColumnStep = 40;
constexpr int kRowStep = 20;
constexpr int kBoxWidth = 70;
constexpr int kBoxHeight = 20;

// Field `field` of every row the statement returns.
std::vector<std::string> columnOfRows(refdata::NameDb& db, refdata::Statement s, int field) {
    std::vector<std::string> values;
    for (; s.hasRow(); db.nextRow(s)) values.push_back(db.columnText(s, field));
    db.finalize(s);
    return values;
}

}  // namespace

std::vector<std::string> poetNames(refdata::NameDb& db) {
    return columnOfRows(db, db.query("select * from NV_Poet order by OrderId ASC"), kPoetNameField);
}

std::vector<std::string> poemTitlesOf(refdata::NameDb& db, const std::string& poet) {
    return columnOfRows(db, db.query("select * from NV_全唐诗 where 作者=?", {poet}), kTitleField);
}

PoemRecord findPoemByTitle(refdata::NameDb& db, const std::string& title) {
    PoemRecord poem;
    refdata::Statement s = db.query("select * from NV_全唐诗 where 标题=?", {title});
    if (s.hasRow()) {
        poem.found = true;
        poem.text = db.columnText(s, kTextField);
        poem.preset = db.columnText(s, kPresetField);
    }
    db.finalize(s);
    return poem;
}

std::string poemPreviewPage(const std::string& poet, const std::string& title, const std::string& text) {
    const std::string heading = poet + ":" + title;
    return "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\"><title>" + heading +
           "</title></head><body><b>" + heading + "</b><br><br>" + text::replaceAll(text, "。", "。<br>") +
           "</body></html>";
}

std::vector<PoemBox> poemBoxes(const PoemRecord& poem) {
    const std::string bare = text::replaceAll(text::replaceAll(poem.text, "，", ""), "。", "");
    std::vector<PoemBox> boxes;
    for (std::string& c : text::splitChars(bare)) {
        const bool ticked = text::contains(poem.preset, c);
        boxes.push_back({std::move(c), ticked});
    }
    return boxes;
}

BoxPlace poemBoxPlace(int index) {
    return {(index % kBoxesPerRow) * kColumnStep, (index / kBoxesPerRow) * kRowStep, kBoxWidth, kBoxHeight};
}

}  // namespace nuvelo::reader
