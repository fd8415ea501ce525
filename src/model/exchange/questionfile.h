#pragma once

#include "exchange/question.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A question bank file of either format, told apart by its content, not its name.
namespace questionfile {

// A text file is read whole, so one larger than this is refused; XML is read as a stream
// and may be of any size.
constexpr qint64 giftLimit = 20 * 1024 * 1024;

enum class Format { Gift, MoodleXml };

// The format the first bytes of a file show: XML starts with a markup character, after any
// byte-order mark and white space; anything else is read as the plain-text format.
Format formatOf(const QByteArray &head);

struct Reading
{
    QList<exchange::Question> questions;
    QString problem; // why nothing could be read, in plain words
};

Reading read(const QString &path);

} // namespace questionfile
