#include "data/TableDescriptor.h"

namespace kolv {

namespace {

// The captions are the headings of the list dialogs' columns where a cell has
// one of its own.
constexpr std::string_view layerCaptions[] = {"m",    "地質名", "補助名", "色調", "ﾊﾟﾀｰﾝ1", "ﾊﾟﾀｰﾝ2", "表示",
                                              "記号", "%1",     "%2",     ":",    "ﾍﾞｸﾄﾙ1", "ﾍﾞｸﾄﾙ2", "ﾍﾞｸﾄﾙ記号"};
constexpr std::string_view sptCaptions[] = {"m", "N値", "10cm", "20cm", "30cm", "ｸﾞﾗﾌ"};
constexpr std::string_view observationCaptions[] = {"上", "下", ".", "記事", "下線"};
constexpr std::string_view inSituCaptions[] = {"m", "記事1", "記事2", "属性", "記号", "位置", "深度", ""};
constexpr std::string_view sampleCaptions[] = {"上", "下", "試料番号", "採取", "室内試験", "乱した"};
constexpr std::string_view geologicAgeCaptions[] = {"上", "下", "地質時代"};
constexpr std::string_view waterLevelCaptions[] = {"m", "月日", "記事", "表示"};
constexpr std::string_view drillingCaptions[] = {"深度", "月/日"};
constexpr std::string_view recoveryCaptions[] = {"上", "下", "回収比", "qu1", "qu2", "qu3", "qu4"};
constexpr std::string_view freeNoteCaptions[] = {"表示頁", "X", ".", "Y", "記事"};
constexpr std::string_view drillingImportCaptions[] = {"深度", "月日", "", "", "", "", "", "", "", "", ""};

template <class Table, std::size_t CaptionCount>
constexpr TableDescriptor describe(TableKind kind, char section, int savedCells, std::string_view jsonName,
                                   const std::string_view (&captions)[CaptionCount])
{
    static_assert(CaptionCount == Table::cellCount, "one caption per cell");
    return {kind, section, Table::capacity, Table::cellCount, savedCells, jsonName, captions};
}

constexpr std::array<TableDescriptor, tableKindCount> descriptors{
    describe<BoringData::LayerTable>(TableKind::Layer, 'A', layerSavedCells, "LayerRow", layerCaptions),
    describe<BoringData::SptTable>(TableKind::Spt, 'C', 6, "SptRow", sptCaptions),
    describe<BoringData::ObservationTable>(TableKind::Observation, 'K', 5, "ObservationRow", observationCaptions),
    describe<BoringData::InSituTable>(TableKind::InSitu, 'G', 8, "InSituRow", inSituCaptions),
    describe<BoringData::SampleTable>(TableKind::Sample, 'E', 6, "SampleRow", sampleCaptions),
    describe<BoringData::GeologicAgeTable>(TableKind::GeologicAge, 'N', 3, "GeologicAgeRow", geologicAgeCaptions),
    describe<BoringData::WaterLevelTable>(TableKind::WaterLevel, 'W', 4, "WaterLevelRow", waterLevelCaptions),
    describe<BoringData::DrillingTable>(TableKind::Drilling, 'H', 2, "DrillingRow", drillingCaptions),
    describe<BoringData::RecoveryTable>(TableKind::Recovery, 'Y', 7, "RecoveryRow", recoveryCaptions),
    describe<BoringData::FreeNoteTable>(TableKind::FreeNote, 'F', 5, "FreeNoteRow", freeNoteCaptions),
    describe<BoringData::DrillingImportTable>(TableKind::DrillingImport, 0, 11, "DrillingImportRow",
                                              drillingImportCaptions),
};

static_assert(
    [] {
        for (int index = 0; index < tableKindCount; ++index)
            if (descriptors[index].kind != static_cast<TableKind>(index))
                return false;
        return true;
    }(),
    "descriptors listed in the order of TableKind");

}  // namespace

const TableDescriptor& tableDescriptor(TableKind kind)
{
    return descriptors[static_cast<int>(kind)];
}

const std::array<TableDescriptor, tableKindCount>& tableDescriptors()
{
    return descriptors;
}

}  // namespace kolv
