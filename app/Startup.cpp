#include "app/Startup.h"

#include "app/AboutDialog.h"
#include "app/DocumentManager.h"
#include "app/MainWindow.h"
#include "document/LogDocument.h"
#include "platform/FileIo.h"
#include "platform/FirstUse.h"
#include "platform/Issue.h"
#include "render/QtPainterDevice.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kolv {

namespace {

const char* const userInterfaceFonts[] = {"IPAPGothic", "IPAGothic"};
constexpr int userInterfacePointSize = 10;

}  // namespace

void prepareApplication(QApplication& application)
{
    QApplication::setOrganizationName(QStringLiteral("kolv"));
    QApplication::setApplicationName(QStringLiteral("kolv"));
    QApplication::setApplicationDisplayName(QStringLiteral("港湾柱状図"));
    QApplication::setWindowIcon(applicationIcon());

    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    installFontSubstitutions();
    const QStringList families = QFontDatabase::families();
    for (const char* family : userInterfaceFonts) {
        if (families.contains(QString::fromLatin1(family))) {
            QApplication::setFont(QFont(QString::fromLatin1(family), userInterfacePointSize));
            break;
        }
    }
}

std::string bundledInstallationFolder()
{
    const QString installed = QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("../share/kolv/Qelm3"));
    if (QDir(installed).exists())
        return QDir::cleanPath(installed).toStdString();
    return KOLV_BUNDLED_INSTALL_DIR;
}

bool startMainFrame(MainWindow& frame, const QStringList& files, const std::string& dataRoot,
                    const std::string& bundledFolder)
{
    LogDocument& document = frame.document();
    LogSettings settings = document.settings();
    settings.dataRoot = dataRoot;
    // The user's own files in the installation folder are never replaced; a
    // file that could not be copied shows up as missing when it is loaded.
    copyBundledInstallation(bundledFolder, dataRoot);

    // The settings first, so that the paper defaults reach the printer before
    // the first page geometry is worked out from its paper.
    Issues loading;
    BoringData scratch;
    loadSettings(settings, scratch, false, loading);
    document.replaceSettings(settings);
    frame.applyPaperDefaults();
    frame.takePrinterPaper();

    if (!files.isEmpty()) {
        if (!frame.lifecycle().openPath(QDir::fromNativeSeparators(files.constFirst()).toStdString()))
            return false;
    } else {
        frame.lifecycle().newDocument();
    }
    frame.initialUpdate();
    return true;
}

}  // namespace kolv
