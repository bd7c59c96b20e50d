#include "app/DocumentManager.h"

#include "app/FileChooser.h"
#include "app/LastFolderFile.h"
#include "app/RecentFiles.h"
#include "data/Cp932Text.h"
#include "document/DocumentOpening.h"
#include "document/LogDocument.h"
#include "platform/Cp932Codec.h"
#include "platform/MessageCatalogue.h"
#include "platform/WindowsPath.h"
#include "settings/InstallFolder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace kolv {

const char* const openFilter =
    "港湾形式(*.vla)|*.vla|港湾 Ralmet JACIC版 岩盤 地すべり Xml|*.vla;*.vle;*.vli;*.vlo;*.vlu;*.xml|すべて(*.*)|*.*||";
const char* const saveAsFilter =
    "港湾柱状図(*.vla)|*.vla|港湾形式(*.vla) JACIC版形式(*.vli)|*.vla;*.vli|すべて(*.*)|*.*||";

namespace {

constexpr const char* nativeExtension = "vla";

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

bool endsWithIgnoringCase(std::string_view text, std::string_view ending)
{
    return text.size() >= ending.size() && equalsIgnoringCase(text.substr(text.size() - ending.size()), ending);
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, std::max<std::size_t>(slash, 1));
}

}  // namespace

std::string extensionOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string proposedSaveName(const std::string& path)
{
    if (path.size() > 4 && (endsWithIgnoringCase(path, ".XML") || endsWithIgnoringCase(path, ".vli")))
        return path.substr(0, path.size() - 4) + ".vla";
    return path;
}

DocumentManager::DocumentManager(LogDocument& document, Prompter& prompter, FileChooser& chooser,
                                 RecentFiles& recentFiles, QObject* parent)
    : QObject(parent), document_(document), prompter_(prompter), chooser_(chooser), recentFiles_(recentFiles)
{}

bool DocumentManager::askBeforeLosingChanges(bool closing)
{
    if (!document_.isModified())
        return true;
    const Message question = closing ? Message::CloseQuestion : Message::DiscardQuestion;
    switch (showMessage(prompter_, question, MessageKind::QuestionWithCancel)) {
    case Answer::Yes:
        return true;
    case Answer::No:
        showMessage(prompter_, Message::SaveHint, MessageKind::Information);
        return false;
    default:
        return false;
    }
}

bool DocumentManager::mayDiscardChanges()
{
    return askBeforeLosingChanges(false);
}

bool DocumentManager::mayClose()
{
    return askBeforeLosingChanges(true);
}

bool DocumentManager::newDocument()
{
    if (!mayDiscardChanges())
        return false;
    showIssues(prompter_, document_.newDocument());
    return true;
}

std::string DocumentManager::lastFolderFilePath() const
{
    const LogSettings& settings = document_.settings();
    if (settings.installFolder.empty())
        return {};
    return hostPathOf(settings, installFile(settings, "FileV.ndx"));
}

bool DocumentManager::openCommand()
{
    if (!mayDiscardChanges())
        return false;
    const std::string lastFolderPath = lastFolderFilePath();
    const LastFolder lastFolder = lastFolderPath.empty() ? LastFolder{} : readLastFolder(lastFolderPath);
    QString startFolder;
    if (!lastFolder.folder.empty())
        startFolder =
            QString::fromStdString(cp932ToUtf8(hostPathFromWindows(lastFolder.folder, document_.settings().dataRoot)));
    const QString chosen = chooser_.openFileName(dialogParent_, startFolder, QString::fromUtf8(openFilter));
    if (chosen.isEmpty())
        return false;
    const std::string path = chosen.toStdString();
    const OpenResult result = document_.open(path, openCommandOptions);
    showIssues(prompter_, result.issues);
    if (result.status != OpenStatus::Opened)
        return false;
    recentFiles_.add(chosen);
    if (!lastFolderPath.empty()) {
        const std::string folder = utf8ToCp932(windowsPathFromHost(folderOf(path), document_.settings().dataRoot));
        writeLastFolder(lastFolderPath, LastFolder{folder, lastFolder.secondLine});
    }
    return true;
}

bool DocumentManager::openPath(const std::string& hostPath)
{
    if (!mayDiscardChanges())
        return false;
    const OpenResult result = document_.open(hostPath, openByPathOptions);
    showIssues(prompter_, result.issues);
    if (result.status != OpenStatus::Opened) {
        // A file that is gone no longer belongs in the recent-file list; one
        // that is there but unreadable stays, as it may be mended.
        if (!std::filesystem::exists(std::filesystem::path(hostPath)))
            recentFiles_.remove(QString::fromStdString(hostPath));
        return false;
    }
    recentFiles_.add(QString::fromStdString(hostPath));
    return true;
}

bool DocumentManager::writeTo(const std::string& hostPath)
{
    const SaveResult result = document_.save(hostPath);
    showIssues(prompter_, result.issues);
    if (!result.saved)
        return false;
    recentFiles_.add(QString::fromStdString(hostPath));
    return true;
}

bool DocumentManager::save()
{
    const std::string& path = document_.path();
    if (path.empty() || path.back() == '.')
        return saveAs();
    const std::string extension = extensionOf(path);
    if (extension.size() < 2)
        return saveAs();
    if (!equalsIgnoringCase(extension, nativeExtension)) {
        showMessage(prompter_, Message::NotStandardExtension, MessageKind::Warning);
        return saveAs();
    }
    return writeTo(path);
}

bool DocumentManager::saveAs()
{
    const QString proposed = QString::fromStdString(proposedSaveName(document_.path()));
    const QString chosen = chooser_.saveFileName(dialogParent_, proposed, QString::fromUtf8(saveAsFilter),
                                                 QString::fromLatin1(nativeExtension));
    if (chosen.isEmpty())
        return false;
    std::string path = chosen.toStdString();
    if (path.back() == '.')
        path.pop_back();
    const std::string extension = extensionOf(path);
    if (extension.empty()) {
        path += std::string(".") + nativeExtension;
    } else if (!equalsIgnoringCase(extension, nativeExtension)) {
        showMessage(prompter_, Message::NotStandardExtension, MessageKind::Warning);
        return false;
    }
    return writeTo(path);
}

}  // namespace kolv
