#include "formats/NativeWriter.h"

#include "data/Cp932Text.h"
#include "data/Fields.h"
#include "data/TableDescriptor.h"
#include "platform/FileIo.h"
#include "platform/MessageCatalogue.h"

namespace kolv {

namespace {

constexpr std::string_view crLf = "\r\n";
constexpr std::string_view fullWidthDollars = "\x81\x90\x81\x90";  // ＄＄
constexpr std::string_view fullWidthAt = "\x81\x97";               // ＠
constexpr std::string_view fullWidthQuote = "\xFA\x57";            // ＂

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

template <class Row> std::string joinedCells(const Row& cells, int count)
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
template <class Row> std::string terminatedCells(const Row& cells, int count)
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

// The occupied rows of a comma-separated section. The recovery and
// free-note rows end every cell with a comma.
template <class Table> void writeRows(LineWriter& out, const Table& table, const TableDescriptor& descriptor)
{
    const bool terminated = descriptor.kind == TableKind::Recovery || descriptor.kind == TableKind::FreeNote;
    const int count = occupiedRowCount(table);
    for (int row = 1; row <= count; ++row)
        out.line(terminated ? terminatedCells(table.row(row), descriptor.savedCells)
                            : joinedCells(table.row(row), descriptor.savedCells));
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

void writeObservationRows(LineWriter& out, const BoringData::ObservationTable& table)
{
    const int count = occupiedRowCount(table);
    for (int row = 1; row <= count; ++row) {
        out.line(oneLineText(table.cell(row, ObservationCell::UpperDepth)));
        out.line(oneLineText(table.cell(row, ObservationCell::LowerDepth)));
        out.line(oneLineText(table.cell(row, ObservationCell::Mark)));
        writeNote(out, savedObservationNote(table.cell(row, ObservationCell::Note)));
        out.line("\x07");
        out.line(oneLineText(table.cell(row, ObservationCell::Underline)));
    }
}

}  // namespace

std::string savedHeadingLine(const BoringData& data, int line)
{
    switch (line) {
    case HeadingLine::Latitude:
        return joinedHeadingParts(data, HeadingLine::LatitudeDegrees);
    case HeadingLine::Longitude:
        return joinedHeadingParts(data, HeadingLine::LongitudeDegrees);
    case HeadingLine::LastLayerDepth:
        return lastLayerDepth(data);
    case HeadingLine::LastSptEndDepth:
        return lastSptEndDepth(data);
    default:
        return data.headingLine(line);
    }
}

std::string savedObservationNote(std::string_view note)
{
    std::string saved(note);
    if (!endsWithText(saved, crLf))
        saved.append(crLf);
    return saved;
}

void updateSavedValues(BoringData& data)
{
    for (int line :
         {HeadingLine::Latitude, HeadingLine::Longitude, HeadingLine::LastLayerDepth, HeadingLine::LastSptEndDepth})
        data.setHeadingLine(line, savedHeadingLine(data, line));
    const int notes = occupiedRowCount(data.observationRows);
    for (int row = 1; row <= notes; ++row)
        data.observationRows.setCell(row, ObservationCell::Note,
                                     savedObservationNote(data.observationRows.cell(row, ObservationCell::Note)));
}

std::string writeNativeFile(const BoringData& data)
{
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
    for (int line = 1; line <= headingLineCount; ++line)
        out.line(oneLineText(headingValue(savedHeadingLine(data, line))));

    forEachTable(data, [&out, &data](const TableDescriptor& descriptor, const auto& table) {
        if (descriptor.section == 0)
            return;
        // The sister programs expect the markers of their own sections
        // before the in-situ and the sample sections.
        if (descriptor.kind == TableKind::InSitu)
            out.line("$$g");
        else if (descriptor.kind == TableKind::Sample)
            out.line("$$e");
        out.line(std::string("$$") + descriptor.section);
        if (descriptor.kind == TableKind::Observation) {
            writeObservationRows(out, data.observationRows);
            return;
        }
        if (descriptor.kind == TableKind::FreeNote)
            out.line(terminatedCells(data.freeNoteHeader, freeNoteHeaderCells));
        writeRows(out, table, descriptor);
    });
    return out.take();
}

bool saveNativeFile(const BoringData& data, const std::string& hostPath, Issues& issues)
{
    if (writeFileAtomically(hostPath, writeNativeFile(data)))
        return true;
    issues.push_back(issueOf(Message::SaveFailed, MessageKind::Error));
    return false;
}

}  // namespace kolv
