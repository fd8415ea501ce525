#pragma once

#include <QByteArray>

#include <cstdint>

// Little-endian reads from a window of bytes that never look past its end: a read beyond
// it gives 0 and marks the reader as overrun, so a short record is noticed, not trusted.
class ByteReader
{
public:
    ByteReader(const char *data, qsizetype size) : m_data(data), m_size(size) {}

    quint8 u8() { return quint8(take(1) ? m_data[m_pos - 1] : 0); }
    quint16 u16()
    {
        if (!take(2))
            return 0;
        return quint16(quint8(m_data[m_pos - 2]) | (quint8(m_data[m_pos - 1]) << 8));
    }
    qint16 i16() { return qint16(u16()); }
    quint32 u32()
    {
        const quint32 low = u16();
        return low | (quint32(u16()) << 16);
    }
    qint32 i32() { return qint32(u32()); }
    // Skips bytes; false (and overrun) if fewer are left.
    bool skip(qsizetype n) { return take(n); }

    // Marks the window as too short for what a count in it claims.
    void fail() { take(-1); }

    qsizetype position() const { return m_pos; }
    qsizetype remaining() const { return m_size - m_pos; }
    const char *here() const { return m_data + m_pos; }
    bool overrun() const { return m_overrun; }

private:
    bool take(qsizetype n)
    {
        if (n < 0 || n > m_size - m_pos) {
            m_overrun = true;
            m_pos = m_size;
            return false;
        }
        m_pos += n;
        return true;
    }

    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    bool m_overrun = false;
};
