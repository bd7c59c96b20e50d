#include "cli/JsonDump.h"

#include "data/Number.h"
#include "data/TableDescriptor.h"
#include "platform/Cp932Codec.h"

namespace kolv {

namespace {

// A JSON string of a code-page-932 text; bytes that are no code-page-932
// character become U+FFFD.
std::string jsonString(std::string_view text)
{
    std::string json = "\"";
    for (char c : cp932ToUtf8(text)) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '"')
            json += "\\\"";
        else if (c == '\\')
            json += "\\\\";
        else if (byte < 0x20)
            json += formatText("\\u%04x", byte);
        else
            json.push_back(c);
    }
    return json + "\"";
}

template <class Strings> std::string jsonArray(const Strings& strings, int count)
{
    std::string json = "[";
    for (int index = 0; index < count; ++index) {
        if (index > 0)
            json += ", ";
        json += jsonString(strings[index]);
    }
    return json + "]";
}

// The occupied rows, one row a line.
template <class Table> std::string jsonRows(const Table& table, int savedCells)
{
    const int count = occupiedRowCount(table);
    if (count == 0)
        return "[]";
    std::string json = "[\n";
    for (int row = 1; row <= count; ++row)
        json += "    " + jsonArray(table.row(row), savedCells) + (row < count ? ",\n" : "\n");
    return json + "  ]";
}

}  // namespace

std::string dumpJson(const BoringData& data)
{
    std::string options[documentOptionCount];
    for (int item = 1; item <= documentOptionCount; ++item)
        options[item - 1] = data.documentOption(item).value;

    std::string json = "{\n";
    json += "  \"HeadingLines\": " + jsonArray(data.headingLines, headingLineCount) + ",\n";
    json += "  \"DocumentOptions\": " + jsonArray(options, documentOptionCount);
    forEachTable(data, [&json, &data](const TableDescriptor& descriptor, const auto& table) {
        if (descriptor.section == 0)
            return;
        if (descriptor.kind == TableKind::FreeNote)
            json += ",\n  \"FreeNoteHeader\": " + jsonArray(data.freeNoteHeader, freeNoteHeaderCells);
        json += ",\n  \"" + std::string(descriptor.jsonName) + "\": " + jsonRows(table, descriptor.savedCells);
    });
    json += "\n";
    return json + "}\n";
}

}  // namespace kolv
