// Random boreholes within the capacities of the store, their texts drawn from
// everything that can break a line format: commas, quotes, "@", "$$", BEL,
// line breaks, full-width characters whose second byte is an ASCII sign, and
// long cells. Every saved cell must read back as the writer promises, and a
// second save must give the same bytes.
#include "FormatTestSupport.h"
#include "data/Cp932Text.h"
#include "formats/FormatDetection.h"
#include "formats/NativeWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace kolv;
using kolv::test::readText;

namespace {

// Pieces the random texts are made of, each a whole code-page-932 character
// or a run of them.
const std::string_view textPieces[] = {
    "a",
    "Z",
    "0",
    "7",
    " ",
    ".",
    "-",
    "+",
    ",",
    "\"",
    "@",
    "$",
    "$$",
    "\x07",
    "\r\n",
    "\r",
    "\n",
    "\\",
    "[",
    "\xB1",              // ｱ half-width katakana
    "\x81\x40",          // full-width space: its second byte is "@"
    "\x95\x5C",          // 表: its second byte is "\"
    "\x83\x5C",          // ソ
    "\x81\x5B",          // ー: its second byte is "["
    "\x81\x97",          // ＠
    "\x81\x90",          // ＄
    "\xFA\x57",          // ＂
    "\x8D\xBB",          // 砂
    "\x94\x53\x93\x79",  // 粘土
    "\x87\x40",          // ①
};

class RandomText {
public:
    explicit RandomText(unsigned seed) : engine_(seed) {}

    int number(int from, int to) { return std::uniform_int_distribution<int>(from, to)(engine_); }

    // Mostly short texts; one in twenty runs to the longest cell the dialogs
    // let through.
    std::string text()
    {
        const int length = number(0, 19) == 0 ? 250 : number(0, 24);
        std::string text;
        while (static_cast<int>(text.size()) < length) {
            const std::string_view piece = textPieces[number(0, static_cast<int>(std::size(textPieces)) - 1)];
            if (number(0, 3) == 0)
                text += randomDoubleByteCharacter();
            else
                text += piece;
        }
        return text;
    }

    // A text that starts like a number, so its row counts as occupied.
    std::string numericText() { return std::to_string(number(0, 999)) + "." + text(); }

    // A text that keeps at least one character through the save.
    std::string nonEmptyText() { return "x" + text(); }

private:
    std::string randomDoubleByteCharacter()
    {
        const int lead = number(0, 1) == 0 ? number(0x81, 0x9F) : number(0xE0, 0xFC);
        int trail = number(0x40, 0xFB);
        if (trail >= 0x7F)
            ++trail;  // 0x7F is never a second byte
        return {static_cast<char>(lead), static_cast<char>(trail)};
    }

