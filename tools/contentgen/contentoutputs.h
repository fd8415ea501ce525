#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class QImage;

// Every file the tool writes, by its path under the content folder.
struct ContentFile
{
    QString path;
    std::function<QByteArray()> make;
};

QList<ContentFile> contentFiles();

// Pictures go out as baseline JPEG at one fixed quality and resolution, so the bytes
// depend on the drawing alone.
QByteArray jpegBytes(const QImage &picture);

// Writes every content file under outDir, making folders as needed. On failure returns
// false with the reason in *error.
bool writeContent(const QString &outDir, QString *error);

// Writes the given files under outDir, each whole or not at all.
bool writeFiles(const QString &outDir, const QList<ContentFile> &files, QString *error);

// Paints every page for the screen and for paper into pngDir, to be looked at.
bool writePagePreviews(const QString &pngDir, QString *error);
