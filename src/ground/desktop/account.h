#pragma once

#include <QString>
#include <QStringList>

// Who is logged in, as the system's account database says.
struct Account
{
    QString login;
    QString fullName;   // the account's full name, or empty
    QStringList groups; // every group the program runs with

    static Account current();
};
