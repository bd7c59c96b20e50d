#include "FormatTestSupport.h"

#include "platform/FileIo.h"
#include "support/TestSupport.h"

namespace kolv::test {

SoilNameMaster makeMaster(std::initializer_list<MasterEntry> entries)
{
    SoilNameMaster master;
    for (const MasterEntry& entry : entries) {
        SoilNameRow row;
        row.name = sjis(entry.name);
        row.symbol = sjis(entry.symbol);
        row.patternNumber = {entry.vectorNumber, entry.bitmapNumber};
        row.markDigit = {entry.markDigit, entry.markDigit};
        master.rows.push_back(row);
        const int number = static_cast<int>(master.rows.size());
        for (int set = 0; set < 2; ++set) {
            if (master.firstRow[entry.section][set] == 0)
                master.firstRow[entry.section][set] = number;
            master.lastRow[entry.section][set] = number;
        }
    }
    master.version = 660;
    return master;
}

const SoilNameMaster& smallMaster()
{
    static const SoilNameMaster master = makeMaster({
        {1, "砂礫", "G", 10100, 10100},
        {1, "玉石混じり砂礫", "Gb", 10200, 10200},
        {1, "礫", "G", 100, 100},
        {1, "砂", "S", 200, 200},
        {1, "シルト", "M", 300, 300},
        {1, "粘土", "C", 400, 400, 2},
        {1, "有機質土", "O", 500, 500, 1},
        {1, "火山灰質粘性土", "V", 600, 600, 2},
        {1, "砂岩", "Ss", 800, 800},
        {1, "埋土", "B", -1, 700},
        {2, "礫混じり", "g", 1, 1},
        {2, "砂混じり", "s", 2, 2},
        {2, "貝殻混じり", "sh", 3, 3},
        {3, "礫質", "G", 10, 10},
        {3, "砂質", "S", 20, 20},
        {3, "シルト質", "M", 30, 30},
        {3, "火山灰質", "V", 40, 40},
        {3, "有機質", "O", -1, 50},
    });
    return master;
}

BoringData readText(std::string_view text, FormatCode formatCode, const SoilNameMaster& master, Issues* issues)
{
    BoringData data;
    clear(data);
    LineReaderState state;
    state.soilNameMaster = &master;
    state.issues = issues;
    for (const std::string& line : splitLinesKeepingEnds(text))
        dispatchLine(data, state, formatCode, line);
    postProcess(data, formatCode, state);
    return data;
}

std::string crLfLines(std::initializer_list<std::string_view> utf8Lines)
{
    std::string text;
    for (std::string_view line : utf8Lines)
        text += sjis(line) + "\r\n";
    return text;
}

}  // namespace kolv::test
