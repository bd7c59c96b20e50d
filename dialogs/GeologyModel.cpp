#include "dialogs/GeologyModel.h"

#include "data/Cp932Text.h"
#include "data/Number.h"
#include "dialogs/MasterLines.h"
#include "dialogs/StoreTable.h"
#include "formats/SoilPatternLookup.h"
#include "platform/Cp932Codec.h"
#include "platform/MessageCatalogue.h"
#include "render/BitmapFile.h"
#include "render/PatternFill.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace kolv {

namespace {

using F = GeologyModel::Field;

const ListDialogTable& geologyDialogTable()
{
    static const ListDialogTable dialogTable = [] {
        ListDialogTable s;
        s.caption = "地質/色調";
        s.capacity = BoringData::LayerTable::capacity;
        s.storeCellCount = layerSavedCells;
        const std::vector<std::string> delimiters = {"･", "/", "(", "・", "／", "（", " ", ""};
        const std::vector<std::string> specials = {" ",           "0　表示しない",   "1　密度",   "2　稠度",
                                                   "3　密度稠度", "H　補助名の特性", ". 　も使用"};
        s.fields = {
            {"深度 m", FieldKind::Text, {}, "深度"},
            {"深度 下線", FieldKind::Check, {}, "深度"},
            {"地質名", FieldKind::Text, {}, "地質名"},
            {"地質名 下線", FieldKind::Check, {}, "地質名"},
            {"補助名", FieldKind::Text, {}, "補助名"},
            {"補助名 下線", FieldKind::Check, {}, "補助名"},
            {"色調", FieldKind::Text, {}, "色調"},
            {"色調 下線", FieldKind::Check, {}, "色調"},
            {"地質名 ﾊﾟﾀｰﾝNo.", FieldKind::Text, {}, "地質名"},
            {"地質名 ﾊﾟﾀｰﾝ 下線", FieldKind::Check, {}, "地質名"},
            {"補助名 ﾊﾟﾀｰﾝNo.", FieldKind::Text, {}, "補助名"},
            {"補助名 ﾊﾟﾀｰﾝ 下線", FieldKind::Check, {}, "補助名"},
            {"地質名 記号", FieldKind::Text, {}, "地質名"},
            {"表示", FieldKind::Display, {}, "深度"},
            {"地質名 %", FieldKind::Text, {}, "地質名"},
            {"補助名 %", FieldKind::Text, {}, "補助名"},
            {"の区切り文字", FieldKind::Choice, delimiters, "補助名"},
            {"深度 表示", FieldKind::Check, {}, "深度"},
            {"地質名 表示", FieldKind::Check, {}, "地質名"},
            {"補助名 表示", FieldKind::Check, {}, "補助名"},
            {"地質名 互層", FieldKind::Check, {}, "地質名"},
            {"補助名 互層", FieldKind::Check, {}, "補助名"},
            {"補助名 記号", FieldKind::Text, {}, "補助名"},
            {"密度稠度表示の特別設定", FieldKind::Choice, specials, "地質名"},
        };
        s.columns = {
            {"m", 44, F::Depth, 1, 1},       {"", 18, F::DepthLine, 0, 0},        {"地質名", 112, F::Name, 1, 2},
            {"", 18, F::NameLine, 0, 0},     {"補助名", 100, F::Auxiliary, 1, 3}, {"", 18, F::AuxiliaryLine, 0, 0},
            {"色調", 52, F::Colour, 2, 4},   {"", 18, F::ColourLine, 0, 0},       {"ﾊﾟﾀｰﾝ1", 50, F::Pattern1, 1, 5},
            {"", 18, F::Pattern1Line, 0, 0}, {"ﾊﾟﾀｰﾝ2", 50, F::Pattern2, 1, 6},   {"", 18, F::Pattern2Line, 0, 0},
            {"記号", 50, F::Symbol, 1, 8},   {"表示", 36, F::Word, 0, 7},         {"%1", 24, F::Percent1, 1, 9},
            {"%2", 24, F::Percent2, 1, 10},  {":", 20, F::Delimiter, 2, 11},
        };
        s.pickLists = {{"地質名"}, {"混り"}, {"質"}, {"基本名"}, {"色調"}};
        s.actions = {{"ﾊﾟﾀｰﾝﾁｪｯｸ"}};
        return s;
    }();
    return dialogTable;
}

// The nine check boxes and their bits in the display-flag word.
struct FlagBit {
    F field;
    int bit;
    bool onByDefault;
};
constexpr FlagBit flagBits[] = {
    {F::DepthLine, 1, true},      {F::NameLine, 2, true},      {F::Pattern1Line, 4, true},
    {F::AuxiliaryLine, 8, false}, {F::Pattern2Line, 16, true}, {F::ColourLine, 32, true},
    {F::DepthShown, 64, true},    {F::NameShown, 128, true},   {F::AuxiliaryShown, 256, false},
};

// List columns 2, 4, 6, 8, 10, 12 mirror these bits.
struct FlagColumn {
    int column;
    int bit;
};
constexpr FlagColumn flagColumns[] = {{2, 1}, {4, 2}, {6, 8}, {8, 32}, {10, 4}, {12, 16}};

const std::string& alternationWord()
{
    static const std::string word = utf8ToCp932("互層");
    return word;
}

std::string flagText(bool on)
{
    return on ? "_" : ".";
}

// A layer without a display-flag word (an empty or hand-made cell) shows
// as new input does; a stored "0" is the user's choice of no rules.
int displayWordOf(const std::string& cellText)
{
    return isNumericText(cellText) > 0 ? static_cast<int>(parseLeadingInteger(cellText)) : GeologyModel::defaultWord;
}

// The columns a user sees and types: depth, the names, the colour, the
// patterns, the symbol, the display word, the percentages, the delimiter.
constexpr int seenColumns[] = {1, 3, 5, 7, 9, 11, 13, 14, 15, 16, 17};

// The first decimal digit of a pattern text.
int markDigitOf(const std::string& patternText)
{
    const double value = parseLeadingNumber(patternText);
    return static_cast<int>(std::floor((value - std::floor(value)) * 10.1));
}

long patternNumberOf(const std::string& patternText)
{
    return static_cast<long>(std::floor(parseLeadingNumber(patternText)));
}

std::string patternText(long number, int digit)
{
    return formatText("%ld.%d", number, digit);
}

bool endsWithAny(const std::string& text, std::initializer_list<std::string_view> endings)
{
    for (std::string_view ending : endings)
        if (endsWithText(text, utf8ToCp932(ending)))
            return true;
    return false;
}

// The bitmap numbers the soil column draws for a pattern code.
std::vector<long> bitmapNumbersOf(long code)
{
    const auto digit = [code](long place) { return (code / place) % 10; };
    switch (classifyPatternCode(code)) {
    case CodeKind::Whole:
        return {code};
    case CodeKind::Split:
        return {digit(1000) * 1000 + digit(100) * 100, (digit(10) * 10 + digit(1)) * 100};
    case CodeKind::Layered:
        return {digit(1000) * 1000 + digit(100) * 100, digit(10) * 10, digit(1)};
    case CodeKind::None:
    case CodeKind::Special:
        break;
    }
    return {};
}

}  // namespace

