#include "dialogs/SoilMasterEditorModel.h"

#include "data/BoringData.h"
#include "data/Cp932Text.h"
#include "data/Number.h"
#include "platform/Cp932Codec.h"
#include "platform/MessageCatalogue.h"
#include "render/BitmapFile.h"
#include "settings/InstallFolder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace kolv {

namespace {

// The blank line after the last soil row is one of the list's 256 lines.
constexpr int soilRowCapacity = soilNameMasterLineCapacity - 1;
constexpr double largestPatternNumber = 999999.0;
constexpr long firstSpecialPattern = 10000;
constexpr long lastSpecialPattern = 10004;
constexpr std::string_view mixedEnding = "\x82\xE8";      // り
constexpr std::string_view qualifierEnding = "\x8E\xBF";  // 質
constexpr long qualifierLowest = 10;
constexpr long qualifierHighest = 90;

enum ColorField { NumberField, ColorCodeField, DefaultColorField };

std::string normalizedNumber(const std::string& text)
{
    return isNumericText(text) > 0 ? formatText("%ld", parseLeadingInteger(text)) : std::string();
}

long numberOrZero(const std::string& text)
{
    return isNumericText(text) > 0 ? parseLeadingInteger(text) : 0;
}

std::string lowerAscii(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The pattern number of a pick-list name: "J" + number + ".bmp" (any case)
// or one of the special names "j10000" ... "j10004"; -1 for any other name.
long bitmapNumberOf(const std::string& name)
{
    const std::string lower = lowerAscii(name);
    std::string digits;
    if (lower.size() > 5 && lower.front() == 'j' && lower.ends_with(".bmp"))
        digits = lower.substr(1, lower.size() - 5);
    else if (lower.size() > 1 && lower.front() == 'j')
        digits = lower.substr(1);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return parseLeadingInteger(digits);
}

std::string specialPickName(long number)
{
    return formatText("j%ld", number);
}

// The ".bmp" files of a host folder: "J<number>.bmp" by number, then the
// others by name.
std::vector<std::string> bitmapFilesOf(const std::string& hostFolder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(hostFolder, error)) {
        std::error_code typeError;
        if (!entry.is_regular_file(typeError))
            continue;
        const std::string name = entry.path().filename().string();
        if (lowerAscii(name).ends_with(".bmp"))
            names.push_back(utf8ToCp932(name));
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const long numberA = bitmapNumberOf(a);
        const long numberB = bitmapNumberOf(b);
        if ((numberA >= 0) != (numberB >= 0))
            return numberA >= 0;
        if (numberA != numberB)
            return numberA < numberB;
        return lowerAscii(a) < lowerAscii(b);
    });
    for (long number = firstSpecialPattern; number <= lastSpecialPattern; ++number)
        names.push_back(specialPickName(number));
    return names;
}

}  // namespace

const std::vector<ColumnEntry>& soilListColumns()
{
    static const std::vector<ColumnEntry> columns = {
        {"地質名", 110}, {"記号", 38}, {"密度", 26}, {"稠度", 26}, {"線描No", 52}, {"ﾋﾞｯﾄﾏｯﾌﾟNo", 60},
    };
    return columns;
}

const std::vector<ColumnEntry>& colorListColumns()
{
    static const std::vector<ColumnEntry> columns = {
        {"ﾊﾟﾀｰﾝNo", 70}, {"色コード", 60}, {"既定色", 30}, {"略表示", 70}, {"地質例", 70},
    };
    return columns;
}

SoilMasterEditorModel::SoilMasterEditorModel(const LogSettings& settings, Prompter& prompter)
    : settings_(settings), prompter_(prompter)
{
    options_.patternMode = settings.patternMode;
    options_.patternAllBlack = settings.patternAllBlack;
    options_.patternLineWidth = std::clamp(settings.patternLineWidth, 0, 2);
    options_.patternMixMark = settings.patternMixMark;
    options_.bitmapMono = settings.bitmapMono;
    options_.patternFolder = settings.patternFolder;
}

