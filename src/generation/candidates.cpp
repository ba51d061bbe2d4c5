#include "generation/candidates.h"

#include "text/gbk.h"

namespace nuvelo::generation {

using numerology::CharFacts;
using numerology::lookupFacts;
using numerology::RunCharTable;

std::string CandidateSet::text(std::size_t i) const {
    const auto& n = names[i];
    std::string t = chars[static_cast<std::size_t>(n[0])].character;
    if (n[1] >= 0) t += chars[static_cast<std::size_t>(n[1])].character;
    return t;
}

int32_t CandidateSet::addFixed(const RunCharTable& table, const std::string& character) {
    chars.push_back(table.findFacts(character));
    return static_cast<int32_t>(chars.size() - 1);
}

namespace {

bool stopped(worker::WorkerControl* control) {
    return control && control->checkpoint() == worker::WorkerControl::Step::Stop;
}

// Fills the table (and the candidate entries) with the facts of every pool
// entry; calls `onEntry(index)` after each one.
template <typename OnEntry>
PassResult fillTable(const std::vector<std::string>& pool, refdata::NameDb& db, RunCharTable& table,
                     CandidateSet& out, worker::WorkerControl* control, OnEntry onEntry) {
    for (const std::string& p : pool) {
        if (stopped(control)) return PassResult::Stopped;
        int index = table.add(lookupFacts(db, p));
        out.chars.push_back(table.at(index));
        onEntry(index);
    }
    return PassResult::Done;
}

}  // namespace

PassResult generateCandidates(const std::vector<std::string>& pool, int nameLength, const RunInputs& inputs,
                              refdata::NameDb& db, RunCharTable& table, CandidateSet& out,
                              worker::WorkerControl* control) {
    if (nameLength != 2) {
        return fillTable(pool, db, table, out, control, [&](int i) {
            if (table.at(i).usable()) out.names.push_back({i, -1});
        });
    }
    if (inputs.generationChar != GenerationChar::None) {
        bool second = inputs.generationChar == GenerationChar::Second;
        const std::string& fixedText = second ? inputs.fixedSecond : inputs.fixedThird;
        std::vector<int32_t> usable;
        PassResult r = fillTable(pool, db, table, out, control, [&](int i) {
            if (table.at(i).usable()) usable.push_back(i);
        });
        if (r == PassResult::Stopped) return r;
        // The fixed text takes its facts from the run table: empty unless it
        // is itself a pool entry.
        int32_t fixed = out.addFixed(table, fixedText);
        for (int32_t p : usable) out.names.push_back(second ? std::array<int32_t, 2>{fixed, p}
                                                             : std::array<int32_t, 2>{p, fixed});
        return PassResult::Done;
    }
    int32_t n = static_cast<int32_t>(pool.size());
    out.names.reserve(static_cast<std::size_t>(n) * static_cast<std::size_t>(n));
    return fillTable(pool, db, table, out, control, [&](int p) {
        if (!table.at(p).usable()) return;
        for (int32_t q = 0; q < n; ++q) out.names.push_back({p, q});
    });
}

FilterSets filterSets(const ElementFilters& f) {
    static const char* const kCaptions[5] = {"金", "木", "水", "火", "土"};
    auto joined = [](const std::array<bool, 5>& boxes) {
        std::string s;
        for (int i = 0; i < 5; ++i)
            if (boxes[static_cast<std::size_t>(i)]) s += kCaptions[i];
        return s;
    };
    const std::string all = "金木水火土";
    auto orAll = [&](const std::string& s) { return s.empty() ? all : s; };
    FilterSets sets;
    sets.second = f.secondMaster ? orAll(joined(f.second)) : all;
    sets.third = f.thirdMaster ? orAll(joined(f.third)) : all;
    sets.required = f.requiredMaster ? orAll(joined(f.required)) : all;
    sets.forbidden = f.forbiddenMaster ? joined(f.forbidden) : std::string();
    return sets;
}

PassResult superCandidates(const std::vector<std::string>& pool, const ElementFilters& filters,
                           refdata::NameDb& db, RunCharTable& table, CandidateSet& out,
                           worker::WorkerControl* control) {
    FilterSets sets = filterSets(filters);
    bool positions = filters.secondMaster || filters.thirdMaster;
    bool whole = filters.requiredMaster || filters.forbiddenMaster;
    std::vector<int32_t> secondList, thirdList, wholeList;
    PassResult r = fillTable(pool, db, table, out, control, [&](int i) {
        const CharFacts& f = table.at(i);
        if (!f.usable()) return;
        if (positions) {
            if (text::contains(sets.second, f.element)) secondList.push_back(i);
            if (text::contains(sets.third, f.element)) thirdList.push_back(i);
        }
        if (whole && text::contains(sets.required, f.element) && !text::contains(sets.forbidden, f.element))
            wholeList.push_back(i);
    });
    if (r == PassResult::Stopped) return r;
    out.names.reserve(secondList.size() * thirdList.size() + wholeList.size() * wholeList.size());
    if (positions)
        for (int32_t a : secondList)
            for (int32_t b : thirdList) out.names.push_back({a, b});
    if (whole)
        for (int32_t a : wholeList)
            for (int32_t b : wholeList) out.names.push_back({a, b});
    return PassResult::Done;
}

PassResult nicknameCandidates(const std::vector<std::string>& pool, NicknameStyle style, refdata::NameDb& db,
                              RunCharTable& table, CandidateSet& out, worker::WorkerControl* control) {
    std::vector<int32_t> usable;
    PassResult r = fillTable(pool, db, table, out, control, [&](int i) {
        if (table.at(i).usable()) usable.push_back(i);
    });
    if (r == PassResult::Stopped) return r;
    int32_t pattern = -1;
    if (style == NicknameStyle::XiaoA) pattern = out.addFixed(table, "小");
    if (style == NicknameStyle::AEr) pattern = out.addFixed(table, "儿");
    if (style == NicknameStyle::AhA) pattern = out.addFixed(table, "阿");
    for (int32_t p : usable) {
        switch (style) {
            case NicknameStyle::AA: out.names.push_back({p, p}); break;
            case NicknameStyle::AEr: out.names.push_back({p, pattern}); break;
            default: out.names.push_back({pattern, p}); break;
        }
    }
    return PassResult::Done;
}

}  // namespace nuvelo::generation
