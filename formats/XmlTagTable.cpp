#include "formats/XmlTagTable.h"

#include "platform/Cp932Codec.h"

namespace kolv {

namespace {

// The table is written in UTF-8 for the reader of this file and converted to
// code page 932, the text of the lines it is compared with, once.
struct EntrySource {
    const char* element;
    int number;
    PenetrationUnit penetrationUnit = PenetrationUnit::Unknown;
    int alsoNumber = 0;
};

struct GroupSource {
    XmlGroupKind kind;
    const char* element;
    std::vector<EntrySource> entries;
};

// Elements whose group is the heading: the sub-group tags and the particulars
// the document has no line for are recognised and not stored.
const GroupSource heading = {
    XmlGroupKind::Heading,
    "ボーリング情報",
    {
        {"調査名", 1},
        {"事業工事名", 2},
        {"調査位置住所", 3},
        {"発注機関名称", 4},
        {"ボーリング名", 5},
        {"調査期間_開始年月日", 6},
        {"調査期間_終了年月日", 9},
        {"調査期間_開始年", 6},
        {"調査期間_開始月", 7},
        {"調査期間_開始日", 8},
        {"調査期間_終了年", 9},
        {"調査期間_終了月", 10},
        {"調査期間_終了日", 11},
        {"孔口標高", 13},
        {"調査会社_主任技師_氏名", 16},
        {"調査会社_主任技師", 16},
        {"調査会社_現場代理人_氏名", 17},
        {"調査会社_現場代理人", 17},
        {"調査会社_コア鑑定者_氏名", 18},
        {"調査会社_コア鑑定者", 18},
        {"調査会社_ボーリング責任者_氏名", 19},
        {"調査会社_ボーリング責任者", 19},
        {"試錐機_名称", 20},
        {"ハンマー落下用具_コード", 21},
        {"ハンマ落下用具_コード", 21},
        {"エンジン_名称", 22},
        {"ポンプ_名称", 23},
        {"角度", 24},
        {"掘進角度", 24},
        {"方位", 25},
        {"掘進方向", 25},
        {"掘進方位", 25},
        {"地盤勾配", 26},
        {"コード1次", 27},
        {"総削孔長", 37},
        {"総掘進長", 37},
        {"調査会社_名称", 39},
        {"調査会社_TEL", 40},
        {"緯度_度", 51},
        {"緯度_分", 52},
        {"緯度_秒", 53},
        {"経度_度", 54},
        {"経度_分", 55},
        {"経度_秒", 56},
        {"柱状図様式", 57},
        {"地質柱状図様式", 57},
        {"コード2次", 58},
        {"コード3次", 59},
        {"調査会社_主任技師_地質調査技士登録番号", 76},
        {"調査会社_現場代理人_地質調査技士登録番号", 77},
        {"調査会社_コア鑑定者_地質調査技士登録番号", 78},
        {"調査会社_ボーリング責任者_地質調査技士登録番号", 79},
        {"調査目的", 0},
        {"調査対象", 0},
        {"ボーリング総数", 0},
        {"ボーリング連番", 0},
        {"取得方法コード", 0},
        {"取得方法説明", 0},
        {"読取精度コード", 0},
        {"測地系", 0},
        {"テクリスコード", 0},
        {"試錐機_能力", 0},
        {"試錐機_方法", 0},
        {"エンジン_能力", 0},
        {"エンジン_単位", 0},
        {"ハンマー落下用具_名称", 0},
        {"N値記録用具_コード", 0},
        {"N値記録用具_名称", 0},
        {"ポンプ_能力", 0},
        {"ポンプ_単位", 0},
        {"櫓種類コード", 0},
        {"建設局", 0},
        {"都道府県", 0},
        {"港名", 0},
        {"調査者", 0},
        {"調査基本情報", 0},
        {"経度緯度情報", 0},
        {"ローカル座標", 0},
        {"調査位置", 0},
        {"発注機関", 0},
        {"調査期間", 0},
        {"調査会社", 0},
        {"ボーリング基本情報", 0},
        {"試錐機", 0},
        {"エンジン", 0},
        {"ハンマー落下用具", 0},
        {"N値記録用具", 0},
        {"ポンプ", 0},
        {"港湾局指定コード", 0},
    },
};

// The data groups. The layer group was renamed with almost every DTD
// version (地質区分 in 1.10, 土質岩種区分 in 2.xx, 岩石土区分 in 3.00,
// 工学的地質区分名現場土質名 in 4.00); all four fill layers.
const std::vector<GroupSource> dataGroups = {
    {XmlGroupKind::Layer,
     "工学的地質区分名現場土質名",
     {
         {"工学的地質区分名現場土質名_下端深度", 1},
         {"工学的地質区分名現場土質名_工学的地質区分名現場土質名", 2},
         {"工学的地質区分名現場土質名_工学的地質区分名現場土質名記号", 8},
         {"工学的地質区分名現場土質名_岩石群", 0},
         {"工学的地質区分名現場土質名_岩石群コード", 0},
         {"工学的地質区分名現場土質名_岩石土コード", 0},
         {"工学的地質区分名現場土質名_岩相", 0},
         {"工学的地質区分名現場土質名_岩石", 0},
         {"工学的地質区分名現場土質名_変成岩岩相", 0},
         {"工学的地質区分名現場土質名_変成岩岩石", 0},
     }},
    {XmlGroupKind::Layer,
     "岩石土区分",
     {
         {"岩石土区分_下端深度", 1},
         {"岩石土区分_岩石土名", 2},
         {"岩石土区分_岩石土記号", 8},
         {"岩石土区分_岩石群", 0},
         {"岩石土区分_岩石群コード", 0},
         {"岩石土区分_岩石土コード", 0},
         {"岩石土区分_岩相", 0},
         {"岩石土区分_岩石", 0},
         {"岩石土区分_変成岩岩相", 0},
         {"岩石土区分_変成岩岩石", 0},
     }},
    {XmlGroupKind::Layer,
     "土質岩種区分",
     {
         {"土質岩種区分_下端深度", 1},
         {"土質岩種区分_土質岩種区分1", 2},
         {"土質岩種区分_土質岩種記号1", 8},
         {"土質岩種区分_土質岩種区分2", 3},
         {"土質岩種区分_土質岩種記号2", 0},
         {"土質岩種区分_分類コード1", 0},
         {"土質岩種区分_分類コード2", 0},
     }},
    {XmlGroupKind::Layer,
     "地質区分",
     {
         {"地質区分_深度", 1},
         {"地質区分_地質名称1", 2},
         {"地質区分_地質名称2", 3},
         {"地質区分_地質コード1", 0},
         {"地質区分_地質コード2", 0},
     }},
    {XmlGroupKind::Colour,
     "色調",
     {
         {"色調_下端深度", 1},
         {"色調_色調名", 2},
         {"色調_状態", 0},
         {"色調_コード", 0},
     }},
    {XmlGroupKind::PenetrationTest,
     "標準貫入試験",
     {
         {"標準貫入試験_開始深度", 1},
         {"標準貫入試験_0_10打撃回数", 2, PenetrationUnit::Centimetres},
         {"標準貫入試験_0_10貫入量", 3, PenetrationUnit::Centimetres},
         {"標準貫入試験_10_20打撃回数", 4, PenetrationUnit::Centimetres},
         {"標準貫入試験_10_20貫入量", 5, PenetrationUnit::Centimetres},
         {"標準貫入試験_20_30打撃回数", 6, PenetrationUnit::Centimetres},
         {"標準貫入試験_20_30貫入量", 7, PenetrationUnit::Centimetres},
         {"標準貫入試験_0_100打撃回数", 2, PenetrationUnit::Millimetres},
         {"標準貫入試験_0_100貫入量", 3, PenetrationUnit::Millimetres},
         {"標準貫入試験_100_200打撃回数", 4, PenetrationUnit::Millimetres},
         {"標準貫入試験_100_200貫入量", 5, PenetrationUnit::Millimetres},
         {"標準貫入試験_200_300打撃回数", 6, PenetrationUnit::Millimetres},
         {"標準貫入試験_200_300貫入量", 7, PenetrationUnit::Millimetres},
         {"標準貫入試験_合計打撃回数", 8},
         {"標準貫入試験_合計貫入量", 9},
         {"標準貫入試験_備考", 0},
     }},
    {XmlGroupKind::Observation,
     "観察記事",
     {
         {"観察記事_上端深度", 1},
         {"観察記事_下端深度", 2},
         {"観察記事_記事", 4},
     }},
    {XmlGroupKind::ObservationFrameLine,
     "観察記事枠線",
     {
         {"観察記事枠線_下端深度", 1},
     }},
    {XmlGroupKind::Sample,
     "試料採取",
     {
         {"試料採取_上端深度", 1},
         {"試料採取_下端深度", 2},
         {"試料採取_試料番号", 3},
         {"試料採取_採取方法コード", 4},
         {"試料採取_試験名", 5},
         {"試料採取_採取方法", 0},
     }},
    {XmlGroupKind::HorizontalLoadingTest,
     "孔内水平載荷試験",
     {
         {"孔内水平載荷試験_試験深度", 1},
         {"孔内水平載荷試験_変形係数", 4},
         {"孔内水平載荷試験_試験方法コード", 0},
         {"孔内水平載荷試験_試験方法", 0},
         {"孔内水平載荷試験_載荷パターン", 0},
         {"孔内水平載荷試験_初期圧", 0},
         {"孔内水平載荷試験_降伏圧", 0},
         {"孔内水平載荷試験_割線弾性係数", 0},
         {"孔内水平載荷試験_接線弾性係数", 0},
     }},
    // 4.00 renamed the horizontal loading test; its fields are the same.
    {XmlGroupKind::HorizontalLoadingTest,
     "孔内載荷試験",
     {
         {"孔内載荷試験_試験深度", 1},
         {"孔内載荷試験_変形係数", 4},
         {"孔内載荷試験_試験方法コード", 0},
         {"孔内載荷試験_試験方法", 0},
         {"孔内載荷試験_載荷パターン", 0},
         {"孔内載荷試験_初期圧", 0},
         {"孔内載荷試験_降伏圧", 0},
         {"孔内載荷試験_割線弾性係数", 0},
         {"孔内載荷試験_接線弾性係数", 0},
     }},
    {XmlGroupKind::OtherInSituTest,
     "その他原位置試験",
     {
         {"その他原位置試験_上端深度", 1},
         {"その他原位置試験_下端深度", 2},
         {"その他原位置試験_試験名", 3},
         {"その他原位置試験_試験結果", 4},
         {"その他原位置試験_試験方法", 0},
     }},
    {XmlGroupKind::GeologicAge,
     "地質時代",
     {
         {"地質時代_上端深度", 1},
         {"地質時代_下端深度", 2},
         {"地質時代_時代名", 3},
         {"地質時代_地質時代名", 3},
         {"地質時代_コード", 0},
         {"地質時代_形成年代上限", 0},
         {"地質時代_形成年代下限", 0},
         {"地質時代_変成年代上限", 0},
         {"地質時代_変成年代下限", 0},
     }},
    {XmlGroupKind::WaterLevel,
     "孔内水位",
     {
         {"孔内水位_孔内水位", 1},
         {"孔内水位_測定年月日", 2},
         {"孔内水位_水位種別備考", 3},
         // The remark holds the kind code when the file gives no remark.
         {"孔内水位_水位種別コード", 3, PenetrationUnit::Unknown, waterLevelKindField},
         {"孔内水位_測定年", waterLevelYearField},
         {"孔内水位_測定月", waterLevelMonthField},
         {"孔内水位_測定日", waterLevelDayField},
         {"孔内水位_掘削深度", 0},
         {"孔内水位_水位種別", 0},
         {"孔内水位_掘削状況コード", 0},
         {"孔内水位_掘削状況", 0},
         {"孔内水位_削孔状況コード", 0},
         {"孔内水位_削孔状況", 0},
     }},
    {XmlGroupKind::Drilling,
     "削孔工程",
     {
         {"削孔工程_削孔深度", 1},
         {"削孔工程_測定年月日", 2},
         {"削孔工程_ケーシング下端深度", 0},
     }},
    {XmlGroupKind::Drilling,
     "掘削工程",
     {
         {"掘削工程_掘進深度", 1},
         {"掘削工程_測定年月日", 2},
         {"掘削工程_ケーシング下端深度", 0},
         {"掘削工程_測定年", 0},
         {"掘削工程_測定月", 0},
         {"掘削工程_測定日", 0},
     }},
};

// Groups the log has no place for. They are groups all the same: their
// opening tag ends the heading and their elements never reach another group.
const std::vector<const char*> groupsNotKept = {
    "相対密度稠度",
    "地盤材料の工学的分類",
    "透水試験",
    "P波試験",
    "S波試験",
    "地層岩体区分",
    "破砕度",
    "断層破砕帯区分",
    "孔径孔壁保護",
    "コアチューブビット",
    "削孔速度",
    "掘進速度",
    "給圧条件",
    "回転数",
    "送水条件",
    "コア採取率",
    "最大コア長",
    "RQD",
    "コア質量",
    "ルジオン試験",
    "ルジオン試験詳細データ",
    "保孔管",
    "計測機器",
    "地下水検層試験",
    "地下水検層試験詳細データ",
    "地下水検層試験判定結果",
    "トレーサーによる地下水流動層検層",
    "トレーサーによる地下水流動層検層詳細データ",
    "トレーサーによる地下水流動層検層判定結果",
    "備考",
};

XmlGroup convertedGroup(const GroupSource& source)
{
    XmlGroup group;
    group.kind = source.kind;
    const std::string element = utf8ToCp932(source.element);
    // The heading begins with the root element, whose tag carries the DTD
    // version after its name.
    group.openingTag = source.kind == XmlGroupKind::Heading ? "<" + element : "<" + element + ">";
    group.closingTag = "</" + element + ">";
    for (const EntrySource& entry : source.entries)
        group.entries.push_back({utf8ToCp932(entry.element), entry.number, entry.penetrationUnit, entry.alsoNumber});
    return group;
}

std::vector<XmlGroup> buildTagTable()
{
    std::vector<XmlGroup> table;
    table.push_back(convertedGroup(heading));
    for (const GroupSource& source : dataGroups)
        table.push_back(convertedGroup(source));
    for (const char* element : groupsNotKept)
        table.push_back(convertedGroup({XmlGroupKind::NotKept, element, {}}));
    return table;
}

}  // namespace

const std::vector<XmlGroup>& xmlTagTable()
{
    static const std::vector<XmlGroup> table = buildTagTable();
    return table;
}

}  // namespace kolv
