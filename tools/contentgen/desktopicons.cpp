#include "desktopicons.h"

#include "appicon.h"

#include <QBuffer>

namespace desktopicons {

namespace {

const int usualSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

} // namespace

QImage iconAt(int size)
{
    const QImage drawn = drawAppIcon();
    const int whole = (size + drawn.width() - 1) / drawn.width();
    const QImage grown =
        drawn.scaled(drawn.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (grown.width() == size)
        return grown;
    return grown.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QList<ContentFile> files(const QString &name)
{
    QList<ContentFile> result;
    for (const int size : usualSizes) {
        result.append({QStringLiteral("hicolor/%1x%1/apps/%2.png").arg(size).arg(name), [size] {
                           QByteArray bytes;
                           QBuffer out(&bytes);
                           out.open(QIODevice::WriteOnly);
                           iconAt(size).save(&out, "PNG");
                           return bytes;
                       }});
    }
    return result;
}

} // namespace desktopicons
