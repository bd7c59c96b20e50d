#include "dialogs/ListTableModel.h"

#include "data/Cp932Text.h"
#include "data/Number.h"
#include "platform/Cp932Codec.h"
#include "platform/MessageCatalogue.h"

#include <algorithm>

namespace kolv {

namespace {

// The key the messages about an existing row name.
std::string depthKeyName()
{
    return utf8ToCp932("深度");
}

constexpr double lowestDepth = -1.0;
constexpr double deepestDepth = 3000.0;
constexpr int duplicatesListed = 6;
constexpr std::size_t duplicateMessageLimit = 299;

bool isTextField(FieldKind kind)
{
    return kind == FieldKind::Text || kind == FieldKind::MultiLineText || kind == FieldKind::Choice
        || kind == FieldKind::EditableChoice;
}

std::vector<std::string> splitText(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return parts;
}

}  // namespace

int typedDecimals(const std::string& numberText)
{
    const std::string_view text = skipLeadingBlanks(numberText);
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
        ++pos;
    if (pos >= text.size() || text[pos] != '.')
        return 0;
    int decimals = 0;
    for (++pos; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        ++decimals;
    return decimals;
}

std::string depthForMessage(const std::string& depthText)
{
    return typedDecimals(depthText) <= 2 ? formatDepth(parseLeadingNumber(depthText)) : depthText;
}

std::string oneCellText(std::string_view text)
{
    std::string cell(text);
    for (char& c : cell)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    return cell;
}

ListTableModel::ListTableModel(const ListDialogTable& dialogTable, Prompter& prompter)
    : table_(dialogTable), prompter_(prompter),
      rows_(static_cast<std::size_t>(dialogTable.capacity), TextRow(dialogTable.columns.size())),
      fields_(dialogTable.fields.size())
{
    for (std::size_t i = 0; i < dialogTable.fields.size(); ++i)
        if (dialogTable.fields[i].kind == FieldKind::Check || dialogTable.fields[i].kind == FieldKind::Radio)
            fields_[i] = "0";
}

int ListTableModel::lastFilledRow() const
{
    for (int r = capacity(); r >= 1; --r)
        if (isNumericText(cell(r, 1)) > 0)
            return r;
    return 0;
}

int ListTableModel::lastNonEmptyRow() const
{
    for (int r = capacity(); r >= 1; --r)
        for (const std::string& text : row(r))
            if (!text.empty())
                return r;
    return 0;
}

void ListTableModel::setField(int index, std::string text)
{
    fields_[static_cast<std::size_t>(index)] = std::move(text);
}

bool ListTableModel::fieldEnabled(int) const
{
    return true;
}

FocusTarget ListTableModel::takeFocusRequest(int* fieldIndex)
{
    const FocusTarget target = focusRequest_;
    if (fieldIndex)
        *fieldIndex = focusField_;
    focusRequest_ = FocusTarget::None;
    focusField_ = -1;
    return target;
}

int ListTableModel::takeScrollRequest()
{
    const int row = scrollRequest_;
    scrollRequest_ = 0;
    return row;
}

std::vector<std::string> ListTableModel::pickLines(int) const
{
    return {};
}

void ListTableModel::pick(int, int)
{}

void ListTableModel::trigger(int)
{}

void ListTableModel::openWithStoreRows(const std::vector<TextRow>& storeRows)
{
    for (int r = 1; r <= capacity(); ++r) {
        TextRow& listRow = rows_[static_cast<std::size_t>(r - 1)];
        const bool listed = r <= static_cast<int>(storeRows.size())
            && !storeRows[static_cast<std::size_t>(r - 1)].empty()
            && isNumericText(storeRows[static_cast<std::size_t>(r - 1)].front()) > 0;
        listRow = listed ? listRowFromStore(storeRows[static_cast<std::size_t>(r - 1)]) : TextRow();
        listRow.resize(static_cast<std::size_t>(columnCount()));
    }
    const int last = lastFilledRow();
    currentRow_ = last < capacity() ? last + 1 : 0;
    inPlaceColumn_ = 1;
    inPlaceOpen_ = false;
    modified_ = false;
    addEnabled_ = true;
    clearFields();
}

TextRow ListTableModel::listRowFromStore(const TextRow& storeRow) const
{
    TextRow listRow(static_cast<std::size_t>(columnCount()));
    for (int c = 0; c < columnCount(); ++c) {
        const int storeCell = table_.columns[static_cast<std::size_t>(c)].storeCell;
        if (storeCell >= 1 && storeCell <= static_cast<int>(storeRow.size()))
            listRow[static_cast<std::size_t>(c)] = storeRow[static_cast<std::size_t>(storeCell - 1)];
    }
    return listRow;
}

TextRow ListTableModel::storeRowFromList(const TextRow& listRow) const
{
    TextRow storeRow(static_cast<std::size_t>(table_.storeCellCount));
    for (int c = 0; c < columnCount(); ++c) {
        const int storeCell = table_.columns[static_cast<std::size_t>(c)].storeCell;
        if (storeCell >= 1 && storeCell <= table_.storeCellCount)
            storeRow[static_cast<std::size_t>(storeCell - 1)] = listRow[static_cast<std::size_t>(c)];
    }
    return storeRow;
}

bool ListTableModel::anyRowFieldFilled() const
{
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (table_.fields[i].role == FieldRole::Row && isTextField(table_.fields[i].kind) && !fields_[i].empty())
            return true;
    return false;
}

bool ListTableModel::checkDepthFields(bool silent, bool lowerDepthWarning)
{
    if (!hasRowFields())
        return false;
    const std::string& depth = fields_[static_cast<std::size_t>(keyField())];
    if (!anyRowFieldFilled() || isNumericText(depth) < 1) {
        if (!silent)
            showMessage(prompter_, Message::NoDataOrInvalid, MessageKind::Warning);
        return false;
    }
    const double value = parseLeadingNumber(depth);
    if (value < lowestDepth || value > deepestDepth) {
        if (!silent)
            showMessage(prompter_, Message::AbnormalNumber, MessageKind::Warning);
        return false;
    }
    if (lowerDepthWarning && !silent) {
        const int lowerField = table_.columns[1].field;
        if (isNumericText(fields_[static_cast<std::size_t>(lowerField)]) < 1)
            showMessage(prompter_, Message::NoDataOrInvalid, MessageKind::Warning);
    }
    return true;
}

bool ListTableModel::checkFields(bool silent)
{
    return checkDepthFields(silent, false);
}

void ListTableModel::fieldsToRow(TextRow& row) const
{
    for (int c = 0; c < columnCount(); ++c) {
        const int field = table_.columns[static_cast<std::size_t>(c)].field;
        if (field >= 0)
            row[static_cast<std::size_t>(c)] = fields_[static_cast<std::size_t>(field)];
    }
}

void ListTableModel::rowToFields(const TextRow& row)
{
    for (int c = 0; c < columnCount(); ++c) {
        const int field = table_.columns[static_cast<std::size_t>(c)].field;
        if (field < 0)
            continue;
        const std::string& text = row[static_cast<std::size_t>(c)];
        fields_[static_cast<std::size_t>(field)] =
            table_.fields[static_cast<std::size_t>(field)].kind == FieldKind::Check ? (text == "1" ? "1" : "0") : text;
    }
}

void ListTableModel::clearFields()
{
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (table_.fields[i].role != FieldRole::Row)
            continue;
        const FieldKind kind = table_.fields[i].kind;
        fields_[i] = kind == FieldKind::Check || kind == FieldKind::Radio ? "0" : "";
    }
}

void ListTableModel::afterAdd(bool)
{
    clearFields();
    currentRow_ = 0;
    requestFocus(FocusTarget::Field, keyField());
}

bool ListTableModel::addDuplicate(int)
{
    showMessage(prompter_, Message::DuplicateOnAdd, MessageKind::Warning, depthKeyName());
    return false;
}

int ListTableModel::navigation(int column) const
{
    return table_.columns[static_cast<std::size_t>(column - 1)].navigation;
}

bool ListTableModel::inPlaceAllowed(int)
{
    return true;
}

std::string ListTableModel::inPlaceDefault(int, int) const
{
    return {};
}

double ListTableModel::keyOf(const TextRow& row) const
{
    return parseLeadingNumber(row.front());
}

void ListTableModel::formatKeyField()
{
    std::string& key = fields_[static_cast<std::size_t>(keyField())];
    key = formatDepth(parseLeadingNumber(key));
}

bool ListTableModel::keysEqual(const TextRow& row, const std::string& keyText) const
{
    return isNumericText(row.front()) > 0 && depthsEqual(keyOf(row), parseLeadingNumber(keyText));
}

void ListTableModel::requestFocus(FocusTarget target, int fieldIndex)
{
    focusRequest_ = target;
    focusField_ = fieldIndex;
}

void ListTableModel::setCell(int row, int column, std::string text)
{
    std::string& target = rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)];
    if (target != text) {
        target = std::move(text);
        modified_ = true;
    }
}

