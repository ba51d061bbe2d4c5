// The Kangxi stroke count used by name numerology.
//
// A character counts the strokes of its Kangxi radical in the radical's full
// form (氵 counts as 水 = 4, 艹 as 艸 = 6, 阝 as 阜 = 8 or 邑 = 7, and so on),
// plus the residual strokes of the Kangxi dictionary, but never less than its
// written stroke count. The numerals one to ten count their value.
//
// Only numbers and code points cross this interface, so the rule can be
// tested without any data file.
#pragma once

namespace nuvelo::dbbuild {

// Strokes of Kangxi radical 1..214 in its full form, taken from the radical's
// place in the table (the radicals are numbered in stroke order: 1-6 have one
// stroke, 7-29 two, ..., 187-194 ten, 214 seventeen). 0 outside 1..214.
int radicalStrokes(int radicalNumber);

// 1..10 for the numerals 一 二 三 四 五 六 七 八 九 十, 0 for any other character.
int numeralValue(char32_t character);

// The numerology count of a traditional form: its numeral value when it is a
// numeral; otherwise radicalStrokes(radical) + residual, raised to
// writtenStrokes when that is larger. 0 when the radical is unknown and
// nothing was written.
int kangxiStrokes(char32_t traditional, int radicalNumber, int residual, int writtenStrokes);

}  // namespace nuvelo::dbbuild
