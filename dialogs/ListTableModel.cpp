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

void ListTableModel::pickAppending(int list, int line)
{
    appendingPick_ = true;
    pick(list, line);
    appendingPick_ = false;
}

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
    inPlaceColumn_ = 1;
    inPlaceOpen_ = false;
    startNewRow();
    modified_ = false;
}

void ListTableModel::startNewRow()
{
    clearFields();
    const int last = lastNonEmptyRow();
    currentRow_ = last < capacity() ? last + 1 : 0;
    newRow_ = currentRow_ > 0;
    markFieldsInList();
}

void ListTableModel::markFieldsInList()
{
    fieldsInList_ = fields_;
}

bool ListTableModel::fieldsPending() const
{
    if (!hasRowFields() || !anyRowFieldFilled())
        return false;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (table_.fields[i].role == FieldRole::Row && fields_[i] != fieldsInList_[i])
            return true;
    return false;
}

bool ListTableModel::rowEmpty(int rowNumber) const
{
    for (const std::string& text : row(rowNumber))
        if (!text.empty())
            return false;
    return true;
}

int ListTableModel::rowWithKey(const std::string& keyText, int except) const
{
    for (int r = 1; r <= lastNonEmptyRow(); ++r)
        if (r != except && keysEqual(row(r), keyText))
            return r;
    return 0;
}

TextRow ListTableModel::defaultRow()
{
    const std::vector<std::string> typed = fields_;
    clearFields();
    TextRow values(static_cast<std::size_t>(columnCount()));
    fieldsToRow(values);
    fields_ = typed;
    return values;
}

void ListTableModel::showRowInFields(int rowNumber)
{
    if (rowEmpty(rowNumber))
        clearFields();
    else
        rowToFields(row(rowNumber));
}

void ListTableModel::typeCell(int rowNumber, int column, const std::string& text)
{
    if (!text.empty() && rowEmpty(rowNumber))
        writeRow(rowNumber, defaultRow());
    setCell(rowNumber, column, text);
}

bool ListTableModel::addEnabled() const
{
    if (inPlaceOpen_)
        return false;
    if (currentRow_ == 0 || newRow_)
        return true;
    return entryState() == EntryState::DepthChanged;
}

EntryState ListTableModel::entryState() const
{
    if (!hasRowFields())
        return EntryState::CellsOnly;
    if (currentRow_ == 0)
        return lastNonEmptyRow() >= capacity() ? EntryState::Full : EntryState::NewRow;
    const std::string& key = fields_[static_cast<std::size_t>(keyField())];
    if (!inPlaceOpen_ && isNumericText(key) > 0 && isNumericText(cell(currentRow_, 1)) > 0
        && !keysEqual(row(currentRow_), key))
        return EntryState::DepthChanged;
    return newRow_ ? EntryState::NewRow : EntryState::EditingRow;
}

void ListTableModel::refuseField(int index, Message message)
{
    const std::string caption = utf8ToCp932(table_.fields[static_cast<std::size_t>(index)].caption);
    prompter_.show(messageId(message), utf8ToCp932("［") + caption + utf8ToCp932("］\n") + messageText(message),
                   MessageKind::Warning);
}

bool ListTableModel::keyFieldAcceptable(bool silent)
{
    const std::string& depth = fields_[static_cast<std::size_t>(keyField())];
    if (skipLeadingBlanks(depth).empty())
        return true;
    if (isNumericText(depth) < 1) {
        if (!silent)
            refuseField(keyField(), Message::NoDataOrInvalid);
        return false;
    }
    if (const double value = parseLeadingNumber(depth); value < lowestDepth || value > deepestDepth) {
        if (!silent)
            refuseField(keyField(), Message::AbnormalNumber);
        return false;
    }
    return true;
}

bool ListTableModel::refuseKeyField()
{
    if (!hasRowFields() || keyFieldAcceptable(false))
        return false;
    requestFocus(FocusTarget::Field, keyField());
    return true;
}

bool ListTableModel::readyToStore()
{
    return true;
}

bool ListTableModel::confirmNewRow()
{
    return true;
}

