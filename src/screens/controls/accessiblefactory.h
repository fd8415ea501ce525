#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLatin1String>

#include <utility>

// Gives every widget of class W the accessible interface that Make builds for it, in
// place of Qt's generic one. Installed once, however often it is asked.
template <class W, QAccessibleInterface *(*Make)(W *)> void installAccessibleFactory()
{
    static bool installed = false;
    if (std::exchange(installed, true))
        return;
    QAccessible::installFactory([](const QString &className, QObject *object) {
        auto *widget = qobject_cast<W *>(object);
        const bool ours = widget && className == QLatin1String(W::staticMetaObject.className());
        return ours ? Make(widget) : static_cast<QAccessibleInterface *>(nullptr);
    });
}

template <class W, QAccessible::Role role> QAccessibleInterface *widgetWithRole(W *widget)
{
    return new QAccessibleWidget(widget, role);
}

// Gives every widget of class W Qt's plain interface, with a role of its own.
template <class W, QAccessible::Role role> void installAccessibleRole()
{
    installAccessibleFactory<W, widgetWithRole<W, role>>();
}
