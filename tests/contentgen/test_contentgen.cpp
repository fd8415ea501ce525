#include "appicon.h"
#include "braillecell.h"
#include "cipherpicture.h"
#include "contentfonts.h"
#include "contentoutputs.h"
#include "icofile.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QSet>
#include <QtTest>

namespace {

QString dotNumbers(braille::Dots dots)
{
    QString numbers;
    for (int n = 1; n <= 6; ++n) {
        if (braille::hasDot(dots, n))
            numbers += QString::number(n);
    }
    return numbers;
}

QImage readIcon(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "ico");
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

QByteArray contentBytes(const QString &path)
{
    for (const ContentFile &file : contentFiles()) {
        if (file.path == path)
            return file.make();
    }
    return {};
}

} // namespace

class ContentgenTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void letterDots_data();
    void letterDots();
    void everyLetterHasItsOwnCell();
    void raisedTextShowsEachLettersDots_data();
    void raisedTextShowsEachLettersDots();
    void cipherPictureSpellsItsWord();
    void iconReadsBackPixelForPixel();
    void iconKeepsOddSizesAndRefusesForeignColours();
    void picturesHaveTheirShippedSizes_data();
    void picturesHaveTheirShippedSizes();
    void emptyWorksheetIndex();
    void committedQuizFileIsWellFormed();
};

void ContentgenTest::initTestCase()
{
    QString error;
    QVERIFY2(contentfonts::registerFonts(&error), qPrintable(error));
}

void ContentgenTest::letterDots_data()
{
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<QString>("dots");
    QTest::newRow("a, a single dot") << QChar('a') << "1";
    QTest::newRow("g, all four top dots") << QChar('g') << "1245";
    QTest::newRow("j ends the first ten") << QChar('j') << "245";
    QTest::newRow("k is a with dot 3") << QChar('k') << "13";
    QTest::newRow("q is g with dot 3") << QChar('q') << "12345";
    QTest::newRow("t is j with dot 3") << QChar('t') << "2345";
    QTest::newRow("u is a with dots 3 and 6") << QChar('u') << "136";
    QTest::newRow("w breaks the pattern") << QChar('w') << "2456";
    QTest::newRow("x is c with dots 3 and 6") << QChar('x') << "1346";
    QTest::newRow("z is e with dots 3 and 6") << QChar('z') << "1356";
    QTest::newRow("a space is the empty cell") << QChar(' ') << "";
}

void ContentgenTest::letterDots()
{
    QFETCH(QChar, letter);
    QFETCH(QString, dots);
    QCOMPARE(dotNumbers(braille::letterDots(letter)), dots);
}

void ContentgenTest::everyLetterHasItsOwnCell()
{
    QSet<braille::Dots> seen;
    for (char c = 'a'; c <= 'z'; ++c) {
        const braille::Dots dots = braille::letterDots(QLatin1Char(c));
        QVERIFY2(dots != 0 && dots < 64, &c);
        QVERIFY2(!seen.contains(dots), &c);
        seen.insert(dots);
    }
}

void ContentgenTest::raisedTextShowsEachLettersDots_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("raised"); // per cell, the dot numbers that must be raised
    QTest::newRow("w breaks the pattern, z keeps it") << "wz"
                                                      << "2456 1356";
    QTest::newRow("a space keeps its cell flat") << "b d"
                                                 << "12 - 145";
}

