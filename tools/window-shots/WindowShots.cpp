// Screenshots of the editor for a person to look at: the main window on a
// file, every menu open, and the windows of the commands that open one
// (preview, printing, page set-up, PDF export, About). Run on an X display,
// for example under xvfb-run:
//     kolv-window-shots FILE OUTPUT-FOLDER [PREFIX]
#include "app/MainWindow.h"
#include "app/CommandIds.h"
#include "app/FileChooser.h"
#include "app/QtPrompter.h"
#include "app/Startup.h"
#include "platform/WindowsPath.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <clocale>
#include <iostream>
#include <utility>

namespace {

QString outputFolder;
QString prefix;

void settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

void shoot(const QString& name)
{
    settle(700);
    const QString path = QDir(outputFolder).filePath(prefix + name + QStringLiteral(".png"));
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::cout << path.toStdString() << std::endl;
}

// Runs a command that opens a modal window, photographs it and closes it.
void shootModal(kolv::MainWindow& frame, int commandId, const QString& name)
{
    QTimer::singleShot(1500, [name] {
        shoot(name);
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    frame.runCommand(commandId);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 3) {
        std::cerr << "usage: kolv-window-shots FILE OUTPUT-FOLDER [PREFIX]" << std::endl;
        return 2;
    }
    outputFolder = arguments.at(2);
    prefix = arguments.value(3);
    kolv::prepareApplication(application);

    kolv::QtPrompter prompter;
    kolv::DialogFileChooser chooser;
    kolv::MainWindow frame(prompter, chooser);
    prompter.setParent(&frame);
    if (!kolv::startMainFrame(frame, {arguments.at(1)}, kolv::defaultDataRoot(), kolv::bundledInstallationFolder()))
        return 1;
    frame.show();
    shoot(QStringLiteral("main"));

    int index = 0;
    for (QAction* menu : frame.menuBar()->actions()) {
        frame.menuBar()->setActiveAction(menu);
        shoot(QStringLiteral("menu-%1").arg(++index));
        menu->menu()->hide();
    }
    settle(300);
    frame.runCommand(kolv::command::nextPage);
    shoot(QStringLiteral("page-2"));
    frame.runCommand(kolv::command::previousPage);

    frame.runCommand(kolv::command::fitWidth);
    shoot(QStringLiteral("fit-width"));
    frame.runCommand(kolv::command::actualSize);

    const std::pair<int, const char*> dialogs[] = {
        {kolv::command::geology, "data-geology"},
        {kolv::command::nValue, "data-n-value"},
        {kolv::command::notes, "data-notes"},
        {kolv::command::samples, "data-samples"},
        {kolv::command::recovery, "data-recovery"},
        {kolv::command::waterLevel, "data-water-level"},
        {kolv::command::inSitu, "data-in-situ"},
        {kolv::command::drilling, "data-drilling"},
        {kolv::command::freeNotes, "data-free-notes"},
        {kolv::command::heading, "heading"},
        {kolv::command::displayWidth, "display-width"},
        {kolv::command::pageFooter, "page-footer"},
        {kolv::command::scaleAndDepth, "scale-and-depth"},
        {kolv::command::logStyle, "log-style"},
        {kolv::command::fonts, "fonts"},
        {kolv::command::shortTexts, "short-texts"},
        {kolv::command::soilNames, "soil-names"},
        {kolv::command::masterFileNames, "master-file-names"},
        {kolv::command::keyOptions, "key-options"},
        {kolv::command::setup, "setup"},
        {kolv::command::help, "help"},
    };
    for (const auto& [command, name] : dialogs)
        shootModal(frame, command, QString::fromLatin1(name));
    shootModal(frame, kolv::command::about, QStringLiteral("about"));
    shootModal(frame, kolv::command::printPreview, QStringLiteral("preview"));
    shootModal(frame, kolv::command::exportPdf, QStringLiteral("export-pdf"));
    shootModal(frame, kolv::command::print, QStringLiteral("print"));
    shootModal(frame, kolv::command::printSetup, QStringLiteral("page-setup"));
    return 0;
}
