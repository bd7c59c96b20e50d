#include "data/FullWidthCheck.h"

#include "data/Cp932Text.h"
#include "data/Fields.h"

#include <initializer_list>

namespace kolv {

namespace {

// ０１２３４５６７８９ｍ㎜㎝㎞㎎㎏㎡①②③④⑤⑥⑦⑧⑨⑩
constexpr std::string_view digitsAndUnits =
    "\x82\x4F\x82\x50\x82\x51\x82\x52\x82\x53\x82\x54\x82\x55\x82\x56\x82\x57\x82\x58\x82\x8D"
    "\x87\x6F\x87\x70\x87\x71\x87\x72\x87\x73\x87\x75"
    "\x87\x40\x87\x41\x87\x42\x87\x43\x87\x44\x87\x45\x87\x46\x87\x47\x87\x48\x87\x49";
// ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ
constexpr std::string_view capitalLetters =
    "\x82\x60\x82\x61\x82\x62\x82\x63\x82\x64\x82\x65\x82\x66\x82\x67\x82\x68\x82\x69\x82\x6A\x82\x6B\x82\x6C"
    "\x82\x6D\x82\x6E\x82\x6F\x82\x70\x82\x71\x82\x72\x82\x73\x82\x74\x82\x75\x82\x76\x82\x77\x82\x78\x82\x79";

constexpr std::string_view crLf = "\r\n";
constexpr std::string_view groupMark = "\x81\xA5";             // ▼
constexpr std::string_view nothingFound = "\x96\xB3\x82\xB5";  // 無し

// Group headings.
constexpr std::string_view headingGroup = "\x8C\xA9\x8F\x6F\x82\xB5";              // 見出し
constexpr std::string_view layerGroup = "\x92\x6E\x8E\xBF\xA5\x90\x46\x92\xB2";    // 地質･色調
constexpr std::string_view observationGroup = "\x8A\xCF\x8E\x40\x8B\x4C\x8E\x96";  // 観察記事
constexpr std::string_view inSituGroup = "\x8C\xB4\x88\xCA\x92\x75";               // 原位置
constexpr std::string_view sampleGroup = "\x8E\x8E\x97\xBF";                       // 試料
constexpr std::string_view freeNoteGroup = "\x8E\xA9\x97\x52\x8B\x4C\x8E\x96";     // 自由記事

constexpr int hitsPerGroup = 10;
constexpr int hitsInAll = 50;

// True when a double-byte character of the text is one of the set's.
bool containsCharacterOf(std::string_view text, std::string_view set)
{
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = characterLength(text, pos);
        if (length == 2 && containsText(set, text.substr(pos, 2)))
            return true;
        pos += length;
    }
    return false;
}

// The first maxBytes of a text, kept on one line of the report.
std::string shownText(std::string_view text, std::size_t maxBytes)
{
    std::string shown(cutToBytes(text, maxBytes));
    shown = replaceAllText(shown, crLf, " ");
    shown = replaceAllText(shown, "\r", " ");
    return replaceAllText(shown, "\n", " ");
}

// How a hit is shown: the row's first hit as prefix + text + suffix, a
// further hit of the same row as its text and one blank.
struct HitForm {
    std::size_t textBytes;
    std::string_view suffix;
};

class ReportBuilder {
public:
    bool stopped() const { return hitsInAll_ >= hitsInAll; }
    bool groupFull() const { return groupHits_ >= hitsPerGroup || stopped(); }

    void addRow(const std::string& prefix, std::initializer_list<std::string_view> texts, HitForm form)
    {
        std::string line;
        for (std::string_view text : texts) {
            if (groupFull())
                break;
            if (!containsFullWidthAlphanumeric(text))
                continue;
            if (line.empty())
                line = prefix + shownText(text, form.textBytes) + std::string(form.suffix);
            else
                line += shownText(text, form.textBytes) + " ";
            ++groupHits_;
            ++hitsInAll_;
        }
        if (!line.empty())
            groupLines_ += line + std::string(crLf);
    }

    void endGroup(std::string_view heading)
    {
        if (groupHits_ > 0)
            report_ += std::string(groupMark) + std::string(heading) + std::string(crLf) + groupLines_;
        groupHits_ = 0;
        groupLines_.clear();
    }

    std::string take() { return report_.empty() ? std::string(nothingFound) : std::move(report_); }

private:
    std::string report_;
    std::string groupLines_;
    int groupHits_ = 0;
    int hitsInAll_ = 0;
};

std::string depthPrefix(const std::string& depth)
{
    return "( " + depth + "m ) ";
}

std::string intervalPrefix(const std::string& upper, const std::string& lower)
{
    return "( " + upper + "m - " + lower + "m ) ";
}

}  // namespace

bool containsFullWidthAlphanumeric(std::string_view text)
{
    if (text.size() < 2)
        return false;
    return containsCharacterOf(text, digitsAndUnits) || containsCharacterOf(upperCaseText(text), capitalLetters);
}

std::string fullWidthCheckReport(const BoringData& data)
{
    ReportBuilder report;
    constexpr HitForm short20{20, "  "};

    for (int line = HeadingLine::SurveyName; line <= HeadingLine::LocationCode && !report.groupFull(); ++line)
        report.addRow("(" + std::to_string(line) + ") ", {data.headingLine(line)}, {30, "  "});
    report.endGroup(headingGroup);

    const auto& layers = data.layerRows;
    const int layerRows = occupiedRowCount(layers);
    for (int row = 1; row <= layerRows && !report.groupFull(); ++row)
        report.addRow("( " + layers.cell(row, LayerCell::LowerDepth) + " m ) ",
                      {layers.cell(row, LayerCell::Name), layers.cell(row, LayerCell::AuxiliaryName),
                       layers.cell(row, LayerCell::ColourTone)},
                      short20);
    report.endGroup(layerGroup);

    // The N-value group has no texts to scan.

    const auto& notes = data.observationRows;
    const int noteRows = occupiedRowCount(notes);
    for (int row = 1; row <= noteRows && !report.groupFull(); ++row)
        report.addRow(
            intervalPrefix(notes.cell(row, ObservationCell::UpperDepth), notes.cell(row, ObservationCell::LowerDepth)),
            {notes.cell(row, ObservationCell::Note)}, {36, "  "});
    report.endGroup(observationGroup);

    const auto& tests = data.inSituRows;
    const int testRows = occupiedRowCount(tests);
    for (int row = 1; row <= testRows && !report.groupFull(); ++row)
        report.addRow(depthPrefix(tests.cell(row, InSituCell::Depth)),
                      {tests.cell(row, InSituCell::Name), tests.cell(row, InSituCell::Result)}, short20);
    report.endGroup(inSituGroup);

    const auto& samples = data.sampleRows;
    const int sampleRows = occupiedRowCount(samples);
    for (int row = 1; row <= sampleRows && !report.groupFull(); ++row)
        report.addRow(
            intervalPrefix(samples.cell(row, SampleCell::UpperDepth), samples.cell(row, SampleCell::LowerDepth)),
            {samples.cell(row, SampleCell::Number), samples.cell(row, SampleCell::Method)}, short20);
    report.endGroup(sampleGroup);

    const auto& freeNotes = data.freeNoteRows;
    const int freeNoteRows = occupiedRowCount(freeNotes);
    for (int row = 1; row <= freeNoteRows && !report.groupFull(); ++row)
        report.addRow({}, {freeNotes.cell(row, FreeNoteCell::Text)}, {20, " "});
    report.endGroup(freeNoteGroup);

    return report.take();
}

}  // namespace kolv
