#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

// Message boxes, behind an interface so that tests never block on a modal box.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // An OK box titled with the program's name.
    virtual void inform(const QString &message) = 0;
    // An OK/Cancel question with an empty title; true for OK.
    virtual bool confirm(const QString &question) = 0;
    // A Yes/No question titled with the program's name, No by default; true for Yes.
    virtual bool ask(const QString &question) = 0;
    // Files to read, of the kinds the filter names ("Questions (*.gift *.xml)"); none when
    // the user cancels.
    virtual QStringList chooseFilesToOpen(const QString &caption, const QString &filter) = 0;
    // Where to write a file, starting from a suggested path; the first filter's ending is
    // added to a name typed without one. Empty when the user cancels.
    virtual QString chooseFileToSave(const QString &caption, const QString &suggested,
                                     const QStringList &filters) = 0;
    // Lines the user reads one by one in a list, however many there are.
    virtual void showReport(const QString &heading, const QStringList &lines) = 0;
    // One of a list of items, starting from the current one; -1 when the user cancels.
    virtual int chooseItem(const QString &caption, const QString &label, const QStringList &items,
                           int current) = 0;
};

class MessageBoxDialogs : public Dialogs
{
public:
    void setParent(QWidget *parent) { m_parent = parent; }
    void inform(const QString &message) override;
    bool confirm(const QString &question) override;
    bool ask(const QString &question) override;
    QStringList chooseFilesToOpen(const QString &caption, const QString &filter) override;
    QString chooseFileToSave(const QString &caption, const QString &suggested,
                             const QStringList &filters) override;
    void showReport(const QString &heading, const QStringList &lines) override;
    int chooseItem(const QString &caption, const QString &label, const QStringList &items,
                   int current) override;

private:
    QPointer<QWidget> m_parent;
};
