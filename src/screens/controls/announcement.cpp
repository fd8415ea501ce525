#include "controls/announcement.h"

#include "controls/accessiblefactory.h"

#include <QLabel>

namespace {
class Notice : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
};
} // namespace

Announcement::Announcement(QWidget *parent)
    : QWidget(parent), m_notice(new Notice(this)), m_text(new QLabel(m_notice))
{
    setObjectName(QStringLiteral("Announcement"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(0, 0);
    m_text->setTextFormat(Qt::PlainText);
    m_notice->hide();
}

void Announcement::say(const QString &text)
{
    m_text->setText(text);
    if (!isVisible())
        return;
    // Heard as it is shown, even when the line is the same as the last; hidden at once, so
    // that it is not read again with the screen's other text when the screen is next
    // entered. Orca reads the line when it comes to the news, hidden or not.
    m_notice->show();
    m_notice->hide();
}

void Announcement::installAccessibility()
{
    installAccessibleRole<Announcement, QAccessible::StatusBar>();
    installAccessibleRole<Notice, QAccessible::Notification>();
}

#include "announcement.moc"