GeologyModel::GeologyModel(const BoringData& data, const LogSettings& settings, Prompter& prompter)
    : DataListModel(geologyDialogTable(), prompter), settings_(settings)
{
    const SoilNameMaster& master = settings.soilNameMaster;
    constexpr int set = bitmapPatternSet;
    for (int section = 1; section <= 3; ++section) {
        const int first = master.firstRow[section][set];
        const int last = master.lastRow[section][set];
        for (int r = first; first > 0 && r <= last && r <= static_cast<int>(master.rows.size()); ++r) {
            const SoilNameRow& row = master.rows[static_cast<std::size_t>(r - 1)];
            const long number = row.patternNumber[set];
            if (number < 0)
                continue;
            MasterLine line{std::string(cutToBytes(row.name, 32)), std::string(cutToBytes(row.symbol, 8)), number,
                            row.markDigit[set]};
            if (section == 1 && number >= 10000)
                lines_[WholeNames].push_back(line);
            else if (section == 1 && number >= 100)
                lines_[BaseNames].push_back(line);
            else if (section == 2)
                lines_[Modifiers].push_back(line);
            else if (section == 3)
                lines_[Qualifiers].push_back(line);
        }
    }
    colours_ = shortTextLines(settings, ShortTextMasterKind::ColorTone, prompter);
    openWithStoreRows(tableRows(data.layerRows));
    for (int r = 1; r <= lastNonEmptyRow(); ++r)
        openedRows_.push_back(row(r));
}

