#pragma once

#include "exchange/question.h"

#include <QByteArray>

// The plain-text question bank format.
namespace gift {

using exchange::Answer;
using exchange::Kind;
using exchange::Question;

// The file's text: UTF-8 with or without a byte-order mark, else windows-1252.
QString decode(const QByteArray &bytes);

struct Reading
{
    QList<Question> questions;
    QString problem; // why the file cannot be read, when it cannot
};

Reading read(const QString &text);

} // namespace gift
