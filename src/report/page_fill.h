// Filling the page templates: placeholder replacement and HTML escaping.
//
// Every page the report subsystem writes is a fixed template with
// placeholders such as {天格}; one helper fills them all, so the rule
// (every occurrence, exact spelling, values inserted once) is the same for
// every page. Texts are GBK.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nuvelo::report {

// (placeholder with its braces, value), e.g. {"{天格}", "12"}.
using Placeholders = std::vector<std::pair<std::string, std::string>>;

// Replaces every occurrence of every placeholder, case-sensitively, by its
// value. The template is read once from left to right, so a value that itself
// holds a placeholder's spelling stays as it is. Text in braces that is no
// known placeholder is kept; an empty placeholder matches nothing.
std::string fillPlaceholders(std::string_view pageTemplate, const Placeholders& values);

// Text a user typed, made safe for a page: & < > " ' become entities.
// The five characters are below 0x40, so they never occur as the second byte
// of a GBK character and a byte-wise pass cannot split one.
std::string escapeHtml(std::string_view text);

}  // namespace nuvelo::report
