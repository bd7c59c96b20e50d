#include "formats/SoilPatternLookup.h"

#include "data/Cp932Text.h"
#include "data/Fields.h"
#include "data/Number.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kolv {

namespace {

// Code page 932 texts of the lookup.
constexpr std::string_view mixedShort = "\x8D\xAC\x82\xE8";         // 混り
constexpr std::string_view mixedLong = "\x8D\xAC\x82\xB6\x82\xE8";  // 混じり
constexpr std::string_view ri = "\x82\xE8";                         // り
constexpr std::string_view qualifierMark = "\x8E\xBF";              // 質
constexpr std::string_view alternation = "\x8C\xDD\x91w";           // 互層
constexpr std::string_view fullWidthDot = "\x81\x45";               // ・
constexpr std::string_view halfWidthDot = "\xA5";                   // ･

// Names that contain "質" but are base names, longest first where one holds
// another (高有機質土 before 有機質土).
constexpr std::string_view baseNamesHoldingQualifierMark[] = {
    "\x89\xCE\x8E\x52\x8A\x44\x8E\xBF\x94\x53\x90\xAB\x93\x79",  // 火山灰質粘性土
    "\x8D\x82\x97\x4C\x8B\x40\x8E\xBF\x93\x79",                  // 高有機質土
    "\x97\x4C\x8B\x40\x8E\xBF\x93\x79",                          // 有機質土
    "\xE2\x49\x8E\xBF\x93\x79",                                  // 礫質土
    "\x8D\xBB\x8E\xBF\x93\x79",                                  // 砂質土
    "\x8D\x64\x8E\xBF\x94\x53\x93\x79",                          // 硬質粘土
    "\x92\x59\x8E\xBF\x95\xC5\x8A\xE2",                          // 炭質頁岩
    "\x8D\xBB\x8E\xBF\x95\xC5\x8A\xE2",                          // 砂質頁岩
};

// The families of the names the master does not hold, by the noun a name
// ends in, longest ending first: a deposit, talus, a rock, a soil, gravel,
// sand. Their patterns are figures of every installation.
struct NameFamily {
    std::string_view ending;  // code page 932
    long major;
    int minor;
    std::string_view symbol;
};
constexpr NameFamily nameFamilies[] = {
    {"\x91\xCD\x90\xCF\x95\xA8", 200, 1, "Dp"},  // 堆積物: sandy gravel
    {"\x8A\x52\x90\x8D", 5100, 1, "Dt"},         // 崖錐: talus
    {"\x8A\xE2\x94\xD5", 1700, 0, "R"},          // 岩盤: rock in courses
    {"\x8A\xE2", 1700, 0, "R"},                  // 岩
    {"\x93\x79", 4400, 1, "So"},                 // 土: soil
    {"\xE2\x49", 100, 1, "G"},                   // 礫: gravel
    {"\x8D\xBB", 300, 1, "S"},                   // 砂: sand
};

enum class Range { WholeNames, BaseNames, Modifiers, Qualifiers };

int sectionOf(Range range)
{
    switch (range) {
    case Range::WholeNames:
    case Range::BaseNames:
        return 1;
    case Range::Modifiers:
        return 2;
    case Range::Qualifiers:
        return 3;
    }
    return 1;
}

// Calls visit(row) for every row of the range on the set, in master order.
template <class Visit> void forEachRow(const SoilNameMaster& master, int set, Range range, Visit visit)
{
    const int section = sectionOf(range);
    const int first = master.firstRow[section][set];
    const int last = std::min<int>(master.lastRow[section][set], static_cast<int>(master.rows.size()));
    if (first <= 0)
        return;
    for (int row = first; row <= last; ++row) {
        const SoilNameRow& entry = master.rows[row - 1];
        if (entry.name.empty())
            continue;
        const long number = entry.patternNumber[set];
        if (range == Range::WholeNames && number < 10000)
            continue;
        if (range == Range::BaseNames && (number <= 0 || number >= 10000))
            continue;
        visit(entry);
    }
}

struct BaseMatch {
    bool found = false;
    long major = 0;
    int minor = 0;
    std::string symbol;
};

// The longest base name contained in the text; the later entry wins among
// names of equal length.
BaseMatch lookupBaseName(std::string_view text, const SoilNameMaster& master, int set)
{
    const SoilNameRow* winner = nullptr;
    forEachRow(master, set, Range::BaseNames, [&](const SoilNameRow& entry) {
        if (containsText(text, entry.name) && (!winner || entry.name.size() >= winner->name.size()))
            winner = &entry;
    });
    if (!winner)
        return {};
    return {true, winner->patternNumber[set], winner->markDigit[set], winner->symbol};
}

// The text without blanks and a bracketed note at its end ("盛土(砕石)" is
// fill), so that its last characters are the noun that names it.
std::string_view headOfName(std::string_view text)
{
    constexpr std::string_view blanks[] = {" ", "\t", "\x81\x40"};  // full-width space
    constexpr std::pair<std::string_view, std::string_view> brackets[] = {{"(", ")"},
                                                                          {"\x81\x69", "\x81\x6A"}};  // （ ）
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (std::string_view blank : blanks) {
            if (endsWithText(text, blank)) {
                text.remove_suffix(blank.size());
                trimmed = true;
            }
        }
        for (const auto& [open, close] : brackets) {
            if (!endsWithText(text, close))
                continue;
            std::size_t openAt = textNotFound;
            for (std::size_t at = findText(text, open); at != textNotFound; at = findText(text, open, at + 1))
                openAt = at;
            if (openAt != textNotFound && openAt > 0) {
                text = text.substr(0, openAt);
                trimmed = true;
            }
        }
    }
    return text;
}

