#include "dialogs/HelpDialog.h"

#include "dialogs/OptionDialogModels.h"
#include "platform/Cp932Codec.h"
#include "platform/MessageCatalogue.h"
#include "settings/InstallFolder.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace kolv {

HelpDialog::HelpDialog(const LogSettings& settings, Prompter& prompter, QWidget* parent)
    : QDialog(parent), settings_(settings), prompter_(prompter)
{
    setWindowTitle(QStringLiteral("操作＆ヘルプ"));
    auto* list = new QComboBox;
    list->setAccessibleName(QStringLiteral("操作＆ヘルプ"));
    list->setObjectName(QStringLiteral("helpLines"));
    list->setMinimumWidth(480);
    list->setMaxVisibleItems(25);
    for (const std::string& line : helpLines(settings_, prompter_))
        list->addItem(QString::fromStdString(cp932ToUtf8(line)));

    auto* open = new QPushButton(QStringLiteral("開いて印刷"));
    open->setAccessibleName(open->text());
    connect(open, &QPushButton::clicked, this, &HelpDialog::openHelpFile);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(open, 0, Qt::AlignLeft);
    layout->addWidget(buttons);
}

void HelpDialog::openHelpFile()
{
    const std::string path = helpFilePath(settings_);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path))))
        showMessage(prompter_, Message::ViewerNotStarted, MessageKind::Warning, installFile(settings_, "Help.txt"));
}

}  // namespace kolv
