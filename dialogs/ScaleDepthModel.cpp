#include "dialogs/ScaleDepthModel.h"

#include "data/Cp932Text.h"
#include "data/Number.h"
#include "dialogs/HeadingDialogModel.h"
#include "platform/MessageCatalogue.h"

#include <cmath>

namespace kolv {

namespace {

constexpr int elevationLine = 13;
constexpr int scaleNumberingLine = 36;

FormField field(const char* key, const char* caption, FormFieldKind kind, const char* group, int minimum = 0,
                int maximum = 0, int column = 0)
{
    FormField dialogTable;
    dialogTable.key = key;
    dialogTable.caption = caption;
    dialogTable.kind = kind;
    dialogTable.group = group;
    dialogTable.minimum = minimum;
    dialogTable.maximum = maximum;
    dialogTable.column = column;
    return dialogTable;
}

std::vector<FormField> buildFields()
{
    const char* scale = "縮尺 (50～500)";
    const char* paper = "用紙と表示可能な最大深度範囲";
    const char* depth = "深度";
    const char* pages = "印刷ページ数調節";
    return {
        field("horizontal", "横方向の縮尺(&X)   1/?", FormFieldKind::Integer, scale, 25, 500),
        field("vertical", "深度方向の縮尺(&Z) 1/?", FormFieldKind::Integer, scale, 25, 500),
        field("partOnly", "深度データ部のみ縮尺有効にする", FormFieldKind::Check, scale),
        field("paperLength", "用紙長さ mm", FormFieldKind::Integer, paper, 0, 99999),
        field("largestDepth", "1ページの最大深度 m/頁", FormFieldKind::Integer, paper, 1, 1000),
        field("freeNotes", "自由記事欄 mm", FormFieldKind::Shown, paper),
        field("printStart", "印刷開始深度(&S) m", FormFieldKind::Text, depth, 0, 0, 1),
        field("suggestion", "標尺目盛り整数開始", FormFieldKind::Shown, depth, 0, 0, 1),
        field("copySuggestion", "←", FormFieldKind::Button, depth, 0, 0, 1),
        field("scaleOption", "標尺", FormFieldKind::Shown, depth, 0, 0, 1),
        field("depthPerPage", "1ページの深度(&D) m", FormFieldKind::Integer, depth, 1, 100, 1),
        field("overlap", "改ページの重複深度(&O) m", FormFieldKind::Integer, depth, 0, 10, 1),
        field("lastPage", "標準最終 頁", FormFieldKind::Shown, pages, 0, 0, 1),
        field("extraPages", "強制追加ページ数 (1～2)", FormFieldKind::Text, pages, 0, 0, 1),
    };
}

int metresPerPage(const LogSettings& settings, int freeNotesHeight, int usableLength, int scale, bool fixedHeader)
{
    const long long usable = computeUsableDepth(settings, freeNotesHeight, usableLength, scale, fixedHeader);
    return static_cast<int>(usable * scale / 1000);
}

}  // namespace

const std::vector<FormField>& scaleDepthFields()
{
    static const std::vector<FormField> fields = buildFields();
    return fields;
}

ScaleDepthModel::ScaleDepthModel(const LogSettings& settings, const ViewState& view, const BoringData& data)
    : settings_(settings), freeNotesHeight_(freeNotesHeight(data)), maxDepth_(maximumDepth(data))
{
    setValue("horizontal", formatText("%d", settings.horizontalScale));
    setValue("vertical", formatText("%d", settings.verticalScale));
    setValue("partOnly", settings.scaleDepthPartOnly ? "1" : "0");
    setValue("paperLength", formatText("%d", view.paperLength));
    setValue("depthPerPage", formatText("%d", settings.depthPerPage));
    setValue("overlap", formatText("%d", settings.pageOverlap));
    setValue("freeNotes", formatText("%d", freeNotesHeight_));
    setValue("largestDepth",
             formatText("%d",
                        metresPerPage(settings, freeNotesHeight_, view.usableLength, settings.verticalScale,
                                      settings.scaleDepthPartOnly)));
    setValue("printStart", formatText("%3.2f", settings.printStartDepth));

    const int numbering = static_cast<int>(parseLeadingInteger(data.headingLine(scaleNumberingLine)));
    setValue("scaleOption", formatText("%d", numbering > 0 ? 1 : 0));
    if (numbering >= 1) {
        setValue("suggestion", "0.0");
    } else {
        double fraction = 0.0;
        if (isNumericText(data.headingLine(elevationLine)) > 0) {
            const double elevation = parseLeadingNumber(data.headingLine(elevationLine));
            fraction = elevation - std::floor(elevation + 0.0001);
        }
        setValue("suggestion", std::fabs(fraction) >= 0.00001 ? formatText("%3.2f", fraction - 1) : "-1.0 (0.0)");
    }
    const int extra = settings.forcedExtraPages;
    setValue("extraPages", extra == 1 || extra == 2 ? formatText("%d", extra) : "");
    updateLastPage();
}

void ScaleDepthModel::fieldLeft(std::string_view key, Prompter& prompter)
{
    if (key == "vertical") {
        const int scale = integer("vertical");
        const int largest = metresPerPage(settings_, freeNotesHeight_, integer("paperLength") - 32, scale,
                                          settings_.scaleDepthPartOnly != 0);
        if (largest <= 0) {
            showMessage(prompter, Message::NoDrawingLength, MessageKind::Warning);
            setValue("largestDepth", "0");
        } else {
            setValue("largestDepth", formatText("%d", largest));
        }
        updateLastPage();
    } else if (key == "printStart" || key == "depthPerPage" || key == "overlap") {
        updateLastPage();
    }
}

void ScaleDepthModel::buttonPressed(std::string_view key, Prompter&)
{
    if (key != "copySuggestion")
        return;
    const std::string& suggestion = value("suggestion");
    setValue("printStart", suggestion.substr(0, suggestion.find(' ')));
    updateLastPage();
}

void ScaleDepthModel::updateLastPage()
{
    const int difference = integer("depthPerPage") - integer("overlap");
    const double step = difference > 0 ? difference : 1;
    const double pages = std::trunc((maxDepth_ - parseLeadingNumber(value("printStart"))) / step) + 1;
    // A start far below the deepest layer gives no page at all, never a
    // negative count.
    setValue("lastPage", formatText("%d", pages > 0 ? static_cast<int>(std::fmin(pages, 1e9)) : 0));
}

ScaleDepthModel::PassResult ScaleDepthModel::applyPass(LogSettings& settings, ViewState& view, BoringData& data,
                                                       Prompter& prompter)
{
    PassResult result;
    settings.verticalScale = integer("vertical");
    settings.horizontalScale = integer("horizontal");
    settings.scaleDepthPartOnly = checked("partOnly") ? 1 : 0;
    view.paperLength = integer("paperLength");
    settings.printStartDepth = clampPrintStartDepth(parseLeadingNumber(value("printStart")));
    view.usableLength = view.paperLength - 32;
    const long long usable = computeUsableDepth(settings, freeNotesHeight_, view.usableLength, settings.verticalScale,
                                                settings.scaleDepthPartOnly != 0);
    settings.pageOverlap = integer("overlap");
    settings.depthPerPage = integer("depthPerPage");
    if (settings.pageOverlap >= settings.depthPerPage) {
        settings.pageOverlap = 0;
        setValue("overlap", "0");
        result.repeat = true;
    }
    const int fits = static_cast<int>(usable * settings.verticalScale / 1000);
    if (fits + 10 < settings.depthPerPage) {
        showMessage(prompter, Message::PageDepth, MessageKind::Information, std::to_string(fits));
        setValue("depthPerPage", formatText("%d", fits));
        result.repeat = true;
    } else if (!result.repeat) {
        result.save = true;
    }
    view.screenPageStart = settings.printStartDepth;
    data.documentOption(printStartDepthOption).value = formatText("%g", settings.printStartDepth);
    int extra = 0;
    settings.forcedExtraPages = parseWholeNumber(value("extraPages"), extra) && (extra == 1 || extra == 2) ? extra : 0;
    settings_ = settings;
    updateLastPage();
    return result;
}

void settleCurrentPage(ViewState& view)
{
    if (view.screenPageStart < 1)
        view.currentPage = 1;
}

ScaleDepthOutcome runScaleDepthPasses(ScaleDepthModel& model, LogSettings& settings, ViewState& view, BoringData& data,
                                      Prompter& prompter, const std::function<bool()>& showDialog)
{
    ScaleDepthOutcome outcome;
    while (outcome.passes < scaleDialogPassLimit) {
        ++outcome.passes;
        const bool ok = showDialog();
        bool repeat = false;
        if (ok) {
            const ScaleDepthModel::PassResult result = model.applyPass(settings, view, data, prompter);
            outcome.accepted = true;
            outcome.save = result.save;
            repeat = result.repeat;
        }
        settleCurrentPage(view);
        if (!repeat)
            break;
    }
    return outcome;
}

}  // namespace kolv