// The pattern of a base name the master does not hold: its head when the
// master holds that ("盛土(砕石)" draws as 盛土, and a head the master lists
// without a pattern in this set stays without), else the family its last
// noun names.
BaseMatch lookupNameFamily(std::string_view text, const SoilNameMaster& master, int set)
{
    const std::string_view head = headOfName(text);
    for (const SoilNameRow& entry : master.rows) {
        if (entry.name.empty() || entry.name != head)
            continue;
        if (entry.patternNumber[set] <= 0)
            return {};
        return {true, entry.patternNumber[set], entry.markDigit[set], entry.symbol};
    }
    for (const NameFamily& family : nameFamilies)
        if (endsWithText(head, family.ending))
            return {true, family.major, family.minor, std::string(family.symbol)};
    return {};
}

// The base name of the text, or the family its last noun names.
BaseMatch lookupBaseNameOrFamily(std::string_view text, const SoilNameMaster& master, int set)
{
    const BaseMatch base = lookupBaseName(text, master, set);
    return base.found ? base : lookupNameFamily(text, master, set);
}

// The base name holding "質" that the text contains and the master holds, if any.
BaseMatch lookupBaseNameHoldingQualifierMark(std::string_view text, const SoilNameMaster& master, int set)
{
    for (std::string_view baseName : baseNamesHoldingQualifierMark) {
        if (!containsText(text, baseName))
            continue;
        const SoilNameRow* found = nullptr;
        forEachRow(master, set, Range::BaseNames, [&](const SoilNameRow& entry) {
            if (entry.name == baseName)
                found = &entry;
        });
        if (found)
            return {true, found->patternNumber[set], found->markDigit[set], found->symbol};
    }
    return {};
}

SoilPattern lookupAlternation(std::string_view name, std::size_t alternationAt, const SoilNameMaster& master, int set)
{
    const std::string_view components = name.substr(0, alternationAt);
    std::size_t split = findText(components, fullWidthDot);
    std::size_t separatorLength = fullWidthDot.size();
    if (split == textNotFound) {
        split = findText(components, halfWidthDot);
        separatorLength = halfWidthDot.size();
    }
    if (split == textNotFound)
        return {};
    const BaseMatch first = lookupBaseNameOrFamily(components.substr(0, split), master, set);
    const BaseMatch second = lookupBaseNameOrFamily(components.substr(split + separatorLength), master, set);
    if (!first.found && !second.found)
        return {};

    SoilPattern pattern;
    const long hundreds = static_cast<long>(std::floor(first.major / 100.0 + 0.0000001)) * 100;
    if (hundreds > 9900)
        pattern.major = hundreds;
    else if (second.major > 9900)
        pattern.major = 90000 + hundreds;
    else
        pattern.major = 90000 + hundreds + second.major / 100;
    if (first.minor == 0 || second.minor == 0)
        pattern.minor = first.minor + second.minor;
    else if (first.minor == second.minor)
        pattern.minor = first.minor;
    else
        pattern.minor = 3;
    pattern.symbol = first.symbol + "/" + second.symbol;
    return pattern;
}

