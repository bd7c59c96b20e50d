#pragma once
// The settings record, in five parts: the values of Sys.ndx that the settings
// dialogs edit, the print options that live only while the program runs, the
// window's screen-drawing switch, the installation folder with the paths built from it, and the reference data
// loaded from it. Owned by the document (window) or the job (command line)
// and passed by reference; a settings dialog edits a copy of SettingsValues
// and compares it on OK.
#include "settings/FontSlot.h"
#include "settings/PatternBitmapCache.h"
#include "settings/PatternColorTable.h"
#include "settings/SoilNameMaster.h"

#include <array>
#include <memory>
#include <string>

namespace kolv {

inline constexpr int documentOptionDefaultCount = 24;

// The lines of Sys.ndx, by line number.
struct SettingsValues {
    int maxBlowsCopy = 0;                 // 1
    int reserved2 = 0;                    // 2
    int maxBlows = 0;                     // 3: 0 = 50, 1 = 60 blows
    int gridVPitch = 0;                   // 4
    int nPlotSymbol = 0;                  // 5
    int nDepthLabelPos = 0;               // 6
    int gridHPitch = 0;                   // 7
    int paperAtStartup = 0;               // 8
    int paperSize = 0;                    // 9: 0 = A3, 1 = A4
    int paperOrientation = 0;             // 10: 0 = portrait, 1 = landscape
    int soilAlphaSymbol = 0;              // 11
    int sampleDepthLabelPos = 0;          // 13
    int reserved14 = 0;                   // 14
    int outerLineWidth = 0;               // 18
    int innerLineWidth = 0;               // 19
    int nGraphLineWidth = 0;              // 20
    int reserved21 = 0;                   // 21
    int grid10VLineWidth = 0;             // 22
    int grid10VDash = 0;                  // 23
    int grid10VGap = 0;                   // 24
    int grid5LineWidth = 0;               // 25
    int grid5Dash = 0;                    // 26
    int grid5Gap = 0;                     // 27
    int insituLineWidth = 0;              // 28
    int insituLineDash = 0;               // 29
    int insituLineGap = 0;                // 30
    int grid10HLineWidth = 0;             // 31
    int grid10HDash = 0;                  // 32
    int grid10HGap = 0;                   // 33
    std::string patternFolder;            // 35 (Windows-style path)
    int showConvertedN = 0;               // 36
    int outOfRangeBlackDot = 0;           // 37
    std::string companyName;              // 39
    std::string companyTel;               // 40
    int leftMargin = 0;                   // 41, mm
    int topMargin = 0;                    // 42, mm
    int depthPerPage = 0;                 // 43, m
    int pageOverlap = 0;                  // 44, m
    int scaleDepthPartOnly = 0;           // 45
    int patternMode = 0;                  // 46: 0 vector only .. 3 bitmap only
    int patternAllBlack = 0;              // 47
    int patternLineWidth = 0;             // 48: index into 1, 2, 3
    int patternMixMark = 0;               // 49
    int bitmapMono = 0;                   // 51
    std::string quCircleRadius;           // 52
    std::string quSymbolColor;            // 53
    std::string nZeroText;                // 54
    std::string nZeroDenominatorText;     // 55
    int gridColorMode = 0;                // 56
    std::string grid10Color;              // 57
    std::string grid5Color;               // 58
    std::string elevationTypeMasterPath;  // 59
    std::string soilMasterPath;           // 60 (always InstallFolder + "\WdtvJCA.mst" after a load)
    std::string colorToneMasterPath;      // 61
    std::string engineerMasterPath;       // 62
    std::string clientMasterPath;         // 63
    std::string machineMasterPath;        // 64
    std::string ageMasterPath;            // 65
    std::string insituMasterPath;         // 66
    std::string labTestMasterPath;        // 67
    std::string notesMasterPath;          // 68
    int enterKeyMode = 1;                 // 69
    int scrollToLastRow = 0;              // 70
    // Lines 71-94: the default texts of the 24 document options.
    std::array<std::string, documentOptionDefaultCount> documentOptionDefaults;

    bool operator==(const SettingsValues&) const = default;
};

// The scales and the paging the log is drawn and printed with; stored in no
// file. The dialogs that change them do so in an undo step of the document,
// which restores them with the store.
struct PrintOptions {
    int horizontalScale = 100;
    int verticalScale = 100;
    double printStartDepth = 0.0;
    int forcedExtraPages = 0;

    bool operator==(const PrintOptions&) const = default;
};

// Whether the screen draws the log at all: a switch of the window, not of the
// document, so undo leaves it alone.
struct DisplayOptions {
    bool screenDrawing = true;
};

// Where the installation folder is, the paths built from it and what has been
// loaded from it so far.
struct Installation {
    // Host folder that stands for the Windows machine: drive C: is
    // dataRoot/drive_c. Set by the programs (defaultDataRoot) and by tests.
    std::string dataRoot;
    // A host folder used as the installation folder as it is (the command
    // line's --install-dir, tests); the location file is then not read.
    std::string installFolderOverride;
    // What loadSettings has done so far: the folder is located once per run,
    // the settings and the fonts again after a reload of everything.
    bool folderLocated = false;
    bool settingsLoaded = false;
    bool fontsLoaded = false;

    // Installation folder (Windows-style) and the paths built from it.
    std::string windowsDrive;   // "C:"
    std::string installDrive;   // one letter
    std::string installPath;    // begins with "\"
    std::string installFolder;  // installDrive + ":" + installPath
    std::string settingsPath;
    std::string patternColorPath;
};

// The reference tables loaded with the settings.
struct ReferenceData {
    PatternColorTable patternColors;
    SoilNameMaster soilNameMaster;
    std::array<FontSlot, fontSlotCount> fontSlots;  // slots 1..6 at index 0..5
    // Shared by the copies of the settings, emptied when the tables above are
    // loaded again.
    std::shared_ptr<PatternBitmapCache> patternBitmaps = std::make_shared<PatternBitmapCache>();
};

struct LogSettings : SettingsValues, PrintOptions, DisplayOptions, Installation, ReferenceData {
    SettingsValues& values() { return *this; }
    const SettingsValues& values() const { return *this; }
    PrintOptions& printOptions() { return *this; }
    const PrintOptions& printOptions() const { return *this; }
    DisplayOptions& displayOptions() { return *this; }
    const DisplayOptions& displayOptions() const { return *this; }
    Installation& installation() { return *this; }
    const Installation& installation() const { return *this; }
    ReferenceData& referenceData() { return *this; }
    const ReferenceData& referenceData() const { return *this; }
};

}  // namespace kolv
