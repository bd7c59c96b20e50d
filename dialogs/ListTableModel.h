#pragma once
// The shared behaviour of the depth-keyed list dialogs: a working copy of
// capacity rows, the current row, add / overwrite / delete, the field check,
// the live write-back, the in-place cell editor with its Enter / Up / Down
// navigation, the sorted store-back with its duplicate message and Cancel's
// question. Nothing reaches the store before OK. Each dialog derives from it
// to add the rules of its own and declares its columns and fields in a
// ListDialogTable.
#include "data/BoringData.h"
#include "dialogs/ListDialogTable.h"
#include "platform/MessageCatalogue.h"
#include "platform/Prompter.h"

#include <string>
#include <string_view>
#include <vector>

namespace kolv {

using TextRow = std::vector<std::string>;

// The focus the form should give after an operation.
enum class FocusTarget { None, List, Field };

// What the user can do next, for the dialog's status line.
enum class EntryState {
    CellsOnly,     // no field group: cells are typed in the list
    NewRow,        // the fields fill a new row; add (or Enter) adds it
    EditingRow,    // the fields edit the current row in place
    DepthChanged,  // the depth differs from the current row's: add adds a new row
    Full,          // every row is taken
};

enum class InPlaceKey { Enter, Up, Down, Tab, Escape };

class ListTableModel {
public:
    ListTableModel(const ListDialogTable& dialogTable, Prompter& prompter);
    virtual ~ListTableModel() = default;
    ListTableModel(const ListTableModel&) = delete;
    ListTableModel& operator=(const ListTableModel&) = delete;

    const ListDialogTable& dialogTable() const { return table_; }
    int capacity() const { return table_.capacity; }
    int columnCount() const { return static_cast<int>(table_.columns.size()); }

    // The list, rows and columns from 1.
    const std::string& cell(int row, int column) const { return rows_[row - 1][column - 1]; }
    const TextRow& row(int row) const { return rows_[row - 1]; }
    // Last row whose depth is numeric, counted from the end; 0 when none.
    int lastFilledRow() const;
    // Last row with any non-empty cell; 0 when none.
    int lastNonEmptyRow() const;

    // The edit fields, by index of the dialogTable's field table.
    const std::string& field(int index) const { return fields_[index]; }
    // Typing into a field: the value only, no rule runs (see leaveField).
    void setField(int index, std::string text);
    virtual bool fieldEnabled(int index) const;

    int currentRow() const { return currentRow_; }
    bool modified() const { return modified_; }
    bool addEnabled() const;
    // Whether the fields fill a new row (an empty row is current).
    bool enteringNewRow() const { return newRow_; }
    EntryState entryState() const;
    bool inPlaceOpen() const { return inPlaceOpen_; }
    int inPlaceRow() const { return currentRow_; }
    int inPlaceColumn() const { return inPlaceColumn_; }

    // What the form is asked to do after an operation; reading clears it.
    FocusTarget takeFocusRequest(int* fieldIndex);
    int takeScrollRequest();  // row to scroll into view; 0 none

    // The pick lists and the extra buttons of the dialog.
    virtual std::vector<std::string> pickLines(int list) const;
    virtual void pick(int list, int line);
    // A pick with the modifier held: appended to the field instead of
    // replacing it where the dialog composes a text from successive picks.
    void pickAppending(int list, int line);
    virtual void trigger(int action);

    // The buttons.
    void add();
    void overwrite();
    void deleteRow(int selectedRow);
    // OK: false while the in-place editor is open (it only ends the edit),
    // and when the user stays to mend typed values that are not in the list.
    bool accept();
    // Cancel: false when the user chose to stay.
    bool cancel();
    // The rows to store after OK: the list in store order, as store rows.
    const std::vector<TextRow>& storeRowsAfterAccept() const { return accepted_; }

    // Mouse and keys on the list. row 0: no row was hit.
    void clickRow(int row);
    void keyDownInList();
    // The focus entered a field.
    virtual void enterField(int index);
    // The focus left a field: the live write-back.
    virtual void leaveField(int index);
    // After the focus left the depth field for another control: a depth
    // the dialog cannot take is refused with a message that names the
    // field, and the focus is asked back. True when it was refused.
    bool refuseKeyField();
    // A check box, radio button or drop-down entry was chosen (its value
    // already set): the live write-back by default.
    virtual void choiceMade(int index);

    // A double-click beside the rows: the fields are cleared.
    void doubleClickNoRow();
    // Opens the in-place editor on a cell; false when it does not open.
    bool openInPlace(int row, int column);
    // The text the editor starts with.
    std::string inPlaceText() const;
    // The editor's text goes into its cell; the editor closes.
    void commitInPlace(const std::string& text);
    // A key in the editor: commits, then moves (Enter, Up, Down) or closes.
    // True when the editor stays open on inPlaceRow / inPlaceColumn.
    bool inPlaceKey(InPlaceKey key, const std::string& text);

