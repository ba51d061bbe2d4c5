// The five-element attribute (五行属性) of a character.
//
// One rule decides it: the element of the character table (cnchar-info,
// which follows the meaning and radical of the character) when it has one,
// otherwise the element of the initial of the character's main reading:
//   b p m f h          -> water 水
//   d t n l zh         -> fire 火
//   g k j q            -> wood 木
//   x z c s ch sh r    -> metal 金
//   zero initial ("")  -> earth 土
// The rule works on enum values and ASCII initials, so it can be tested
// without any data file.
#pragma once

#include <string_view>

namespace nuvelo::dbbuild {

enum class Element { None, Metal, Wood, Water, Fire, Earth };

// The element of an initial as listed above; None for a text that is not one
// of the 21 initials nor the empty zero initial.
Element elementOfInitial(std::string_view initial);

// The table's element when it is not None, else elementOfInitial(initial).
Element chooseElement(Element fromTable, std::string_view initial);

// UTF-8 text of an element ("金" ...), "" for None.
const char* elementText(Element element);
// The element named by a UTF-8 text "金" "木" "水" "火" "土"; None otherwise.
Element elementFromText(std::string_view utf8);

}  // namespace nuvelo::dbbuild
