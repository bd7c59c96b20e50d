#pragma once
// One description per row table of the store: its marker letter in the native
// file, the cells a saved row holds, its name in the JSON dump and the caption
// of each cell. The native writer, the section reader, the dump, clear and the
// list dialogs walk the tables through these instead of naming each one.
#include "data/BoringData.h"

#include <array>
#include <span>
#include <string_view>

namespace kolv {

enum class TableKind {
    Layer,
    Spt,
    Observation,
    InSitu,
    Sample,
    GeologicAge,
    WaterLevel,
    Drilling,
    Recovery,
    FreeNote,
    DrillingImport,
};
inline constexpr int tableKindCount = 11;

struct TableDescriptor {
    TableKind kind;
    char section;    // the marker letter of the native file; 0: never saved
    int capacity;    // rows
    int cellCount;   // cells a row holds in memory
    int savedCells;  // cells a line of a file holds (the first savedCells of a row)
    std::string_view jsonName;
    std::span<const std::string_view> captions;  // UTF-8, one per cell
};

const TableDescriptor& tableDescriptor(TableKind kind);

// Every table in the order of the native file (the import buffer last).
const std::array<TableDescriptor, tableKindCount>& tableDescriptors();

// Calls visit(descriptor, table) for every table of data (const or not), in
// the order of tableDescriptors().
template <class Data, class Visitor> void forEachTable(Data& data, Visitor&& visit)
{
    visit(tableDescriptor(TableKind::Layer), data.layerRows);
    visit(tableDescriptor(TableKind::Spt), data.sptRows);
    visit(tableDescriptor(TableKind::Observation), data.observationRows);
    visit(tableDescriptor(TableKind::InSitu), data.inSituRows);
    visit(tableDescriptor(TableKind::Sample), data.sampleRows);
    visit(tableDescriptor(TableKind::GeologicAge), data.geologicAgeRows);
    visit(tableDescriptor(TableKind::WaterLevel), data.waterLevelRows);
    visit(tableDescriptor(TableKind::Drilling), data.drillingRows);
    visit(tableDescriptor(TableKind::Recovery), data.recoveryRows);
    visit(tableDescriptor(TableKind::FreeNote), data.freeNoteRows);
    visit(tableDescriptor(TableKind::DrillingImport), data.drillingImportRows);
}

}  // namespace kolv
