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
};

class MessageBoxDialogs : public Dialogs
{
public:
    void setParent(QWidget *parent) { m_parent = parent; }
    void inform(const QString &message) override;
    bool confirm(const QString &question) override;

private:
    QPointer<QWidget> m_parent;
};