void ListTableModel::writeRow(int row, const TextRow& values)
{
    for (int c = 1; c <= columnCount(); ++c)
        setCell(row, c, values[static_cast<std::size_t>(c - 1)]);
}

void ListTableModel::insertRowAfterLast(const TextRow& values)
{
    const int n = lastNonEmptyRow();
    if (n >= capacity())
        return;
    writeRow(n + 1, values);
    requestScroll(n + 1);
    modified_ = true;
}

void ListTableModel::removeRow(int row)
{
    rows_.erase(rows_.begin() + (row - 1));
    rows_.emplace_back(static_cast<std::size_t>(columnCount()));
}

void ListTableModel::add()
{
    modified_ = true;
    if (!checkFields(false))
        return;
    const int n = lastNonEmptyRow();
    if (n >= capacity()) {
        showMessage(prompter_, Message::AtCapacity, MessageKind::Warning);
        return;
    }
    formatKeyField();
    const std::string key = fields_[static_cast<std::size_t>(keyField())];
    for (int r = 1; r <= n && isNumericText(cell(r, 1)) > 0; ++r) {
        if (keysEqual(row(r), key)) {
            if (!addDuplicate(r)) {
                requestFocus(FocusTarget::Field, keyField());
                return;
            }
            break;
        }
    }
    TextRow values(static_cast<std::size_t>(columnCount()));
    fieldsToRow(values);
    writeRow(n + 1, values);
    requestScroll(n + 1);
    currentRow_ = n + 1;
    afterAdd(true);
}

