#include "appicon.h"
#include "braillecell.h"
#include "cipherpicture.h"
#include "contentfonts.h"
#include "contentoutputs.h"
#include "giffile.h"
#include "icofile.h"
#include "logoanimation.h"
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
#include <QSet>
#include <QtEndian>
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

QByteArray contentBytes(const QString &path)
{
    for (const ContentFile &file : contentFiles()) {
        if (file.path == path)
            return file.make();
    }
    return {};
}

QImage readImage(QByteArray bytes, const char *format)
{
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, format);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

// A reading of a placeable metafile that shares nothing with the writer: it walks the
// records by their sizes and plays the object table as a player would.
QString metafileFault(const QByteArray &bytes, QSize expectedSize, bool exactSize)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    auto word = [&](qsizetype at) { return qFromLittleEndian<quint16>(data + at); };
    auto dword = [&](qsizetype at) { return qFromLittleEndian<quint32>(data + at); };
    if (bytes.size() < 22 + 18 + 6 || bytes.size() % 2 != 0)
        return QStringLiteral("too short or odd");
    if (dword(0) != 0x9AC6CDD7u)
        return QStringLiteral("no placeable key");
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= word(i * 2);
    if (checksum != word(20))
        return QStringLiteral("wrong placeable checksum");
    const QSize box(qint16(word(10)) - qint16(word(6)), qint16(word(12)) - qint16(word(8)));
    if (word(6) != 0 || word(8) != 0 || word(14) != 1440)
        return QStringLiteral("box not at 0,0 or not 1440 units to the inch");
    if (exactSize ? box != expectedSize
                  : (box.width() > expectedSize.width() || box.height() > expectedSize.height()))
        return QStringLiteral("box is %1 x %2").arg(box.width()).arg(box.height());
    const qsizetype header = 22;
    if (word(header + 2) != 9 || word(header + 4) != 0x300 ||
        dword(header + 6) != quint32((bytes.size() - header) / 2))
        return QStringLiteral("header size, version or file length wrong");
    const int objectSlots = word(header + 10);

    // Functions that make an object take the lowest free slot of the table.
    const QSet<quint16> creates = {0x02FA, 0x02FB, 0x02FC}; // pen, font, brush
    // Map mode, window, text settings, text, select, delete, and the plain shapes.
    const QSet<quint16> plain = {0x0103, 0x020B, 0x020C, 0x0102, 0x0209, 0x012E, 0x0521,
                                 0x012D, 0x01F0, 0x041B, 0x061C, 0x0418, 0x0324, 0x0325};
    QList<bool> used(objectSlots, false);
    quint32 largest = 0;
    qsizetype at = header + 18;
    while (true) {
        if (at + 6 > bytes.size())
            return QStringLiteral("runs past the end without an end record");
        const quint32 size = dword(at);
        const quint16 function = word(at + 4);
        if (size < 3 || at + qsizetype(size) * 2 > bytes.size())
            return QStringLiteral("record at %1 has size %2").arg(at).arg(size);
        largest = qMax(largest, size);
        if (function == 0) {
            if (size != 3 || at + 6 != bytes.size())
                return QStringLiteral("end record is not last");
            break;
        }
        if (!plain.contains(function) && !creates.contains(function))
            return QStringLiteral("unexpected record %1").arg(function, 4, 16);
        if (creates.contains(function)) {
            const int slot = int(used.indexOf(false));
            if (slot < 0)
                return QStringLiteral("more objects than the header's %1 slots").arg(objectSlots);
            used[slot] = true;
        } else if (function == 0x012D || function == 0x01F0) {
            const int slot = word(at + 6);
            if (slot >= objectSlots || !used.at(slot))
                return QStringLiteral("record %1 names empty slot %2")
                    .arg(function, 4, 16)
                    .arg(slot);
            if (function == 0x01F0)
                used[slot] = false;
        } else if (function == 0x0521) {
            const int length = word(at + 6);
            if (6 + 2 + (length + 1) / 2 * 2 + 4 > qsizetype(size) * 2)
                return QStringLiteral("text longer than its record");
            const QByteArray text = bytes.mid(at + 8, length);
            if (text.contains('\0') || QString::fromLatin1(text).contains(QRegularExpression(
                                           QStringLiteral("[\\x00-\\x1f\\x7f-\\x9f]"))))
                return QStringLiteral("text with control characters: %1").arg(QString(text));
        } else if (function == 0x041B || function == 0x061C || function == 0x0418) {
            // The rectangle's four words end the record: bottom, right, top, left.
            const qsizetype end = at + qsizetype(size) * 2;
            const QRect shape(QPoint(qint16(word(end - 2)), qint16(word(end - 4))),
                              QPoint(qint16(word(end - 6)) - 1, qint16(word(end - 8)) - 1));
            if (!QRect(QPoint(0, 0), box).contains(shape))
                return QStringLiteral("a shape outside the box");
        } else if (function == 0x020C &&
                   (qint16(word(at + 6)) != box.height() || qint16(word(at + 8)) != box.width())) {
            return QStringLiteral("window extent is not the box");
        }
        at += qsizetype(size) * 2;
    }
    if (dword(header + 12) != largest)
        return QStringLiteral("largest record is %1 words, header says %2")
            .arg(largest)
            .arg(dword(header + 12));
    if (used.contains(true))
        return QStringLiteral("objects left undeleted at the end");
    return {};
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
    void cipherPictureSpellsItsWord();
    void iconReadsBackPixelForPixel();
    void picturesHaveTheirShippedSizes_data();
    void picturesHaveTheirShippedSizes();
    void emptyWorksheetIndex();
    void committedQuizFileIsWellFormed();
    void metafilesAreWellFormed_data();
    void metafilesAreWellFormed();
    void keyFactsAnswerTheQuizAndTheTimeline();
    void pageSourceFaults_data();
    void pageSourceFaults();
    void pagesThatDoNotFitAreRefused_data();
    void pagesThatDoNotFitAreRefused();
    void gifReadsBackPixelForPixel_data();
    void gifReadsBackPixelForPixel();
    void animationFramesReadAsDrawn();
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
    QCOMPARE(qAlpha(read.pixel(0, 0)), 0); // the rounded corner is see-through
    QCOMPARE(read, drawn.convertToFormat(QImage::Format_ARGB32));

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
    QTest::newRow("logo card") << "logo/quillmere2.bmp" << QSize(120, 89);
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
    const QByteArray bytes = fileBytes(committedQuizFile);
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

