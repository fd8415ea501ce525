#pragma once

#include "embossing/embossers.h"

// The printers of the CUPS server the session uses.
class CupsEmbossers : public Embossers
{
public:
    QStringList printers() override;
    bool sendRaw(const QString &printer, const QString &jobTitle, const QByteArray &bytes,
                 QString *problem) override;
};
