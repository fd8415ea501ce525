#include "look/fonts.h"
#include "pictures/picture.h"
#include "pictures/wmf/metafile.h"
#include "pictures/wmf/metafileplayer.h"
#include "testfiles.h"
#include "wmfbuilder.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QPainter>
#include <QtTest>

namespace {

// 2880 x 1440 twips: 192 x 96 pixels at 15 twips to the pixel, so 15 units make a pixel.
constexpr int frameWidth = 2880;
constexpr int frameHeight = 1440;
const QRgb red = qRgb(255, 0, 0);
const QRgb blue = qRgb(0, 0, 255);
const QRgb white = qRgb(255, 255, 255);

QImage draw(const QByteArray &bytes, MetafilePlayer::Result *result = nullptr)
{
    const Metafile metafile = Metafile::parse(bytes);
    const QSize pixels = (metafile.sizeTwips() / 15).toSize();
    QImage image(pixels.isEmpty() ? QSize(1, 1) : pixels, QImage::Format_RGB32);
    image.fill(white);
    QPainter painter(&image);
    const auto played = MetafilePlayer::play(metafile, painter, QRectF(QPointF(0, 0), pixels));
    if (result)
        *result = played;
    return image;
}

// The box around every pixel of a colour; by default, around the ink of antialiased text.
QRect extentOf(const QImage &image, QRgb colour = 0)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (colour ? image.pixel(x, y) == colour : qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class MetafileTest final : public QObject
{
    Q_OBJECT

private slots:
    void theFrameGivesTheOwnSize()
    {
        // Units of a twentieth of an inch make every unit 72 twips.
        QCOMPARE(Metafile::parse(WmfBuilder(200, 100, 20).finish()).sizeTwips(),
                 QSizeF(14400, 7200));
        // A plain metafile is as large as its window.
        const Metafile plain = Metafile::parse(WmfBuilder(300, 150, 96, false).finish());
        QVERIFY(!plain.isPlaceable());
        QCOMPARE(plain.sizeTwips(), QSizeF(300 * 15, 150 * 15));
        QVERIFY(Metafile::parse(QByteArray("not a metafile at all")).isNull());
    }

    void shapesLandWhereTheySay()
    {
        WmfBuilder wmf(frameWidth, frameHeight);
        wmf.pen(U_RGB(0, 0, 255), 0, U_PS_NULL).solidBrush(U_RGB(255, 0, 0));
        wmf.rectangle(150, 150, 750, 750); // pixels 10..50
        wmf.solidBrush(U_RGB(0, 0, 255));
        wmf.add(U_WMRELLIPSE_set(U_RECT16{900, 150, 1500, 750})); // pixels 60..100
        const U_POINT16 triangle[] = {{1650, 750}, {2250, 750}, {1950, 150}};
        wmf.add(U_WMRPOLYGON_set(3, triangle));
        // A square with a square hole, filled alternately.
        const U_POINT16 rings[] = {{150, 900},  {750, 900},  {750, 1350}, {150, 1350},
                                   {300, 1000}, {600, 1000}, {600, 1250}, {300, 1250}};
        const uint16_t counts[] = {4, 4};
        wmf.add(U_WMRPOLYPOLYGON_set(2, counts, rings));
        wmf.pen(U_RGB(255, 0, 0), 45);
        wmf.add(U_WMRMOVETO_set(U_POINT16{900, 1200})).add(U_WMRLINETO_set(U_POINT16{2700, 1200}));
        MetafilePlayer::Result result;
        const QImage image = draw(wmf.finish(), &result);
        QCOMPARE(result.skipped, 0);
        QVERIFY(!result.damaged);

        QVERIFY(qAbs(extentOf(image, red).left() - 10) <= 1);
        QCOMPARE(image.pixel(61, 11), white); // outside the ellipse's curve, inside its box
        QCOMPARE(image.pixel(130, 45), blue); // inside the triangle
        QCOMPARE(image.pixel(15, 65), blue);  // the outer ring
        QCOMPARE(image.pixel(30, 75), white); // the hole
        QCOMPARE(image.pixel(100, 80), red);  // the three-pixel line
    }

    void theWindowMapsLogicalUnitsOntoTheFrame()
    {
        WmfBuilder wmf(frameWidth, frameHeight);
        // A window of 192 x 96 from (-10, -10): one unit per pixel, shifted by ten.
        wmf.add(U_WMRSETWINDOWORG_set(U_POINT16{-10, -10}));
        wmf.add(U_WMRSETWINDOWEXT_set(U_POINT16{192, 96}));
        wmf.pen(U_RGB(0, 0, 0), 0, U_PS_NULL).solidBrush(U_RGB(255, 0, 0)).rectangle(0, 0, 20, 20);
        const QRect box = extentOf(draw(wmf.finish()), red);
        QVERIFY2(qAbs(box.left() - 10) <= 1 && qAbs(box.right() - 29) <= 1,
                 qPrintable(QStringLiteral("%1..%2").arg(box.left()).arg(box.right())));
    }

    void savedContextsComeBack()
    {
        WmfBuilder wmf(frameWidth, frameHeight);
        wmf.pen(U_RGB(0, 0, 0), 0, U_PS_NULL).solidBrush(U_RGB(255, 0, 0));
        const uint32_t redBrush = wmf.lastObject();
        wmf.add(U_WMRSAVEDC_set());
        wmf.solidBrush(U_RGB(0, 0, 255)).rectangle(150, 150, 600, 600);
        wmf.add(U_WMRINTERSECTCLIPRECT_set(U_RECT16{0, 0, 10, 10}));
        wmf.add(U_WMRRESTOREDC_set(-1));
        // The red brush and no clip are back.
        wmf.rectangle(900, 150, 1350, 600);
        // Deleting a selected object leaves the context's copy in use.
        wmf.deleteObject(redBrush).rectangle(1650, 150, 2100, 600);
        const QImage image = draw(wmf.finish());
        QCOMPARE(image.pixel(25, 25), blue);
        QCOMPARE(image.pixel(75, 25), red);
        QCOMPARE(image.pixel(125, 25), red);
    }

    void textFollowsItsFontAndAlignment()
    {
        auto textAt = [](int align) {
            WmfBuilder wmf(frameWidth, frameHeight);
            wmf.font(-300, "Arial", 700);
            wmf.add(U_WMRSETBKMODE_set(U_TRANSPARENT));
            wmf.add(U_WMRSETTEXTALIGN_set(uint16_t(align)));
            wmf.add(U_WMRTEXTOUT_set(U_POINT16{1440, 720}, const_cast<char *>("HHHH")));
            return extentOf(draw(wmf.finish()));
        };
        // The reference point is the middle of the baseline: 96, 48 in pixels.
        const QRect centred = textAt(U_TA_CENTER | U_TA_BASELINE);
        QVERIFY(qAbs(centred.center().x() - 96) <= 2);
        QVERIFY(qAbs(centred.bottom() - 47) <= 1);
        // A 20-pixel font has capitals about 14 pixels tall.
        QVERIFY(centred.height() >= 12 && centred.height() <= 16);
        const QRect left = textAt(U_TA_LEFT | U_TA_TOP);
        QVERIFY(qAbs(left.left() - 96) <= 3);
        QVERIFY(left.top() > 48 && left.top() < 56);
        const QRect right = textAt(U_TA_RIGHT | U_TA_BOTTOM);
        QVERIFY(qAbs(right.right() - 96) <= 3);
        QVERIFY(right.bottom() < 48);
    }

    void extendedTextUsesItsSpacingAndClip()
    {
        WmfBuilder wmf(frameWidth, frameHeight);
        wmf.font(-300, "Arial").add(U_WMRSETBKMODE_set(U_TRANSPARENT));
        int16_t spacing[] = {600, 600, 600};
        // The writer copies strlen bytes whatever the length says, so the string is exactly
        // as long as the length; and it stores the clip rectangle's sides in reverse order,
        // so they are handed over reversed to land as left 0, top 0, right 1000, bottom 1440.
        char text[] = "III";
        wmf.add(U_WMREXTTEXTOUT_set(U_POINT16{150, 300}, 3, U_ETO_CLIPPED, text, spacing,
                                    U_RECT16{1440, 1000, 0, 0}));
        const QRect ink = extentOf(draw(wmf.finish()));
        // Letters 40 pixels apart, the third cut off by the clip at 66 pixels.
        QVERIFY(ink.left() >= 10 && ink.left() <= 14);
        QVERIFY(ink.right() >= 50 && ink.right() <= 66);
    }

    void bitmapsAreDrawnTheRightWayUp()
    {
        // Two by two pixels, stored bottom row first: red, blue over white, red.
        const U_BITMAPINFOHEADER header =
            bitmapinfoheader_set(2, 2, 1, 24, U_BI_RGB, 16, 2835, 2835, 0, 0);
        U_BITMAPINFO *info = bitmapinfo_set(header, nullptr);
        const char pixels[16] = {char(0xFF), char(0xFF), char(0xFF), 0, 0, char(0xFF), 0, 0, 0,
                                 0,          char(0xFF), char(0xFF), 0, 0, 0,          0};
        WmfBuilder wmf(frameWidth, frameHeight);
        wmf.add(U_WMRSTRETCHDIB_set(U_POINT16{150, 150}, U_POINT16{600, 600}, U_POINT16{0, 0},
                                    U_POINT16{2, 2}, U_DIB_RGB_COLORS, U_SRCCOPY, info, 16,
                                    pixels));
        free(info);
        const QImage image = draw(wmf.finish());
        QCOMPARE(image.pixel(15, 15), red);   // top left
        QCOMPARE(image.pixel(45, 15), blue);  // top right
        QCOMPARE(image.pixel(15, 45), white); // bottom left
        QCOMPARE(image.pixel(45, 45), red);   // bottom right
    }

    void aCountBeyondItsRecordIsNeverTrusted()
    {
        WmfBuilder wmf(frameWidth, frameHeight);
        wmf.pen(U_RGB(0, 0, 0), 0, U_PS_NULL)
            .solidBrush(U_RGB(255, 0, 0))
            .rectangle(150, 150, 600, 600);
        const U_POINT16 triangle[] = {{1650, 750}, {2250, 750}, {1950, 150}};
        wmf.add(U_WMRPOLYGON_set(3, triangle));
        wmf.rectangle(2400, 150, 2700, 600);
        QByteArray bytes = wmf.finish();
        // Claim thirty thousand points in a polygon of three.
        const Metafile parsed = Metafile::parse(bytes);
        const MetafileRecord &polygon = parsed.records().at(parsed.records().size() - 2);
        bytes[polygon.offset] = char(0x30);
        bytes[polygon.offset + 1] = char(0x75);
        MetafilePlayer::Result result;
        const QImage image = draw(bytes, &result);
        QCOMPARE(image.pixel(25, 25), red);
        QVERIFY(result.damaged);
        QCOMPARE(image.pixel(170, 25), white); // nothing after the damage
    }

    void everyShippedPageDrawsWithoutASkippedRecord()
    {
        const QString content = QStringLiteral(ZORVANEL_SOURCE_DIR "/content");
        int pages = 0;
        for (const QString &folder : {QStringLiteral("/wmf"), QStringLiteral("/wmf2")}) {
            QDirIterator it(content + folder, {QStringLiteral("*.wmf")});
            while (it.hasNext()) {
                const QString path = it.next();
                QVERIFY2(Metafile::parse(fileBytes(path)).isComplete(), qPrintable(path));
                MetafilePlayer::Result result;
                draw(fileBytes(path), &result);
                QVERIFY2(result.skipped == 0 && !result.damaged, qPrintable(path));
                QVERIFY(Picture::load(path).isMetafile());
                ++pages;
            }
        }
        if (pages == 0)
            QSKIP("no pages shipped yet");
    }
};

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    // Text is drawn in the fonts the program registers at start-up.
    fonts::registerFonts();
    MetafileTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_metafile.moc"
