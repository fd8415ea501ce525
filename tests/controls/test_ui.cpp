#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "controls/zoomstyle.h"
#include "frame/screen.h"
#include "look/twips.h"

#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QSignalSpy>
#include <QStyleOptionFocusRect>
#include <QTest>

class UiTest final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Twips::setZoom(1.0); }

    // The screen fits the display: by its height on a laptop, by its width standing up.
    void zoomFitsTheScreenToTheDisplay()
    {
        QCOMPARE(Twips::zoomFor(QSize(1366, 768)), 1.28);
        QCOMPARE(Twips::zoomFor(QSize(768, 1024)), 0.96);
    }

    // Centred across and flush down; unzoomed on a small display its corner goes off it.
    void centringRule()
    {
        const QSizeF screen(Twips::screenWidth, Twips::screenHeight);
        QCOMPARE(Screen::centredTopLeft(Twips::fromPixels(QSize(640, 480)), screen),
                 QPointF(-1200, -900));
        Twips::setZoom(1.8);
        QCOMPARE(Screen::centredTopLeft(Twips::fromPixels(QSize(1920, 1080)), screen),
                 QPointF(2000, 0));
    }

    void edgesAreRoundedSoNeighboursMeet()
    {
        Twips::setZoom(1.8);
        const QRect a = Twips::toPixels(100, 0, 1005, 300);
        const QRect b = Twips::toPixels(1105, 0, 1005, 300);
        QCOMPARE(a.right() + 1, b.left());
    }

    void hoverHighlightsUntilTheBackgroundIsCrossed()
    {
        QWidget client;
        client.resize(400, 200);
        ButtonArray array(&client, QStringLiteral("Label3"));
        ButtonArray::Look look;
        ButtonLabel *first = array.add(0, QStringLiteral("One"), {0, 0, 1500, 450}, look);
        ButtonLabel *second = array.add(1, QStringLiteral("Two"), {1500, 0, 1500, 450}, look);
        ButtonLabel *outside =
            array.add(2, QStringLiteral("Kept"), {0, 1500, 1500, 450}, look, false);
        client.show();
        QVERIFY(QTest::qWaitForWindowExposed(&client));
        QVERIFY(first->isOpaque() && second->isOpaque());

        QTest::mouseMove(&client, QPoint(350, 150));
        QVERIFY(!first->isOpaque() && !second->isOpaque());
        QVERIFY2(outside->isOpaque(), "a label outside the reset range keeps its look");

        // Straight from one label onto its neighbour: both stay lit.
        QTest::mouseMove(first, first->rect().center());
        QTest::mouseMove(second, second->rect().center());
        QVERIFY(first->isOpaque() && second->isOpaque());

        QTest::mouseMove(&client, QPoint(350, 150));
        QVERIFY(!first->isOpaque() && !second->isOpaque());
    }

    void buttonLabelsWorkFromTheKeyboard()
    {
        QWidget client;
        client.resize(400, 200);
        ButtonArray array(&client, QStringLiteral("Label2"));
        ButtonLabel *exit = array.add(16, QStringLiteral("Exit"), {0, 0, 1500, 450}, {});
        ButtonLabel *off = array.add(4, QStringLiteral("Not here"), {0, 600, 1500, 450}, {});
        off->setEnabled(false);
        QSignalSpy clicks(&array, &ButtonArray::clicked);
        client.show();
        QVERIFY(QTest::qWaitForWindowExposed(&client));

        // Return, and a label read as a button, are the walk with Orca's.
        exit->setFocus();
        QTest::keyClick(exit, Qt::Key_Space);
        QTRY_COMPARE(clicks.count(), 1);
        QCOMPARE(clicks.at(0).at(0).toInt(), 16);
        QTest::mouseClick(off, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
    }

    // A list's current line (an import's report) is marked lightly, within its own edge:
    // the thick mark drawn around the whole list hid the words of its first line.
    void aListsFocusMarkLeavesItsLinesReadable()
    {
        Twips::setZoom(1.8);
        QListWidget list;
        list.resize(200, 100);
        QImage image(list.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QStyleOptionFocusRect line;
        line.rect = QRect(0, 0, 200, 20);
        QPainter painter(&image);
        ZoomStyle().drawPrimitive(QStyle::PE_FrameFocusRect, &line, &painter, &list);
        painter.end();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int grey = qGray(image.pixel(x, y));
                const bool words = line.rect.adjusted(3, 3, -3, -3).contains(x, y);
                QVERIFY(line.rect.contains(x, y) ? !words || grey > 160 : grey == 255);
            }
        }
    }
};

QTEST_MAIN(UiTest)
#include "test_ui.moc"