    std::mt19937 engine_;
};

std::string replaced(std::string text, std::string_view from, std::string_view to)
{
    return replaceAllText(text, from, to);
}

// What the writer keeps of a text that must stay on its line.
std::string savedOneLine(std::string text)
{
    text = replaced(text, "\x07", "");
    text = replaced(text, "\r\n", " ");
    text = replaced(text, "\r", " ");
    text = replaced(text, "\n", " ");
    return replaced(text, "$$", "\x81\x90\x81\x90");
}

std::string savedCsvCell(const std::string& text)
{
    return replaced(savedOneLine(text), "\"", "\xFA\x57");
}

std::string savedHeadingLine(std::string_view text)
{
    if (endsWithText(text, "\r\n"))
        text.remove_suffix(2);
    return savedOneLine(std::string(text));
}

// A note keeps its lines; each line loses BEL, "$$" and "@" and ends in CR LF.
std::string savedNote(std::string text)
{
    if (!endsWithText(text, "\r\n"))
        text += "\r\n";
    text = replaced(text, "\x07", "");
    text = replaced(text, "\r\n", "\n");
    text = replaced(text, "$$", "\x81\x90\x81\x90");
    text = replaced(text, "@", "\x81\x97");
    return replaced(text, "\n", "\r\n");
}

template <class Table> void fillRows(Table& table, RandomText& random, int rows, int cells)
{
    for (int row = 1; row <= rows; ++row) {
        table.setCell(row, 1, random.numericText());
        for (int cell = 2; cell <= cells; ++cell)
            table.setCell(row, cell, random.text());
    }
}

// Rows up to the capacity, now and then none or all of them.
template <class Table> int randomRowCount(RandomText& random)
{
    switch (random.number(0, 5)) {
    case 0:
        return 0;
    case 1:
        return Table::capacity;
    default:
        return random.number(1, std::min(Table::capacity, 12));
    }
}

BoringData randomBorehole(RandomText& random)
{
    BoringData data;
    clear(data);
    for (int item = 1; item <= documentOptionCount; ++item)
        data.documentOption(item).value = random.text();
    for (int line = 1; line <= headingLineCount; ++line)
        data.setHeadingLine(line, random.text() + (random.number(0, 9) == 0 ? "\r\n" : ""));

    const int layers = randomRowCount<BoringData::LayerTable>(random);
    fillRows(data.layerRows, random, layers, layerSavedCells);
    for (int row = 1; row <= layers; ++row) {
        // The heading keeps a copy of the last layer's depth, which the
        // dialogs only take as a number.
        data.layerRows.setCell(row, 1, std::to_string(row) + "." + std::to_string(random.number(10, 99)));
        // A numeric hint and a symbol keep the layer's pattern cells as saved.
        data.layerRows.setCell(row, 7, random.numericText());
        data.layerRows.setCell(row, 8, random.nonEmptyText());
    }
    fillRows(data.sptRows, random, randomRowCount<BoringData::SptTable>(random), BoringData::SptTable::cellCount);
    fillRows(data.observationRows, random, randomRowCount<BoringData::ObservationTable>(random),
             BoringData::ObservationTable::cellCount);
    fillRows(data.inSituRows, random, randomRowCount<BoringData::InSituTable>(random),
             BoringData::InSituTable::cellCount);
    fillRows(data.sampleRows, random, randomRowCount<BoringData::SampleTable>(random),
             BoringData::SampleTable::cellCount);
    fillRows(data.geologicAgeRows, random, randomRowCount<BoringData::GeologicAgeTable>(random),
             BoringData::GeologicAgeTable::cellCount);
    const int waterLevels = randomRowCount<BoringData::WaterLevelTable>(random);
    fillRows(data.waterLevelRows, random, waterLevels, BoringData::WaterLevelTable::cellCount);
    for (int row = 1; row <= waterLevels; ++row)
        data.waterLevelRows.setCell(row, 4, random.numericText());
    fillRows(data.drillingRows, random, randomRowCount<BoringData::DrillingTable>(random),
             BoringData::DrillingTable::cellCount);
    fillRows(data.recoveryRows, random, randomRowCount<BoringData::RecoveryTable>(random),
             BoringData::RecoveryTable::cellCount);
    for (std::string& cell : data.freeNoteHeader)
        cell = random.text();
    fillRows(data.freeNoteRows, random, randomRowCount<BoringData::FreeNoteTable>(random),
             BoringData::FreeNoteTable::cellCount);
    return data;
}

template <class Table, class Saved>
void expectSavedRows(const Table& saved, const Table& readBack, int cells, Saved savedCell, const char* table)
{
    const int rows = occupiedRowCount(saved);
    ASSERT_EQ(occupiedRowCount(readBack), rows) << table;
    for (int row = 1; row <= rows; ++row)
        for (int cell = 1; cell <= cells; ++cell)
            ASSERT_EQ(readBack.cell(row, cell), savedCell(saved.cell(row, cell), cell))
                << table << " row " << row << " cell " << cell;
}

// The number of the first line where two files differ, for a short message.
int firstDifferentLine(const std::string& first, const std::string& second)
{
    const auto mismatch = std::mismatch(first.begin(), first.end(), second.begin(), second.end()).first;
    return 1 + static_cast<int>(std::count(first.begin(), mismatch, '\n'));
}

}  // namespace

TEST(NativeRoundTripProperty, RandomBoreholesReadBackAsSavedAndSaveTheSameBytesAgain)
{
    const auto csv = [](const std::string& text, int) { return savedCsvCell(text); };
    const auto observation = [](const std::string& text, int cell) {
        return cell == 4 ? savedNote(text) : savedOneLine(text);
    };
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomText random(seed);
        BoringData data = randomBorehole(random);
        const std::string first = writeNativeFile(data);
        updateSavedValues(data);
        const BoringData readBack = readText(first, FormatCode::Native);

        for (int item = 1; item <= documentOptionCount; ++item)
            ASSERT_EQ(readBack.documentOption(item).value, savedCsvCell(data.documentOption(item).value)) << item;
        for (int line = 1; line <= headingLineCount; ++line)
            ASSERT_EQ(readBack.headingLine(line), savedHeadingLine(data.headingLine(line))) << "heading " << line;
        expectSavedRows(data.layerRows, readBack.layerRows, layerSavedCells, csv, "layer");
        expectSavedRows(data.sptRows, readBack.sptRows, 6, csv, "spt");
        expectSavedRows(data.observationRows, readBack.observationRows, 5, observation, "observation");
        expectSavedRows(data.inSituRows, readBack.inSituRows, 8, csv, "in-situ");
        expectSavedRows(data.sampleRows, readBack.sampleRows, 6, csv, "sample");
        expectSavedRows(data.geologicAgeRows, readBack.geologicAgeRows, 3, csv, "geologic age");
        expectSavedRows(data.waterLevelRows, readBack.waterLevelRows, 4, csv, "water level");
        expectSavedRows(data.drillingRows, readBack.drillingRows, 2, csv, "drilling");
        expectSavedRows(data.recoveryRows, readBack.recoveryRows, 7, csv, "recovery");
        expectSavedRows(data.freeNoteRows, readBack.freeNoteRows, 5, csv, "free note");
        for (int cell = 1; cell <= freeNoteHeaderCells; ++cell)
            ASSERT_EQ(readBack.freeNoteHeaderCell(cell), savedCsvCell(data.freeNoteHeaderCell(cell))) << cell;

        BoringData again = readBack;
        const std::string second = writeNativeFile(again);
        ASSERT_TRUE(second == first) << "first different line: " << firstDifferentLine(first, second);
    }
}
