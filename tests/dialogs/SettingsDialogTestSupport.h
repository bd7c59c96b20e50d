#pragma once
// A copy of the bundled installation in a temporary data root, with its
// settings loaded; settings dialog tests never touch the real per-user data.
#include "data/BoringData.h"
#include "platform/Issue.h"
#include "settings/LogSettings.h"
#include "support/ModalDialog.h"
#include "support/TestSupport.h"

#include <functional>
#include <string>
#include <string_view>

namespace kolv::test {

struct SettingsInstallation {
    TemporaryFolder root;
    LogSettings settings;
    BoringData data;
    Issues loadMessages;

    SettingsInstallation();
    // Host path of a file of the installation folder (C:\Ostrand\Qelm3).
    std::string file(std::string_view name) const;
};

// The ids of the recorded messages, in order.
std::string messageIds(const RecordingPrompter& prompter);

}  // namespace kolv::test

class QDialog;
class QWidget;

namespace kolv::test {

// The QApplication of the widget tests (offscreen), made once.
void ensureApplication();
// A control of the open dialog by its object name (the field key).
QWidget* controlOf(QDialog& dialog, const char* key);
// Clicks the push button whose accessible name is the UTF-8 caption.
void clickButton(QDialog& dialog, const char* caption);

}  // namespace kolv::test