void SoilMasterEditorModel::open()
{
    Issues issues;
    loadSoilNameMasterLines(settings_, settings_.soilMasterPath, soilRows_, issues);
    loadPatternColorLines(settings_, settings_.patternColorPath, colorRows_, issues);
    showIssues(prompter_, issues);
    listBitmapFolders();
}

std::string SoilMasterEditorModel::soilCell(int row, int column) const
{
    const SoilNameMasterLine& line = soilRow(row);
    if (column != 1 && isSoilNameHeader(line.name))
        return {};
    switch (column) {
    case 1:
        return line.name;
    case 2:
        return line.symbol;
    case 3:
        return line.density ? "o" : "-";
    case 4:
        return line.consistency ? "o" : "-";
    case 5:
        return line.patternNumber[0];
    case 6:
        return line.patternNumber[1];
    default:
        return {};
    }
}

void SoilMasterEditorModel::selectSoilRow(int row)
{
    selectedSoilRow_ = std::clamp(row, 0, soilRowCount() + 1);
    soilPreview_ = {};
    if (selectedSoilRow_ >= 1 && selectedSoilRow_ <= soilRowCount())
        soilPreview_ = {targetSource(), targetNumberOf(soilRow(selectedSoilRow_))};
}

void SoilMasterEditorModel::setSoilField(SoilField field, std::string text)
{
    soilFields_[static_cast<std::size_t>(field)] = std::move(text);
}

PatternSource SoilMasterEditorModel::targetSource() const
{
    return target_ == PatternTarget::Vector ? PatternSource::Vector : PatternSource::Bitmap;
}

long SoilMasterEditorModel::targetNumberOf(const SoilNameMasterLine& row) const
{
    return numberOrZero(row.patternNumber[target_ == PatternTarget::Vector ? 0 : 1]);
}

// The rules a soil row must pass before it enters the list; the first that
// fails is reported.
bool SoilMasterEditorModel::checkSoilFields()
{
    const std::string& name = soilField(SoilField::Name);
    if (isSoilNameHeader(name)) {
        showMessage(prompter_, Message::UnsuitableInput, MessageKind::Warning);
        return false;
    }
    if (skipLeadingBlanks(name).empty()) {
        showMessage(prompter_, Message::NoData, MessageKind::Warning);
        return false;
    }
    const std::string& number =
        soilField(target_ == PatternTarget::Vector ? SoilField::VectorNumber : SoilField::BitmapNumber);
    const int numeric = isNumericText(number);
    if (numeric < 0)
        return showMessage(prompter_, Message::GoAheadWithoutNumber, MessageKind::Question) == Answer::Yes;
    if (numeric == 0) {
        showMessage(prompter_, Message::UnsuitableInput, MessageKind::Warning);
        return false;
    }
    const double value = parseLeadingNumber(number);
    if (value < 0.0 || value > largestPatternNumber) {
        showMessage(prompter_, Message::AbnormalNumber, MessageKind::Warning);
        return false;
    }
    // "混り" modifiers draw the overlay marks 1-8, "質" qualifiers 10-90.
    const long pattern = parseLeadingInteger(number);
    if ((endsWithText(name, mixedEnding) && pattern >= qualifierLowest)
        || (endsWithText(name, qualifierEnding) && (pattern < qualifierLowest || pattern > qualifierHighest))) {
        showMessage(prompter_, Message::UnsuitableInput, MessageKind::Warning);
        return false;
    }
    return true;
}

SoilNameMasterLine SoilMasterEditorModel::rowFromFields() const
{
    SoilNameMasterLine row;
    row.name = soilField(SoilField::Name);
    row.symbol = soilField(SoilField::Symbol);
    row.patternNumber[0] = normalizedNumber(soilField(SoilField::VectorNumber));
    row.patternNumber[1] = normalizedNumber(soilField(SoilField::BitmapNumber));
    row.density = density_;
    row.consistency = consistency_;
    return row;
}

void SoilMasterEditorModel::clearSoilFields()
{
    for (std::string& field : soilFields_)
        field.clear();
    density_ = false;
    consistency_ = false;
}