void ListTableModel::overwrite()
{
    if (!checkFields(false))
        return;
    int target = currentRow_;
    if (target < 0 || target > capacity()) {
        showMessage(prompter_, Message::OverwriteOutOfRange, MessageKind::Warning);
        return;
    }
    const int n = lastNonEmptyRow();
    if (n == 0) {
        showMessage(prompter_, Message::CannotOverwrite, MessageKind::Warning);
        return;
    }
    formatKeyField();
    const std::string key = fields_[static_cast<std::size_t>(keyField())];
    int found = 0;
    for (int r = 1; r <= n && isNumericText(cell(r, 1)) > 0; ++r) {
        if (keysEqual(row(r), key)) {
            found = r;
            break;
        }
    }
    if (found == 0) {
        showMessage(prompter_, Message::OverwriteNotFound, MessageKind::Warning, depthKeyName());
        return;
    }
    target = found;
    TextRow values = row(target);
    fieldsToRow(values);
    writeRow(target, values);
    requestScroll(target);
    modified_ = true;
    clearFields();
    requestFocus(FocusTarget::List);
    currentRow_ = 0;
    addEnabled_ = true;
}

void ListTableModel::deleteRow(int selectedRow)
{
    if (selectedRow < 1 || selectedRow > capacity())
        return;
    removeRow(selectedRow);
    currentRow_ = 0;
    inPlaceOpen_ = false;
    clearFields();
    modified_ = true;
    addEnabled_ = true;
    requestFocus(FocusTarget::Field, keyField());
}

