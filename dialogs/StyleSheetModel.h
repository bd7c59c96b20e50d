#pragma once
// The log style sheet ("線種/マージン/配置", CPSYosik) with its four pages:
// symbols and arrangement (CPageYosik1), line types and names (CPageYosik2),
// margins and heading positions (CPageYosik4), default column widths
// (CPageYosik3). One working copy holds the fields of all four pages.
#include "data/BoringData.h"
#include "dialogs/FieldModel.h"
#include "settings/LogSettings.h"

#include <array>
#include <vector>

namespace kolv {

inline constexpr int styleSheetPageCount = 4;
inline constexpr int columnWidthRowCount = 13;
inline constexpr double printWidthLimit = 270.0;

struct StylePage {
    const char* title;  // UTF-8 tab title
    const char* className;
};
const std::array<StylePage, styleSheetPageCount>& styleSheetPages();
const std::vector<FormField>& styleSheetFields(int page);  // page 1 ... 4 in tab order

// The columns whose widths the document options 1 to 13 adjust, with their
// standard widths in mm; shared with the display width dialog.
struct ColumnWidthRow {
    const char* caption;  // UTF-8
    double standardWidth;
    int minimumAdjustment;  // 0.1 mm
};
const std::array<ColumnWidthRow, columnWidthRowCount>& columnWidthRows();

// The field rows of a column width table ("adjust1" ... and "width1" ...,
// "sum", "total") in the given group, with the captions of its totals.
std::vector<FormField> columnWidthFields(const char* group, const char* totalCaption);
// Recomputes the shown widths and both totals from the adjustment fields.
void updateColumnWidths(FieldModel& model);
// The total log width: the shown widths, the N-value breakdown twice more, and 60.
double totalLogWidth(const FieldModel& model);

// The label starts of the title-block groups: the base starts 10, 120, 175 mm.
inline constexpr std::array<double, 3> titleGroupBaseStarts{10.0, 120.0, 175.0};
inline constexpr std::array<double, 3> titleGroupMinimumStarts{0.0, 10.0, 20.0};
inline constexpr int titleGroupOffsetOption = 19;  // items 19, 20, 21

class StyleSheetModel : public FieldModel {
public:
    StyleSheetModel(const LogSettings& settings, const BoringData& data);

    void fieldLeft(std::string_view key, Prompter& prompter) override;
    void buttonPressed(std::string_view key, Prompter& prompter) override;

    // Leaving a page (another tab, or OK on it): page 4 warns about a log
    // wider than 270 mm; the page change goes ahead.
    void pageLeft(int page, Prompter& prompter) const;

    // OK or "適用": the four pages in order into the settings and the
    // document's title-group offsets (options 19 to 21).
    void apply(SettingsValues& settings, BoringData& data) const;

private:
    void applyGridMode();
    void standardPage1();
    void standardPage2();
};

}  // namespace kolv
