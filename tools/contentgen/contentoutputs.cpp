#include "contentoutputs.h"

#include "appicon.h"
#include "cellpicture.h"
#include "cipherpicture.h"
#include "giffile.h"
#include "icofile.h"
#include "inventorpicture.h"
#include "logoanimation.h"
#include "pagefiles.h"
#include "publisherlogo.h"
#include "quizcornerpicture.h"
#include "verrinquiz.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <QtGlobal>

namespace {

constexpr int jpegQuality = 92;
constexpr int dotsPerMetreAt96Dpi = 3780;

// The worksheet index as the program finds it before any worksheet is saved:
// a count of none, in the index's own field layout.
QByteArray emptyWorksheetIndex()
{
    return QByteArrayLiteral(" 0 \r\n");
}

QByteArray inventorPicture()
{
    return jpegBytes(drawInventorPicture());
}

QByteArray publisherLogo()
{
    return jpegBytes(drawPublisherLogo());
}

QByteArray cellPicture()
{
    return jpegBytes(drawCellPicture());
}

QByteArray cipherPicture()
{
    return jpegBytes(drawCipherPicture());
}

QByteArray quizCornerPicture()
{
    return jpegBytes(drawQuizCornerPicture());
}

QByteArray appIcon()
{
    return icofile::sixteenColourIcon(drawAppIcon());
}

QByteArray logoCard()
{
    QImage image = logoanimation::drawLogoCard();
    // As for the JPEG files, the resolution field must not follow the screen.
    image.setDotsPerMeterX(dotsPerMetreAt96Dpi);
    image.setDotsPerMeterY(dotsPerMetreAt96Dpi);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "bmp"))
        return {};
    return bytes;
}

// All frames share the palette, so it is worked out once.
const QList<QRgb> &animationPalette()
{
    static const QList<QRgb> palette = [] {
        QList<QImage> frames;
        for (int i = 0; i < logoanimation::frameCount; ++i)
            frames.append(logoanimation::drawFrame(i));
        return giffile::sharedPalette(frames);
    }();
    return palette;
}

// A page that does not fit gives no file; the reason goes to the console.
QByteArray pageBytes(const PageFile &file, PageMedium medium)
{
    QString error;
    const QByteArray bytes = pageMetafile(file, medium, &error);
    if (bytes.isEmpty())
        qWarning("%s", qPrintable(error));
    return bytes;
}

} // namespace

QList<ContentFile> contentFiles()
{
    QList<ContentFile> files = {
        {QStringLiteral("multiple/track.txt"), emptyWorksheetIndex},
        {QStringLiteral("multiple/Tomas Verrin.txt"), verrinQuizFile},
        {QStringLiteral("Images/hadleysm.jpg"), inventorPicture},
        {QStringLiteral("Images/logo2.jpg"), publisherLogo},
        {QStringLiteral("Images/braille2.jpg"), cellPicture},
        {QStringLiteral("Images/braillecipher.jpg"), cipherPicture},
        {QStringLiteral("Images/braillesm.jpg"), quizCornerPicture},
        {QStringLiteral("zorvanel.ico"), appIcon},
    };
    files.append({QStringLiteral("logo/quillmere2.bmp"), logoCard});
    for (int i = 0; i < logoanimation::frameCount; ++i) {
        files.append({QStringLiteral("logo/quil%1.gif").arg(i, 4, 10, QLatin1Char('0')), [i] {
                          return giffile::singleImage(logoanimation::drawFrame(i),
                                                      animationPalette());
                      }});
    }
    for (const PageFile &page : pageFiles()) {
        files.append({QStringLiteral("wmf/%1.wmf").arg(page.name),
                      [page] { return pageBytes(page, PageMedium::Screen); }});
        files.append({QStringLiteral("wmf2/%1.wmf").arg(page.name),
                      [page] { return pageBytes(page, PageMedium::Paper); }});
    }
    return files;
}

QByteArray jpegBytes(const QImage &picture)
{
    QImage image = picture.convertToFormat(QImage::Format_RGB32);
    // The file's resolution field otherwise follows the screen the tool happens to run on.
    image.setDotsPerMeterX(dotsPerMetreAt96Dpi);
    image.setDotsPerMeterY(dotsPerMetreAt96Dpi);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(jpegQuality);
    writer.setOptimizedWrite(false);
    writer.setProgressiveScanWrite(false);
    if (!writer.write(image))
        return {};
    return bytes;
}

bool writeContent(const QString &outDir, QString *error)
{
    return writeFiles(outDir, contentFiles(), error);
}

bool writeFiles(const QString &outDir, const QList<ContentFile> &files, QString *error)
{
    const QDir root(outDir);
    for (const ContentFile &file : files) {
        const QByteArray bytes = file.make();
        const QString target = root.filePath(file.path);
        if (bytes.isEmpty()) {
            *error = QStringLiteral("nothing drawn for %1").arg(file.path);
            return false;
        }
        if (!QDir().mkpath(QFileInfo(target).absolutePath())) {
            *error = QStringLiteral("cannot make the folder for %1").arg(target);
            return false;
        }
        QSaveFile out(target);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
            *error = QStringLiteral("cannot write %1: %2").arg(target, out.errorString());
            return false;
        }
    }
    return true;
}

bool writePagePreviews(const QString &pngDir, QString *error)
{
    // The screen at its own 15 twips to the pixel; paper a little larger, to read it easily.
    const struct
    {
        PageMedium medium;
        const char *folder;
        qreal scale;
    } media[] = {{PageMedium::Screen, "wmf", 1.0 / 15}, {PageMedium::Paper, "wmf2", 1.0 / 12}};
    const QDir root(pngDir);
    QStringList faults;
    for (const auto &medium : media) {
        if (!root.mkpath(QLatin1String(medium.folder))) {
            *error = QStringLiteral("cannot make %1").arg(root.filePath(medium.folder));
            return false;
        }
        for (const PageFile &page : pageFiles()) {
            QString fault;
            const QImage image = pagePreview(page, medium.medium, medium.scale, &fault);
            const QString target =
                root.filePath(QStringLiteral("%1/%2.png").arg(medium.folder, page.name));
            if (!image.isNull() && !image.save(target))
                fault = QStringLiteral("cannot write %1").arg(target);
            if (!fault.isEmpty())
                faults.append(QStringLiteral("%1 (%2)").arg(fault, medium.folder));
        }
    }
    *error = faults.join(QStringLiteral("\n  "));
    return faults.isEmpty();
}
