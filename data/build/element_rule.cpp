#include "element_rule.h"

namespace nuvelo::dbbuild {

namespace {

struct InitialElement {
    std::string_view initial;
    Element element;
};

constexpr InitialElement kInitials[] = {
    {"b", Element::Water}, {"p", Element::Water},  {"m", Element::Water},  {"f", Element::Water},
    {"h", Element::Water}, {"d", Element::Fire},   {"t", Element::Fire},   {"n", Element::Fire},
    {"l", Element::Fire},  {"zh", Element::Fire},  {"g", Element::Wood},   {"k", Element::Wood},
    {"j", Element::Wood},  {"q", Element::Wood},   {"x", Element::Metal},  {"z", Element::Metal},
    {"c", Element::Metal}, {"s", Element::Metal},  {"ch", Element::Metal}, {"sh", Element::Metal},
    {"r", Element::Metal}, {"", Element::Earth},
};

// u8 literals stay UTF-8 whatever the execution character set is.
const char* utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

}  // namespace

Element elementOfInitial(std::string_view initial) {
    for (const InitialElement& entry : kInitials)
        if (entry.initial == initial) return entry.element;
    return Element::None;
}

Element chooseElement(Element fromTable, std::string_view initial) {
    return fromTable != Element::None ? fromTable : elementOfInitial(initial);
}

const char* elementText(Element element) {
    switch (element) {
        case Element::Metal: return utf8(u8"金");
        case Element::Wood: return utf8(u8"木");
        case Element::Water: return utf8(u8"水");
        case Element::Fire: return utf8(u8"火");
        case Element::Earth: return utf8(u8"土");
        case Element::None: break;
    }
    return "";
}

Element elementFromText(std::string_view text) {
    for (Element e : {Element::Metal, Element::Wood, Element::Water, Element::Fire, Element::Earth})
        if (text == elementText(e)) return e;
    return Element::None;
}

}  // namespace nuvelo::dbbuild