TextRow ListTableModel::pastedRow(const std::vector<std::string>& cells, const TextRow& target)
{
    // Over an empty row the cells left empty keep the defaults of new input.
    const bool fresh = std::all_of(target.begin(), target.end(), [](const std::string& text) { return text.empty(); });
    TextRow values = fresh ? defaultRow() : target;
    for (int c = 0; c < columnCount() && c < static_cast<int>(cells.size()); ++c)
        if (!fresh || !cells[static_cast<std::size_t>(c)].empty())
            values[static_cast<std::size_t>(c)] = cells[static_cast<std::size_t>(c)];
    return values;
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
    startNewRow();
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
    if (!checkFields(false)) {
        requestFocus(FocusTarget::Field, keyField());
        return;
    }
    formatKeyField();
    const std::string key = fields_[static_cast<std::size_t>(keyField())];
    // A new row being typed goes where the fields have been writing it;
    // otherwise after the last row.
    const bool intoCurrent =
        newRow_ && currentRow_ >= 1 && (isNumericText(cell(currentRow_, 1)) < 1 || keysEqual(row(currentRow_), key));
    const int n = lastNonEmptyRow();
    if (!intoCurrent && n >= capacity()) {
        showMessage(prompter_, Message::AtCapacity, MessageKind::Warning);
        return;
    }
    if (const int duplicate = rowWithKey(key, intoCurrent ? currentRow_ : 0); duplicate > 0) {
        if (!addDuplicate(duplicate)) {
            requestFocus(FocusTarget::Field, keyField());
            return;
        }
    }
    if (!confirmNewRow())
        return;
    const int target = intoCurrent ? currentRow_ : n + 1;
    TextRow values = intoCurrent ? row(target) : TextRow(static_cast<std::size_t>(columnCount()));
    fieldsToRow(values);
    writeRow(target, values);
    requestScroll(target);
    currentRow_ = target;
    afterAdd(true);
    markFieldsInList();
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
    // Without a row of that depth the current row takes the new depth: the
    // way to mend the depth of a row.
    if (found == 0 && target >= 1 && isNumericText(cell(target, 1)) > 0)
        found = target;
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
    startNewRow();
    requestFocus(FocusTarget::List);
}

void ListTableModel::deleteRow(int selectedRow)
{
    if (selectedRow < 1 || selectedRow > capacity())
        return;
    removeRow(selectedRow);
    inPlaceOpen_ = false;
    startNewRow();
    modified_ = true;
    requestFocus(FocusTarget::Field, keyField());
}

void ListTableModel::clickRow(int rowNumber)
{
    if (rowNumber >= 1 && rowNumber <= capacity()) {
        currentRow_ = rowNumber;
        // A row without a depth is a new row: the fields fill it.
        newRow_ = isNumericText(cell(rowNumber, 1)) < 1;
        showRowInFields(rowNumber);
        rowClicked(rowNumber);
        markFieldsInList();
    }
    inPlaceOpen_ = false;
}

void ListTableModel::keyDownInList()
{
    clearFields();
    currentRow_ = 0;
    newRow_ = false;
    markFieldsInList();
}

void ListTableModel::runLiveWriteBack()
{
    // A list typed in its cells only has no fields to write back.
    if (currentRow_ < 1 || !hasRowFields() || !checkFields(true))
        return;
    formatKeyField();
    const std::string& key = fields_[static_cast<std::size_t>(keyField())];
    const TextRow& current = row(currentRow_);
    // Another depth than the current row's is another row: add or
    // overwrite decide, so that a row typed over the fields of the last
    // one never replaces it.
    if (isNumericText(current.front()) > 0 && !keysEqual(current, key))
        return;
    // A new row whose depth another row holds waits for add or overwrite.
    if (newRow_ && rowWithKey(key, currentRow_) > 0)
        return;
    TextRow values = current;
    fieldsToRow(values);
    writeRow(currentRow_, values);
    markFieldsInList();
}

void ListTableModel::leaveField(int)
{
    if (currentRow_ < 1)
        return;
    runLiveWriteBack();
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
    markFieldsInList();
}

bool ListTableModel::openInPlace(int rowNumber, int column)
{
    if (rowNumber < 1 || rowNumber > capacity() || column < 1 || column > columnCount())
        return false;
    if (!inPlaceAllowed(column))
        return false;
    currentRow_ = rowNumber;
    newRow_ = false;
    inPlaceColumn_ = column;
    inPlaceOpen_ = true;
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
    typeCell(currentRow_, inPlaceColumn_, text);
    clickRow(currentRow_);
    requestFocus(FocusTarget::List);
}

void ListTableModel::moveInPlaceTo(int rowNumber, int column)
{
    currentRow_ = rowNumber;
    inPlaceColumn_ = column;
    showRowInFields(rowNumber);
    rowClicked(rowNumber);
    markFieldsInList();
    requestScroll(rowNumber);
}

bool ListTableModel::inPlaceKey(InPlaceKey key, const std::string& text)
{
    if (!inPlaceOpen_)
        return false;
    typeCell(currentRow_, inPlaceColumn_, text);
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
    // Typed values the list does not hold yet are not dropped unasked.
    if (fieldsPending()) {
        switch (showMessage(prompter_, Message::PendingRow, MessageKind::QuestionWithCancel)) {
        case Answer::Yes:
            add();
            if (fieldsPending())
                return false;
            break;
        case Answer::No:
            break;
        default:
            requestFocus(FocusTarget::Field, keyField());
            return false;
        }
    }
    if (!readyToStore())
        return false;
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
        TextRow values = pastedRow(splitText(line, '\t'), row(target));
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
    startNewRow();
    return pasted;
}

}  // namespace kolv
