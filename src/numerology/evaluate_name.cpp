#include "numerology/evaluate_name.h"

#include "text/gbk.h"

namespace nuvelo::numerology {
namespace {
int kangxiOf(const CharFacts* f) { return f ? f->kangxi : 0; }
int simplifiedOf(const CharFacts* f) { return f ? f->simplified : 0; }
}  // namespace

NameNumbers evaluateFacts(int surnameCount, const CharFacts* s1, const CharFacts* s2, int givenCount,
                          const CharFacts* g1, const CharFacts* g2, LuckTable& luck) {
    if (surnameCount == 1) s2 = nullptr;
    if (givenCount == 1) g2 = nullptr;
    NameNumbers n;
    n.grids = computeGrids(surnameCount, kangxiOf(s1), kangxiOf(s2), givenCount, kangxiOf(g1), kangxiOf(g2));
    n.simplifiedTotal = simplifiedOf(s1) + simplifiedOf(s2) + simplifiedOf(g1) + simplifiedOf(g2);
    const FiveGrids& g = n.grids;
    n.luck = {luck.numberGrade(g.tian), luck.numberGrade(g.ren), luck.numberGrade(g.di),
              luck.numberGrade(g.zong), luck.numberGrade(g.wai),
              luck.talentsGrade(g.tian % 10, g.ren % 10, g.di % 10)};
    n.score = scoreOf(n.luck);
    return n;
}

std::string elementsOf(const CharFacts* s1, const CharFacts* s2, const CharFacts* g1, const CharFacts* g2) {
    std::string out;
    for (const CharFacts* f : {s1, s2, g1, g2})
        if (f) out += f->element;
    return out;
}

NameCandidate evaluateName(const std::string& surname, const std::string& given, const RunCharTable& facts,
                           LuckTable& luck) {
    NameCandidate c;
    c.surnameChars = text::splitChars(surname);
    c.givenChars = text::splitChars(given);
    auto factsAt = [&](const std::vector<std::string>& chars, std::size_t i) -> CharFacts {
        return i < chars.size() ? facts.findFacts(chars[i]) : CharFacts{};
    };
    int ns = static_cast<int>(c.surnameChars.size());
    int ng = static_cast<int>(c.givenChars.size());
    CharFacts s1 = factsAt(c.surnameChars, 0), s2 = factsAt(c.surnameChars, 1);
    CharFacts g1 = factsAt(c.givenChars, 0), g2 = factsAt(c.givenChars, 1);
    const CharFacts* s2p = ns == 1 ? nullptr : &s2;
    const CharFacts* g2p = ng == 1 ? nullptr : &g2;
    NameNumbers n = evaluateFacts(ns, &s1, s2p, ng, &g1, g2p, luck);
    c.s1 = s1.kangxi;
    c.s2 = s2p ? s2.kangxi : 0;
    c.g1 = g1.kangxi;
    c.g2 = g2p ? g2.kangxi : 0;
    c.simplifiedTotal = n.simplifiedTotal;
    c.elements = elementsOf(&s1, s2p, &g1, g2p);
    c.grids = n.grids;
    c.talents = talentsKey(n.grids);
    c.luck = n.luck;
    c.score = n.score;
    const FiveGrids& g = n.grids;
    c.luckWords = {luck.luckOfNumber(g.tian), luck.luckOfNumber(g.ren), luck.luckOfNumber(g.di),
                   luck.luckOfNumber(g.zong), luck.luckOfNumber(g.wai), luck.luckOfTalents(c.talents)};
    return c;
}

}  // namespace nuvelo::numerology
