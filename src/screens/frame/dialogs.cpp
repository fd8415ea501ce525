#include "frame/dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <algorithm>

void MessageBoxDialogs::inform(const QString &message)
{
    QMessageBox::information(m_parent, QStringLiteral("Zorvanel"), message, QMessageBox::Ok);
}

bool MessageBoxDialogs::confirm(const QString &question)
{
    return QMessageBox::question(m_parent, QStringLiteral(" "), question,
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool MessageBoxDialogs::ask(const QString &question)
{
    return QMessageBox::question(m_parent, QStringLiteral("Zorvanel"), question,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

QStringList MessageBoxDialogs::chooseFilesToOpen(const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileNames(m_parent, caption, QDir::homePath(), filter);
}

namespace {
// "GIFT (*.gift *.txt)" gives "gift".
QString firstEnding(const QString &filter)
{
    const QRegularExpression ending(QStringLiteral("\\*\\.(\\w+)"));
    return ending.match(filter).captured(1);
}
} // namespace

QString MessageBoxDialogs::chooseFileToSave(const QString &caption, const QString &suggested,
                                            const QStringList &filters)
{
    QFileDialog dialog(m_parent, caption, suggested);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(firstEnding(filters.value(0)));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString &filter) { dialog.setDefaultSuffix(firstEnding(filter)); });
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void MessageBoxDialogs::showReport(const QString &heading, const QStringList &lines)
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(QStringLiteral("Zorvanel"));
    auto *label = new QLabel(heading, &dialog);
    label->setWordWrap(true);
    auto *list = new QListWidget(&dialog);
    list->addItems(lines);
    list->setWordWrap(true);
    list->setAccessibleName(heading);
    list->setCurrentRow(0);
    label->setBuddy(list);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    // Wide enough for a skipped question's name and reason on one line.
    dialog.resize(dialog.fontMetrics().averageCharWidth() * 90, dialog.fontMetrics().height() * 24);
    list->setFocus();
    dialog.exec();
}

int MessageBoxDialogs::chooseItem(const QString &caption, const QString &label,
                                  const QStringList &items, int current)
{
    // A list named by the question rather than a combo box: Orca spoke a closed combo box
    // by its name alone, without the item it held.
    QDialog dialog(m_parent);
    dialog.setWindowTitle(caption);
    auto *question = new QLabel(label, &dialog);
    auto *list = new QListWidget(&dialog);
    list->addItems(items);
    list->setAccessibleName(label);
    list->setFixedHeight(list->sizeHintForRow(0) * int(items.size()) + 2 * list->frameWidth());
    question->setBuddy(list);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(question);
    layout->addWidget(list);
    layout->addWidget(buttons);
    list->setCurrentRow(std::clamp(current, 0, int(items.size()) - 1));
    list->setFocus();
    return dialog.exec() == QDialog::Accepted ? list->currentRow() : -1;
}
