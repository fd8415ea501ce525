#include "appicon.h"
#include "braillecell.h"
#include "contentfonts.h"
#include "giffile.h"
#include "icofile.h"
#include "pagefiles.h"
#include "pagelayout.h"
#include "pagesource.h"
#include "paintercanvas.h"
#include "standardbraille.h"
#include "testfiles.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QString committedQuizFile = QStringLiteral(ZORVANEL_CONTENT_DIR "/multiple/Tomas Verrin.txt");

QImage readIcon(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "ico");
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

QImage readImage(QByteArray bytes, const char *format)
{
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, format);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

QString keyFactsText()
{
    QString text;
    for (const PageFile &file : pageFiles()) {
        PageSource page;
        QString error;
        if (file.info.set == QLatin1String("Key Facts") && loadPage(file, &page, &error))
            text += plainText(page) + QLatin1Char('\n');
    }
    return text.toLower();
}

} // namespace

class ContentgenTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void raisedTextShowsEachLettersDots();
    void iconReadsBackPixelForPixel();
    void keyFactsAnswerTheQuizAndTheTimeline();
    void pageSourceFaults();
    void pagesThatDoNotFitAreRefused_data();
    void pagesThatDoNotFitAreRefused();
    void gifReadsBackPixelForPixel();
};

void ContentgenTest::initTestCase()
{
    QString error;
    QVERIFY2(contentfonts::registerFonts(&error), qPrintable(error));
}

// Reads the painted dots of the whole alphabet back off the paper, so a wrong letter or a
// mix-up of rows and columns shows; a space keeps its cell flat.
void ContentgenTest::raisedTextShowsEachLettersDots()
{
    const QString text = QStringLiteral("abcdefghijklmnopqrstuvwxyz ");
    QStringList cells;
    for (const char *dots : standardBrailleDots)
        cells << QLatin1String(dots);
    cells << QString();
    const QColor paper(240, 230, 210);
    const QPointF origin(10, 10);
    const qreal dotPitch = 10;
    const qreal cellPitch = 30;
    QImage page(20 + int(cellPitch) * text.size(), 40, QImage::Format_RGB32);
    page.fill(paper);
    {
        QPainter painter(&page);
        painter.setRenderHint(QPainter::Antialiasing);
        braille::paintRaisedText(painter, text, origin, dotPitch, cellPitch, 3, paper);
    }
    // Dots 1, 2, 3 down the left column, 4, 5, 6 down the right, as (column, row).
    const QPoint place[] = {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}};
    for (int cell = 0; cell < text.size(); ++cell) {
        for (int dot = 1; dot <= 6; ++dot) {
            const QPointF at =
                origin + QPointF(cell * cellPitch, 0) + QPointF(place[dot - 1]) * dotPitch;
            const bool painted = page.pixel(at.toPoint()) != paper.rgb();
            QVERIFY2(painted == cells.at(cell).contains(QString::number(dot)),
                     qPrintable(QStringLiteral("cell %1, dot %2").arg(cell).arg(dot)));
        }
    }
}

void ContentgenTest::iconReadsBackPixelForPixel()
{
    const QImage drawn = drawAppIcon();
    const QByteArray bytes = icofile::sixteenColourIcon(drawn);
    QCOMPARE(bytes.size(), 766); // directory, header, 16 colours, 4-bit pixels, 1-bit mask
    QCOMPARE(int(uchar(bytes.at(8))), 16);

    const QImage read = readIcon(bytes);
    QCOMPARE(qAlpha(read.pixel(0, 0)), 0); // the rounded corner is see-through
    QCOMPARE(read, drawn.convertToFormat(QImage::Format_ARGB32));

    // A colour the sixteen cannot hold is refused, not rounded.
    QImage foreign = drawn;
    foreign.setPixel(3, 3, qRgb(1, 2, 3));
    QVERIFY(icofile::sixteenColourIcon(foreign).isEmpty());
}

