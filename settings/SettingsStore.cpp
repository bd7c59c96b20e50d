#include "settings/SettingsStore.h"

#include "data/Fields.h"
#include "data/Number.h"
#include "platform/FileIo.h"
#include "platform/MessageCatalogue.h"
#include "settings/FontSlotFile.h"
#include "settings/PatternColorFile.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsText.h"
#include "settings/SoilNameMasterFile.h"

#include <vector>

namespace kolv {

namespace {

void loadSettingsFile(LogSettings& settings, Issues& issues)
{
    std::vector<std::string> lines;
    if (readSettingsLines(hostPathOf(settings, settings.settingsPath), lines)) {
        applySettingsLines(settings, lines);
    } else {
        applySettingsDefaults(settings);
        issues.push_back(issueOf(Message::FileNotFound, MessageKind::Error, settings.settingsPath));
    }
    applySettingsFixUps(settings);
}

void loadMasters(LogSettings& settings, Issues& issues)
{
    loadPatternColors(settings, settings.patternColorPath, issues);
    const int version = loadSoilNameMaster(settings, settings.soilMasterPath, 0, issues);
    if (version < soilNameMasterMinimumVersion) {
        // The bitmap set is not loaded: forget what an earlier folder gave it.
        for (int section = 0; section < SoilNameMaster::sectionCount; ++section) {
            settings.soilNameMaster.firstRow[section][1] = 0;
            settings.soilNameMaster.lastRow[section][1] = 0;
        }
        issues.push_back(issueOf(Message::FileNotFound, MessageKind::Error, settings.soilMasterPath));
    } else {
        loadSoilNameMaster(settings, settings.soilMasterPath, 1, issues);
    }
}

// The document keeps the settings' option defaults, takes its column widths
// from them when its own are not set, and gives the settings its print start
// depth.
void applyDocumentOptions(LogSettings& settings, BoringData& data)
{
    for (int item = 1; item <= documentOptionCount; ++item)
        data.documentOption(item).defaultValue = settings.documentOptionDefaults[item - 1];
    using namespace DocumentOptionItem;
    if (isNumericText(data.documentOption(FirstColumnWidth).value) < 1
        || isNumericText(data.documentOption(FirstColumnWidth + 1).value) < 1) {
        for (int item = FirstColumnWidth; item < FirstColumnWidth + ColumnWidthCount; ++item)
            data.documentOption(item).value = data.documentOption(item).defaultValue;
    }
    if (isNumericText(data.documentOption(PrintStartDepth).value) > 0)
        settings.printStartDepth = parseLeadingNumber(data.documentOption(PrintStartDepth).value);
}

}  // namespace

void loadSettings(LogSettings& settings, BoringData& data, bool reloadAll, Issues& issues)
{
    if (reloadAll) {
        settings.settingsLoaded = false;
        settings.fontsLoaded = false;
    }
    if (!settings.folderLocated) {
        locateInstallFolder(settings);
        settings.folderLocated = true;
    }
    rebuildPaths(settings);
    if (!settings.settingsLoaded) {
        settings.settingsLoaded = true;
        loadSettingsFile(settings, issues);
        loadMasters(settings, issues);
        settings.patternBitmaps->clear();
    }
    if (!settings.fontsLoaded) {
        settings.fontsLoaded = true;
        loadFontSlots(settings, issues);
    }
    applyDocumentOptions(settings, data);
    settings.forcedExtraPages = 0;
}

bool saveSettings(const LogSettings& settings, const std::string& windowsPath, Issues& issues)
{
    if (writeFileAtomically(hostPathOf(settings, windowsPath), settingsFileText(settings)))
        return true;
    issues.push_back(issueOf(Message::SaveFailed, MessageKind::Error));
    return false;
}

}  // namespace kolv
