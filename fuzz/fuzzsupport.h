#pragma once

#include <QByteArray>
#include <QIODevice>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// Stops the run with a message; libFuzzer keeps the input that caused it.
#define FUZZ_REQUIRE(condition)                                                                    \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// The field reader's default cap on one field, in characters.
constexpr int maxFieldLength = 4096;

// Hands out its bytes a few at a time, as a pipe or a network share may, and can fail
// part way like a share that goes away. The field reader must give the same fields
// whatever the sizes of the reads it gets, including a CR and its LF arriving in separate
// reads, and must give no field that a failed read cut short.
class TrickleDevice : public QIODevice
{
public:
    // failAt: the read that would pass this many bytes fails instead; negative never fails.
    TrickleDevice(const QByteArray &bytes, qint64 step, qint64 failAt = -1)
        : m_bytes(bytes), m_step(step), m_failAt(failAt)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_bytes.size() - m_pos; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_failAt >= 0 && m_pos >= m_failAt)
            return -1;
        const qint64 n = std::min({maxSize, m_step, qint64(m_bytes.size()) - m_pos});
        std::memcpy(data, m_bytes.constData() + m_pos, size_t(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_step;
    qint64 m_failAt;
    qint64 m_pos = 0;
};

// A read size from 1 to 13 bytes that differs between inputs without costing input bytes.
inline qint64 trickleStep(size_t size)
{
    return qint64(size % 13) + 1;
}
