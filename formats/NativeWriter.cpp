#include "formats/NativeWriter.h"

#include "data/Cp932Text.h"
#include "platform/FileIo.h"
#include "platform/Prompter.h"

namespace kolv {

namespace {

constexpr std::string_view crLf = "\r\n";
constexpr std::string_view fullWidthDollars = "\x81\x90\x81\x90";  // ＄＄
constexpr std::string_view fullWidthAt = "\x81\x97";              // ＠
constexpr std::string_view fullWidthQuote = "\xFA\x57";           // ＂
constexpr std::string_view saveFailed =
    "\x95\xDB\x91\xB6\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD";  // 保存できませんでした

std::string withoutBell(std::string_view text)
{
    return replaceAllText(text, "\x07", "");
}

// A cell that must stay on its line: BEL dropped, every line break (CR LF,
// CR or LF) a blank, "$$" full width.
std::string oneLineText(std::string_view text)
{
    std::string flat = withoutBell(text);
    flat = replaceAllText(flat, crLf, " ");
    flat = replaceAllText(flat, "\r", " ");
    flat = replaceAllText(flat, "\n", " ");
    return replaceAllText(flat, "$$", fullWidthDollars);
}

// A cell of a comma-separated row.
std::string csvCell(std::string_view text)
{
    std::string cell = replaceAllText(oneLineText(text), "\"", fullWidthQuote);
    if (containsText(cell, ","))
        cell = "\"" + cell + "\"";
    return cell;
}

template <class Row>
std::string joinedCells(const Row& cells, int count)
{
    std::string line;
    for (int cell = 0; cell < count; ++cell) {
        if (cell > 0)
            line.push_back(',');
        line.append(csvCell(cells[cell]));
    }
    return line;
}

// Cells each followed by a comma (the recovery and free-note rows).
template <class Row>
std::string terminatedCells(const Row& cells, int count)
{
    std::string line;
    for (int cell = 0; cell < count; ++cell)
        line.append(csvCell(cells[cell])).push_back(',');
    return line;
}

class LineWriter {
public:
    void line(std::string_view text) { bytes_.append(text).append(crLf); }
    std::string take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

// The note's lines, each without BEL, "$$" or "@", which would end the note
// or start a section; a lone LF is a line break like CR LF.
void writeNote(LineWriter& out, std::string_view note)
{
    std::string text = replaceAllText(withoutBell(note), crLf, "\n");
    text = replaceAllText(text, "$$", fullWidthDollars);
    text = replaceAllText(text, "@", fullWidthAt);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = findText(text, "\n", start);
        if (end == textNotFound)
            end = text.size();
        out.line(std::string_view(text).substr(start, end - start));
        start = end + 1;
    }
}

template <class Table, class Format>
void writeRows(LineWriter& out, const Table& table, Format format)
{
    const int count = occupiedRowCount(table);
    for (int row = 1; row <= count; ++row)
        out.line(format(table.row(row)));
}

// A heading line's own trailing CR LF is its line end, not part of its value.
std::string_view headingValue(const std::string& heading)
{
    return endsWithText(heading, crLf) ? std::string_view(heading).substr(0, heading.size() - 2) : heading;
}

// Latitude or longitude as "d,m,s" from its three parts as they are written,
// so that the line reads back as the parts do.
std::string joinedHeadingParts(const BoringData& data, int firstLine)
{
    std::string joined = oneLineText(headingValue(data.headingLine(firstLine)));
    for (int line = firstLine + 1; line < firstLine + 3; ++line)
        joined.append(",").append(oneLineText(headingValue(data.headingLine(line))));
    return joined;
}

void updateDerivedValues(BoringData& data)
{
    data.setHeadingLine(14, joinedHeadingParts(data, 51));
    data.setHeadingLine(15, joinedHeadingParts(data, 54));
    layerCount(data);
    sptCount(data);
    const int notes = occupiedRowCount(data.observationRows);
    for (int row = 1; row <= notes; ++row) {
        const std::string& note = data.observationRows.cell(row, 4);
        if (!endsWithText(note, crLf))
            data.observationRows.setCell(row, 4, note + std::string(crLf));
    }
}

}  // namespace

std::string writeNativeFile(BoringData& data)
{
    updateDerivedValues(data);
    LineWriter out;
    out.line("$$_QZORIB100");

    out.line("$$x");
    std::string options;
    for (int item = 1; item <= documentOptionCount; ++item) {
        if (item > 1)
            options.push_back(',');
        options.append(csvCell(data.documentOption(item).value));
    }
    out.line(options);

    out.line("$$Z");
    for (const std::string& heading : data.headingLines) {
        out.line(oneLineText(headingValue(heading)));
    }

    const auto joined = [](int count) { return [count](const auto& cells) { return joinedCells(cells, count); }; };
    const auto terminated = [](int count) {
        return [count](const auto& cells) { return terminatedCells(cells, count); };
    };

    out.line("$$A");
    writeRows(out, data.layerRows, joined(layerSavedCells));
    out.line("$$C");
    writeRows(out, data.sptRows, joined(BoringData::SptTable::cellCount));

    out.line("$$K");
    const int notes = occupiedRowCount(data.observationRows);
    for (int row = 1; row <= notes; ++row) {
        const auto& cells = data.observationRows.row(row);
        out.line(oneLineText(cells[0]));
        out.line(oneLineText(cells[1]));
        out.line(oneLineText(cells[2]));
        writeNote(out, cells[3]);
        out.line("\x07");
        out.line(oneLineText(cells[4]));
    }

    out.line("$$g");
    out.line("$$G");
    writeRows(out, data.inSituRows, joined(BoringData::InSituTable::cellCount));
    out.line("$$e");
    out.line("$$E");
    writeRows(out, data.sampleRows, joined(BoringData::SampleTable::cellCount));
    out.line("$$N");
    writeRows(out, data.geologicAgeRows, joined(BoringData::GeologicAgeTable::cellCount));
    out.line("$$W");
    writeRows(out, data.waterLevelRows, joined(BoringData::WaterLevelTable::cellCount));
    out.line("$$H");
    writeRows(out, data.drillingRows, joined(BoringData::DrillingTable::cellCount));
    out.line("$$Y");
    writeRows(out, data.recoveryRows, terminated(BoringData::RecoveryTable::cellCount));

    out.line("$$F");
    out.line(terminatedCells(data.freeNoteHeader, freeNoteHeaderCells));
    writeRows(out, data.freeNoteRows, terminated(BoringData::FreeNoteTable::cellCount));
    return out.take();
}

bool saveNativeFile(BoringData& data, const std::string& hostPath, Prompter& prompter)
{
    if (writeFileAtomically(hostPath, writeNativeFile(data)))
        return true;
    prompter.show(4005, std::string(saveFailed), MessageKind::Error);
    return false;
}

}  // namespace kolv
