#include "SettingsDialogTestSupport.h"

#include "platform/FirstUse.h"
#include "settings/SettingsStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>

#include <filesystem>
#include <stdexcept>

namespace kolv::test {

SettingsInstallation::SettingsInstallation()
{
    // The settings and master files only: the pattern folders are not needed here.
    const std::filesystem::path folder = defaultInstallationFolder(root.path());
    std::filesystem::create_directories(folder);
    for (const auto& entry : std::filesystem::directory_iterator(KOLV_BUNDLED_INSTALL_DIR))
        if (entry.is_regular_file())
            std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
    settings.dataRoot = root.path();
    clear(data);
    loadSettings(settings, data, false, loadMessages);
}

std::string SettingsInstallation::file(std::string_view name) const
{
    return defaultInstallationFolder(root.path()) + "/" + std::string(name);
}

std::string messageIds(const RecordingPrompter& prompter)
{
    std::string ids;
    for (const auto& message : prompter.messages)
        ids += (ids.empty() ? "" : " ") + std::to_string(message.id);
    return ids;
}

void ensureApplication()
{
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "test_dialogs";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

QWidget* controlOf(QDialog& dialog, const char* key)
{
    return dialog.findChild<QWidget*>(QString::fromLatin1(key));
}

void clickButton(QDialog& dialog, const char* caption)
{
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->accessibleName() == QString::fromUtf8(caption) && button->isVisible()) {
            button->click();
            return;
        }
    throw std::runtime_error(std::string("no button ") + caption);
}

}  // namespace kolv::test
