#include "numerology/char_facts.h"

namespace nuvelo::numerology {

CharFacts lookupFacts(refdata::NameDb& db, const std::string& character) {
    CharFacts facts;
    facts.character = character;
    refdata::Statement row = db.query("select * from NV_CNWord where 汉字=?", {character});
    facts.simplified = db.columnInt(row, 5);
    facts.kangxi = db.columnInt(row, 6);
    facts.element = db.columnText(row, 12);
    db.finalize(row);
    return facts;
}

}  // namespace nuvelo::numerology