void GeologyModel::storeInto(BoringData& data) const
{
    replaceTableRows(data.layerRows, storeRowsAfterAccept());
    rebuildVectorCodes(data, settings_.soilNameMaster);
}

TextRow GeologyModel::listRowFromStore(const TextRow& storeRow) const
{
    TextRow row = ListTableModel::listRowFromStore(storeRow);
    const int word = displayWordOf(row[13]);
    for (const FlagColumn& flag : flagColumns)
        row[static_cast<std::size_t>(flag.column - 1)] = flagText((word & flag.bit) != 0);
    return row;
}

TextRow GeologyModel::storeRowFromList(const TextRow& listRow) const
{
    TextRow stored = ListTableModel::storeRowFromList(listRow);
    stored[0] = formatDepth(parseLeadingNumber(listRow[0]));
    for (int which = 0; which < 2; ++which) {
        std::string& percent = stored[static_cast<std::size_t>(8 + which)];
        const std::string& name = stored[static_cast<std::size_t>(1 + which)];
        if (parseLeadingNumber(percent) < 1 && containsText(name, alternationWord()))
            percent = "50";
    }
    return stored;
}

void GeologyModel::fieldsToRow(TextRow& row) const
{
    ListTableModel::fieldsToRow(row);
    int word = 0;
    for (const FlagBit& flag : flagBits)
        if (field(flag.field) == "1")
            word |= flag.bit;
    row[13] = std::to_string(word);
    for (const FlagColumn& flag : flagColumns)
        row[static_cast<std::size_t>(flag.column - 1)] = flagText((word & flag.bit) != 0);
}

void GeologyModel::setFlagBoxes(int word)
{
    for (const FlagBit& flag : flagBits)
        fields()[flag.field] = (word & flag.bit) != 0 ? "1" : "0";
    fields()[Word] = std::to_string(word);
}

void GeologyModel::rowToFields(const TextRow& row)
{
    ListTableModel::rowToFields(row);
    setFlagBoxes(displayWordOf(row[13]));
    fields()[NameAlternation] = containsText(field(Name), alternationWord()) ? "1" : "0";
    fields()[AuxiliaryAlternation] = containsText(field(Auxiliary), alternationWord()) ? "1" : "0";
    alternationPicks_ = 0;
}

void GeologyModel::clearFields()
{
    ListTableModel::clearFields();
    setFlagBoxes(defaultWord);
    alternationPicks_ = 0;
}

bool GeologyModel::fieldEnabled(int index) const
{
    switch (index) {
    case Delimiter:
        return !field(Auxiliary).empty();
    case Percent1:
        return field(NameAlternation) == "1";
    case Percent2:
        return field(AuxiliaryAlternation) == "1";
    default:
        return true;
    }
}

std::vector<std::string> GeologyModel::pickLines(int list) const
{
    if (list == Colours)
        return colours_;
    std::vector<std::string> names;
    if (list >= 0 && list < Colours)
        for (const MasterLine& line : lines_[list])
            names.push_back(line.name);
    return names;
}

const GeologyModel::Group& GeologyModel::activeGroup() const
{
    static const Group groups[2] = {
        {Name, Pattern1, Symbol, NameAlternation},
        {Auxiliary, Pattern2, AuxiliarySymbol, AuxiliaryAlternation},
    };
    return groups[auxiliaryActive_ ? 1 : 0];
}

void GeologyModel::clearGroup(const Group& group)
{
    fields()[group.name].clear();
    fields()[group.pattern].clear();
    fields()[group.symbol].clear();
}

