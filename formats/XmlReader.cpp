#include "formats/XmlReader.h"

#include "data/Cp932Text.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "formats/XmlRowCompletion.h"
#include "formats/XmlText.h"
#include "platform/Cp932Codec.h"

#include <unordered_map>
#include <vector>

namespace kolv {

namespace {

struct LineElement {
    std::string_view name;
    std::string_view value;
    bool runsOn = false;  // no tag after the value: it goes on in the next line
};

// The element a line holds: its name between the first "<" and the next ">"
// (for an empty element "<name/>", without the "/"), its value between that
// ">" and the next "<", or the end of the line when the value runs on.
bool findLineElement(std::string_view line, LineElement& element)
{
    const std::size_t open = findText(line, "<");
    if (open == textNotFound)
        return false;
    const std::size_t close = findText(line, ">", open + 1);
    if (close == textNotFound)
        return false;
    if (close > open + 1 && line[close - 1] == '/') {
        element.name = line.substr(open + 1, close - open - 2);
        element.value = {};
        return true;
    }
    element.name = line.substr(open + 1, close - open - 1);
    const std::size_t valueEnd = findText(line, "<", close + 1);
    element.value = line.substr(close + 1, valueEnd == textNotFound ? std::string_view::npos : valueEnd - close - 1);
    element.runsOn = valueEnd == textNotFound;
    return true;
}

// The heading keeps the name of the hammer drop device, the file its code.
std::string hammerDropDeviceName(std::string_view code)
{
    if (isNumericText(code) < 1)
        return {};
    switch (parseLeadingInteger(code)) {
    case 1:
        return utf8ToCp932("全自動");
    case 2:
        return utf8ToCp932("半自動");
    case 3:
        return utf8ToCp932("トンビ");
    case 4:
        return utf8ToCp932("コーンプーリー");
    default:
        return {};
    }
}

void storeHeadingLine(BoringData& data, int line, std::string value)
{
    if (line > headingLineCount)
        return;
    if (line == HeadingLine::HammerDropDevice)
        value = hammerDropDeviceName(value);
    data.setHeadingLine(line, std::move(value));
    // The location code is kept whole in one line: first, second and third
    // level one after the other.
    if (line == HeadingLine::LocationCodeThird)
        data.setHeadingLine(HeadingLine::LocationCode,
                            data.headingLine(HeadingLine::LocationCode)
                                + data.headingLine(HeadingLine::LocationCodeSecond)
                                + data.headingLine(HeadingLine::LocationCodeThird));
}

void storeLineElement(BoringData& data, XmlReaderState& state, std::string_view line)
{
    LineElement element;
    if (!state.currentGroup || !findLineElement(line, element))
        return;
    const XmlGroup& group = *state.currentGroup;
    for (const XmlTagEntry& entry : group.entries) {
        if (entry.element != element.name)
            continue;
        if (entry.number <= 0)
            return;
        std::string value = decodeCharacterReferences(element.value);
        if (group.kind == XmlGroupKind::Heading) {
            if (element.runsOn && entry.number <= headingLineCount)
                state.runOnHeadingLine = entry.number;
            storeHeadingLine(data, entry.number, std::move(value));
            return;
        }
        if (entry.number > xmlFieldCount)
            return;
        if (element.runsOn) {
            state.runOnField = entry.number;
            state.runOnSecondField = entry.alsoNumber <= xmlFieldCount ? entry.alsoNumber : 0;
        }
        ++state.storedElementCount;
        if (entry.penetrationUnit != PenetrationUnit::Unknown)
            state.penetrationUnit = entry.penetrationUnit;
        // A sample lists every laboratory test in an element of its own.
        if (group.kind == XmlGroupKind::Sample && entry.number == sampleTestNamesField)
            state.fields[entry.number] += value;
        else if (entry.alsoNumber > 0 && entry.alsoNumber <= xmlFieldCount)
            state.fields[entry.number] = state.fields[entry.alsoNumber] = std::move(value);
        else
            state.fields[entry.number] = std::move(value);
        return;
    }
}

void endRunOnValue(XmlReaderState& state)
{
    state.runOnHeadingLine = 0;
    state.runOnField = 0;
    state.runOnSecondField = 0;
}

// The group whose opening tag a line holds, the first in table order when it
// holds several. Every opening tag starts with "<", which is never the second
// byte of a character, so only the line's "<" need be looked at, and there
// only the tags that go on with the same two bytes.
class OpeningTagIndex {
public:
    OpeningTagIndex()
    {
        const std::vector<XmlGroup>& groups = xmlTagTable();
        for (std::size_t group = 0; group < groups.size(); ++group) {
            const std::string& tag = groups[group].openingTag;
            if (tag.size() >= 3 && tag[0] == '<')
                byNextBytes_[keyAt(tag, 1)].push_back(group);
            else
                elsewhere_.push_back(group);
        }
    }

