#pragma once
// Routes the lines of an opened file to the reader of its format and runs the
// format's post-processing after the last line.
#include "data/BoringData.h"
#include "data/TextTable.h"
#include "formats/FormatDetection.h"
#include "formats/SoilPatternLookup.h"
#include "formats/XmlReader.h"
#include "platform/Issue.h"
#include "settings/SoilNameMaster.h"

#include <string>
#include <string_view>
#include <unordered_map>

namespace kolv {

// Colour rows of the sibling line formats (section S): depth, colour and
// seven more cells; merged into the layers for codes 480 and 490.
using ColourRowTable = TextTable<200, 9>;

// What the line readers keep between the lines of one file. One reader reads
// a whole file, so one set of counters serves whichever it is.
struct LineReaderState {
    char section = 0;                 // letter of the last marker line
    int row = 1;                      // next row of the section's table
    int cell = 1;                     // next cell of a multi-line observation row
    bool freeNoteHeaderRead = false;  // the line after "$$F" is the header
    ColourRowTable colourRows;
    // The soil-name master whose bitmap set rebuilds the pattern codes of
    // layer rows; none reads every name as unknown.
    const SoilNameMaster* soilNameMaster = nullptr;
    // Where "too many csv" is reported (once per file); none stays silent.
    Issues* issues = nullptr;
    bool longLineReported = false;
    // Patterns already looked up for a layer name and hint: a log names the
    // same few soils again and again.
    std::unordered_map<std::string, SoilPattern> soilPatterns;
    XmlReaderState xml;
    // Rows of the line formats dropped at a table's capacity (the exchange
    // file's are counted in xml).
    RowsPastCapacity rowsPastCapacity;
};

// Removes the line end (a CR LF, or else an LF) and gives the line to the
// reader of the format code; codes without a reader drop the line.
void dispatchLine(BoringData& data, LineReaderState& state, FormatCode formatCode, std::string_view line);

// The format's completion after the last line (nothing for the native format).
void postProcess(BoringData& data, FormatCode formatCode);
// The same with the colour rows the sibling reader collected from the file.
void postProcess(BoringData& data, FormatCode formatCode, const LineReaderState& state);

}  // namespace kolv