bool SoilMasterEditorModel::nameUsedElsewhere(const std::string& name, int exceptRow) const
{
    for (int row = 1; row <= soilRowCount(); ++row)
        if (row != exceptRow && soilRow(row).name == name)
            return true;
    return false;
}

void SoilMasterEditorModel::insertRow()
{
    if (!checkSoilFields())
        return;
    if (soilRowCount() >= soilRowCapacity) {
        showMessage(prompter_, Message::NoMoreRows, MessageKind::Warning);
        return;
    }
    if (nameUsedElsewhere(soilField(SoilField::Name), 0)) {
        showMessage(prompter_, Message::SameName, MessageKind::Warning);
        return;
    }
    if (selectedSoilRow_ < 1 || selectedSoilRow_ > soilRowCount() + 1) {
        showMessage(prompter_, Message::SpecifyPosition, MessageKind::Warning);
        return;
    }
    const SoilNameMasterLine row = rowFromFields();
    soilRows_.insert(soilRows_.begin() + (selectedSoilRow_ - 1), row);
    // The selection stays on the row it was on, so that rows inserted one
    // after another keep their order.
    ++selectedSoilRow_;
    soilModified_ = true;
    if (row.patternNumber[0].empty() || row.patternNumber[1].empty())
        showMessage(prompter_, Message::DataMissing, MessageKind::Warning);
    clearSoilFields();
}

void SoilMasterEditorModel::overwriteRow()
{
    if (!checkSoilFields())
        return;
    if (selectedSoilRow_ < 1 || selectedSoilRow_ > soilRowCount()) {
        showMessage(prompter_, Message::SpecifyPosition, MessageKind::Warning);
        return;
    }
    if (nameUsedElsewhere(soilField(SoilField::Name), selectedSoilRow_)) {
        showMessage(prompter_, Message::SameName, MessageKind::Warning);
        return;
    }
    soilRows_[static_cast<std::size_t>(selectedSoilRow_ - 1)] = rowFromFields();
    soilModified_ = true;
    clearSoilFields();
}

void SoilMasterEditorModel::editRow()
{
    if (selectedSoilRow_ < 1 || selectedSoilRow_ > soilRowCount()) {
        showMessage(prompter_, Message::SpecifyPosition, MessageKind::Warning);
        return;
    }
    const SoilNameMasterLine& row = soilRow(selectedSoilRow_);
    soilFields_ = {row.name, row.symbol, row.patternNumber[0], row.patternNumber[1]};
    density_ = row.density;
    consistency_ = row.consistency;
    const long number = targetNumberOf(row);
    soilPreview_ = {targetSource(), number};
    if (target_ == PatternTarget::Vector) {
        const int colorRow = colorRowOfNumber(number);
        if (colorRow > 0)
            selectColorRow(colorRow);
        return;
    }
    patternNumberField_ = row.patternNumber[1];
    tablePreview_ = {PatternSource::Bitmap, number};
}

void SoilMasterEditorModel::deleteRow()
{
    if (selectedSoilRow_ < 1 || selectedSoilRow_ > soilRowCount()) {
        showMessage(prompter_, Message::SpecifyPosition, MessageKind::Warning);
        return;
    }
    if (showMessage(prompter_, Message::DeleteSelectedRow, MessageKind::Question) != Answer::Yes)
        return;
    soilRows_.erase(soilRows_.begin() + (selectedSoilRow_ - 1));
    selectedSoilRow_ = 0;
    soilPreview_ = {};
    soilModified_ = true;
    clearSoilFields();
}

void SoilMasterEditorModel::moveRowUp()
{
    if (selectedSoilRow_ < 1 || selectedSoilRow_ > soilRowCount()) {
        showMessage(prompter_, Message::SpecifyPosition, MessageKind::Warning);
        return;
    }
    if (selectedSoilRow_ == 1)
        return;
    std::swap(soilRows_[static_cast<std::size_t>(selectedSoilRow_ - 1)],
              soilRows_[static_cast<std::size_t>(selectedSoilRow_ - 2)]);
    --selectedSoilRow_;
    soilModified_ = true;
}

