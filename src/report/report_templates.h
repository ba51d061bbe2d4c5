// The three page templates: the name report, the character page and the
// surname page. Each is held here once, as GBK text with CR LF line ends,
// and filled with fillPlaceholders.
//
// The pages are shown by a page view that honours class rules, colours,
// font sizes and cell backgrounds but neither a CSS width nor float, so every
// table also carries a width attribute and no rule floats.
#pragma once

#include <string>

namespace nuvelo::report {

const std::string& nameReportTemplate();
const std::string& characterPageTemplate();
const std::string& surnamePageTemplate();

}  // namespace nuvelo::report
