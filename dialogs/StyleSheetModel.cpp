#include "dialogs/StyleSheetModel.h"

#include "data/Number.h"
#include "platform/Cp932Codec.h"
#include "platform/MessageCatalogue.h"

#include <string>

namespace kolv {

namespace {

constexpr int nBreakdownRow = 9;

FormField bound(int SettingsValues::*member, const char* key, const char* caption, FormFieldKind kind,
                const char* group, int column = 0, std::vector<std::string> choices = {})
{
    FormField dialogTable;
    dialogTable.key = key;
    dialogTable.caption = caption;
    dialogTable.kind = kind;
    dialogTable.group = group;
    dialogTable.column = column;
    dialogTable.choices = std::move(choices);
    dialogTable.intSetting = member;
    return dialogTable;
}

FormField width(int SettingsValues::*member, const char* key, const char* caption, const char* group, int minimum,
                int maximum, int column)
{
    FormField dialogTable = bound(member, key, caption, FormFieldKind::Integer, group, column);
    dialogTable.minimum = minimum;
    dialogTable.maximum = maximum;
    return dialogTable;
}

FormField text(std::string SettingsValues::*member, const char* key, const char* caption, FormFieldKind kind,
               const char* group, int column = 0)
{
    FormField dialogTable;
    dialogTable.key = key;
    dialogTable.caption = caption;
    dialogTable.kind = kind;
    dialogTable.group = group;
    dialogTable.column = column;
    dialogTable.textSetting = member;
    return dialogTable;
}

FormField plain(const char* key, const char* caption, FormFieldKind kind, const char* group, int column = 0,
                const char* target = "")
{
    FormField dialogTable;
    dialogTable.key = key;
    dialogTable.caption = caption;
    dialogTable.kind = kind;
    dialogTable.group = group;
    dialogTable.column = column;
    dialogTable.target = target;
    return dialogTable;
}

const std::vector<std::string> depthLabelPositions{"深度線の上", "深度線の下", "印刷しない"};
const std::vector<std::string> gridPitches{"5mm", "10mm"};

std::vector<FormField> page1()
{
    const char* soil = "土質名";
    const char* blows = "Ｎ値";
    const char* converted = "換算Ｎ値";
    const char* qu = "qu グラフ記号";
    const char* grid = "グリッド間隔";
    const char* sample = "試料";
    return {
        bound(&LogSettings::soilAlphaSymbol, "soilAlphaSymbol", "ｱﾙﾌｧﾍﾞｯﾄ記号をつける", FormFieldKind::Check, soil),
        bound(&LogSettings::maxBlows, "maxBlows", "最高打撃回数", FormFieldKind::Radio, blows, 0, {"50回", "60回"}),
        text(&LogSettings::nZeroText, "nZeroText", "０回以下の時", FormFieldKind::Text, blows),
        text(&LogSettings::nZeroDenominatorText, "nZeroDenominatorText", "分母が０の時", FormFieldKind::Text, blows),
        bound(&LogSettings::nDepthLabelPos, "nDepthLabelPos", "深度下 表示位置", FormFieldKind::Radio, blows, 0,
              depthLabelPositions),
        bound(&LogSettings::nPlotSymbol, "nPlotSymbol", "グラフプロットシンボル", FormFieldKind::Radio, blows, 0,
              {"○", "－,→", "－,→と○"}),
        bound(&LogSettings::outOfRangeBlackDot, "outOfRangeBlackDot", "●黒丸にする", FormFieldKind::Check, blows),
        bound(&LogSettings::showConvertedN, "showConvertedN", "表示印刷", FormFieldKind::Check, converted, 1),
        text(&LogSettings::quCircleRadius, "quCircleRadius", "印 半径 mm", FormFieldKind::Text, qu, 1),
        text(&LogSettings::quSymbolColor, "quSymbolColor", "色 ○ [] 深度模様", FormFieldKind::ColorText, qu, 1),
        plain("quSymbolColorButton", "色設定", FormFieldKind::ColorButton, qu, 1, "quSymbolColor"),
        bound(&LogSettings::gridVPitch, "gridVPitch", "縦 lll", FormFieldKind::Radio, grid, 1, gridPitches),
        bound(&LogSettings::gridHPitch, "gridHPitch", "横 ≡", FormFieldKind::Radio, grid, 1, gridPitches),
        bound(&LogSettings::sampleDepthLabelPos, "sampleDepthLabelPos", "深度下 表示位置", FormFieldKind::Radio, sample,
              1, depthLabelPositions),
        plain("standard1", "標準の設定", FormFieldKind::Button, "", 1),
        plain("simpleGrid", "簡略グリッドに設定", FormFieldKind::Button, "", 1),
    };
}

std::vector<FormField> page2()
{
    const char* widths = "線の太さ (単位 ピクセル)";
    const char* grid10V = "10mm 縦 lll";
    const char* grid10H = "10mm 横 ≡";
    const char* grid5 = "5mm 縦横 lll≡";
    const char* insitu = "原位置縦線";
    const char* registration = "登録";
    return {
        width(&LogSettings::outerLineWidth, "outerLineWidth", "外枠 太さ", widths, 1, 20, 0),
        width(&LogSettings::innerLineWidth, "innerLineWidth", "罫線/下線 太さ", widths, 1, 20, 0),
        width(&LogSettings::nGraphLineWidth, "nGraphLineWidth", "Ｎ値グラフ 太さ", widths, 1, 20, 0),
        bound(&LogSettings::gridColorMode, "gridColorMode", "グラフグリッド", FormFieldKind::Radio, widths, 0,
              {"カラー", "白黒"}),
        plain("gapNote", "空白部＝0 で 実線", FormFieldKind::Label, widths),
        width(&LogSettings::grid10VLineWidth, "grid10VLineWidth", "太さ", grid10V, 0, 20, 0),
        width(&LogSettings::grid10VDash, "grid10VDash", "実線部", grid10V, 1, 20, 0),
        width(&LogSettings::grid10VGap, "grid10VGap", "空白部", grid10V, 0, 20, 0),
        width(&LogSettings::grid10HLineWidth, "grid10HLineWidth", "太さ", grid10H, 0, 20, 0),
        width(&LogSettings::grid10HDash, "grid10HDash", "実線部", grid10H, 1, 20, 0),
        width(&LogSettings::grid10HGap, "grid10HGap", "空白部", grid10H, 0, 100, 0),
        text(&LogSettings::grid10Color, "grid10Color", "10mm 色", FormFieldKind::ColorText, grid10H, 0),
        plain("grid10ColorButton", "色", FormFieldKind::ColorButton, grid10H, 0, "grid10Color"),
        width(&LogSettings::grid5LineWidth, "grid5LineWidth", "太さ", grid5, 0, 20, 1),
        width(&LogSettings::grid5Dash, "grid5Dash", "実線部", grid5, 1, 20, 1),
        width(&LogSettings::grid5Gap, "grid5Gap", "空白部", grid5, 0, 20, 1),
        text(&LogSettings::grid5Color, "grid5Color", "5mm 色", FormFieldKind::ColorText, grid5, 1),
        plain("grid5ColorButton", "色", FormFieldKind::ColorButton, grid5, 1, "grid5Color"),
        width(&LogSettings::insituLineWidth, "insituLineWidth", "太さ", insitu, 0, 20, 1),
        width(&LogSettings::insituLineDash, "insituLineDash", "実線部", insitu, 1, 20, 1),
        width(&LogSettings::insituLineGap, "insituLineGap", "空白部", insitu, 0, 20, 1),
        text(&LogSettings::companyName, "companyName", "調査業者名", FormFieldKind::Text, registration, 1),
        text(&LogSettings::companyTel, "companyTel", "TEL", FormFieldKind::Text, registration, 1),
        plain("standard2", "標準の設定", FormFieldKind::Button, "", 1),
        plain("monoExample", "白黒グリッド例", FormFieldKind::Button, "", 1),
    };
}

std::vector<FormField> page3()
{
    const char* margins = "マージン";
    const char* headings = "見出し位置 (mm)";
    const char* standard = "標準の位置 (mm)";
    return {
        width(&LogSettings::topMargin, "topMargin", "トップ mm", margins, 0, 200, 0),
        width(&LogSettings::leftMargin, "leftMargin", "レフト mm", margins, 0, 200, 0),
        plain("frameNote", "柱状図枠左端の位置  5 mm 固定", FormFieldKind::Label, margins),
        plain("heading1", "第1列", FormFieldKind::Text, headings, 1),
        plain("heading2", "第2列", FormFieldKind::Text, headings, 1),
        plain("heading3", "第3列", FormFieldKind::Text, headings, 1),
        plain("headingNote", "見出し、枠位置距離はマージンからの距離", FormFieldKind::Label, headings, 1),
        plain("base1", "第1列 標準", FormFieldKind::Shown, standard, 1),
        plain("base2", "第2列 標準", FormFieldKind::Shown, standard, 1),
        plain("base3", "第3列 標準", FormFieldKind::Shown, standard, 1),
        plain("standard3", "標準の設定", FormFieldKind::Button, "", 1),
    };
}

std::vector<FormField> page4()
{
    std::vector<FormField> fields = columnWidthFields("表示幅の初期設定 (増減 x0.1mm)", "柱状図全幅");
    fields.push_back(plain("widthNote", "「ファイル」-「新規作成」と表示幅の「初期設定値」ボタンで有効になります",
                           FormFieldKind::Label, "", 1));
    fields.push_back(plain("standard4", "標準の設定", FormFieldKind::Button, "", 1));
    return fields;
}

std::string adjustKey(int row)
{
    return "adjust" + std::to_string(row);
}

std::string widthKey(int row)
{
    return "width" + std::to_string(row);
}

const char* const dashKeys[] = {"grid10VDash", "grid10VGap", "grid10HDash", "grid10HGap", "grid5Dash", "grid5Gap"};
const char* const gapKeys[] = {"grid10VGap", "grid10HGap", "grid5Gap"};

}  // namespace

const std::array<StylePage, styleSheetPageCount>& styleSheetPages()
{
    static const std::array<StylePage, styleSheetPageCount> pages{{
        {"記号 配置", "CPageYosik1"},
        {"線種 名称", "CPageYosik2"},
        {"マージン 見出し位置", "CPageYosik4"},
        {"表示幅の初期設定", "CPageYosik3"},
    }};
    return pages;
}

const std::vector<FormField>& styleSheetFields(int page)
{
    static const std::array<std::vector<FormField>, styleSheetPageCount> pages{page1(), page2(), page3(), page4()};
    return pages[page - 1];
}

const std::array<ColumnWidthRow, columnWidthRowCount>& columnWidthRows()
{
    static const std::array<ColumnWidthRow, columnWidthRowCount> rows{{
        {"深さ(CDL)", 10, -50},
        {"深さ", 10, -50},
        {"層厚", 10, -50},
        {"土質模様", 12, -50},
        {"土質名", 20, -50},
        {"色調", 14, -50},
        {"観察記事", 45, -50},
        {"N値合計", 9, -50},
        {"N値内訳", 7, -50},
        {"試料番号", 19, -50},
        {"試料模様", 4, -10},
        {"試料深度", 17, -50},
        {"回収比", 14, -50},
    }};
    return rows;
}

std::vector<FormField> columnWidthFields(const char* group, const char* totalCaption)
{
    std::vector<FormField> fields;
    for (int row = 1; row <= columnWidthRowCount; ++row) {
        const ColumnWidthRow& column = columnWidthRows()[row - 1];
        FormField adjust = plain("", column.caption, FormFieldKind::Text, group, 0);
        adjust.key = adjustKey(row);
        adjust.minimum = column.minimumAdjustment;
        adjust.maximum = 100;
        adjust.maxLength = 5;
        fields.push_back(adjust);
        FormField shown = plain("", "表示幅", FormFieldKind::Shown, group, 0);
        shown.key = widthKey(row);
        shown.maxLength = 6;
        shown.sameRow = true;
        fields.push_back(shown);
    }
    fields.push_back(plain("sum", "合計", FormFieldKind::Shown, "", 1));
    fields.push_back(plain("total", totalCaption, FormFieldKind::Shown, "", 1));
    return fields;
}

void updateColumnWidths(FieldModel& model)
{
    double sum = 0.0;
    for (int row = 1; row <= columnWidthRowCount; ++row) {
        const double adjustment = parseLeadingInteger(model.value(adjustKey(row))) * 0.1;
        sum += adjustment;
        model.setValue(widthKey(row), formatText("%.1f", columnWidthRows()[row - 1].standardWidth + adjustment));
    }
    model.setValue("sum", formatText("%+.1f", sum));
    model.setValue("total", formatText("%.1f", totalLogWidth(model)));
}

double totalLogWidth(const FieldModel& model)
{
    double total = 60.0;
    for (int row = 1; row <= columnWidthRowCount; ++row) {
        const double shown =
            columnWidthRows()[row - 1].standardWidth + parseLeadingInteger(model.value(adjustKey(row))) * 0.1;
        total += row == nBreakdownRow ? 3 * shown : shown;
    }
    return total;
}

StyleSheetModel::StyleSheetModel(const LogSettings& settings, const BoringData& data)
{
    for (int page = 1; page <= styleSheetPageCount; ++page)
        loadSettingsFields(styleSheetFields(page), settings);
    for (int group = 0; group < 3; ++group) {
        const std::string index = std::to_string(group + 1);
        const double offset = parseLeadingNumber(data.documentOption(titleGroupOffsetOption + group).value);
        setValue("heading" + index, formatText("%.1f", titleGroupBaseStarts[group] + offset));
        setValue("base" + index, formatText("%.1f", titleGroupBaseStarts[group]));
    }
    for (int row = 1; row <= columnWidthRowCount; ++row)
        setValue(adjustKey(row), formatText("%ld", parseLeadingInteger(settings.documentOptionDefaults[row - 1])));
    updateColumnWidths(*this);
    applyGridMode();
}

void StyleSheetModel::fieldLeft(std::string_view key, Prompter&)
{
    if (key == "gridColorMode")
        applyGridMode();
    else if (key.starts_with("adjust"))
        updateColumnWidths(*this);
}

void StyleSheetModel::applyGridMode()
{
    const bool colour = integer("gridColorMode") == 0;
    setEnabled("grid10Color", colour);
    setEnabled("grid5Color", colour);
    setEnabled("grid10ColorButton", colour);
    setEnabled("grid5ColorButton", colour);
    for (const char* key : dashKeys)
        setEnabled(key, !colour);
    setEnabled("gapNote", !colour);
    if (colour)
        for (const char* key : gapKeys)
            setValue(key, "0");
}

void StyleSheetModel::standardPage1()
{
    setValue("maxBlows", "0");
    setValue("gridVPitch", "1");
    setValue("gridHPitch", "1");
    setValue("nPlotSymbol", "1");
    setValue("nDepthLabelPos", "2");
    setValue("sampleDepthLabelPos", "1");
    setValue("outOfRangeBlackDot", "1");
    setValue("showConvertedN", "0");
    setValue("soilAlphaSymbol", "0");
    setValue("nZeroText", utf8ToCp932("自沈"));
    setValue("nZeroDenominatorText", utf8ToCp932("貫入不能"));
    setValue("quCircleRadius", "1");
    setValue("quSymbolColor", "0xff0000");
}

void StyleSheetModel::standardPage2()
{
    const std::pair<const char*, const char*> values[] = {
        {"outerLineWidth", "2"},     {"innerLineWidth", "1"},    {"nGraphLineWidth", "1"},  {"grid10VLineWidth", "1"},
        {"grid10VDash", "10"},       {"grid10VGap", "0"},        {"grid10HLineWidth", "1"}, {"grid10HDash", "10"},
        {"grid10HGap", "10"},        {"grid5LineWidth", "1"},    {"grid5Dash", "5"},        {"grid5Gap", "5"},
        {"insituLineWidth", "1"},    {"insituLineDash", "10"},   {"insituLineGap", "0"},    {"gridColorMode", "0"},
        {"grid10Color", "0x808080"}, {"grid5Color", "0xcccccc"},
    };
    for (const auto& [key, text] : values)
        setValue(key, text);
    applyGridMode();
}

void StyleSheetModel::buttonPressed(std::string_view key, Prompter&)
{
    if (key == "standard1" || key == "simpleGrid") {
        standardPage1();
    } else if (key == "standard2") {
        standardPage2();
    } else if (key == "monoExample") {
        standardPage2();
        setValue("grid5Gap", "5");
        setValue("grid10HGap", "10");
        setValue("gridColorMode", "1");
        applyGridMode();
    } else if (key == "standard3") {
        for (int group = 0; group < 3; ++group)
            setValue("heading" + std::to_string(group + 1), formatText("%.1f", titleGroupBaseStarts[group]));
        setValue("topMargin", "5");
        setValue("leftMargin", "5");
    } else if (key == "standard4") {
        for (int row = 1; row <= columnWidthRowCount; ++row)
            setValue(adjustKey(row), "0");
        updateColumnWidths(*this);
    }
}

void StyleSheetModel::pageLeft(int page, Prompter& prompter) const
{
    if (page == 4 && totalLogWidth(*this) > printWidthLimit)
        showMessage(prompter, Message::WidthTooLarge, MessageKind::Warning);
}

void StyleSheetModel::apply(SettingsValues& settings, BoringData& data) const
{
    storeSettingsFields(styleSheetFields(1), settings);
    settings.maxBlowsCopy = settings.maxBlows;
    storeSettingsFields(styleSheetFields(2), settings);
    if (settings.companyName.empty())
        settings.companyName = utf8ToCp932("株式会社");
    storeSettingsFields(styleSheetFields(3), settings);
    for (int group = 0; group < 3; ++group) {
        double start = parseLeadingNumber(value("heading" + std::to_string(group + 1)));
        if (!(start >= titleGroupMinimumStarts[group]))
            start = titleGroupMinimumStarts[group];
        // An offset of the same value keeps its text, so that a sheet
        // confirmed without moving a heading leaves the document unmodified.
        std::string& offset = data.documentOption(titleGroupOffsetOption + group).value;
        const std::string text = formatText("%.1f", start - titleGroupBaseStarts[group]);
        if (parseLeadingNumber(offset) != parseLeadingNumber(text))
            offset = text;
    }
    for (int row = 1; row <= columnWidthRowCount; ++row)
        settings.documentOptionDefaults[row - 1] = value(adjustKey(row));
}

}  // namespace kolv