// Reads the painted dots back off the paper, so a mix-up of rows and columns shows.
void ContentgenTest::raisedTextShowsEachLettersDots()
{
    QFETCH(QString, text);
    QFETCH(QString, raised);
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
    const QStringList cells = raised.split(QLatin1Char(' '));
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

// Dark domes are raised dots; the flat places show only the paler tile at their centre.
void ContentgenTest::cipherPictureSpellsItsWord()
{
    const QImage picture = drawCipherPicture();
    QCOMPARE(cipherPictureWord(), QStringLiteral("braille"));
    const QStringList raised = {"12", "1235", "1", "24", "123", "123", "15"};
    for (int cell = 0; cell < raised.size(); ++cell) {
        for (int dot = 1; dot <= 6; ++dot) {
            const QPoint at = cipherDotCentre(cell, dot).toPoint();
            const bool dark = qGray(picture.pixel(at)) < 100;
            QVERIFY2(dark == raised.at(cell).contains(QString::number(dot)),
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
    QCOMPARE(read.size(), QSize(32, 32));
    int transparent = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb want = drawn.pixel(x, y);
            const QRgb got = read.pixel(x, y);
            if (qAlpha(want) == 0) {
                QCOMPARE(qAlpha(got), 0);
                ++transparent;
            } else {
                QCOMPARE(got, want);
            }
        }
    }
    // The rounded corners are see-through; the tile itself is not.
    QVERIFY(transparent > 0 && transparent < 32 * 4);
    QCOMPARE(qAlpha(read.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(read.pixel(16, 16)), 255);
}

void ContentgenTest::iconKeepsOddSizesAndRefusesForeignColours()
{
    // Rows of 13 pixels need padding in both the colour bitmap and the mask.
    QImage odd(13, 7, QImage::Format_ARGB32);
    const QList<QRgb> palette = icofile::vgaPalette();
    for (int y = 0; y < odd.height(); ++y) {
        for (int x = 0; x < odd.width(); ++x)
            odd.setPixel(x, y, (x + y) % 5 == 0 ? qRgba(0, 0, 0, 0) : palette.at((x * 7 + y) % 16));
    }
    QCOMPARE(readIcon(icofile::sixteenColourIcon(odd)), odd);

    odd.setPixel(3, 3, qRgb(1, 2, 3));
    QVERIFY(icofile::sixteenColourIcon(odd).isEmpty());
}

void ContentgenTest::picturesHaveTheirShippedSizes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("inventor picture") << "Images/hadleysm.jpg" << QSize(320, 240);
    QTest::newRow("publisher's logo") << "Images/logo2.jpg" << QSize(100, 139);
    QTest::newRow("application icon") << "zorvanel.ico" << QSize(32, 32);
    QTest::newRow("topic hub picture") << "Images/braille2.jpg" << QSize(280, 280);
    QTest::newRow("cipher picture") << "Images/braillecipher.jpg" << QSize(311, 101);
    QTest::newRow("quiz corner picture") << "Images/braillesm.jpg" << QSize(57, 41);
}

void ContentgenTest::picturesHaveTheirShippedSizes()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QByteArray bytes = contentBytes(path);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    QCOMPARE(reader.read().size(), size);
}

void ContentgenTest::emptyWorksheetIndex()
{
    QCOMPARE(contentBytes(QStringLiteral("multiple/track.txt")), QByteArray(" 0 \r\n"));
}

// The file as committed, since that is what the program reads: title, blank, then seven lines
// a question, and no comma anywhere, as the reader would split a text at one.
void ContentgenTest::committedQuizFileIsWellFormed()
{
    QFile file(QStringLiteral(ZORVANEL_CONTENT_DIR "/multiple/Tomas Verrin.txt"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(!bytes.contains(','));
    QVERIFY(bytes.contains('&'));
    const QList<QByteArray> lines = bytes.chopped(1).split('\n');
    QCOMPARE(lines.size(), 72);

    QSet<QByteArray> rightAnswers;
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray where = "line " + QByteArray::number(i + 1);
        QVERIFY2(lines.at(i).endsWith('\r'), where);
        const QByteArray line = lines.at(i).chopped(1);
        QVERIFY2(!line.contains('\r'), where);
        const int inQuestion = (i - 2) % 7;
        if (i == 1 || (i > 1 && inQuestion == 6)) {
            QVERIFY2(line == " ", where);
        } else if (i > 1 && inQuestion == 5) {
            QVERIFY2(line.size() == 1 && line.at(0) >= '1' && line.at(0) <= '4', where);
            rightAnswers.insert(line);
        } else {
            QVERIFY2(!line.isEmpty() && line.at(0) != ' ' && line.at(0) != '\t', where);
        }
    }
    QVERIFY2(rightAnswers.size() > 2, "the right answer should not keep one position");
}

QTEST_MAIN(ContentgenTest)
#include "test_contentgen.moc"
