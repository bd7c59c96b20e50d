#include "settings/ShortTextMaster.h"

#include "platform/MessageCatalogue.h"
#include "data/Cp932Text.h"
#include "data/Csv.h"
#include "platform/FileIo.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsText.h"

#include <array>

namespace kolv {

namespace {

constexpr std::array<ShortTextMasterInfo, shortTextMasterCount> masters = {{
    {"M.mst", "\x8BZ\x8Fp\x8E\xD2", ShortTextLayout::MarkAndText, &LogSettings::engineerMasterPath},
    {"Hat.mst", "\x94\xAD\x92\x8D\x8B@\x8A\xD6", ShortTextLayout::MarkAndText, &LogSettings::clientMasterPath},
    {"Hyk.mst", "\x95W\x8D\x82\x8E\xED\x95\xCA", ShortTextLayout::TextOnly, &LogSettings::elevationTypeMasterPath},
    {"Sks.mst", "\x8Eg\x97p\x8B@\x8E\xED", ShortTextLayout::MarkAndText, &LogSettings::machineMasterPath},
    {"C.mst", "\x90" "F\x92\xB2", ShortTextLayout::MarkAndText, &LogSettings::colorToneMasterPath},
    {"K.mst", "\x8BL\x8E\x96", ShortTextLayout::MarkAndText, &LogSettings::notesMasterPath},
    {"Nen.mst", "\x94N\x91\xE3", ShortTextLayout::MarkAndText, &LogSettings::ageMasterPath},
    {"Gen.mst", "\x8C\xB4\x88\xCA\x92u", ShortTextLayout::TextOnly, &LogSettings::insituMasterPath},
    {"Sit.mst", "\x8E\xBA\x93\xE0\x8E\x8E\x8C\xB1", ShortTextLayout::TextOnly, &LogSettings::labTestMasterPath},
}};

constexpr std::string_view fullWidthQuote = "\xFA\x57";  // ＂

// One CSV value that reads back as it was written.
std::string csvValue(std::string_view text)
{
    const std::string value = replaceAllText(oneLineText(text), "\"", fullWidthQuote);
    return containsText(value, ",") ? "\"" + value + "\"" : value;
}

}  // namespace

const ShortTextMasterInfo& shortTextMasterInfo(ShortTextMasterKind kind)
{
    return masters[static_cast<std::size_t>(kind)];
}

std::string defaultShortTextMasterPath(const LogSettings& settings, ShortTextMasterKind kind)
{
    return installFile(settings, shortTextMasterInfo(kind).fileName);
}

const std::string& shortTextMasterPath(const LogSettings& settings, ShortTextMasterKind kind)
{
    return settings.*shortTextMasterInfo(kind).pathField;
}

void readShortTextMaster(ShortTextMaster& master, std::string_view bytes)
{
    master.entries.clear();
    for (const std::string& line : settingsLines(bytes)) {
        if (static_cast<int>(master.entries.size()) >= ShortTextMaster::capacity)
            break;
        if (line.empty())
            continue;
        ShortTextEntry entry;
        if (master.layout == ShortTextLayout::TextOnly || !containsText(line, ",")) {
            entry.text = splitCsvField(line, 1);
        } else {
            entry.mark = splitCsvField(line, 1);
            entry.text = splitCsvField(line, 2);
        }
        master.entries.push_back(std::move(entry));
    }
}

std::string shortTextMasterText(const ShortTextMaster& master)
{
    std::string text;
    for (const ShortTextEntry& entry : master.entries) {
        if (entry.text.empty())
            continue;
        if (master.layout == ShortTextLayout::MarkAndText)
            text += (entry.mark.empty() ? std::string("-") : csvValue(entry.mark)) + ",";
        text += csvValue(entry.text) + "\r\n";
    }
    return text;
}

bool loadShortTextMaster(const LogSettings& settings, ShortTextMasterKind kind, ShortTextMaster& master,
                         Issues& issues)
{
    master.layout = shortTextMasterInfo(kind).layout;
    master.entries.clear();
    const std::string& path = shortTextMasterPath(settings, kind);
    std::string bytes;
    if (!readFileBytes(hostPathOf(settings, path), bytes)) {
        issues.push_back(issueOf(Message::FileNotFound, MessageKind::Error, path));
        return false;
    }
    readShortTextMaster(master, bytes);
    return true;
}

bool saveShortTextMaster(const LogSettings& settings, ShortTextMasterKind kind, const ShortTextMaster& master,
                         Issues& issues)
{
    ShortTextMaster written = master;
    written.layout = shortTextMasterInfo(kind).layout;
    const std::string& path = shortTextMasterPath(settings, kind);
    if (writeFileAtomically(hostPathOf(settings, path), shortTextMasterText(written)))
        return true;
    issues.push_back(issueOf(Message::PathSaveFailed, MessageKind::Error, path));
    return false;
}

}  // namespace kolv
