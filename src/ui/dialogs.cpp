#include "ui/dialogs.h"

#include <QMessageBox>

void MessageBoxDialogs::inform(const QString &message)
{
    QMessageBox::information(m_parent, QStringLiteral("Zorvanel"), message, QMessageBox::Ok);
}

bool MessageBoxDialogs::confirm(const QString &question)
{
    return QMessageBox::question(m_parent, QStringLiteral(" "), question,
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}