void GeologyModel::pick(int list, int index)
{
    if (list == Colours) {
        // A pick replaces the colour; with the modifier it composes one
        // colour from successive picks.
        if (index >= 0 && index < static_cast<int>(colours_.size())) {
            const std::string& colour = colours_[static_cast<std::size_t>(index)];
            fields()[Colour] = appendingPick() ? field(Colour) + colour : colour;
        }
        runLiveWriteBack();
        return;
    }
    if (list < 0 || list > BaseNames || index < 0 || index >= static_cast<int>(lines_[list].size()))
        return;
    const MasterLine& line = lines_[list][static_cast<std::size_t>(index)];
    const bool alternation = field(activeGroup().alternation) == "1";
    if (alternation && list != BaseNames) {
        showMessage(prompter(), Message::NotForAlternation, MessageKind::Warning);
        clearGroup(activeGroup());
        return;
    }
    switch (list) {
    case WholeNames:
        pickWhole(line, false);
        break;
    case Modifiers:
        pickWhole(line, true);
        break;
    case Qualifiers:
        pickQualifier(line);
        break;
    case BaseNames:
        if (alternation)
            pickAlternation(line);
        else
            pickBase(line);
        break;
    }
    runLiveWriteBack();
}

void GeologyModel::pickWhole(const MasterLine& line, bool toActiveSymbol)
{
    const Group& group = activeGroup();
    fields()[group.name] = line.name;
    fields()[group.pattern] = patternText(line.number, line.digit);
    if (toActiveSymbol)
        fields()[group.symbol] = line.symbol;
    else if (!auxiliaryActive_)
        fields()[Symbol] = line.symbol;
}

void GeologyModel::pickQualifier(const MasterLine& line)
{
    const Group& group = activeGroup();
    const long n = patternNumberOf(field(group.pattern));
    std::string& name = fields()[group.name];
    if ((n < 0 || n > 9) && !name.empty() && !endsWithAny(name, {"り", "混"})) {
        clearGroup(group);
        setFlagBoxes(defaultWord);
        return;
    }
    name += line.name;
    fields()[group.pattern] = formatText("%ld", n + line.number);
    fields()[group.symbol] = line.symbol + field(group.symbol);
}

void GeologyModel::pickBase(const MasterLine& line)
{
    const Group& group = activeGroup();
    long n = patternNumberOf(field(group.pattern));
    if ((n < 0 || n > 99) && !field(group.name).empty() && !endsWithAny(field(group.name), {"り", "混", "質"})) {
        clearGroup(group);
        n = 0;
    }
    fields()[group.name] += line.name;
    fields()[group.pattern] =
        line.digit != 0 ? patternText(n + line.number, line.digit) : formatText("%ld", n + line.number);
    fields()[group.symbol] = line.symbol + field(group.symbol);
}

void GeologyModel::pickAlternation(const MasterLine& line)
{
    const Group& group = activeGroup();
    ++alternationPicks_;
    if (alternationPicks_ > 3) {
        alternationPicks_ = 0;
        pickBase(line);
        return;
    }
    std::string& name = fields()[group.name];
    if (alternationPicks_ == 1) {
        name = line.name + utf8ToCp932("・");
        fields()[group.pattern] = formatText("%ld", line.number + 90000);
        fields()[group.symbol] = line.symbol;
    } else if (alternationPicks_ == 2 && endsWithText(name, utf8ToCp932("・"))) {
        name += line.name + alternationWord();
        const std::string previous = field(group.pattern);
        fields()[group.pattern] =
            patternText(patternNumberOf(previous) + line.number / 100, markDigitOf(previous) | line.digit);
        std::string& symbol = fields()[group.symbol];
        symbol += (symbol.empty() ? "" : "/") + line.symbol;
    }
}

void GeologyModel::chooseSpecialSetting()
{
    const std::vector<std::string>& entries = dialogTable().fields[Special].entries;
    int choice = -1;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (utf8ToCp932(entries[i]) == field(Special))
            choice = static_cast<int>(i);
    std::string& pattern = fields()[Pattern1];
    if (!pattern.empty() && choice >= 1) {
        const long d = patternNumberOf(pattern);
        switch (choice) {
        case 1:
            pattern = formatText("%ld", d);
            break;
        case 2:
        case 3:
        case 4:
            pattern = patternText(d, choice - 1);
            break;
        default:
            pattern = patternText(d, markDigitOf(pattern) | markDigitOf(field(Pattern2)));
            break;
        }
    }
    fields()[Special] = utf8ToCp932(entries.front());
    runLiveWriteBack();
}

void GeologyModel::enterField(int index)
{
    if (index == Name)
        auxiliaryActive_ = false;
    else if (index == Auxiliary)
        auxiliaryActive_ = true;
}

