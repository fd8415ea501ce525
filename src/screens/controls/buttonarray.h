#pragma once

#include <QColor>
#include <QFont>
#include <QMap>
#include <QObject>
#include <QString>

class ButtonLabel;
class HoverHighlight;
class QWidget;

// A screen's commands: button labels of one array told apart by their index, named
// "Label3(1)" and so on, with the screen's hover highlight.
class ButtonArray : public QObject
{
    Q_OBJECT
public:
    struct Look
    {
        QColor back{0, 0, 0};
        QFont font;
        bool opaque = true;
    };
    // The look most screens give their commands: bold Tahoma, yellow on black, opaque.
    static Look commandLook(double points = 15.75);

    // The array's labels are children of client, whose background resets the highlight.
    ButtonArray(QWidget *client, const QString &name, bool highlightOnLabel = true);

    // Adds label `index` at a place in twips. Labels outside the reset range keep their
    // highlight once lit.
    ButtonLabel *add(int index, const QString &caption, const QRectF &twips, const Look &look,
                     bool inResetRange = true);
    ButtonLabel *at(int index) const { return m_labels.value(index); }
    QList<int> indexes() const { return m_labels.keys(); }

signals:
    void clicked(int index);

private:
    QWidget *m_client;
    QString m_name;
    HoverHighlight *m_highlight;
    QMap<int, ButtonLabel *> m_labels;
};
