#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The system's printers, one of which is the school's Braille embosser. A Braille file goes
// to it byte for byte: any page rendering or filtering would print nonsense.
class Embossers
{
public:
    virtual ~Embossers() = default;
    // The printers' names, as the print system knows them.
    virtual QStringList printers() = 0;
    // Sends bytes to a printer as raw data; false, with the reason in *problem, when the
    // print system did not take the whole job.
    virtual bool sendRaw(const QString &printer, const QString &jobTitle, const QByteArray &bytes,
                         QString *problem) = 0;
};
