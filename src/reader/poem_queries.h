// The poem picker's queries and the texts made from a poem.
//
// Poets live in NV_Poet (fields 0 Id, 1 Poet, 2 PoemCount, 3 OrderId), poems
// in NV_全唐诗 (fields 0 Id, 1 标题, 2 作者, 3 内容, 4 首字母). Poet and title
// are bound values, so a name holding a double quote simply finds nothing.
// An empty query result gives an empty list. Texts are GBK.
#pragma once

#include <string>
#include <vector>

#include "refdata/name_db.h"

namespace nuvelo::reader {

// Every poet's name, by display order (OrderId).
std::vector<std::string> poetNames(refdata::NameDb& db);

// The titles of the poems whose author is `poet`, in table order.
std::vector<std::string> poemTitlesOf(refdata::NameDb& db, const std::string& poet);

// The first poem with this title, whoever wrote it.
struct PoemRecord {
    bool found = false;
    std::string text;    // 内容
    std::string preset;  // 首字母: the characters ticked in advance
};
PoemRecord findPoemByTitle(refdata::NameDb& db, const std::string& title);

// The preview page: heading "poet:title", then the text with a line break
// after every "。"; declared as gb2312.
std::string poemPreviewPage(const std::string& poet, const std::string& title, const std::string& text);

// One character box of a used poem.
struct PoemBox {
    std::string caption;  // one character
    bool ticked = false;
};

// A box for every character of the poem text once "，" and "。" are gone
// (other punctuation stays); ticked when its character occurs in the preset.
std::vector<PoemBox> poemBoxes(const PoemRecord& poem);

// Where box `index` (0-based) of a poem goes, relative to the top-left
// corner of the group holding the boxes: 15 to a row, 40 pixels apart,
// rows 20 pixels apart, each 70 x 20.
struct BoxPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
BoxPlace poemBoxPlace(int index);

}  // namespace nuvelo::reader