// Every right answer of the quiz, and every year of the timeline puzzle, can be found on
// the Key Facts pages: each number, and each word of four letters or more.
void ContentgenTest::keyFactsAnswerTheQuizAndTheTimeline()
{
    const QString facts = keyFactsText();
    QVERIFY(!facts.isEmpty());
    const QStringList lines =
        QString::fromLatin1(fileBytes(committedQuizFile)).split(QStringLiteral("\r\n"));
    QStringList answers;
    for (int q = 2; q + 5 < lines.size(); q += 7)
        answers.append(lines.at(q + lines.at(q + 5).toInt()));
    QCOMPARE(answers.size(), 10);
    answers.append(QStringLiteral("1809 1812 1821 1852 1932 1952 Coupvray Pantheon"));
    const QRegularExpression words(QStringLiteral("[0-9]+|[a-z']{4,}"));
    for (const QString &answer : answers) {
        const QString plain = answer.toLower().replace(QLatin1Char('&'), QLatin1Char(','));
        for (const auto &match : words.globalMatch(plain)) {
            QVERIFY2(facts.contains(
                         QRegularExpression(QStringLiteral("\\b%1\\b").arg(match.captured()))),
                     qPrintable(QStringLiteral("\"%1\" of \"%2\"").arg(match.captured(), answer)));
        }
    }
}

void ContentgenTest::pageSourceFaults()
{
    PageSource page;
    QString error;
    QVERIFY(!parsePageSource(QStringLiteral("# Head\n\nOne *two\nthree."), &page, &error));
    QCOMPARE(error, QStringLiteral("line 3: a * is not closed"));
    PageSource all;
    QVERIFY2(parsePageSource(QStringLiteral("# H\n@side 2600\n\nA *b*~c\n- d\n[braille ab | Cap]"),
                             &all, &error),
             qPrintable(error));
    QCOMPARE(all.sideWidth, 2600);
    QCOMPARE(all.blocks.size(), 4);
    QCOMPARE(all.blocks.at(1).runs.size(), 3);
    QVERIFY(all.blocks.at(1).runs.at(1).strong);
    QCOMPARE(all.blocks.at(3).picture, QStringLiteral("braille"));
    QCOMPARE(plainText(all), QStringLiteral("H\nA b c\nd\nCap"));
}

void ContentgenTest::pagesThatDoNotFitAreRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fault");
    const QString words = QStringLiteral("Tomas Verrin was born in Coupvray. ").repeated(60);
    QTest::newRow("text past the bottom") << "# H\n\n" + words << "past the bottom";
    QTest::newRow("pictures past their column")
        << "# H\n\nA.\n[timeline\n" + QStringLiteral("1809 Born\n").repeated(30) + "]"
        << "more than their column has";
    QTest::newRow("words in the corner kept clear")
        << "# H\n@keepclear 1000 2000\n\nOne two three four five six seven."
        << "area kept clear";
}

void ContentgenTest::pagesThatDoNotFitAreRefused()
{
    QFETCH(QString, text);
    QFETCH(QString, fault);
    PageSource page;
    QString error;
    QVERIFY(parsePageSource(text, &page, &error));
    const PageLook look = screenLook();
    QImage image(look.size / 15, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterCanvas canvas(painter, 1.0 / 15);
    QVERIFY(!drawPage(canvas, page, PageInfo{QStringLiteral("Key Facts"), 1, 1}, look, &error));
    QVERIFY2(error.contains(fault), qPrintable(error));
}

// Two colours take the smallest code size; noise in 256 fills the 4096-code table again and
// again, so the encoder must start afresh.
void ContentgenTest::gifReadsBackPixelForPixel()
{
    QRandomGenerator random(7);
    for (const QList<int> &shape : QList<QList<int>>{{7, 5, 2}, {300, 200, 256}}) {
        const int width = shape.at(0), height = shape.at(1), colours = shape.at(2);
        QList<QRgb> palette;
        for (int i = 0; i < colours; ++i)
            palette.append(qRgb(i, 255 - i, (i * 37) % 256));
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, palette.at(int(random.bounded(colours))));
        }
        QCOMPARE(readImage(giffile::singleImage(image, palette), "gif"), image);
    }
}

QTEST_MAIN(ContentgenTest)
#include "test_contentgen.moc"
