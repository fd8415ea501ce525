#include "pictures/textcaret.h"

#include <QtTest>

using Move = TextCaret::Move;
Q_DECLARE_METATYPE(TextCaret::Move)

// The caret a pupil moves through a page's words with the keys of any document.
class TextCaretTest final : public QObject
{
    Q_OBJECT

private slots:
    void moves_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<Move>("move");
        QTest::addColumn<int>("to");
        const QString page = QStringLiteral("Key Facts\nA school, in Paris.\n\nThe end");
        QTest::newRow("down keeps the column") << page << 5 << Move::NextLine << 15;
        QTest::newRow("down on the last line stays") << page << 33 << Move::NextLine << 33;
        QTest::newRow("up to a shorter line stops at its end")
            << page << 28 << Move::PreviousLine << 9;
        QTest::newRow("up on the first line stays") << page << 5 << Move::PreviousLine << 5;
        QTest::newRow("over a comma to the next word's end") << page << 18 << Move::NextWord << 22;
        QTest::newRow("back over the line's end") << page << 10 << Move::PreviousWord << 4;
        QTest::newRow("the line's start") << page << 15 << Move::LineStart << 10;
        QTest::newRow("the line's end") << page << 15 << Move::LineEnd << 29;
        QTest::newRow("no character before the first") << page << 0 << Move::PreviousCharacter << 0;
        QTest::newRow("no character after the last") << page << 38 << Move::NextCharacter << 38;
    }
    void moves()
    {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(Move, move);
        QFETCH(int, to);
        TextCaret caret;
        caret.setText(text);
        caret.setPosition(from);
        QCOMPARE(caret.move(move), from != to);
        QCOMPARE(caret.position(), to);
    }

    void aNewTextPutsTheCaretAtItsStart()
    {
        TextCaret caret;
        caret.setText(QStringLiteral("one\ntwo"));
        caret.setPosition(100);
        QCOMPARE(caret.position(), 7);
        caret.setText(QStringLiteral("three"));
        QCOMPARE(caret.position(), 0);
        caret.setPosition(-4);
        QCOMPARE(caret.position(), 0);
    }
};

int runTextCaretTest(int argc, char **argv)
{
    TextCaretTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_textcaret.moc"