void SoilMasterEditorModel::moveRowDown()
{
    if (selectedSoilRow_ < 1 || selectedSoilRow_ > soilRowCount()) {
        showMessage(prompter_, Message::SpecifyPosition, MessageKind::Warning);
        return;
    }
    if (selectedSoilRow_ == soilRowCount())
        return;
    std::swap(soilRows_[static_cast<std::size_t>(selectedSoilRow_ - 1)],
              soilRows_[static_cast<std::size_t>(selectedSoilRow_)]);
    ++selectedSoilRow_;
    soilModified_ = true;
}

int SoilMasterEditorModel::colorRowOfNumber(long number) const
{
    for (int row = 1; row <= colorRowCount(); ++row)
        if (isNumericText(colorRow(row)[NumberField]) > 0 && parseLeadingInteger(colorRow(row)[NumberField]) == number)
            return row;
    return 0;
}

void SoilMasterEditorModel::selectColorRow(int row)
{
    selectedColorRow_ = std::clamp(row, 0, colorRowCount() + 1);
    if (target_ != PatternTarget::Vector || selectedColorRow_ < 1 || selectedColorRow_ > colorRowCount())
        return;
    const PatternColorLine& line = colorRow(selectedColorRow_);
    patternNumberField_ = line[NumberField];
    colorField_ = line[ColorCodeField];
    defaultColorField_ = line[DefaultColorField];
    tablePreview_ = {PatternSource::Vector, numberOrZero(line[NumberField])};
}

void SoilMasterEditorModel::takeChosenColor(ColorRef color)
{
    colorField_ = formatText("0x%06x", static_cast<unsigned>(color & 0xFFFFFFu));
}

void SoilMasterEditorModel::applyPatternNumber()
{
    if (isNumericText(patternNumberField_) <= 0) {
        showMessage(prompter_, Message::UnsuitableInput, MessageKind::Warning);
        return;
    }
    const long number = parseLeadingInteger(patternNumberField_);
    if (target_ == PatternTarget::Vector) {
        setSoilField(SoilField::VectorNumber, patternNumberField_);
        const int row = colorRowOfNumber(number);
        if (row > 0) {
            colorField_ = colorRow(row)[ColorCodeField];
            defaultColorField_ = colorRow(row)[DefaultColorField];
        }
    } else {
        setSoilField(SoilField::BitmapNumber, patternNumberField_);
    }
    soilPreview_ = {targetSource(), number};
}

void SoilMasterEditorModel::overwriteColor()
{
    if (target_ != PatternTarget::Vector)
        return;
    for (const std::string* field : {&colorField_, &patternNumberField_}) {
        const int numeric = isNumericText(*field);
        if (numeric <= 0) {
            showMessage(prompter_, numeric < 0 ? Message::NoData : Message::UnsuitableInput, MessageKind::Warning);
            return;
        }
    }
    const int appendRow = colorRowCount() + 1;
    if (selectedColorRow_ < 1 || selectedColorRow_ > appendRow) {
        showMessage(prompter_, Message::SpecifyPosition, MessageKind::Warning);
        return;
    }
    if (selectedColorRow_ == appendRow && colorRowCount() >= patternColorLineCapacity) {
        showMessage(prompter_, Message::NoMoreRows, MessageKind::Warning);
        return;
    }
    const long number = parseLeadingInteger(patternNumberField_);
    const int sameNumber = colorRowOfNumber(number);
    if (sameNumber > 0 && sameNumber != selectedColorRow_) {
        showMessage(prompter_, Message::SameName, MessageKind::Warning);
        return;
    }
    if (selectedColorRow_ == appendRow) {
        // A new pattern's own colour is its default until one is set.
        PatternColorLine& added = colorRows_.emplace_back();
        added[DefaultColorField] = colorField_;
    }
    PatternColorLine& line = colorRows_[static_cast<std::size_t>(selectedColorRow_ - 1)];
    line[NumberField] = formatText("%ld", number);
    line[ColorCodeField] = colorField_;
    colorModified_ = true;
    tablePreview_ = {PatternSource::Vector, number};
}

