#pragma once
// The start of the program: what the application object sets up before the
// window (names for the per-user profile, Qt's own texts in Japanese, the
// fonts), and the start-up order of the main frame: the first-use copy of the
// bundled installation folder, the settings, the printer's paper defaults,
// the command line.
#include <QStringList>

#include <string>

class QApplication;

namespace kolv {

class MainWindow;

// Profile names, the Japanese translations of Qt's dialogs and buttons
// (whatever the system's locale), the font substitutions of the log and the
// user-interface font, the program's icon.
void prepareApplication(QApplication& application);

// The bundled installation folder: ../share/kolv/Qelm3 beside the installed
// program, else the one of the source tree.
std::string bundledInstallationFolder();

// Copies the bundled installation folder on first use, loads the settings,
// applies the paper defaults to the printer and processes the command line
// (a file to open, else a new document). False when the file named on the
// command line cannot be opened: the program then ends.
bool startMainFrame(MainWindow& frame, const QStringList& files, const std::string& dataRoot,
                    const std::string& bundledFolder);

}  // namespace kolv
