#pragma once
// Acting on a modal dialog from a test: the dialog's exec() blocks the test,
// so the action is queued before and runs once the dialog is shown.
#include <functional>

class QDialog;

namespace kolv::test {

// Runs act on the modal dialog that the next exec() shows. When no dialog
// shows within the deadline, or act throws, the test fails with a message and
// the open modal window is closed, so that exec() returns instead of holding
// the test until ctest's timeout.
void whenModalDialogShows(std::function<void(QDialog&)> act, int deadlineMilliseconds = 5000);

}  // namespace kolv::test
