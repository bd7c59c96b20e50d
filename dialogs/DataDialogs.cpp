#include "dialogs/DataDialogs.h"

namespace kolv {

DialogOutcome runDataDialog(int, LogDocument&, Prompter&, QWidget*)
{
    return DialogOutcome::NotAvailable;
}

}  // namespace kolv
