#pragma once
// What the numbered places of the store mean: the heading lines, the document
// options and the cells of every table. Numbers count from 1, as in the files,
// the import field numbers and the dialogs. Places the store only carries
// (heading lines set by the heading dialog alone) have no name here.
namespace kolv {

namespace HeadingLine {
inline constexpr int SurveyName = 1;
inline constexpr int WorksName = 2;
inline constexpr int SurveyLocation = 3;
inline constexpr int OrderingOrganisation = 4;
inline constexpr int BoringName = 5;
inline constexpr int StartYear = 6;
inline constexpr int StartMonth = 7;
inline constexpr int StartDay = 8;
inline constexpr int EndYear = 9;
inline constexpr int EndMonth = 10;
inline constexpr int EndDay = 11;
inline constexpr int ElevationType = 12;
inline constexpr int CollarElevation = 13;
// Latitude and longitude as "degrees,minutes,seconds", rebuilt from their
// parts (LatitudeDegrees.., LongitudeDegrees..) before every save.
inline constexpr int Latitude = 14;
inline constexpr int Longitude = 15;
// The four engineers; their captions and registration numbers follow the
// same order.
inline constexpr int ChiefEngineer = 16;
inline constexpr int SiteAgent = 17;
inline constexpr int CoreExaminer = 18;
inline constexpr int BoringForeman = 19;
inline constexpr int DrillingMachine = 20;
inline constexpr int HammerDropDevice = 21;
inline constexpr int EngineName = 22;
inline constexpr int PumpName = 23;
inline constexpr int BoringAngle = 24;
inline constexpr int BoringDirection = 25;
inline constexpr int GroundSlope = 26;
inline constexpr int LocationCode = 27;
inline constexpr int SheetNumber = 28;
inline constexpr int Code1 = 29;
inline constexpr int Code2 = 30;
inline constexpr int WaterLevel = 31;
inline constexpr int WaterLevelDate = 32;
inline constexpr int Memo = 33;
inline constexpr int StartEra = 34;
inline constexpr int EndEra = 35;
// "0" numbers the scale column by elevation, "1" by depth.
inline constexpr int ScaleNumbering = 36;
inline constexpr int FinalDepth = 37;
inline constexpr int CollarElevationAsText = 38;
inline constexpr int CompanyName = 39;
inline constexpr int CompanyTelephone = 40;
inline constexpr int FirstRoleCaption = 41;  // 41 to 44: captions of the roles of lines 16 to 19
inline constexpr int RoleCount = 4;
inline constexpr int LastLayerDepth = 45;
inline constexpr int LastSptEndDepth = 46;
inline constexpr int FinalDepthAsText = 47;
// "0" GL, "1" elevation, "2" no label at depth 0 m.
inline constexpr int DepthZeroLabel = 48;
inline constexpr int WaterLevelAsElevation = 49;
// "0" depth, "1" elevation, "2" negative depth for sample and in-situ depths.
inline constexpr int SampleDepthLabel = 50;
inline constexpr int LatitudeDegrees = 51;
inline constexpr int LatitudeMinutes = 52;
inline constexpr int LatitudeSeconds = 53;
inline constexpr int LongitudeDegrees = 54;
inline constexpr int LongitudeMinutes = 55;
inline constexpr int LongitudeSeconds = 56;
inline constexpr int LogStyleName = 57;
inline constexpr int LocationCodeSecond = 58;
inline constexpr int LocationCodeThird = 59;
// The page footer: the text before the page number, the first number, the
// text after it, where it stands ("0" from the paper's top, else below the
// log), its distances, "1" centred, and its distances from the paper's edge.
inline constexpr int FooterPrefix = 61;
inline constexpr int FooterStartNumber = 62;
inline constexpr int FooterSuffix = 63;
inline constexpr int FooterPlacement = 64;
inline constexpr int FooterDistanceFromPaperTop = 65;
inline constexpr int FooterDistanceBelowLog = 66;
inline constexpr int FooterCentred = 67;
inline constexpr int FooterLeftFromPaperEdge = 68;
inline constexpr int FooterCentreFromPaperEdge = 69;
inline constexpr int Title = 70;
inline constexpr int RecoveryQuSwitch = 71;
inline constexpr int FirstRegistrationNumber = 76;  // 76 to 79: of the engineers of lines 16 to 19
}  // namespace HeadingLine

namespace DocumentOptionItem {
// 1 to 13: width adjustments of the log columns, 0.1 mm.
inline constexpr int FirstColumnWidth = 1;
inline constexpr int ColumnWidthCount = 13;
inline constexpr int PrintStartDepth = 16;
inline constexpr int HarbourItemsOnly = 17;
inline constexpr int DrillingDatesShown = 18;
inline constexpr int FirstTitleGroupOffset = 19;  // 19 to 21: the three title-block cell groups
inline constexpr int TitleGroupCount = 3;
inline constexpr int QuScaleMinimum = 22;
inline constexpr int QuScaleMaximum = 23;
inline constexpr int QuScaleStep = 24;
}  // namespace DocumentOptionItem

namespace LayerCell {
inline constexpr int LowerDepth = 1;
inline constexpr int Name = 2;
inline constexpr int AuxiliaryName = 3;
inline constexpr int ColourTone = 4;
inline constexpr int PatternCode = 5;
inline constexpr int AuxiliaryPatternCode = 6;
inline constexpr int DisplayFlags = 7;
inline constexpr int Symbol = 8;
inline constexpr int NamePercentage = 9;
inline constexpr int AuxiliaryPercentage = 10;
inline constexpr int Separator = 11;
// Held in memory only, rebuilt from the names.
inline constexpr int VectorPatternCode = 12;
inline constexpr int AuxiliaryVectorPatternCode = 13;
inline constexpr int VectorSymbol = 14;
}  // namespace LayerCell

// Layer rows of the sister products' colour section (S): the depth of the
// layer bottom and its colour tone; the other seven cells are not used.
namespace ColourRowCell {
inline constexpr int LowerDepth = 1;
inline constexpr int ColourTone = 2;
}  // namespace ColourRowCell

namespace SptCell {
inline constexpr int Depth = 1;
inline constexpr int NValue = 2;
inline constexpr int First10cm = 3;
inline constexpr int Second10cm = 4;
inline constexpr int Third10cm = 5;
inline constexpr int GraphBreak = 6;
}  // namespace SptCell

namespace ObservationCell {
inline constexpr int UpperDepth = 1;
inline constexpr int LowerDepth = 2;
inline constexpr int Mark = 3;
inline constexpr int Note = 4;
inline constexpr int Underline = 5;
}  // namespace ObservationCell

namespace InSituCell {
inline constexpr int Depth = 1;
inline constexpr int Name = 2;
inline constexpr int Result = 3;
inline constexpr int Flags = 4;
inline constexpr int Symbol = 5;
inline constexpr int NotePosition = 6;
inline constexpr int DepthCopy = 7;
inline constexpr int Unused = 8;
}  // namespace InSituCell

// In-situ rows as the exchange file and sister product B are read, before
// the completion after the last line moves their cells into the layout
// above.
namespace ImportedInSituCell {
inline constexpr int UpperDepth = 1;
inline constexpr int LowerDepth = 2;
inline constexpr int Name = 3;
inline constexpr int Result = 4;
inline constexpr int Symbol = 6;        // sister product B
inline constexpr int NotePosition = 7;  // sister product B
// "7" on rows read from an exchange file.
inline constexpr int ConvertedFlags = 8;
}  // namespace ImportedInSituCell

// In-situ rows as sister product A (codes 480, 490, 500) stores them.
namespace SiblingAInSituCell {
inline constexpr int DepthCopy = 2;
inline constexpr int Symbol = 4;
inline constexpr int NotePosition = 5;
}  // namespace SiblingAInSituCell

namespace SampleCell {
inline constexpr int UpperDepth = 1;
inline constexpr int LowerDepth = 2;
inline constexpr int Number = 3;
inline constexpr int Method = 4;
inline constexpr int LaboratoryTests = 5;
inline constexpr int Disturbed = 6;
}  // namespace SampleCell

// Sample rows as sister product A stores them: no sampling method.
namespace SiblingASampleCell {
inline constexpr int LaboratoryTests = 4;
inline constexpr int Disturbed = 5;
}  // namespace SiblingASampleCell

namespace GeologicAgeCell {
inline constexpr int UpperDepth = 1;
inline constexpr int LowerDepth = 2;
inline constexpr int Name = 3;
}  // namespace GeologicAgeCell

namespace WaterLevelCell {
inline constexpr int Level = 1;
inline constexpr int Date = 2;
inline constexpr int Remark = 3;
inline constexpr int Display = 4;
}  // namespace WaterLevelCell

namespace DrillingCell {
inline constexpr int Depth = 1;
inline constexpr int Date = 2;
}  // namespace DrillingCell

// The drilling progress of an exchange file (and of the sister products'
// sections B and J), turned into drilling rows after the last line.
namespace DrillingImportCell {
inline constexpr int Depth = 1;
inline constexpr int Date = 2;
// "1" on rows read from an exchange file.
inline constexpr int ExchangeFileMark = 10;
}  // namespace DrillingImportCell

namespace RecoveryCell {
inline constexpr int UpperDepth = 1;
inline constexpr int LowerDepth = 2;
inline constexpr int Ratio = 3;
inline constexpr int FirstQu = 4;  // 4 to 7
inline constexpr int QuCount = 4;
}  // namespace RecoveryCell

namespace FreeNoteCell {
inline constexpr int Page = 1;
inline constexpr int X = 2;
inline constexpr int CarriedThrough = 3;
inline constexpr int Y = 4;
inline constexpr int Text = 5;
}  // namespace FreeNoteCell

namespace FreeNoteHeaderCell {
inline constexpr int FrameSize = 2;
}  // namespace FreeNoteHeaderCell

}  // namespace kolv