    const XmlGroup* groupOf(std::string_view line) const
    {
        const std::vector<XmlGroup>& groups = xmlTagTable();
        std::size_t first = groups.size();
        for (std::size_t group : elsewhere_)
            if (group < first && containsText(line, groups[group].openingTag))
                first = group;
        for (std::size_t open = line.find('<'); open != std::string_view::npos && open + 2 < line.size();
             open = line.find('<', open + 1)) {
            const auto candidates = byNextBytes_.find(keyAt(line, open + 1));
            if (candidates == byNextBytes_.end())
                continue;
            for (std::size_t group : candidates->second) {
                if (group >= first)
                    break;
                if (line.compare(open, groups[group].openingTag.size(), groups[group].openingTag) == 0)
                    first = group;
            }
        }
        return first < groups.size() ? &groups[first] : nullptr;
    }

private:
    static unsigned keyAt(std::string_view text, std::size_t pos)
    {
        return static_cast<unsigned char>(text[pos]) << 8 | static_cast<unsigned char>(text[pos + 1]);
    }

    std::unordered_map<unsigned, std::vector<std::size_t>> byNextBytes_;
    std::vector<std::size_t> elsewhere_;
};

std::string_view trimBlanks(std::string_view text)
{
    text = skipLeadingBlanks(text);
    constexpr std::string_view fullWidthSpace = "\x81\x40";
    // A blank byte is never the second byte of a character.
    while (!text.empty()) {
        if (text.back() == ' ' || text.back() == '\t')
            text.remove_suffix(1);
        else if (endsWithText(text, fullWidthSpace))
            text.remove_suffix(fullWidthSpace.size());
        else
            break;
    }
    return text;
}

// A line of a value that runs on adds its text before the next tag to the
// value: joined by a blank, since heading lines and cells hold one line,
// except the note of an observation, whose cell keeps the note's lines.
void continueRunOnValue(BoringData& data, XmlReaderState& state, std::string_view line)
{
    const std::size_t tag = line.find('<');
    const std::string piece = decodeCharacterReferences(trimBlanks(line.substr(0, tag)));
    if (!piece.empty()) {
        const auto joined = [&](const std::string& value) {
            if (value.empty())
                return piece;
            const bool note = state.currentGroup && state.currentGroup->kind == XmlGroupKind::Observation
                && state.runOnField == ObservationCell::Note;
            return value + (note ? "\r\n" : " ") + piece;
        };
        if (state.runOnHeadingLine > 0)
            data.setHeadingLine(state.runOnHeadingLine, joined(data.headingLine(state.runOnHeadingLine)));
        if (state.runOnField > 0)
            state.fields[state.runOnField] = joined(state.fields[state.runOnField]);
        if (state.runOnSecondField > 0)
            state.fields[state.runOnSecondField] = joined(state.fields[state.runOnSecondField]);
    }
    if (tag != std::string_view::npos)
        endRunOnValue(state);
}

void openGroup(XmlReaderState& state, const XmlGroup& group)
{
    endRunOnValue(state);
    state.currentGroup = &group;
    for (std::string& field : state.fields)
        field.clear();
    state.storedElementCount = 0;
    state.penetrationUnit = PenetrationUnit::Unknown;
}

}  // namespace

void readXmlLine(BoringData& data, XmlReaderState& state, std::string_view line)
{
    if (state.runOnHeadingLine > 0 || state.runOnField > 0) {
        continueRunOnValue(data, state, line);
        const std::size_t tag = line.find('<');
        if (tag == std::string_view::npos)
            return;
        line.remove_prefix(tag);
    }
    // The closing tag is looked for first: a group's opening text may also be
    // part of its closing tag, and a group reopened by its own end would lose
    // its row.
    if (state.currentGroup) {
        const std::string& closingTag = state.currentGroup->closingTag;
        const std::size_t closing = findText(line, closingTag);
        if (closing != textNotFound) {
            storeLineElement(data, state, line.substr(0, closing));
            completeXmlRow(data, state);
            endRunOnValue(state);
            state.currentGroup = nullptr;
            line.remove_prefix(closing + closingTag.size());
        }
    }
    static const OpeningTagIndex openingTags;
    if (const XmlGroup* group = openingTags.groupOf(line))
        openGroup(state, *group);
    storeLineElement(data, state, line);
}

}  // namespace kolv
