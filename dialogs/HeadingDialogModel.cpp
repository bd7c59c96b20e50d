#include "dialogs/HeadingDialogModel.h"

#include "data/Cp932Text.h"
#include "data/Csv.h"
#include "data/Number.h"
#include "platform/MessageCatalogue.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsText.h"

#include <algorithm>
#include <cmath>

namespace kolv {

namespace {

constexpr int elevationLine = 13;
constexpr int scaleNumberingLine = 36;
constexpr int boreholeCodeLine = 27;
constexpr int longitudeSecondsLine = 56;

// Lines greyed while only the harbour log's items are enabled.
constexpr int harbourDisabledLines[] = {2,  4,  22, 21, 23, 16, 17, 18, 19, 41, 42, 43, 44, 25,
                                        26, 51, 52, 53, 54, 55, 56, 27, 40, 28, 33, 29, 30};
// Radio groups and how many buttons each has.
constexpr std::pair<int, int> radioLines[] = {{48, 3}, {50, 3}, {36, 2}};
constexpr int checkLines[] = {38, 47};
constexpr int engineerNameLines[] = {16, 17, 18, 19};
constexpr int machineLines[] = {20, 21, 22, 23};

FormField line(int number, const char* caption, const char* group, int maxLength = 0, int column = 0)
{
    FormField field;
    field.key = headingLineKey(number);
    field.caption = caption;
    field.group = group;
    field.maxLength = maxLength;
    field.column = column;
    return field;
}

FormField kindOf(FormField field, FormFieldKind kind, std::vector<std::string> choices = {})
{
    field.kind = kind;
    field.choices = std::move(choices);
    return field;
}

// The control follows the previous one on its row.
FormField after(FormField field)
{
    field.sameRow = true;
    return field;
}

FormField special(const char* key, const char* caption, FormFieldKind kind, const char* group, int column)
{
    FormField field;
    field.key = key;
    field.caption = caption;
    field.kind = kind;
    field.group = group;
    field.column = column;
    return field;
}

std::vector<FormField> buildFields()
{
    const char* survey = "調査";
    const char* period = "調査期間";
    const char* position = "位置";
    const char* engineers = "技術者";
    const char* machines = "使用機械";
    const char* display = "表示";
    const char* sheet = "シート";
    const std::string blank = "\u3000";
    return {
        line(1, "調査名", survey, 120),
        line(2, "事業工事名", survey),
        line(3, "調査位置", survey, 120),
        kindOf(line(4, "発注機関", survey), FormFieldKind::Choice),
        line(5, "ボーリングNo", survey, 32),
        line(13, "孔口標高m", survey, 8),
        after(kindOf(line(38, "文字として表示", survey), FormFieldKind::Check)),
        kindOf(line(12, "種別", survey, 16), FormFieldKind::Choice),
        line(37, "最終深さ m", survey),
        after(kindOf(line(47, "文字として表示", survey), FormFieldKind::Check)),
        special("geologyDepth", "地質深度", FormFieldKind::Shown, survey, 0),
        kindOf(line(34, "始", period, 8), FormFieldKind::Choice, {"令和", "平成", "昭和"}),
        after(line(6, "年", period, 8)),
        after(line(7, "月", period, 4)),
        after(line(8, "日", period, 4)),
        kindOf(line(35, "至", period, 8), FormFieldKind::Choice, {"令和", "平成", "昭和"}),
        after(line(9, "年", period, 8)),
        after(line(10, "月", period, 4)),
        after(line(11, "日", period, 4)),
        line(51, "北緯", position, 4),
        after(line(52, "゜", position, 4)),
        after(line(53, "’", position, 8)),
        after(special("latitudeSecondsMark", "”", FormFieldKind::Label, position, 0)),
        line(54, "東経", position, 4),
        after(line(55, "゜", position, 4)),
        after(line(56, "’", position, 8)),
        after(special("longitudeSecondsMark", "”", FormFieldKind::Label, position, 0)),
        line(27, "ボーリングコードNo", position, 11),
        after(special("meshCode", "メッシュ", FormFieldKind::Shown, position, 0)),
        kindOf(line(41, "技術者1", engineers, 0, 1), FormFieldKind::Choice,
               {"主任技術者", "照査技術者", "管理技術者", blank}),
        after(line(16, "氏名", engineers, 0, 1)),
        kindOf(line(42, "技術者2", engineers, 0, 1), FormFieldKind::Choice,
               {"現場代理人", "管理技術者", "現場作業責任者", blank, ""}),
        after(line(17, "氏名", engineers, 0, 1)),
        kindOf(line(43, "技術者3", engineers, 0, 1), FormFieldKind::Choice, {"コア鑑定者", blank, ""}),
        after(line(18, "氏名", engineers, 0, 1)),
        kindOf(line(44, "技術者4", engineers, 0, 1), FormFieldKind::Choice, {"ボーリング責任者", blank}),
        after(line(19, "氏名", engineers, 0, 1)),
        special("engineerList", "技術者一覧", FormFieldKind::PickList, engineers, 1),
        line(20, "試錐機 (使用機械)", machines, 0, 1),
        line(21, "ハンマー", machines, 0, 1),
        line(22, "エンジン", machines, 0, 1),
        line(23, "ポンプ", machines, 0, 1),
        special("machineList", "使用機械一覧", FormFieldKind::PickList, machines, 1),
        line(24, "角度", machines, 6, 1),
        line(25, "方向", machines, 6, 1),
        line(26, "地盤勾配", machines, 6, 1),
        kindOf(line(48, "深さ0mの表示", display, 0, 2), FormFieldKind::Radio, {"GL", "標高", "表示しない"}),
        kindOf(line(50, "試料原位置深度", display, 0, 2), FormFieldKind::Radio, {"深さ", "標高", "GL"}),
        kindOf(line(36, "標尺", display, 0, 2), FormFieldKind::Radio, {"標高(港湾様式)", "深度"}),
        special("printStart", "印刷開始深度", FormFieldKind::Shown, display, 2),
        kindOf(line(70, "タイトル", sheet, 0, 2), FormFieldKind::Choice,
               {"土 質 柱 状 図", "港 湾 柱 状 図", "ボ ー リ ン グ 柱 状 図", "ボーリング柱状図", ""}),
        line(39, "調査業者名 (実施者名)", sheet, 80, 2),
        line(40, "TEL", sheet, 0, 2),
        line(28, "シートNo.", sheet, 16, 2),
        line(33, "メモ", sheet, 32, 2),
        line(29, "code1", sheet, 0, 2),
        after(line(30, "code2", sheet, 0, 2)),
        special("harbourOnly", "港湾柱状図に反映する項目のみ有効にする", FormFieldKind::Check, sheet, 2),
    };
}

// One comma-separated field of each line of a master file, lines cut to the
// length they were read with.
bool readMasterList(const LogSettings& settings, const std::string& windowsPath, int field, std::size_t lineLength,
                    std::vector<std::string>& list)
{
    std::vector<std::string> lines;
    if (!readSettingsLines(hostPathOf(settings, windowsPath), lines))
        return false;
    for (const std::string& text : lines)
        list.push_back(splitCsvField(cutToBytes(text, lineLength - 1), field));
    return true;
}

void loadReportedList(const LogSettings& settings, const std::string& windowsPath, int field, std::size_t lineLength,
                      std::vector<std::string>& list, Prompter& prompter)
{
    if (!readMasterList(settings, windowsPath, field, lineLength, list))
        showIssues(prompter, {issueOf(Message::FileNotFound, MessageKind::Error, windowsPath)});
}

bool allNumeric(const FieldModel& model, int firstLine, int lastLine)
{
    for (int number = firstLine; number <= lastLine; ++number)
        if (isNumericText(model.value(headingLineKey(number))) < 1)
            return false;
    return true;
}

double degrees(const FieldModel& model, int firstLine)
{
    return parseLeadingNumber(model.value(headingLineKey(firstLine)))
        + parseLeadingNumber(model.value(headingLineKey(firstLine + 1))) / 60.0
        + parseLeadingNumber(model.value(headingLineKey(firstLine + 2))) / 3600.0;
}

// The fractional part of a number as the scale check takes it.
double scaleFraction(double value)
{
    return value - std::floor(value + 0.0001);
}

}  // namespace

const std::vector<FormField>& headingDialogFields()
{
    static const std::vector<FormField> fields = buildFields();
    return fields;
}

std::string headingLineKey(int line)
{
    return "L" + std::to_string(line);
}

long meshCode(double latitude, double longitude)
{
    if (latitude <= -1 || longitude <= -1 || latitude < 1 || longitude < 1)
        return 0;
    const double latitude15 = 1.5 * latitude;
    const double longitude100 = longitude - 100;
    const long p = static_cast<long>(std::floor(latitude15));
    const long u = static_cast<long>(std::floor(longitude100));
    const double latitude8 = 8 * (latitude15 - std::floor(latitude15));
    const double longitude8 = 8 * (longitude100 - std::floor(longitude100));
    const long q = static_cast<long>(std::floor(latitude8));
    const long v = static_cast<long>(std::floor(longitude8));
    const long r = static_cast<long>(std::floor(10 * (latitude8 - std::floor(latitude8))));
    const long w = static_cast<long>(std::floor(10 * (longitude8 - std::floor(longitude8))));
    long first = p * 100 + u;
    long last = q * 1000 + v * 100 + r * 10 + w;
    if (first < 0 || first > 9999)
        first = 0;
    if (last < 0 || last > 9999)
        last = 0;
    const long code = first * 10000 + last;
    return code > 0 && code < 100000000 ? code : 0;
}

HeadingDialogModel::HeadingDialogModel(const BoringData& data, const LogSettings& settings, Prompter& prompter)
{
    for (int number = 1; number <= headingLineCount; ++number)
        setValue(headingLineKey(number), data.headingLine(number));
    for (const auto& [number, buttons] : radioLines) {
        const long index = parseLeadingInteger(data.headingLine(number));
        setValue(headingLineKey(number), std::to_string(std::clamp<long>(index, 0, buttons - 1)));
    }
    for (int number : checkLines)
        setValue(headingLineKey(number), data.headingLine(number) == "1" ? "1" : "0");
    setValue("harbourOnly", data.documentOption(harbourOnlyOption).value == "1" ? "1" : "0");

    int layers = 0;
    while (layers < BoringData::LayerTable::capacity && isNumericText(data.layerRows.cell(layers + 1, 1)) > 0)
        ++layers;
    setValue("geologyDepth", formatDepth(layers > 0 ? parseLeadingNumber(data.layerRows.cell(layers, 1)) : 0.0));
    setValue("printStart", formatText("%3.2f m", settings.printStartDepth));

    loadReportedList(settings, settings.engineerMasterPath, 2, 40, engineerList_, prompter);
    loadReportedList(settings, settings.clientMasterPath, 2, 80, clientList_, prompter);
    loadReportedList(settings, settings.machineMasterPath, 2, 40, machineList_, prompter);
    if (!readMasterList(settings, settings.elevationTypeMasterPath, 1, 40, elevationTypeList_))
        elevationTypeList_ = {"A.P.", "T.P.", "T.B.M.", ""};

    applyHarbourOnly();
    updateMeshCode();
}

std::vector<std::string> HeadingDialogModel::entries(std::string_view key) const
{
    if (key == "engineerList")
        return engineerList_;
    if (key == "machineList")
        return machineList_;
    if (key == headingLineKey(4))
        return clientList_;
    if (key == headingLineKey(12))
        return elevationTypeList_;
    return {};
}

void HeadingDialogModel::fieldLeft(std::string_view key, Prompter&)
{
    if (key == "harbourOnly")
        applyHarbourOnly();
    else if (key == headingLineKey(longitudeSecondsLine))
        updateMeshCode();
    else if (key == "engineerList")
        setValue(headingLineKey(engineerField_), value(key));
    else if (key == "machineList")
        setValue(headingLineKey(machineField_), value(key));
}

void HeadingDialogModel::fieldEntered(std::string_view key)
{
    for (int number : engineerNameLines)
        if (key == headingLineKey(number))
            engineerField_ = number;
    for (int number : machineLines)
        if (key == headingLineKey(number))
            machineField_ = number;
    if (key == headingLineKey(boreholeCodeLine))
        updateMeshCode();
}

void HeadingDialogModel::applyHarbourOnly()
{
    const bool enabled = !checked("harbourOnly");
    for (int number : harbourDisabledLines)
        setEnabled(headingLineKey(number), enabled);
}

void HeadingDialogModel::updateMeshCode()
{
    if (allNumeric(*this, 51, 56))
        setValue("meshCode", meshCodeText());
}

std::string HeadingDialogModel::meshCodeText() const
{
    if (!allNumeric(*this, 51, 56))
        return {};
    const long code = meshCode(degrees(*this, 51), degrees(*this, 54));
    return code > 0 ? formatText("%ldxxx", code) : std::string();
}

void HeadingDialogModel::warnOnAccept(Prompter& prompter) const
{
    const std::string elevation(cutToBytes(value(headingLineKey(elevationLine)), 8));
    if (elevation.empty())
        return;
    if (isNumericText(elevation) < 1)
        showMessage(prompter, Message::UnsuitableInput, MessageKind::Warning);
    else if (parseLeadingNumber(elevation) >= 4000)
        showMessage(prompter, Message::AbnormalNumber, MessageKind::Warning);
}

void HeadingDialogModel::apply(BoringData& data) const
{
    for (int number = 1; number <= headingLineCount; ++number)
        data.setHeadingLine(number, value(headingLineKey(number)));
    data.documentOption(harbourOnlyOption).value = checked("harbourOnly") ? "1" : "0";
}

bool checkScaleStart(BoringData& data, LogSettings& settings, Prompter& prompter)
{
    const std::string& elevationText = data.headingLine(elevationLine);
    const bool elevationNumeric = isNumericText(elevationText) > 0;
    double fraction = 0.0;
    if (elevationNumeric) {
        const double elevation = parseLeadingNumber(elevationText);
        if (std::fabs(elevation - std::round(elevation)) >= 0.00001)
            fraction = scaleFraction(elevation);
    }
    const std::string& startText = data.documentOption(printStartDepthOption).value;
    if (isNumericText(startText) > 0) {
        const double start = scaleFraction(parseLeadingNumber(startText));
        const bool byDepth = parseLeadingInteger(data.headingLine(scaleNumberingLine)) >= 1;
        if (byDepth && std::fabs(start) > 0.005)
            showMessage(prompter, Message::ScaleStartDepth, MessageKind::Information);
        else if (!byDepth && std::fabs(start - fraction) > 0.005)
            showMessage(prompter, Message::ScaleStartElevation, MessageKind::Information);
        return false;
    }
    if (!elevationNumeric)
        return false;
    settings.printStartDepth = fraction - 1;
    data.documentOption(printStartDepthOption).value = formatText("%3.2f", settings.printStartDepth);
    return true;
}

}  // namespace kolv
