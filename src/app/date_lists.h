// The birth-date drop-down lists: which entries they hold and which one is
// selected when they are filled. The main window, the birth-chart page and
// the scoring page fill theirs from here.
#pragma once

class QComboBox;

namespace nuvelo::app {

enum class DatePart { Year, Month, Day, Hour, Minute };

// Clears the list, fills it with the part's entries ("1970".."2030",
// "1".."12", "1".."31", "0".."23", "0".."59") and selects the default
// ("2013" for the year, the first entry otherwise).
void fillDateList(QComboBox* list, DatePart part);

}  // namespace nuvelo::app
