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
    // In file order; one that cannot be read holds its problem, and the rest are read.
    QList<Question> questions;
};

Reading read(const QString &text);

// Whether a text starts with a format marker such as "[html]", which a reader takes as
// the text's format rather than as its words.
bool startsWithFormat(const QString &text);

} // namespace gift
