#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class ButtonLabel;
class QWidget;

// The hover highlight of a screen's button labels: a label the pointer moves over turns
// opaque and stays so; a move over the screen's background turns every label of the reset
// range transparent. Only the look changes; clicks are untouched.
class HoverHighlight : public QObject
{
    Q_OBJECT
public:
    HoverHighlight(QWidget *background, bool highlightOnLabel, QObject *parent = nullptr);
    void addLabel(ButtonLabel *label, bool inResetRange);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void backgroundMoved();

    QWidget *m_background;
    bool m_highlightOnLabel;
    QList<QPointer<ButtonLabel>> m_resetRange;
};
