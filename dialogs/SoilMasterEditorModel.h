#pragma once
// "編集 土質地質名と柱状図模様": the soil and rock names with their symbols and
// pattern numbers (WdtvJCA.mst), the colours of the vector patterns
// (PtnvcJG.ndx), the bitmap pick lists, the two pattern previews and the
// pattern-drawing options. Both lists are working copies: the files change
// only on OK, the options go to the settings after it.
#include "dialogs/ListDialogTable.h"
#include "platform/Prompter.h"
#include "render/LogDevice.h"
#include "render/PatternFill.h"
#include "settings/LogSettings.h"
#include "settings/PatternColorFile.h"
#include "settings/SoilNameMasterFile.h"

#include <array>
#include <string>
#include <vector>

namespace kolv {

// The headings and widths of the soil list ("地質名" ... "ﾋﾞｯﾄﾏｯﾌﾟNo") and of
// the colour list ("ﾊﾟﾀｰﾝNo" ... "地質例").
const std::vector<ColumnEntry>& soilListColumns();
const std::vector<ColumnEntry>& colorListColumns();

// The pattern number the editor works on ("← 編集パターンNo").
enum class PatternTarget { Vector, Bitmap };

// The edit fields above the soil list.
enum class SoilField { Name, Symbol, VectorNumber, BitmapNumber };

// What a preview box shows: the pattern of a number from a source; number 0
// leaves the box empty.
struct PatternPreviewRequest {
    PatternSource source = PatternSource::Vector;
    long number = 0;
};

// The options of LogSettings the dialog edits.
struct PatternOptions {
    int patternMode = 0;        // "使用パターン選択", 0 ... 3
    int patternAllBlack = 0;    // "すべて黒色"
    int patternLineWidth = 0;   // "線太さ": index of "1", "2", "3"
    int patternMixMark = 0;     // "混り／質"
    int bitmapMono = 0;         // "ビットマップ表示": 0 "カラー", 1 "白黒"
    std::string patternFolder;  // the colour bitmap folder (Windows-style)
};

class SoilMasterEditorModel {
public:
    SoilMasterEditorModel(const LogSettings& settings, Prompter& prompter);

    // Opening: reads both files ("ファイルが見つかりません\n( %1 )" and an
    // empty list for one that cannot be read) and lists both bitmap folders.
    void open();

    // The soil list, rows from 1. Row soilRowCount() + 1 is the blank line
    // after the last row: selecting it inserts at the end.
    int soilRowCount() const { return static_cast<int>(soilRows_.size()); }
    const SoilNameMasterLine& soilRow(int row) const { return soilRows_[static_cast<std::size_t>(row - 1)]; }
    // The text of a cell (code page 932): the marks as "o" or "-"; a header
    // or comment row shows its name only.
    std::string soilCell(int row, int column) const;
    int selectedSoilRow() const { return selectedSoilRow_; }
    // A click on the soil list (0: beside the rows): the selection and the
    // preview beside the soil fields.
    void selectSoilRow(int row);

    const std::string& soilField(SoilField field) const { return soilFields_[static_cast<std::size_t>(field)]; }
    void setSoilField(SoilField field, std::string text);
    bool density() const { return density_; }
    bool consistency() const { return consistency_; }
    void setDensity(bool on) { density_ = on; }
    void setConsistency(bool on) { consistency_ = on; }

    // "↓挿入", "↓上書き", "↑編集", "削除", "↑", "↓".
    void insertRow();
    void overwriteRow();
    void editRow();
    void deleteRow();
    void moveRowUp();
    void moveRowDown();
    bool soilModified() const { return soilModified_; }

    // The colour list, rows from 1; row colorRowCount() + 1 is the blank line
    // where "↑上書き" adds a row.
    int colorRowCount() const { return static_cast<int>(colorRows_.size()); }
    const PatternColorLine& colorRow(int row) const { return colorRows_[static_cast<std::size_t>(row - 1)]; }
    int selectedColorRow() const { return selectedColorRow_; }
    // A click on the colour list: in "線描" mode its number, colour and
    // default colour go to the fields and its pattern to the preview.
    void selectColorRow(int row);

