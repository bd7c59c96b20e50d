#include "app/AboutDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

// The resources of a static library are registered by hand.
static void initialiseResources()
{
    Q_INIT_RESOURCE(kolv);
}

namespace kolv {

QIcon applicationIcon()
{
    initialiseResources();
    return QIcon(QStringLiteral(":/kolv/kolv.svg"));
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("バージョン情報"));
    auto* icon = new QLabel(this);
    icon->setPixmap(applicationIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    auto* lines = new QVBoxLayout;
    lines->addWidget(new QLabel(QStringLiteral("港湾柱状図  kolv"), this));
    lines->addWidget(new QLabel(QStringLiteral("バージョン %1").arg(QStringLiteral(KOLV_VERSION)), this));
    lines->addWidget(new QLabel(QStringLiteral("ボーリング柱状図の作成・印刷"), this));
    lines->addStretch();

    auto* body = new QHBoxLayout;
    body->addWidget(icon);
    body->addSpacing(12);
    body->addLayout(lines);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace kolv
