#include "results/sharechart.h"

#include "look/fonts.h"
#include "look/palette.h"
#include "results/classresults.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace sharechart {

namespace {
const QColor barColour = colours::navy;
const QColor hardestColour(200, 0, 0);
const QColor gridColour(160, 160, 160);
} // namespace

void paint(QPainter &painter, const QRectF &area, const ClassResults &results)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, colours::white);
    const double unit = std::min(area.height() / 18, area.width() / 24);
    QFont font(fonts::tahoma);
    font.setPixelSize(std::max(1, int(std::lround(unit))));
    QFont bold = font;
    bold.setBold(true);

    const QRectF titleBox(area.left(), area.top() + unit * 0.4, area.width(), unit * 1.6);
    painter.setFont(bold);
    painter.setPen(colours::black);
    painter.drawText(titleBox, Qt::AlignCenter,
                     QStringLiteral("Pupils who got each question right"));

    // Room on the left for "100%", below for the numbers and the key.
    const QRectF plot(area.left() + unit * 4, titleBox.bottom() + unit * 1.4,
                      area.width() - unit * 5, area.bottom() - titleBox.bottom() - unit * 6.2);
    painter.setFont(font);
    for (int percent = 0; percent <= 100; percent += 25) {
        const double y = plot.bottom() - plot.height() * percent / 100;
        painter.setPen(QPen(gridColour, std::max(1.0, unit / 16)));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(colours::black);
        painter.drawText(QRectF(area.left(), y - unit, unit * 3.6, unit * 2),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1%").arg(percent));
    }

    const int count = int(results.shareRight.size());
    const double slot = plot.width() / count;
    // "100%" fits above its bar, however narrow the chart.
    QFont barFont = font;
    barFont.setPixelSize(std::max(1, int(std::min(unit, slot / 2.6))));
    QFont hardestFont = barFont;
    hardestFont.setBold(true);
    for (int q = 1; q <= count; ++q) {
        const double share = results.shareRight.at(q - 1);
        const bool hardest = results.hardest.contains(q);
        const double left = plot.left() + slot * (q - 1) + slot * 0.15;
        const QRectF bar(left, plot.bottom() - plot.height() * share, slot * 0.7,
                         plot.height() * share);
        painter.fillRect(bar, hardest ? hardestColour : barColour);
        painter.setFont(hardest ? hardestFont : barFont);
        painter.setPen(hardest ? hardestColour : colours::black);
        if (results.pupils > 0)
            painter.drawText(QRectF(left - slot * 0.15, bar.top() - unit * 1.6, slot, unit * 1.5),
                             Qt::AlignCenter, QStringLiteral("%1%").arg(std::lround(share * 100)));
        painter.setFont(hardest ? bold : font);
        painter.drawText(QRectF(left - slot * 0.15, plot.bottom() + unit * 0.2, slot, unit * 1.5),
                         Qt::AlignCenter, QString::number(q));
    }
    painter.setPen(colours::black);
    painter.setFont(font);
    painter.drawText(QRectF(plot.left(), plot.bottom() + unit * 1.7, plot.width(), unit * 1.5),
                     Qt::AlignCenter, QStringLiteral("Question"));
    if (!results.hardest.isEmpty()) {
        const QRectF key(plot.left(), plot.bottom() + unit * 3.4, unit, unit);
        painter.fillRect(key, hardestColour);
        QStringList numbers;
        for (int q : results.hardest)
            numbers << QString::number(q);
        painter.setFont(bold);
        painter.drawText(
            QRectF(key.right() + unit * 0.5, key.top() - unit * 0.3, plot.width() - unit * 1.5,
                   unit * 1.6),
            Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("Hardest: question %1").arg(numbers.join(QStringLiteral(", "))));
    }
    painter.restore();
}

QImage image(const ClassResults &results, QSizeF inches, int dotsPerInch)
{
    QImage picture((inches * dotsPerInch).toSize(), QImage::Format_RGB32);
    const int dotsPerMetre = int(std::lround(dotsPerInch / 0.0254));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&picture);
    paint(painter, QRectF(QPointF(0, 0), picture.size()), results);
    return picture;
}

} // namespace sharechart