SoilPattern lookupComposedName(std::string_view name, const SoilNameMaster& master, int set)
{
    bool matched = false;
    long major = 0;
    int minor = 0;

    // "…混じり" modifier: the part up to the first "り".
    std::string modifierSymbol;
    std::string_view remainder = name;
    const std::size_t riAt = findText(name, ri);
    if (riAt != textNotFound) {
        const std::string_view modifierPart = name.substr(0, riAt + ri.size());
        remainder = name.substr(riAt + ri.size());
        const SoilNameRow* modifier = nullptr;
        forEachRow(master, set, Range::Modifiers, [&](const SoilNameRow& entry) {
            if (!modifier && containsText(modifierPart, entry.name))
                modifier = &entry;
        });
        if (modifier) {
            matched = true;
            if (modifier->patternNumber[set] > 0)
                major += modifier->patternNumber[set];
            modifierSymbol = modifier->symbol;
        } else {
            modifierSymbol.push_back('-');
        }
    }

    std::string qualifierSymbol;
    BaseMatch base = lookupBaseNameHoldingQualifierMark(remainder, master, set);
    if (!base.found) {
        const SoilNameRow* qualifier = nullptr;
        forEachRow(master, set, Range::Qualifiers, [&](const SoilNameRow& entry) {
            if (!qualifier && containsText(remainder, entry.name))
                qualifier = &entry;
        });
        if (qualifier) {
            matched = true;
            // An entry without a pattern in this set adds nothing (its
            // number reads as -1).
            if (qualifier->patternNumber[set] > 0)
                major += qualifier->patternNumber[set];
            qualifierSymbol = qualifier->symbol;
            const std::size_t markAt = findText(remainder, qualifierMark);
            if (markAt != textNotFound)
                remainder = remainder.substr(markAt + qualifierMark.size());
        }
        base = lookupBaseNameOrFamily(remainder, master, set);
    }
    if (base.found) {
        matched = true;
        major += base.major;
        minor = base.minor;
    }
    if (!matched)
        return {};
    SoilPattern pattern;
    pattern.major = major;
    pattern.minor = minor;
    pattern.symbol = base.symbol + qualifierSymbol + modifierSymbol;
    return pattern;
}

}  // namespace

SoilPattern lookupSoilPattern(std::string_view name, std::string_view hint, const SoilNameMaster& master, int set)
{
    if (set != vectorPatternSet && set != bitmapPatternSet)
        return {};
    const std::string fullName = replaceAllText(name, mixedShort, mixedLong);

    SoilPattern pattern;
    const SoilNameRow* whole = nullptr;
    forEachRow(master, set, Range::WholeNames, [&](const SoilNameRow& entry) {
        if (!whole && entry.name == fullName)
            whole = &entry;
    });
    if (whole) {
        pattern = {whole->patternNumber[set], whole->markDigit[set], whole->symbol};
    } else {
        const std::size_t alternationAt = findText(fullName, alternation);
        pattern = alternationAt == textNotFound ? lookupComposedName(fullName, master, set)
                                                : lookupAlternation(fullName, alternationAt, master, set);
    }

    if (isNumericText(hint) > 0) {
        // A hint beyond any pattern number is nonsense, not a number to wrap.
        const double number = std::fabs(parseLeadingNumber(hint));
        pattern.major = number < 1.0e9 ? static_cast<long>(number) : 0;
    }
    return pattern;
}

void rebuildVectorCodes(BoringData& data, const SoilNameMaster& master)
{
    const int count = layerCount(data);
    for (int row = 1; row <= count; ++row) {
        auto& layers = data.layerRows;
        const std::string& name = layers.cell(row, LayerCell::Name);
        if (name.empty()) {
            layers.setCell(row, LayerCell::VectorPatternCode, {});
            layers.setCell(row, LayerCell::VectorSymbol, {});
        } else {
            SoilPattern pattern = lookupSoilPattern(name, {}, master, vectorPatternSet);
            layers.setCell(row, LayerCell::VectorPatternCode, formatText("%ld.%d", pattern.major, pattern.minor));
            layers.setCell(row, LayerCell::VectorSymbol, std::move(pattern.symbol));
        }
        const std::string& auxiliary = layers.cell(row, LayerCell::AuxiliaryName);
        if (auxiliary.empty()) {
            layers.setCell(row, LayerCell::AuxiliaryVectorPatternCode, {});
        } else {
            const SoilPattern pattern = lookupSoilPattern(auxiliary, {}, master, vectorPatternSet);
            layers.setCell(row, LayerCell::AuxiliaryVectorPatternCode,
                           formatText("%ld.%d", pattern.major, pattern.minor));
        }
    }
}

}  // namespace kolv
