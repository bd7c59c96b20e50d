#pragma once
// Log coordinates and pagination. x is a horizontal position in millimetres
// of the log drawn at 1:100, y a depth in metres below the ground surface.
// Every drawing step maps its points through LogMapping; nothing else knows
// device positions. Above depth zero of a page lies the title band, 7 header
// units tall, holding the title block and the column headings (y from -7 to 0).
#include "data/BoringData.h"
#include "settings/LogSettings.h"

#include <optional>

namespace kolv {

class LogDevice;

inline constexpr double millimetresPerInchInverse = 0.03937007874015748;
inline constexpr int titleBandUnits = 7;
inline constexpr int deviceCoordinateLimit = 32767;
inline constexpr int pageCountLimit = 1000;
inline constexpr double printStartDepthMinimum = -10.0;
inline constexpr double printStartDepthMaximum = 3000.0;

// The mapping of one drawing pass, rebuilt at its start and switched between
// the title band, the log body and sheet millimetres inside it.
struct LogMapping {
    int dotsPerInchX = 96;
    int dotsPerInchY = 96;
    double dotsPerMmX = 96 * millimetresPerInchInverse;
    double dotsPerMmY = 96 * millimetresPerInchInverse;
    double unitX = 0.0;        // device units per x unit
    double unitY = 0.0;        // device units per y unit
    double headerUnit = 0.0;   // device units per unit of the title band
    double depthOffset = 0.0;  // added to y before scaling: minus the page start
    double leftMarginMm = 0.0;
    double topMarginMm = 0.0;
    int lineHeight = 0;  // text height + external leading of the current font
    double maxDepth = 0.0;

    // The scales the units were computed from (a value <= 0 counts as 100).
    int horizontalScale = 100;
    int verticalScale = 100;
    bool scaleDepthPartOnly = false;

    int toDeviceX(double x) const;
    int toDeviceY(double y) const;
    double fromDeviceX(int d) const;
    double fromDeviceY(int d) const;
    // The pattern preview's variant: depth at 10 mm per metre.
    double depthFromDeviceY10(int d) const;

    // 10 mm when the title band keeps its size, else one metre at the depth scale.
    double headerUnitForScale() const;
    // Title band: y from -7 to 0 in header units, no depth offset.
    void useTitleBand();
    // Log body: the depth scale, depth pageStart at the bottom of the title band.
    void useBody(double pageStart);
    // Sheet millimetres: y is millimetres from the paper's top edge plus 70,
    // x millimetres from its left edge (at 1:100).
    void useSheetMillimetres();
};

// Saves the whole mapping and restores it when it goes out of scope, so a
// step that changes units (the footer's sheet millimetres, a pattern's 10 mm
// unit) never leaks them into the next step.
class MappingScope {
public:
    explicit MappingScope(LogMapping& mapping) : mapping_(mapping), saved_(mapping) {}
    ~MappingScope() { mapping_ = saved_; }
    MappingScope(const MappingScope&) = delete;
    MappingScope& operator=(const MappingScope&) = delete;

private:
    LogMapping& mapping_;
    LogMapping saved_;
};

// The first step of every drawing pass: resolution and units of the device,
// margins and scales of the settings, the deepest layer; title band mapping.
void prepareMapping(LogMapping& mapping, LogDevice& device, const LogSettings& settings, double maxDepth);

// The depth of the last occupied layer row, 0 without layers.
double maximumDepth(const BoringData& data);

// Height of the free-notes box at the foot of the page, mm (0 ... 1000).
int freeNotesHeight(const BoringData& data);

// A print start depth held within -10 ... 3000 m (the scale dialog's range);
// a value that is not a number counts as 0.
double clampPrintStartDepth(double depth);

// DepthPerPage - PageOverlap; a step of 0 or less counts as one metre so that
// paging and the page count always move on.
double pageStep(const LogSettings& settings);

// Pages from the print start depth to the deepest layer plus the forced extra
// pages; at least 1 and at most pageCountLimit.
int pageCount(const LogSettings& settings, double maxDepth);

// Start depth of printed page p (1-based).
double pageStartDepth(const LogSettings& settings, int page);

// A scale denominator of 0 or less counts as 100.
int usableScale(int scale);

// Millimetres of the page left for the log body: lengthMm less the top
// margin, the free-notes box and the title band (7 x 10 mm when fixedHeader,
// else 7 metres at the depth scale); 0 when negative.
int computeUsableDepth(const LogSettings& settings, int freeNotesHeightMm, int lengthMm, int scale, bool fixedHeader,
                       int headerUnits = titleBandUnits);

// A sheet of paper (the default printer's, or the one a file is drawn on),
// whole millimetres.
struct PaperSize {
    int widthMm = 280;
    int lengthMm = 280;
};

}  // namespace kolv
