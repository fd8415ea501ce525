#include "pagefiles.h"

#include "metafilecanvas.h"
#include "paintercanvas.h"

#include <QFile>
#include <QPainter>

namespace {

PageLook lookFor(PageMedium medium)
{
    return medium == PageMedium::Screen ? screenLook() : paperLook();
}

} // namespace

QList<PageFile> pageFiles()
{
    const QString keyFacts = QStringLiteral("Key Facts");
    const QString notes = QStringLiteral("Teacher's Notes");
    const QString guide = QStringLiteral("Teacher's Guide");
    QList<PageFile> files = {
        {QStringLiteral("key braillea"), QStringLiteral("keyfacts1.txt"), {keyFacts, 1, 3}},
        {QStringLiteral("key brailleb"), QStringLiteral("keyfacts2.txt"), {keyFacts, 2, 3}},
        {QStringLiteral("key braillec"), QStringLiteral("keyfacts3.txt"), {keyFacts, 3, 3}},
        {QStringLiteral("braillea"), QStringLiteral("notes1.txt"), {notes, 1, 2}},
        {QStringLiteral("brailleb"), QStringLiteral("notes2.txt"), {notes, 2, 2}},
    };
    for (int n = 1; n <= 5; ++n) {
        files.append({QStringLiteral("guide%1").arg(n),
                      QStringLiteral("guide%1.txt").arg(n),
                      {guide, n, 5}});
    }
    files.append({QStringLiteral("acknowledgments"),
                  QStringLiteral("acknowledgements.txt"),
                  {QStringLiteral("Acknowledgements"), 1, 1}});
    return files;
}

bool loadPage(const PageFile &file, PageSource *page, QString *error)
{
    QFile in(QStringLiteral(CONTENTGEN_PAGES_DIR "/") + file.source);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(in.fileName(), in.errorString());
        return false;
    }
    if (!parsePageSource(QString::fromUtf8(in.readAll()), page, error)) {
        *error = file.source + QStringLiteral(", ") + *error;
        return false;
    }
    return true;
}

QByteArray pageMetafile(const PageFile &file, PageMedium medium, QString *error)
{
    PageSource page;
    if (!loadPage(file, &page, error))
        return {};
    const PageLook look = lookFor(medium);
    MetafileCanvas canvas(look.size);
    if (!drawPage(canvas, page, file.info, look, error)) {
        *error = file.source + QStringLiteral(": ") + *error;
        return {};
    }
    return canvas.finish(error);
}

QImage pagePreview(const PageFile &file, PageMedium medium, qreal scale, QString *error)
{
    PageSource page;
    if (!loadPage(file, &page, error))
        return {};
    const PageLook look = lookFor(medium);
    QImage image((QSizeF(look.size) * scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, scale);
    // A page that does not fit is still worth seeing, to see what to change.
    if (!drawPage(canvas, page, file.info, look, error))
        *error = file.source + QStringLiteral(": ") + *error;
    return image;
}
