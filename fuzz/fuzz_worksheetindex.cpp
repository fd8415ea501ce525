// Feeds arbitrary bytes to the worksheet index reader: whatever the file holds, the index
// stays within its capacity and every title is one bounded field.
#include "fuzzsupport.h"

#include "files/textfile.h"
#include "worksheets/worksheetindex.h"

#include <QBuffer>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));

    QBuffer buffer;
    buffer.setData(input);
    buffer.open(QIODevice::ReadOnly);
    const WorksheetIndex index = WorksheetIndexFile::parse(buffer);

    FUZZ_REQUIRE(index.count() >= 0 && index.count() <= WorksheetIndex::capacity);
    for (const QString &title : index.titles) {
        FUZZ_REQUIRE(title.size() <= maxFieldLength);
        FUZZ_REQUIRE(!title.contains(u',') && !title.contains(u'\r') && !title.contains(u'\n'));
        FUZZ_REQUIRE(!title.startsWith(u' ') && !title.startsWith(u'\t'));
    }

    TrickleDevice trickle(input, trickleStep(size));
    FUZZ_REQUIRE(WorksheetIndexFile::parse(trickle).titles == index.titles);

    // A read error part way keeps the titles read before it and no field it cut short.
    TrickleDevice failing(input, trickleStep(size), qint64(size / 2));
    const QStringList before = WorksheetIndexFile::parse(failing).titles;
    FUZZ_REQUIRE(before == index.titles.mid(0, before.size()));

    // The index as the program writes it back reads as the same titles.
    QByteArray written = " " + QByteArray::number(index.count()) + " \r\n";
    for (const QString &title : index.titles)
        written += windows1252::encode(title) + "\r\n";
    QBuffer rewritten(&written);
    rewritten.open(QIODevice::ReadOnly);
    FUZZ_REQUIRE(WorksheetIndexFile::parse(rewritten).titles == index.titles);
    return 0;
}
