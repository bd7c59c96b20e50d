#include "formats/XmlWriter.h"

#include "data/Cp932Text.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "formats/XmlCoreWriter.h"
#include "formats/XmlExportValues.h"
#include "formats/XmlLineWriter.h"
#include "platform/Cp932Codec.h"

namespace kolv {

namespace {

constexpr std::string_view declaration = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>";
constexpr const char* headingTable = "見出し";

const std::string& verticalAngle()
{
    static const std::string text = utf8ToCp932("鉛直");
    return text;
}

class HeadingWriter {
public:
    HeadingWriter(XmlLineWriter& writer, const BoringData& data) : writer_(writer), data_(data) {}

    void text(std::string_view element, int line) { writer_.element(element, data_.headingLine(line), place(line)); }

    void number(std::string_view element, int line)
    {
        writer_.element(element, exportNumber(writer_, data_.headingLine(line), place(line)), place(line));
    }

    void date(std::string_view element, int yearLine, int monthLine, int dayLine, int eraLine)
    {
        const std::string value =
            exportSurveyDate(writer_, data_.headingLine(yearLine), data_.headingLine(monthLine),
                             data_.headingLine(dayLine), data_.headingLine(eraLine), place(yearLine));
        writer_.element(element, value, place(yearLine));
    }

    // Harbour logs give a vertical hole's angle in words; the exchange files
    // write it as 0.
    void angle(std::string_view element, int line)
    {
        if (data_.headingLine(line) != verticalAngle()) {
            number(element, line);
            return;
        }
        writer_.report(place(line), data_.headingLine(line), "鉛直を角度0として出力しました.");
        writer_.element(element, "0", place(line));
    }

