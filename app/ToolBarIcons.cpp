#include "app/ToolBarIcons.h"

#include "app/CommandIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kolv {

namespace {

constexpr int side = 32;

const QColor outline(40, 40, 40);
const QColor paper(255, 255, 255);
const QColor folder(232, 184, 64);
const QColor disk(56, 96, 168);
const QColor arrow(40, 120, 60);
const QColor info(40, 90, 170);

void drawPage(QPainter& p)
{
    QPainterPath sheet;
    sheet.moveTo(7, 3);
    sheet.lineTo(20, 3);
    sheet.lineTo(26, 9);
    sheet.lineTo(26, 29);
    sheet.lineTo(7, 29);
    sheet.closeSubpath();
    p.setBrush(paper);
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({QPointF(20, 3), QPointF(20, 9), QPointF(26, 9)}));
}

void drawOpen(QPainter& p)
{
    p.setBrush(folder.darker(115));
    p.drawPolygon(
        QPolygonF({QPointF(3, 8), QPointF(11, 8), QPointF(13, 11), QPointF(27, 11), QPointF(27, 26), QPointF(3, 26)}));
    p.setBrush(folder);
    p.drawPolygon(QPolygonF({QPointF(3, 26), QPointF(8, 15), QPointF(30, 15), QPointF(27, 26)}));
}

void drawSave(QPainter& p)
{
    p.setBrush(disk);
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(paper);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(9, 18, 14, 10));
}

void drawPrint(QPainter& p)
{
    p.setBrush(paper);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(170, 170, 170));
    p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
    p.setBrush(paper);
    p.drawRect(QRectF(9, 19, 14, 10));
    p.drawLine(QPointF(12, 23), QPointF(20, 23));
    p.drawLine(QPointF(12, 26), QPointF(20, 26));
}

void drawAbout(QPainter& p)
{
    p.setBrush(info);
    p.drawEllipse(QRectF(4, 4, 24, 24));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(18);
    p.setFont(font);
    p.setPen(paper);
    p.drawText(QRectF(4, 4, 24, 24), Qt::AlignCenter, QStringLiteral("?"));
}

void drawArrow(QPainter& p, bool up)
{
    p.setBrush(paper);
    p.drawRect(QRectF(5, 3, 22, 26));
    QPolygonF head = up ? QPolygonF({QPointF(16, 7), QPointF(24, 16), QPointF(19, 16), QPointF(19, 25), QPointF(13, 25),
                                     QPointF(13, 16), QPointF(8, 16)})
                        : QPolygonF({QPointF(16, 25), QPointF(24, 16), QPointF(19, 16), QPointF(19, 7), QPointF(13, 7),
                                     QPointF(13, 16), QPointF(8, 16)});
    p.setBrush(arrow);
    p.drawPolygon(head);
}

}  // namespace

QIcon toolBarIcon(int commandId)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(outline, 1.5));
    switch (commandId) {
    case command::newDocument:
        drawPage(p);
        break;
    case command::open:
        drawOpen(p);
        break;
    case command::save:
        drawSave(p);
        break;
    case command::print:
        drawPrint(p);
        break;
    case command::about:
        drawAbout(p);
        break;
    case command::previousPage:
        drawArrow(p, true);
        break;
    case command::nextPage:
        drawArrow(p, false);
        break;
    default:
        return {};
    }
    p.end();
    return QIcon(pixmap);
}

}  // namespace kolv
