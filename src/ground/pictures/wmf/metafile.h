#pragma once

#include <QByteArray>
#include <QRect>
#include <QSizeF>

#include <vector>

// One record of a metafile: its function number and its parameter bytes.
struct MetafileRecord
{
    quint16 function = 0;
    qsizetype offset = 0; // of the parameters within the file
    qsizetype size = 0;   // of the parameters, in bytes
};

// A Windows Metafile, read record by record without trusting any size in it. Reading stops
// at the end record, at a record shorter than three words, or at one that claims more bytes
// than are left; what came before stays usable, so a damaged file draws up to the damage.
class Metafile
{
public:
    // Enough for any page; stops a hostile file from costing unbounded memory or time.
    static constexpr qsizetype maxBytes = qsizetype(8) * 1024 * 1024;
    static constexpr qsizetype maxRecords = 4 * 1024 * 1024;

    static Metafile parse(QByteArray bytes);

    bool isNull() const { return m_records.empty(); }
    bool isPlaceable() const { return m_placeable; }
    // The picture frame in logical units: the placeable bounding box, or for a plain
    // metafile the window its records set up.
    QRect bounds() const { return m_bounds; }
    // Its own size: bounding box over units per inch, times 1440.
    QSizeF sizeTwips() const;
    // How many object-table slots the header asks for.
    int objectCount() const { return m_objectCount; }
    // True when reading stopped at the end record rather than at damage.
    bool isComplete() const { return m_complete; }

    const std::vector<MetafileRecord> &records() const { return m_records; }
    const QByteArray &bytes() const { return m_bytes; }

private:
    bool readPlaceableHeader();
    bool readHeader(qsizetype at);
    void readRecords(qsizetype at);
    void findPlainBounds();

    QByteArray m_bytes;
    std::vector<MetafileRecord> m_records;
    QRect m_bounds;
    int m_unitsPerInch = 1440;
    int m_objectCount = 0;
    bool m_placeable = false;
    bool m_complete = false;
};