    static XmlCellPlace place(int line) { return {headingTable, line, 0}; }

private:
    XmlLineWriter& writer_;
    const BoringData& data_;
};

void writeStandards(XmlLineWriter& writer)
{
    writer.open("基礎情報");
    writer.emptyElement("適用規格");
    writer.open("公開フラグ");
    writer.emptyElement("公開フラグ_コード");
    writer.close("公開フラグ");
    writer.close("基礎情報");
}

void writeCoordinates(XmlLineWriter& writer, HeadingWriter& heading)
{
    writer.open("経度緯度情報");
    const char* longitude[] = {"経度_度", "経度_分", "経度_秒"};
    const char* latitude[] = {"緯度_度", "緯度_分", "緯度_秒"};
    for (int part = 0; part < 3; ++part)
        heading.number(longitude[part], HeadingLine::LongitudeDegrees + part);
    for (int part = 0; part < 3; ++part)
        heading.number(latitude[part], HeadingLine::LatitudeDegrees + part);
    writer.emptyElement("取得方法コード");
    writer.emptyElement("読取精度コード");
    writer.emptyElement("測地系");
    writer.close("経度緯度情報");
}

// Line 27 keeps the whole location code, first, second and third level one
// after the other, as the import joins them; lines 58 and 59 keep the last
// two levels. A code typed into line 27 that does not end with them is
// written whole as the first level.
void writeLocation(XmlLineWriter& writer, const BoringData& data, HeadingWriter& heading)
{
    writer.open("調査位置");
    heading.text("調査位置住所", HeadingLine::SurveyLocation);
    const std::string& whole = data.headingLine(HeadingLine::LocationCode);
    const std::string lastLevels =
        data.headingLine(HeadingLine::LocationCodeSecond) + data.headingLine(HeadingLine::LocationCodeThird);
    const bool split = !lastLevels.empty() && endsWithText(whole, lastLevels);
    writer.element("コード1次", split ? whole.substr(0, whole.size() - lastLevels.size()) : whole,
                   HeadingWriter::place(HeadingLine::LocationCode));
    if (split) {
        heading.text("コード2次", HeadingLine::LocationCodeSecond);
        heading.text("コード3次", HeadingLine::LocationCodeThird);
    } else {
        writer.emptyElement("コード2次");
        writer.emptyElement("コード3次");
    }
    writer.close("調査位置");
}

void writeCompany(XmlLineWriter& writer, HeadingWriter& heading)
{
    writer.open("調査会社");
    heading.text("調査会社_名称", HeadingLine::CompanyName);
    heading.text("調査会社_TEL", HeadingLine::CompanyTelephone);
    // The registration numbers follow the engineers' names in the same order.
    const struct {
        const char* role;
        int nameLine;
    } engineers[] = {
        {"調査会社_主任技師", HeadingLine::ChiefEngineer},
        {"調査会社_現場代理人", HeadingLine::SiteAgent},
        {"調査会社_コア鑑定者", HeadingLine::CoreExaminer},
        {"調査会社_ボーリング責任者", HeadingLine::BoringForeman},
    };
    for (const auto& engineer : engineers) {
        const std::string role = engineer.role;
        heading.text(role + "_氏名", engineer.nameLine);
        heading.text(role + "_地質調査技士登録番号",
                     HeadingLine::FirstRegistrationNumber + engineer.nameLine - HeadingLine::ChiefEngineer);
    }
    writer.close("調査会社");
}

void writeTitleInformation(XmlLineWriter& writer, const BoringData& data)
{
    using namespace HeadingLine;
    HeadingWriter heading(writer, data);
    writer.open("標題情報");

    writer.open("調査基本情報");
    heading.text("事業工事名", WorksName);
    heading.text("調査名", SurveyName);
    writer.emptyElement("調査目的");
    writer.emptyElement("調査対象");
    heading.text("ボーリング名", BoringName);
    writer.emptyElement("ボーリング総数");
    writer.emptyElement("ボーリング連番");
    writer.close("調査基本情報");

    writeCoordinates(writer, heading);
    writeLocation(writer, data, heading);

    writer.open("発注機関");
    heading.text("発注機関名称", OrderingOrganisation);
    writer.emptyElement("テクリスコード");
    writer.close("発注機関");

    writer.open("調査期間");
    heading.date("調査期間_開始年月日", StartYear, StartMonth, StartDay, StartEra);
    heading.date("調査期間_終了年月日", EndYear, EndMonth, EndDay, EndEra);
    writer.close("調査期間");

    writeCompany(writer, heading);

    writer.open("ボーリング基本情報");
    heading.number("孔口標高", CollarElevation);
    heading.number("総削孔長", FinalDepth);
    heading.text("柱状図様式", LogStyleName);
    heading.angle("角度", BoringAngle);
    heading.number("方位", BoringDirection);
    heading.number("地盤勾配", GroundSlope);
    writer.close("ボーリング基本情報");

    writer.open("試錐機");
    heading.text("試錐機_名称", DrillingMachine);
    writer.close("試錐機");
    writer.open("エンジン");
    heading.text("エンジン_名称", EngineName);
    writer.close("エンジン");
    writer.open("ポンプ");
    heading.text("ポンプ_名称", PumpName);
    writer.close("ポンプ");

    writer.close("標題情報");
}

constexpr const char* notCarried = "交換用データ(DTD 4.00)にこの項目はありません. 出力しませんでした.";

// What the file has no element for is reported value by value, so that no
// value is left out of an export without a word. The heading water level
// is not among them: the water-level rows carry it.
void reportValuesWithoutElement(XmlLineWriter& writer, const BoringData& data)
{
    using namespace HeadingLine;
    for (int line : {ElevationType, HammerDropDevice, SheetNumber, Code1, Code2, Memo}) {
        if (!data.headingLine(line).empty())
            writer.report(HeadingWriter::place(line), data.headingLine(line), notCarried);
    }
    const auto reportCells = [&](const char* table, const auto& rows, std::initializer_list<int> cells) {
        const int occupied = occupiedRowCount(rows);
        for (int row = 1; row <= occupied; ++row)
            for (int cell : cells)
                if (!rows.cell(row, cell).empty())
                    writer.report({table, row, cell}, rows.cell(row, cell), notCarried);
    };
    reportCells("地質", data.layerRows, {LayerCell::AuxiliaryName});
    reportCells("回収比とqu", data.recoveryRows,
                {RecoveryCell::Ratio, RecoveryCell::FirstQu, RecoveryCell::FirstQu + 1, RecoveryCell::FirstQu + 2,
                 RecoveryCell::FirstQu + 3});
    reportCells("自由記事", data.freeNoteRows, {FreeNoteCell::Text});
}

SurveyYears surveyYears(const BoringData& data)
{
    SurveyYears years;
    years.startYear = westernYear(data.headingLine(HeadingLine::StartYear), data.headingLine(HeadingLine::StartEra));
    years.startMonth = static_cast<int>(parseLeadingInteger(data.headingLine(HeadingLine::StartMonth)));
    years.endYear = westernYear(data.headingLine(HeadingLine::EndYear), data.headingLine(HeadingLine::EndEra));
    return years;
}

}  // namespace

std::string exchangeFilePath(const std::string& documentPath)
{
    const std::size_t folderEnd = documentPath.find_last_of("/\\");
    const std::size_t dot = documentPath.rfind('.');
    const bool hasExtension = dot != std::string::npos && (folderEnd == std::string::npos || dot > folderEnd + 1);
    return (hasExtension ? documentPath.substr(0, dot) : documentPath) + ".XML";
}

XmlExport writeXmlFile(const BoringData& data)
{
    XmlExport exported;
    XmlLineWriter writer(exported.issues);
    writer.line(declaration);
    writer.line(utf8ToCp932("<!DOCTYPE ボーリング情報 SYSTEM \"BED0400.DTD\">"));
    writer.open("ボーリング情報", "DTD_version=\"4.00\"");
    writeStandards(writer);
    writeTitleInformation(writer, data);
    writeCoreInformation(writer, data, surveyYears(data));
    reportValuesWithoutElement(writer, data);
    writer.close("ボーリング情報");
    exported.bytes = writer.text();
    return exported;
}

}  // namespace kolv
