// An undo step keeps only the texts it changed: undoing and redoing it must
// still give back the whole store, whichever part of it the step touched.
#include "document/StoreDelta.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace kolv {
namespace {

bool sameStore(const BoringData& a, const BoringData& b)
{
    return a.headingLines == b.headingLines && a.documentOptions == b.documentOptions
        && a.freeNoteHeader == b.freeNoteHeader && a.layerRows == b.layerRows && a.sptRows == b.sptRows
        && a.observationRows == b.observationRows && a.inSituRows == b.inSituRows && a.sampleRows == b.sampleRows
        && a.geologicAgeRows == b.geologicAgeRows && a.waterLevelRows == b.waterLevelRows
        && a.drillingRows == b.drillingRows && a.recoveryRows == b.recoveryRows && a.freeNoteRows == b.freeNoteRows
        && a.drillingImportRows == b.drillingImportRows;
}

TEST(StoreDelta, UndoAndRedoGiveBackTheWholeStoreWhicheverPartChanged)
{
    BoringData start;
    start.setHeadingLine(1, "title");
    start.layerRows.setCell(1, 1, "1.00");
    start.sptRows.setCell(300, 6, "last");
    const std::vector<std::pair<const char*, std::function<void(BoringData&)>>> edits = {
        {"heading line", [](BoringData& d) { d.setHeadingLine(120, "changed"); }},
        {"option value and default",
         [](BoringData& d) {
             d.documentOption(24).value = "9";
             d.documentOption(1).defaultValue = "x";
         }},
        {"free-note header", [](BoringData& d) { d.setFreeNoteHeaderCell(5, "h"); }},
        {"first and last layer cells",
         [](BoringData& d) {
             d.layerRows.setCell(1, 1, "");
             d.layerRows.setCell(200, 14, "z");
         }},
        {"last table, last cell", [](BoringData& d) { d.drillingImportRows.setCell(50, 11, "end"); }},
        {"every table",
         [](BoringData& d) {
             d.sptRows.setCell(1, 1, "a");
             d.observationRows.setCell(1, 4, "note\r\n");
             d.inSituRows.setCell(100, 8, "b");
             d.sampleRows.setCell(2, 2, "c");
             d.geologicAgeRows.setCell(30, 3, "d");
             d.waterLevelRows.setCell(1, 1, "e");
             d.drillingRows.setCell(50, 2, "f");
             d.recoveryRows.setCell(3, 7, "g");
             d.freeNoteRows.setCell(25, 5, "h");
         }},
        {"nothing", [](BoringData&) {}},
    };
    for (const auto& [name, edit] : edits) {
        BoringData after = start;
        edit(after);
        const StoreDelta delta(start, after);
        BoringData data = after;
        delta.undo(data);
        EXPECT_TRUE(sameStore(data, start)) << name;
        delta.redo(data);
        EXPECT_TRUE(sameStore(data, after)) << name;
    }
}

}  // namespace
}  // namespace kolv
