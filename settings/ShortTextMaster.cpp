#include "settings/ShortTextMaster.h"

#include "platform/MessageCatalogue.h"
#include "data/Cp932Text.h"
#include "data/Csv.h"
#include "platform/FileIo.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsText.h"

#include <array>
#include <cstdio>

namespace kolv {

namespace {

constexpr std::array<ShortTextMasterInfo, shortTextMasterCount> masters = {{
    {"M.mst", "\x8BZ\x8Fp\x8E\xD2", ShortTextLayout::MarkAndText, &LogSettings::engineerMasterPath},
    {"Hat.mst", "\x94\xAD\x92\x8D\x8B@\x8A\xD6", ShortTextLayout::MarkAndText, &LogSettings::clientMasterPath},
    {"Hyk.mst", "\x95W\x8D\x82\x8E\xED\x95\xCA", ShortTextLayout::TextOnly, &LogSettings::elevationTypeMasterPath},
    {"Sks.mst", "\x8Eg\x97p\x8B@\x8E\xED", ShortTextLayout::MarkAndText, &LogSettings::machineMasterPath},
    {"C.mst",
     "\x90"
     "F\x92\xB2",
     ShortTextLayout::MarkAndText, &LogSettings::colorToneMasterPath},
    {"K.mst", "\x8BL\x8E\x96", ShortTextLayout::MarkAndText, &LogSettings::notesMasterPath},
    {"Nen.mst", "\x94N\x91\xE3", ShortTextLayout::MarkAndText, &LogSettings::ageMasterPath},
    {"Gen.mst", "\x8C\xB4\x88\xCA\x92u", ShortTextLayout::TextOnly, &LogSettings::insituMasterPath},
    {"Sit.mst", "\x8E\xBA\x93\xE0\x8E\x8E\x8C\xB1", ShortTextLayout::TextOnly, &LogSettings::labTestMasterPath},
}};

constexpr int duplicatesListed = 6;

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
            text += (entry.mark.empty() ? std::string("-") : csvFieldText(entry.mark)) + ",";
        text += csvFieldText(entry.text) + "\r\n";
    }
    return text;
}

bool loadShortTextMaster(const LogSettings& settings, ShortTextMasterKind kind, ShortTextMaster& master, Issues& issues)
{
    return loadShortTextMasterFrom(settings, shortTextMasterPath(settings, kind), shortTextMasterInfo(kind).layout,
                                   master, issues);
}

bool loadShortTextMasterFrom(const LogSettings& settings, const std::string& windowsPath, ShortTextLayout layout,
                             ShortTextMaster& master, Issues& issues)
{
    master.layout = layout;
    master.entries.clear();
    std::string bytes;
    if (!readFileBytes(hostPathOf(settings, windowsPath), bytes)) {
        issues.push_back(issueOf(Message::FileNotFound, MessageKind::Error, windowsPath));
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
    if (!writeFileAtomically(hostPathOf(settings, path), shortTextMasterText(written))) {
        issues.push_back(issueOf(Message::PathSaveFailed, MessageKind::Error, path));
        return false;
    }
    if (std::string report = shortTextDuplicateReport(written); !report.empty())
        issues.push_back({messageId(Message::SameData), std::move(report), MessageKind::Warning});
    return true;
}

std::string shortTextDuplicateReport(const ShortTextMaster& master)
{
    const std::string pairFormat = messageText(Message::SameDataPair);
    std::string report;
    int listed = 0;
    for (std::size_t later = 1; later < master.entries.size() && listed < duplicatesListed; ++later) {
        const ShortTextEntry& entry = master.entries[later];
        if (entry.text.empty())
            continue;
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            if (master.entries[earlier].text != entry.text)
                continue;
            const int size = std::snprintf(nullptr, 0, pairFormat.c_str(), static_cast<int>(earlier + 1),
                                           static_cast<int>(later + 1), entry.text.c_str(), entry.mark.c_str());
            std::string line(static_cast<std::size_t>(size) + 1, '\0');
            std::snprintf(line.data(), line.size(), pairFormat.c_str(), static_cast<int>(earlier + 1),
                          static_cast<int>(later + 1), entry.text.c_str(), entry.mark.c_str());
            line.resize(static_cast<std::size_t>(size));
            report += (report.empty() ? messageText(Message::SameData) : std::string()) + "\n" + line;
            ++listed;
            break;
        }
    }
    return report;
}

std::string previousVersionMasterPath(const std::string& windowsPath)
{
    const std::size_t folder = findText(windowsPath, "lm3");
    if (folder == textNotFound)
        return {};
    std::string previous = windowsPath;
    previous[folder + 2] = '2';
    return previous;
}

}  // namespace kolv
