#include "startup/logo.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace kv {

namespace {

// The logo in a 138 x 140 drawing space: a tatami square with a scoreboard
// digit and a black belt knotted across it.
void PaintLogo(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF mat(6, 6, 126, 128);
    painter.setPen(QPen(QColor(0x1b, 0x3a, 0x2a), 3));
    painter.setBrush(QColor(0x3f, 0x8f, 0x5a));
    painter.drawRoundedRect(mat, 14, 14);
    painter.setPen(QPen(QColor(0xe8, 0xd9, 0x9b), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(mat.adjusted(10, 10, -10, -10), 8, 8);

    // A seven-segment "K"-like digit block: the board's own look.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0x80, 0x00));
    const auto segment = [&painter](QRectF r) { painter.drawRoundedRect(r, 3, 3); };
    segment(QRectF(40, 28, 10, 38));
    segment(QRectF(40, 72, 10, 38));
    QPainterPath arm;
    arm.moveTo(54, 66);
    arm.lineTo(88, 28);
    arm.lineTo(100, 28);
    arm.lineTo(62, 70);
    arm.closeSubpath();
    painter.drawPath(arm);
    QPainterPath leg;
    leg.moveTo(62, 70);
    leg.lineTo(100, 110);
    leg.lineTo(88, 110);
    leg.lineTo(54, 74);
    leg.closeSubpath();
    painter.drawPath(leg);

    // The belt.
    painter.setBrush(QColor(0x10, 0x10, 0x10));
    painter.drawRect(QRectF(6, 82, 126, 12));
    painter.save();
    painter.translate(69, 88);
    painter.rotate(-24);
    painter.drawRect(QRectF(-4, 0, 9, 40));
    painter.rotate(48);
    painter.drawRect(QRectF(-5, 0, 9, 40));
    painter.restore();
    painter.drawRoundedRect(QRectF(60, 80, 18, 16), 4, 4);
}

} // namespace

QPixmap ProductLogo(qreal devicePixelRatio)
{
    QPixmap logo(QSize(138, 140) * devicePixelRatio);
    logo.setDevicePixelRatio(devicePixelRatio);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    PaintLogo(painter);
    return logo;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int side : { 16, 32, 48, 64, 128, 256 }) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.scale(side / 140.0, side / 140.0);
        painter.translate(1, 0);
        PaintLogo(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace kv