void SoilMasterEditorModel::copyDefaultColor()
{
    if (target_ != PatternTarget::Vector)
        return;
    if (isNumericText(defaultColorField_) <= 0) {
        showMessage(prompter_, Message::UnsuitableInput, MessageKind::Warning);
        return;
    }
    colorField_ = defaultColorField_;
}

void SoilMasterEditorModel::setAllDefaultColors()
{
    if (target_ != PatternTarget::Vector)
        return;
    for (PatternColorLine& line : colorRows_) {
        if (isNumericText(line[NumberField]) <= 0 || line[ColorCodeField] == line[DefaultColorField])
            continue;
        line[ColorCodeField] = line[DefaultColorField];
        colorModified_ = true;
    }
}

const std::vector<std::string>& SoilMasterEditorModel::bitmapPickLines() const
{
    return options_.bitmapMono != 0 ? monochromeFolderLines_ : colorFolderLines_;
}

void SoilMasterEditorModel::pickBitmap(int line)
{
    const std::vector<std::string>& lines = bitmapPickLines();
    if (target_ != PatternTarget::Bitmap || line < 1 || line > static_cast<int>(lines.size()))
        return;
    const std::string& name = lines[static_cast<std::size_t>(line - 1)];
    const long number = bitmapNumberOf(name);
    if (number < 0)
        return;
    patternNumberField_ = formatText("%ld", number);
    const LogSettings preview = previewSettings();
    MonochromeBitmap bitmap;
    if (readPatternBitmap(preview, number, bitmap)) {
        tablePreview_ = {PatternSource::Bitmap, number};
        return;
    }
    // The five boundary kinds have figures of their own when no bitmap stands in.
    if (name == specialPickName(number) && number >= firstSpecialPattern && number <= lastSpecialPattern) {
        tablePreview_ = {PatternSource::Vector, number};
        return;
    }
    tablePreview_ = {};
    showMessage(prompter_, Message::BitmapNotFound, MessageKind::Warning, patternBitmapFolder(preview) + "\\" + name);
}

void SoilMasterEditorModel::setPatternFolder(std::string folder)
{
    options_.patternFolder = std::move(folder);
    listBitmapFolders();
}

std::string SoilMasterEditorModel::monochromeFolder() const
{
    LogSettings monochrome = settings_;
    monochrome.patternFolder = options_.patternFolder;
    monochrome.bitmapMono = 1;
    return patternBitmapFolder(monochrome);
}

void SoilMasterEditorModel::listBitmapFolders()
{
    colorFolderLines_ = bitmapFilesOf(hostPathOf(settings_, options_.patternFolder));
    monochromeFolderLines_ = bitmapFilesOf(hostPathOf(settings_, monochromeFolder()));
}

LogSettings SoilMasterEditorModel::previewSettings() const
{
    LogSettings preview = settings_;
    applyOptions(preview);
    readPatternColors(preview.patternColors, patternColorText(colorRows_));
    return preview;
}

bool SoilMasterEditorModel::accept()
{
    if (soilModified_ && !startsWithSectionHeader(soilRows_)) {
        showMessage(prompter_, Message::FirstRowNotSectionHeader, MessageKind::Warning);
        return false;
    }
    Issues issues;
    bool written = true;
    if (soilModified_)
        written = writeSoilNameMaster(settings_, settings_.soilMasterPath, soilRows_, issues) && written;
    if (colorModified_)
        written = writePatternColors(settings_, settings_.patternColorPath, colorRows_, issues) && written;
    showIssues(prompter_, issues);
    return written;
}

void SoilMasterEditorModel::applyOptions(LogSettings& settings) const
{
    settings.patternMode = options_.patternMode;
    settings.patternAllBlack = options_.patternAllBlack;
    settings.patternLineWidth = options_.patternLineWidth;
    settings.patternMixMark = options_.patternMixMark;
    settings.bitmapMono = options_.bitmapMono;
    settings.patternFolder = options_.patternFolder;
}

bool SoilMasterEditorModel::mayCancel()
{
    if (!soilModified_ && !colorModified_)
        return true;
    return showMessage(prompter_, Message::CancelWithChanges, MessageKind::Question) == Answer::Yes;
}

}  // namespace kolv
