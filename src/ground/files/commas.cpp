#include "files/commas.h"

QString encodeCommas(const QString &typed)
{
    QString stored = typed;
    return stored.replace(u',', u'&');
}

QString decodeCommas(const QString &stored)
{
    QString typed = stored;
    return typed.replace(u'&', u',');
}