void ContentgenTest::metafilesAreWellFormed_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("exactSize");
    for (const PageFile &page : pageFiles()) {
        const QString screen = QStringLiteral("wmf/%1.wmf").arg(page.name);
        const QString paper = QStringLiteral("wmf2/%1.wmf").arg(page.name);
        QTest::newRow(qPrintable(screen)) << screen << QSize(10440, 7800) << true;
        QTest::newRow(qPrintable(paper)) << paper << QSize(9360, 12960) << false;
    }
}

void ContentgenTest::metafilesAreWellFormed()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, exactSize);
    const QByteArray bytes = contentBytes(path);
    QVERIFY(!bytes.isEmpty());
    const QString fault = metafileFault(bytes, size, exactSize);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
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

void ContentgenTest::pageSourceFaults_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fault"); // empty when the text should parse
    QTest::newRow("a star left open") << "# Head\n\nOne *two\nthree."
                                      << "line 3: a * is not closed";
    QTest::newRow("a picture left open") << "[timeline\n1809 Born"
                                         << "line 2: a picture is not closed with ]";
    QTest::newRow("an unknown setting") << "@width 3"
                                        << "line 1: unknown setting @width 3";
    QTest::newRow("all parts") << "# H\n@side 2600\n\nA *b*~c\n- d\n[braille ab | Cap]"
                               << "";
}

void ContentgenTest::pageSourceFaults()
{
    QFETCH(QString, text);
    QFETCH(QString, fault);
    PageSource page;
    QString error;
    QCOMPARE(parsePageSource(text, &page, &error), fault.isEmpty());
    QCOMPARE(error, fault);
    if (fault.isEmpty()) {
        QCOMPARE(page.sideWidth, 2600);
        QCOMPARE(page.blocks.size(), 4);
        QCOMPARE(page.blocks.at(1).runs.size(), 3);
        QVERIFY(page.blocks.at(1).runs.at(1).strong);
        QCOMPARE(page.blocks.at(3).picture, QStringLiteral("braille"));
        QCOMPARE(plainText(page), QStringLiteral("H\nA b c\nd\nCap"));
    }
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
    QTest::newRow("a picture nobody draws") << "# H\n\n[castle]"
                                            << "no picture [castle]";
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

void ContentgenTest::gifReadsBackPixelForPixel_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("colours");
    QTest::newRow("two colours, the smallest code size") << 7 << 5 << 2;
    QTest::newRow("five colours in an eight-colour table") << 33 << 9 << 5;
    // Noise fills the 4096-code table again and again, so the encoder must start afresh.
    QTest::newRow("256 colours of noise") << 300 << 200 << 256;
}

void ContentgenTest::gifReadsBackPixelForPixel()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, colours);
    QList<QRgb> palette;
    for (int i = 0; i < colours; ++i)
        palette.append(qRgb(i, 255 - i, (i * 37) % 256));
    QRandomGenerator random(7);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, palette.at(int(random.bounded(colours))));
    }
    QCOMPARE(readImage(giffile::singleImage(image, palette), "gif"), image);
}

void ContentgenTest::animationFramesReadAsDrawn()
{
    for (int i = 0; i < logoanimation::frameCount; ++i) {
        const QString path = QStringLiteral("logo/quil%1.gif").arg(i, 4, 10, QLatin1Char('0'));
        const QImage read = readImage(contentBytes(path), "gif");
        QCOMPARE(read.size(), QSize(120, 120));
        // The palette keeps the drawing's main colours exactly and its edges nearly.
        const QImage drawn = logoanimation::drawFrame(i).convertToFormat(QImage::Format_RGB32);
        qint64 error = 0;
        for (int y = 0; y < 120; ++y) {
            for (int x = 0; x < 120; ++x) {
                const QRgb a = read.pixel(x, y), b = drawn.pixel(x, y);
                error += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                         qAbs(qBlue(a) - qBlue(b));
            }
        }
        QVERIFY2(error < 120 * 120, qPrintable(path));
        QCOMPARE(read.pixel(60, 2), drawn.pixel(60, 2));
    }
}

QTEST_MAIN(ContentgenTest)
#include "test_contentgen.moc"