void GeologyModel::choiceMade(int index)
{
    switch (index) {
    case NameAlternation:
    case AuxiliaryAlternation: {
        const bool auxiliary = index == AuxiliaryAlternation;
        auxiliaryActive_ = auxiliary;
        if (field(index) == "1")
            clearGroup(activeGroup());
        alternationPicks_ = 0;
        break;
    }
    case NameLine:
    case NameShown:
    case Pattern1Line:
        auxiliaryActive_ = false;
        break;
    case Special:
        chooseSpecialSetting();
        return;
    default:
        break;
    }
    runLiveWriteBack();
}

bool GeologyModel::confirmNewRow()
{
    if (!skipLeadingBlanks(field(Name)).empty())
        return true;
    const std::string depth = formatDepth(parseLeadingNumber(field(Depth)));
    if (showMessage(prompter(), Message::EmptySoilName, MessageKind::Question, depth) != Answer::Yes) {
        requestFocus(FocusTarget::Field, Name);
        return false;
    }
    acceptedWithoutName_.push_back(depth);
    return true;
}

bool GeologyModel::readyToStore()
{
    std::string depths;
    int first = 0;
    for (int r = 1; r <= lastNonEmptyRow(); ++r) {
        const TextRow& layer = row(r);
        if (isNumericText(layer[0]) < 1 || !skipLeadingBlanks(layer[2]).empty())
            continue;
        const std::string depth = formatDepth(parseLeadingNumber(layer[0]));
        if (std::find(openedRows_.begin(), openedRows_.end(), layer) != openedRows_.end()
            || std::find(acceptedWithoutName_.begin(), acceptedWithoutName_.end(), depth) != acceptedWithoutName_.end())
            continue;
        depths += (depths.empty() ? "" : ", ") + depth;
        if (first == 0)
            first = r;
    }
    if (first == 0)
        return true;
    if (showMessage(prompter(), Message::EmptySoilName, MessageKind::Question, depths) == Answer::Yes)
        return true;
    clickRow(first);
    requestScroll(first);
    requestFocus(FocusTarget::Field, Name);
    return false;
}

TextRow GeologyModel::pastedRow(const std::vector<std::string>& cells, const TextRow& target)
{
    // A row copied from this list has every column; lines from a
    // spreadsheet hold the columns a user sees, the flags come from the
    // display word or the defaults.
    if (static_cast<int>(cells.size()) >= columnCount())
        return ListTableModel::pastedRow(cells, target);
    std::vector<std::string> full(static_cast<std::size_t>(columnCount()));
    for (std::size_t i = 0; i < cells.size() && i < std::size(seenColumns); ++i)
        full[static_cast<std::size_t>(seenColumns[i] - 1)] = cells[i];
    TextRow values = ListTableModel::pastedRow(full, target);
    if (isNumericText(values[13]) < 1)
        values[13] = std::to_string(defaultWord);
    const int word = displayWordOf(values[13]);
    for (const FlagColumn& flag : flagColumns)
        values[static_cast<std::size_t>(flag.column - 1)] = flagText((word & flag.bit) != 0);
    return values;
}

void GeologyModel::trigger(int action)
{
    if (action == PatternCheck)
        checkPatterns();
}

void GeologyModel::checkPatterns()
{
    std::set<long> codes;
    for (int r = 1; r <= capacity() && codes.size() < 200; ++r) {
        if (isNumericText(cell(r, 1)) < 1)
            continue;
        for (int column : {9, 11})
            if (isNumericText(cell(r, column)) > 0)
                codes.insert(patternNumberOf(cell(r, column)));
    }
    std::set<long> numbers;
    for (long code : codes)
        for (long number : bitmapNumbersOf(code))
            if (number > 0)
                numbers.insert(number);
    std::string missing;
    MonochromeBitmap bitmap;
    for (long number : numbers)
        if (!readPatternBitmap(settings_, number, bitmap))
            missing += patternBitmapPath(settings_, number) + "\r\n";
    if (missing.empty())
        showMessage(prompter(), Message::AllPatternsFound, MessageKind::Information);
    else
        prompter().show(0, messageText(Message::MissingPatterns) + "\r\n" + missing, MessageKind::Warning);
}

}  // namespace kolv
