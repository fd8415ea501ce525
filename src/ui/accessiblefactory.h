#pragma once

#include <QAccessible>
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
