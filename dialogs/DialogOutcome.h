#pragma once
// How a dialog command ended, for the window's status bar.
namespace kolv {

enum class DialogOutcome {
    Accepted,      // OK: the document or the settings took the dialog's values
    Cancelled,     // nothing changed
    NotAvailable,  // the command has no dialog (yet)
};

}  // namespace kolv
