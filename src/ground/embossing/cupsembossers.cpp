#include "embossing/cupsembossers.h"

#include <cups/cups.h>

QStringList CupsEmbossers::printers()
{
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    QStringList names;
    for (int i = 0; i < count; ++i) {
        // Instances are option sets of one queue; the queue is what receives the bytes.
        const QString name = QString::fromUtf8(dests[i].name);
        if (!names.contains(name))
            names.append(name);
    }
    cupsFreeDests(count, dests);
    return names;
}

bool CupsEmbossers::sendRaw(const QString &printer, const QString &jobTitle,
                            const QByteArray &bytes, QString *problem)
{
    const QByteArray name = printer.toUtf8();
    const QByteArray title = jobTitle.toUtf8();
    cups_option_t *options = nullptr;
    const int optionCount = cupsAddOption("raw", "true", 0, &options);
    const int job =
        cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), title.constData(), optionCount, options);
    cupsFreeOptions(optionCount, options);
    bool sent = job > 0;
    if (sent) {
        sent = cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), job, title.constData(),
                                 CUPS_FORMAT_RAW, 1) == HTTP_STATUS_CONTINUE &&
               cupsWriteRequestData(CUPS_HTTP_DEFAULT, bytes.constData(),
                                    std::size_t(bytes.size())) == HTTP_STATUS_CONTINUE;
        // The document is finished even after a failed write, so the connection is left
        // ready for the next request.
        const bool finished = cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData()) <=
                              IPP_STATUS_OK_EVENTS_COMPLETE;
        sent = sent && finished;
        if (!sent) {
            const QString reason = QString::fromUtf8(cupsLastErrorString());
            // Half a Braille file embossed wastes heavy paper: cancel what did arrive.
            cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), job, 0);
            if (problem)
                *problem = reason;
            return false;
        }
        return true;
    }
    if (problem)
        *problem = QString::fromUtf8(cupsLastErrorString());
    return false;
}
