#pragma once

#include "pagelayout.h"
#include "pagesource.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// The program's pages: each is written twice, as wmf/<name>.wmf for the screen and
// wmf2/<name>.wmf for paper, from the text file pages/<source>.
struct PageFile
{
    QString name;
    QString source;
    PageInfo info;
};

QList<PageFile> pageFiles();

// Reads and parses a page's text file from the tool's own source folder.
bool loadPage(const PageFile &file, PageSource *page, QString *error);

enum class PageMedium { Screen, Paper };

// The page as a placeable metafile; empty, with the reason in *error, if it does not fit.
QByteArray pageMetafile(const PageFile &file, PageMedium medium, QString *error);

// The same drawing painted at `scale` pixels to the twip, to look at; painted as far as it
// goes even when the page does not fit, which sets *error.
QImage pagePreview(const PageFile &file, PageMedium medium, qreal scale, QString *error);