void ListTableModel::clickRow(int rowNumber)
{
    if (rowNumber >= 1 && rowNumber <= capacity()) {
        addEnabled_ = false;
        currentRow_ = rowNumber;
        rowToFields(row(rowNumber));
        rowClicked(rowNumber);
    }
    inPlaceOpen_ = false;
}

void ListTableModel::keyDownInList()
{
    clearFields();
    currentRow_ = 0;
}

void ListTableModel::runLiveWriteBack()
{
    // A list typed in its cells only has no fields to write back.
    if (currentRow_ < 1 || !hasRowFields() || !checkFields(true))
        return;
    formatKeyField();
    const TextRow& current = row(currentRow_);
    if (isNumericText(current.front()) < 1 || keysEqual(current, fields_[static_cast<std::size_t>(keyField())])) {
        TextRow values = current;
        fieldsToRow(values);
        writeRow(currentRow_, values);
    }
}

void ListTableModel::leaveField(int index)
{
    if (currentRow_ < 1)
        return;
    runLiveWriteBack();
    if (index == keyField())
        addEnabled_ = false;
}

void ListTableModel::enterField(int)
{}

void ListTableModel::choiceMade(int index)
{
    leaveField(index);
}

void ListTableModel::rowClicked(int)
{}

void ListTableModel::doubleClickNoRow()
{
    clearFields();
}

bool ListTableModel::openInPlace(int rowNumber, int column)
{
    if (rowNumber < 1 || rowNumber > capacity() || column < 1 || column > columnCount())
        return false;
    if (!inPlaceAllowed(column))
        return false;
    currentRow_ = rowNumber;
    inPlaceColumn_ = column;
    inPlaceOpen_ = true;
    addEnabled_ = false;
    return true;
}

std::string ListTableModel::inPlaceText() const
{
    const std::string& text = cell(currentRow_, inPlaceColumn_);
    return text.empty() ? inPlaceDefault(currentRow_, inPlaceColumn_) : text;
}

void ListTableModel::commitInPlace(const std::string& text)
{
    if (!inPlaceOpen_)
        return;
    setCell(currentRow_, inPlaceColumn_, text);
    clickRow(currentRow_);
    requestFocus(FocusTarget::List);
}

void ListTableModel::moveInPlaceTo(int rowNumber, int column)
{
    currentRow_ = rowNumber;
    inPlaceColumn_ = column;
    rowToFields(row(rowNumber));
    rowClicked(rowNumber);
    requestScroll(rowNumber);
}

bool ListTableModel::inPlaceKey(InPlaceKey key, const std::string& text)
{
    if (!inPlaceOpen_)
        return false;
    setCell(currentRow_, inPlaceColumn_, text);
    const int rowNumber = currentRow_;
    switch (key) {
    case InPlaceKey::Enter:
        for (int c = inPlaceColumn_ + 1; c <= columnCount(); ++c) {
            if (navigation(c) > 0) {
                moveInPlaceTo(rowNumber, c);
                return true;
            }
        }
        if (rowNumber < capacity()) {
            clearFields();
            moveInPlaceTo(rowNumber + 1, 1);
            return true;
        }
        break;
    case InPlaceKey::Up:
        if (rowNumber > 1) {
            moveInPlaceTo(rowNumber - 1, inPlaceColumn_);
            return true;
        }
        break;
    case InPlaceKey::Down:
        if (rowNumber < capacity()) {
            moveInPlaceTo(rowNumber + 1, inPlaceColumn_);
            return true;
        }
        break;
    case InPlaceKey::Tab:
    case InPlaceKey::Escape:
        break;
    }
    clickRow(rowNumber);
    requestFocus(FocusTarget::List);
    return false;
}

