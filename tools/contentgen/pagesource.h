#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

// A page as its author writes it, in a small plain-text markup:
//
//   # The page's heading
//   @side 3200                 width of the screen page's picture column, in twips
//   @keepclear 8280 4200       on screen, nothing may be drawn right of and below this point
//
//   A paragraph: lines run together until a blank line. *Stars* mark strong words;
//   a ~ is a space where the line may not break.
//   ## A subheading
//   - A list item, which may go on over
//     indented lines.
//   [cell]                     a picture, with words to say what it shows
//   [braille tomas | Tomas in Braille]      after a bar, the picture's caption
//   [timeline                  a picture with lines of its own, closed by a lone ]
//   1809 Born in Coupvray
//   ]
//
// On screen the pictures stand in a column beside the text; on paper each stands where it
// is written, and pictures written one after another share a row.

struct TextRun
{
    QString text;
    bool strong = false;
};

struct PageBlock
{
    enum class Kind { Heading, Subheading, Paragraph, Bullet, Picture };
    Kind kind = Kind::Paragraph;
    QList<TextRun> runs; // the words of a heading, paragraph or list item
    QString picture;     // a picture's name, its words after the name, caption and lines
    QStringList words;
    QString caption;
    QStringList lines;
    int line = 0; // where the block starts in the file, for messages
};

struct PageSource
{
    QList<PageBlock> blocks;
    int sideWidth = 3200;
    QPoint keepClear{-1, -1};
};

// Returns false with the line and the fault in *error when the text does not parse.
bool parsePageSource(const QString &text, PageSource *page, QString *error);

// The text a reader sees on the page, without markup, for checks of what it says.
QString plainText(const PageSource &page);