    // Rows as tab-separated lines (spreadsheet copy), code page 932.
    std::string copyRows(const std::vector<int>& rows) const;
    // Tab-separated lines into the list from fromRow on, each through the
    // field check; a refused row stops the paste. Returns the rows pasted.
    int pasteRows(int fromRow, std::string_view text);

protected:
    // Opening: the store rows (all of them, in store order, as vectors of
    // their cells). A row is listed when its cell 1 is numeric.
    void openWithStoreRows(const std::vector<TextRow>& storeRows);

    // Hooks of the dialogs.
    virtual TextRow listRowFromStore(const TextRow& storeRow) const;
    virtual TextRow storeRowFromList(const TextRow& listRow) const;
    // The field check; silent: no message (the live write-back).
    virtual bool checkFields(bool silent);
    virtual void fieldsToRow(TextRow& row) const;
    virtual void rowToFields(const TextRow& row);
    virtual void clearFields();
    // After a row click copied the row into the fields.
    virtual void rowClicked(int row);
    virtual void afterAdd(bool added);
    // Duplicate depth at add: true when the row is added all the same.
    virtual bool addDuplicate(int duplicateRow);
    // Enter's navigation flag of a column (the dialogTable's by default).
    virtual int navigation(int column) const;
    // Whether the in-place editor may open on the column; false after the
    // dialog's own message.
    virtual bool inPlaceAllowed(int column);
    virtual std::string inPlaceDefault(int row, int column) const;
    // The rows in the order they are stored, with the duplicate message.
    virtual std::vector<TextRow> orderedRowsForStore();
    // Before the rows are stored: false keeps the dialog open (after the
    // dialog's own message).
    virtual bool readyToStore();
    // Before a new row is added: false when the user chose not to.
    virtual bool confirmNewRow();
    // The depth field's own check, with the message naming the field.
    virtual bool keyFieldAcceptable(bool silent);
    // A pasted line's cells as a list row; target: the row pasted over.
    virtual TextRow pastedRow(const std::vector<std::string>& cells, const TextRow& target);
    bool appendingPick() const { return appendingPick_; }
    // A refusal that names the field it concerns.
    void refuseField(int index, Message message);
    // The key value of a list row (the depth).
    double keyOf(const TextRow& row) const;
    // Reformats the depth field as "%.2f" (water levels "%+.2f").
    virtual void formatKeyField();
    virtual bool keysEqual(const TextRow& row, const std::string& keyField) const;

    // Shared pieces for the hooks.
    bool checkDepthFields(bool silent, bool lowerDepthWarning);
    void writeRow(int row, const TextRow& values);
    void setModified() { modified_ = true; }
    void requestFocus(FocusTarget target, int fieldIndex = -1);
    void requestScroll(int row) { scrollRequest_ = row; }
    void runLiveWriteBack();
    // The fields start a new row in the first empty row after the last one.
    void startNewRow();
    // The typed row values are what the list shows.
    void markFieldsInList();
    bool fieldsPending() const;
    int rowWithKey(const std::string& keyText, int except) const;
    bool rowEmpty(int row) const;
    // A new row as the fields' defaults write it.
    TextRow defaultRow();
    // The row's values into the fields; an empty row gives the defaults.
    void showRowInFields(int row);
    // A cell typed in the list; an empty row first takes the defaults.
    void typeCell(int row, int column, const std::string& text);
    int keyField() const { return table_.columns.front().field; }
    bool hasRowFields() const { return keyField() >= 0; }
    bool anyRowFieldFilled() const;
    void insertRowAfterLast(const TextRow& values);
    void removeRow(int row);
    void setCell(int row, int column, std::string text);
    Prompter& prompter() { return prompter_; }
    std::vector<std::string>& fields() { return fields_; }

private:
    void moveInPlaceTo(int row, int column);

    const ListDialogTable& table_;
    Prompter& prompter_;
    std::vector<TextRow> rows_;
    std::vector<std::string> fields_;
    std::vector<TextRow> accepted_;
    int currentRow_ = 0;
    int inPlaceColumn_ = 1;
    bool inPlaceOpen_ = false;
    bool modified_ = false;
    bool newRow_ = false;
    bool appendingPick_ = false;
    std::vector<std::string> fieldsInList_;
    FocusTarget focusRequest_ = FocusTarget::None;
    int focusField_ = -1;
    int scrollRequest_ = 0;
};

// How many decimals the number at the start of the text was typed with.
int typedDecimals(const std::string& numberText);

// "%.2f" of the depth when it was typed with at most two decimals, else the text as typed.
std::string depthForMessage(const std::string& depthText);

// A text for one tab-separated cell (tabs and line breaks become blanks).
std::string oneCellText(std::string_view text);

}  // namespace kolv