std::vector<TextRow> ListTableModel::orderedRowsForStore()
{
    std::vector<TextRow> remaining(rows_.begin(), rows_.begin() + lastNonEmptyRow());
    std::vector<TextRow> ordered;
    std::string message = messageText(Message::SameDepthHeader) + "\r\n";
    int duplicates = 0;
    const std::size_t passes = remaining.size();
    for (std::size_t pass = 0; pass < passes && !remaining.empty(); ++pass) {
        if (isNumericText(remaining.front().front()) < 1) {
            remaining.erase(remaining.begin());
            continue;
        }
        std::size_t taken = 0;
        for (std::size_t i = 1; i < remaining.size(); ++i)
            if (isNumericText(remaining[i].front()) > 0 && keyOf(remaining[i]) < keyOf(remaining[taken]))
                taken = i;
        const double depth = keyOf(remaining[taken]);
        if (duplicates <= duplicatesListed && depth > 0) {
            for (std::size_t j = taken + 1; j < remaining.size(); ++j) {
                if (isNumericText(remaining[j].front()) < 1 || !depthsEqual(keyOf(remaining[j]), depth))
                    continue;
                ++duplicates;
                if (duplicates <= duplicatesListed && message.size() <= duplicateMessageLimit)
                    message += " " + depthForMessage(remaining[taken].front()) + " m \r\n";
            }
        }
        ordered.push_back(remaining[taken]);
        remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(taken));
    }
    if (duplicates > 0)
        prompter_.show(messageId(Message::SameDepthHeader), message, MessageKind::Information);
    return ordered;
}

bool ListTableModel::accept()
{
    if (inPlaceOpen_) {
        inPlaceOpen_ = false;
        clickRow(currentRow_);
        return false;
    }
    accepted_.clear();
    for (const TextRow& listRow : orderedRowsForStore())
        accepted_.push_back(storeRowFromList(listRow));
    return true;
}

bool ListTableModel::cancel()
{
    if (modified_ && lastNonEmptyRow() >= 1)
        return showMessage(prompter_, Message::CancelWithChanges, MessageKind::Question) == Answer::Yes;
    return true;
}

std::string ListTableModel::copyRows(const std::vector<int>& rowNumbers) const
{
    std::string text;
    for (int r : rowNumbers) {
        if (r < 1 || r > capacity())
            continue;
        for (int c = 1; c <= columnCount(); ++c) {
            if (c > 1)
                text += '\t';
            text += oneCellText(cell(r, c));
        }
        text += '\n';
    }
    return text;
}

int ListTableModel::pasteRows(int fromRow, std::string_view text)
{
    std::vector<std::string> lines = splitText(text, '\n');
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    int pasted = 0;
    const int first = std::max(fromRow, 1);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int target = first + static_cast<int>(i);
        if (target > capacity()) {
            showMessage(prompter_, Message::AtCapacity, MessageKind::Warning);
            showMessage(prompter_, Message::PasteStopped, MessageKind::Warning, std::to_string(target));
            break;
        }
        std::string line = lines[i];
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::vector<std::string> cells = splitText(line, '\t');
        TextRow values = row(target);
        for (int c = 0; c < columnCount() && c < static_cast<int>(cells.size()); ++c)
            values[static_cast<std::size_t>(c)] = cells[static_cast<std::size_t>(c)];
        bool accepted = false;
        if (table_.hasAddAndOverwrite) {
            rowToFields(values);
            accepted = checkFields(false);
            if (accepted) {
                formatKeyField();
                fieldsToRow(values);
            }
        } else if (isNumericText(values.front()) < 1) {
            showMessage(prompter_, Message::NoDataOrInvalid, MessageKind::Warning);
        } else if (const double key = parseLeadingNumber(values.front()); key < lowestDepth || key > deepestDepth) {
            showMessage(prompter_, Message::AbnormalNumber, MessageKind::Warning);
        } else {
            accepted = true;
        }
        if (!accepted) {
            showMessage(prompter_, Message::PasteStopped, MessageKind::Warning, std::to_string(target));
            break;
        }
        writeRow(target, values);
        requestScroll(target);
        ++pasted;
    }
    clearFields();
    currentRow_ = 0;
    addEnabled_ = true;
    return pasted;
}

}  // namespace kolv
