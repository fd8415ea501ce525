#include "files/csv.h"

namespace csv {

QByteArray record(const QStringList &fields)
{
    QByteArray line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        QByteArray field = fields.at(i).toUtf8();
        if (field.contains(',') || field.contains('"') || field.contains('\n') ||
            field.contains('\r')) {
            field.replace("\"", "\"\"");
            field = '"' + field + '"';
        }
        line += field;
    }
    return line + "\r\n";
}

QList<QStringList> records(const QByteArray &bytes)
{
    QList<QStringList> all;
    QStringList fields;
    QByteArray field;
    bool quoted = false;
    bool recordOpen = false;
    const auto endField = [&] {
        fields.append(QString::fromUtf8(field));
        field.clear();
    };
    const auto endRecord = [&] {
        endField();
        all.append(fields);
        fields.clear();
        recordOpen = false;
    };
    qsizetype i = bytes.startsWith(byteOrderMark) ? 3 : 0;
    for (; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (quoted) {
            if (c != '"')
                field += c;
            else if (i + 1 < bytes.size() && bytes.at(i + 1) == '"')
                field += bytes.at(++i);
            else
                quoted = false;
            continue;
        }
        // The common field, plain text up to the next comma or line end, is taken in one go.
        if (c != '"' && c != ',' && c != '\n' && c != '\r') {
            qsizetype end = i + 1;
            while (end < bytes.size() && bytes.at(end) != ',' && bytes.at(end) != '"' &&
                   bytes.at(end) != '\n' && bytes.at(end) != '\r')
                ++end;
            field += QByteArrayView(bytes).sliced(i, end - i);
            i = end - 1;
            recordOpen = true;
            continue;
        }
        if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            endField();
        } else if (c == '\n' || c == '\r') {
            if (recordOpen || !field.isEmpty() || !fields.isEmpty())
                endRecord();
            continue;
        } else {
            field += c;
        }
        recordOpen = true;
    }
    if (recordOpen || !field.isEmpty() || !fields.isEmpty())
        endRecord();
    return all;
}

} // namespace csv
