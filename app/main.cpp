// kolv: the harbour-type boring log editor. "kolv [FILE]" opens FILE.
#include "app/MainWindow.h"
#include "app/FileChooser.h"
#include "app/QtPrompter.h"
#include "app/Startup.h"
#include "platform/WindowsPath.h"

#include <QApplication>

#include <clocale>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Numbers in the files are always written with ".".
    std::setlocale(LC_NUMERIC, "C");
    kolv::prepareApplication(application);

    kolv::QtPrompter prompter;
    kolv::DialogFileChooser chooser;
    kolv::MainWindow frame(prompter, chooser);
    prompter.setParent(&frame);

    QStringList files = QApplication::arguments().mid(1);
    files.removeIf([](const QString& argument) { return argument.startsWith(QLatin1Char('-')); });
    if (!kolv::startMainFrame(frame, files, kolv::defaultDataRoot(), kolv::bundledInstallationFolder()))
        return 1;
    frame.show();
    return application.exec();
}
