#include "controls/buttonarray.h"

#include "controls/buttonlabel.h"
#include "controls/hoverhighlight.h"
#include "controls/place.h"
#include "look/fonts.h"

ButtonArray::ButtonArray(QWidget *client, const QString &name, bool highlightOnLabel)
    : QObject(client), m_client(client), m_name(name),
      m_highlight(new HoverHighlight(client, highlightOnLabel, this))
{}

ButtonLabel *ButtonArray::add(int index, const QString &caption, const QRectF &twips,
                              const Look &look, bool inResetRange)
{
    auto *label = new ButtonLabel(m_client);
    label->setObjectName(QStringLiteral("%1(%2)").arg(m_name).arg(index));
    label->setText(caption);
    label->setFont(look.font);
    label->setBackColour(look.back);
    label->setOpaque(look.opaque);
    placeTwips(label, twips.x(), twips.y(), twips.width(), twips.height());
    m_highlight->addLabel(label, inResetRange);
    connect(label, &ButtonLabel::clicked, this, [this, index] { emit clicked(index); });
    m_labels.insert(index, label);
    return label;
}

ButtonArray::Look ButtonArray::commandLook(double points)
{
    Look look;
    look.font = fonts::screenFont(fonts::tahoma, points, true);
    return look;
}
