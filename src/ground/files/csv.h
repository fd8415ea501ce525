#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// Comma-separated values as spreadsheets read and write them: UTF-8, records ended by CRLF,
// a field quoted when it holds a comma, a quote or a line break, its quotes doubled.
namespace csv {

// The byte order mark that tells a spreadsheet the file is UTF-8.
inline constexpr char byteOrderMark[] = "\xEF\xBB\xBF";

// One record, ended by CRLF.
QByteArray record(const QStringList &fields);

// The records of a file, its byte order mark skipped. A quoted field may span lines; a
// quote left open at the end makes the last record run to the end of the file.
QList<QStringList> records(const QByteArray &bytes);

} // namespace csv