    const std::string& patternNumberField() const { return patternNumberField_; }
    void setPatternNumberField(std::string text) { patternNumberField_ = std::move(text); }
    const std::string& colorField() const { return colorField_; }
    void setColorField(std::string text) { colorField_ = std::move(text); }
    // The hidden field: the default colour of the pattern last picked.
    const std::string& defaultColorField() const { return defaultColorField_; }

    // "色設定": the colour the system's chooser gave, as "0x%06x".
    void takeChosenColor(ColorRef color);
    // "←適用", "↑上書き", "既定色", "すべて既定色".
    void applyPatternNumber();
    void overwriteColor();
    void copyDefaultColor();
    void setAllDefaultColors();
    bool colorModified() const { return colorModified_; }

    // The bitmap pick list of the shown folder (colour or monochrome): its
    // ".bmp" files, then "j10000" ... "j10004".
    const std::vector<std::string>& bitmapPickLines() const;
    // A click on line (from 1) of the bitmap pick list, in "ビットマップ" mode.
    void pickBitmap(int line);

    PatternTarget target() const { return target_; }
    void setTarget(PatternTarget target) { target_ = target; }

    const PatternOptions& options() const { return options_; }
    void setPatternMode(int mode) { options_.patternMode = mode; }
    void setPatternAllBlack(bool on) { options_.patternAllBlack = on ? 1 : 0; }
    void setPatternLineWidth(int index) { options_.patternLineWidth = index; }
    void setPatternMixMark(bool on) { options_.patternMixMark = on ? 1 : 0; }
    // "カラー" / "白黒": switches the pick list and the previews' folder.
    void setBitmapMono(bool on) { options_.bitmapMono = on ? 1 : 0; }
    // The colour folder as typed; both pick lists are listed again.
    void setPatternFolder(std::string folder);
    std::string monochromeFolder() const;
    const std::string& soilMasterPath() const { return settings_.soilMasterPath; }

    PatternPreviewRequest soilPreview() const { return soilPreview_; }
    PatternPreviewRequest tablePreview() const { return tablePreview_; }
    // The settings the previews are drawn with: the options and the colours
    // of the list as they stand in the dialog.
    LogSettings previewSettings() const;

    // OK: writes the lists that were changed. False keeps the dialog open: a
    // soil list that does not start with its first section header (the file
    // would load as missing), or a file that could not be written.
    bool accept();
    // After OK: the options into the settings.
    void applyOptions(LogSettings& settings) const;
    // Cancel: after changes, asks whether to discard them; true when the
    // dialog may close.
    bool mayCancel();

private:
    bool checkSoilFields();
    SoilNameMasterLine rowFromFields() const;
    void clearSoilFields();
    bool nameUsedElsewhere(const std::string& name, int exceptRow) const;
    int colorRowOfNumber(long number) const;
    long targetNumberOf(const SoilNameMasterLine& row) const;
    PatternSource targetSource() const;
    void listBitmapFolders();

    LogSettings settings_;
    Prompter& prompter_;

    std::vector<SoilNameMasterLine> soilRows_;
    int selectedSoilRow_ = 0;
    std::array<std::string, 4> soilFields_;
    bool density_ = false;
    bool consistency_ = false;
    bool soilModified_ = false;

    std::vector<PatternColorLine> colorRows_;
    int selectedColorRow_ = 0;
    std::string patternNumberField_;
    std::string colorField_;
    std::string defaultColorField_;
    bool colorModified_ = false;

    std::vector<std::string> colorFolderLines_;
    std::vector<std::string> monochromeFolderLines_;

    PatternTarget target_ = PatternTarget::Vector;
    PatternOptions options_;
    PatternPreviewRequest soilPreview_;
    PatternPreviewRequest tablePreview_;
};

}  // namespace kolv
