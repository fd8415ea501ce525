#include "contentoutputs.h"

#include "appicon.h"
#include "cellpicture.h"
#include "cipherpicture.h"
#include "icofile.h"
#include "inventorpicture.h"
#include "publisherlogo.h"
#include "quizcornerpicture.h"
#include "verrinquiz.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

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

} // namespace

QList<ContentFile> contentFiles()
{
    return {
        {QStringLiteral("multiple/track.txt"), emptyWorksheetIndex},
        {QStringLiteral("multiple/Tomas Verrin.txt"), verrinQuizFile},
        {QStringLiteral("Images/hadleysm.jpg"), inventorPicture},
        {QStringLiteral("Images/logo2.jpg"), publisherLogo},
        {QStringLiteral("Images/braille2.jpg"), cellPicture},
        {QStringLiteral("Images/braillecipher.jpg"), cipherPicture},
        {QStringLiteral("Images/braillesm.jpg"), quizCornerPicture},
        {QStringLiteral("zorvanel.ico"), appIcon},
    };
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
    const QDir root(outDir);
    for (const ContentFile &file : contentFiles()) {
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
