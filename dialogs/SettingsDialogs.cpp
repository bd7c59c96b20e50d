#include "dialogs/SettingsDialogs.h"

namespace kolv {

DialogOutcome runSettingsDialog(int, LogDocument&, Prompter&, QWidget*)
{
    return DialogOutcome::NotAvailable;
}

}  // namespace kolv
