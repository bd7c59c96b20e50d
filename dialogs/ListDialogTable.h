#pragma once
// The constant description of one list dialog: its caption, capacity, list
// columns, edit fields, pick lists and extra buttons. Every list dialog is
// one of these tables plus the few rules of its own; the shared behaviour is
// ListTableModel and the shared form ListTableForm.
//
// Captions, headings and choice entries are UTF-8 (they go to the screen);
// cell and field values are code page 932, as the store holds them.
#include <string>
#include <utility>
#include <vector>

namespace kolv {

enum class FieldKind {
    Text,            // one-line edit field
    MultiLineText,   // multi-line edit field (line breaks CR LF in the value)
    Check,           // check box; value "1" or "0"
    Choice,          // drop-down of fixed entries; value = the entry's text
    EditableChoice,  // drop-down whose text may also be typed
    Radio,           // radio buttons; value = the index of the chosen entry ("%d")
    Display,         // shown only, never typed
};

// Whether a field belongs to the row being edited (cleared with the fields)
// or is an option of the whole dialog.
enum class FieldRole { Row, Option };

struct FieldEntry {
    FieldEntry(std::string caption, FieldKind kind = FieldKind::Text, std::vector<std::string> entries = {},
               std::string group = {}, FieldRole role = FieldRole::Row, std::string unit = {})
        : caption(std::move(caption)), kind(kind), entries(std::move(entries)), group(std::move(group)), role(role),
          unit(std::move(unit))
    {}
    std::string caption;  // also the accessible name of the control
    FieldKind kind = FieldKind::Text;
    std::vector<std::string> entries;  // Choice, EditableChoice, Radio
    std::string group;                 // title of the group box that holds it; empty: the main group
    FieldRole role = FieldRole::Row;
    std::string unit;  // text shown after the field ("m", "mm")
};

struct ColumnEntry {
    std::string heading;
    int width = 0;       // pixels
    int field = -1;      // index into ListDialogTable::fields; -1: no field
    int navigation = 1;  // 0: Enter in the in-place editor skips this column
    int storeCell = 0;   // cell of the store row; 0: not stored
};

struct PickListEntry {
    std::string caption;
};

struct ActionEntry {
    std::string caption;
};

struct ListDialogTable {
    std::string caption;
    int capacity = 0;
    std::vector<ColumnEntry> columns;
    std::vector<FieldEntry> fields;
    std::vector<PickListEntry> pickLists;
    std::vector<ActionEntry> actions;
    std::vector<std::string> hints;  // lines of explanation shown on the form
    bool hasAddAndOverwrite = true;  // false: cells are typed in the list only
    std::string deleteCaption = "行削除";
    int storeCellCount = 0;
};

}  // namespace kolv
