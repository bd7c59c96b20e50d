#pragma once
// The working copy of a form-like dialog: one text per control, keyed by a
// short name. The controls themselves are declared in a table (FormField):
// what differs between the small settings dialogs is that table, not code.
// Values are code page 932 text; a check box holds "1" or "0", a radio group
// the 0-based index of its chosen button as "%d".
#include "platform/Prompter.h"
#include "settings/LogSettings.h"

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kolv {

enum class FormFieldKind {
    Text,         // edit field
    Integer,      // edit field holding a whole number, checked against its range
    Shown,        // read-only field filled by the dialog
    ShownLines,   // read-only box of several lines (CR LF between them)
    Check,        // check box
    Radio,        // radio group, one button per choice
    Choice,       // editable drop-down with fixed entries (choices)
    FixedChoice,  // drop-down without typing (choices); the value is the entry's text
    PickList,     // list box whose entries the model supplies; a click sets the value
    ColorText,    // edit field that draws its text in the colour it names
    ColorButton,  // opens the colour chooser for the field named by target
    Button,       // push button handled by the model
    Label,        // a caption alone
};

struct FormField {
    std::string key;
    std::string caption;  // UTF-8; also the control's accessible name
    FormFieldKind kind = FormFieldKind::Text;
    std::string group;  // UTF-8 caption of the group box the control sits in
    int minimum = 0;    // Integer: accepted range
    int maximum = 0;
    int maxLength = 0;                          // Text: most bytes accepted, 0 = no limit
    std::vector<std::string> choices;           // UTF-8 radio captions or drop-down entries
    std::string target;                         // ColorButton: the key of its colour text
    int SettingsValues::*intSetting = nullptr;  // bound value of the settings file, if any
    std::string SettingsValues::*textSetting = nullptr;
    int column = 0;        // column of the form the group goes to
    bool sameRow = false;  // placed after the previous control, on its row
};

// A whole number typed into a field: blanks around it allowed, nothing else.
bool parseWholeNumber(std::string_view text, int& value);

class FieldModel {
public:
    virtual ~FieldModel() = default;

    const std::string& value(std::string_view key) const;
    void setValue(std::string_view key, std::string text);
    int integer(std::string_view key) const;  // leading number of the value
    bool checked(std::string_view key) const { return value(key) == "1"; }

    bool isEnabled(std::string_view key) const { return disabled_.count(std::string(key)) == 0; }
    void setEnabled(std::string_view key, bool enabled);

    // Entries of a PickList (code page 932).
    virtual std::vector<std::string> entries(std::string_view key) const;

    // The control behaviour: a field lost the focus (or a check box or radio
    // changed), a field got the focus, a button was pressed.
    virtual void fieldLeft(std::string_view key, Prompter& prompter);
    virtual void fieldEntered(std::string_view key);
    virtual void buttonPressed(std::string_view key, Prompter& prompter);

    // Checks the Integer fields of the table in order; the first one that is
    // not a whole number or lies outside its range gets its message, and the
    // result is that field's key (empty when every field is fine).
    std::string firstInvalidInteger(const std::vector<FormField>& fields, Prompter& prompter) const;

    // Copies the bound settings values into the fields, and back.
    void loadSettingsFields(const std::vector<FormField>& fields, const SettingsValues& settings);
    void storeSettingsFields(const std::vector<FormField>& fields, SettingsValues& settings) const;

private:
    std::map<std::string, std::string, std::less<>> values_;
    std::set<std::string, std::less<>> disabled_;
};

}  // namespace kolv
